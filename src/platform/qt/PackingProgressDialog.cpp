#include "platform/qt/PackingProgressDialog.h"

#include <QCoreApplication>
#include <QProgressDialog>
#include <QWidget>

namespace orvanest {
namespace {

constexpr qint64 kShowAfterMilliseconds = 500;

}  // namespace

PackingProgressDialog::PackingProgressDialog(QWidget* owner) : owner_(owner) {}

PackingProgressDialog::~PackingProgressDialog() = default;

bool PackingProgressDialog::report(int done, int total) {
    // The first part of a run starts its clock; the run's first part is not worth a dialog.
    if (done <= 1) {
        close();
        runTimer_.start();
    }
    if (done >= total) {
        close();
        return true;
    }
    if (!dialog_ && runTimer_.isValid() && runTimer_.elapsed() >= kShowAfterMilliseconds) {
        dialog_ = std::make_unique<QProgressDialog>(QStringLiteral("Packing parts..."), QStringLiteral("Cancel"), 0,
                                                    total, owner_);
        dialog_->setWindowTitle(QStringLiteral("Packing"));
        dialog_->setWindowModality(Qt::WindowModal);
        dialog_->setMinimumDuration(0);
        dialog_->setAutoClose(false);
        dialog_->setAutoReset(false);
        dialog_->show();
    }
    if (!dialog_) return true;
    dialog_->setMaximum(total);
    dialog_->setValue(done);
    dialog_->setLabelText(QStringLiteral("Placed %1 of %2 parts").arg(done).arg(total));
    // Let the dialog paint and take the Cancel click; the window itself is blocked by the modal dialog.
    QCoreApplication::processEvents();
    if (dialog_->wasCanceled()) {
        close();
        return false;
    }
    return true;
}

void PackingProgressDialog::close() {
    if (dialog_) dialog_->close();
    dialog_.reset();
}

}  // namespace orvanest
