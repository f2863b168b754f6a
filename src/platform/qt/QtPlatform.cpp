#include "platform/qt/QtPlatform.h"

#include <QAction>
#include <QApplication>
#include <QWidget>
#include <chrono>

#include "platform/SystemMemory.h"
#include "platform/qt/StandardDialogs.h"

namespace orvanest {

QtPlatform::QtPlatform(QWidget* owner) : owner_(owner), progress_(owner) {}

bool QtPlatform::packingProgress(int done, int total) { return progress_.report(done, total); }

void QtPlatform::releaseFreedMemory() { releaseFreedHeapMemory(); }

void QtPlatform::showMessage(const std::string& caption, const std::string& text) {
    if (messageHandler_) {
        messageHandler_(caption, text);
    } else {
        showMessageBox(caption, text);
    }
}

bool QtPlatform::chooseFile(const FileChooser& chooser, std::string& filePath) {
    if (chooserHandler_) return chooserHandler_(chooser, filePath);
    return runFileChooser(owner_, chooser, filePath);
}

void QtPlatform::playSystemSound() { QApplication::beep(); }

double QtPlatform::nowSeconds() {
    using Clock = std::chrono::steady_clock;
    return std::chrono::duration<double>(Clock::now().time_since_epoch()).count();
}

// Qt double-buffers and the paint handler fills the background itself, so both kinds are one update.
void QtPlatform::requestRedraw(bool /*full*/) {
    if (view_) view_->update();
}

void QtPlatform::openRnPpdDialog() {
    if (dialogOpener_) dialogOpener_();
}

void QtPlatform::setMenuChecked(int commandId, bool checked) {
    const auto found = menuActions_.find(commandId);
    if (found != menuActions_.end() && found->second) found->second->setChecked(checked);
}

}  // namespace orvanest
