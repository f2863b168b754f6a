#include "platform/qt/RnPpdDialog.h"

#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRect>
#include <algorithm>

namespace orvanest {

namespace {

// Dialog units of the template: a quarter of the average character width across, an eighth of the
// line height down.
class DialogUnits {
public:
    explicit DialogUnits(const QFontMetrics& metrics)
        : baseX_(std::max(1, metrics.averageCharWidth())), baseY_(std::max(1, metrics.height())) {}
    QRect rect(int x, int y, int width, int height) const {
        return QRect(x * baseX_ / 4, y * baseY_ / 8, width * baseX_ / 4, height * baseY_ / 8);
    }

private:
    int baseX_;
    int baseY_;
};

QString controlName(int id) { return QString::number(id); }

}  // namespace

RnPpdDialog::RnPpdDialog(CommandLayer& commands, QWidget* parent)
    : QDialog(parent), model_(commands), rnEdit_(new QLineEdit(this)), ppdEdit_(new QLineEdit(this)) {
    setAttribute(Qt::WA_DeleteOnClose);
    setModal(false);
    setWindowTitle("Renew RN&PPD");
    setObjectName(controlName(kDialogId));
    const DialogUnits units(fontMetrics());
    setFixedSize(units.rect(0, 0, 80, 133).size());

    auto* ok = new QPushButton("OK", this);
    auto* cancel = new QPushButton("Cancel", this);
    auto* renewPpd = new QPushButton("Renew PPD", this);
    auto* rnLabel = new QLabel("RN=", this);
    auto* ppdLabel = new QLabel("PPD=", this);
    auto* renewRn = new QPushButton("RenewRN", this);

    ok->setObjectName(controlName(kControlOk));
    cancel->setObjectName(controlName(kControlCancel));
    renewPpd->setObjectName(controlName(kControlRenewPpd));
    rnEdit_->setObjectName(controlName(kControlRnEdit));
    ppdEdit_->setObjectName(controlName(kControlPpdEdit));
    renewRn->setObjectName(controlName(kControlRenewRn));

    ok->setGeometry(units.rect(7, 112, 31, 14));
    cancel->setGeometry(units.rect(46, 112, 26, 14));
    renewPpd->setGeometry(units.rect(17, 87, 43, 18));
    rnLabel->setGeometry(units.rect(12, 19, 15, 8));
    ppdLabel->setGeometry(units.rect(7, 69, 20, 8));
    rnEdit_->setGeometry(units.rect(33, 16, 40, 14));
    ppdEdit_->setGeometry(units.rect(33, 66, 40, 14));
    renewRn->setGeometry(units.rect(17, 34, 43, 18));

    // Return in an edit box must not close the dialog and drop what was typed: no button is default.
    for (QPushButton* button : {ok, cancel, renewPpd, renewRn}) {
        button->setAutoDefault(false);
        button->setDefault(false);
    }
    rnEdit_->setText(QString::fromStdString(model_.initialRnText()));
    ppdEdit_->setText(QString::fromStdString(model_.initialPpdText()));

    connect(renewRn, &QPushButton::clicked, this, [this] { model_.pressRenewRn(rnEdit_->text().toStdString()); });
    connect(renewPpd, &QPushButton::clicked, this, [this] { model_.pressRenewPpd(ppdEdit_->text().toStdString()); });
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

}  // namespace orvanest
