#pragma once

#include <QPointer>
#include <functional>
#include <map>

#include "layout/Platform.h"
#include "platform/qt/PackingProgressDialog.h"
#include "platform/qt/TonePlayer.h"

class QAction;
class QWidget;

namespace orvanest {

// The Platform of the desktop window: Qt message boxes and file choosers, tones through Qt Multimedia,
// repaints of the view, the View menu's check marks and the RN/PPD dialog.
// Tests replace the message boxes and the choosers with answers of their own.
class QtPlatform : public Platform {
public:
    using MessageHandler = std::function<void(const std::string& caption, const std::string& text)>;
    using ChooserHandler = std::function<bool(const FileChooser& chooser, std::string& filePath)>;

    // `owner` is the window the file choosers open over.
    explicit QtPlatform(QWidget* owner);

    void setView(QWidget* view) { view_ = view; }
    void setDialogOpener(std::function<void()> opener) { dialogOpener_ = std::move(opener); }
    // The action that shows the check mark of a menu command.
    void addMenuAction(int commandId, QAction* action) { menuActions_[commandId] = action; }

    void answerMessagesWith(MessageHandler handler) { messageHandler_ = std::move(handler); }
    void answerChoosersWith(ChooserHandler handler) { chooserHandler_ = std::move(handler); }

    void showMessage(const std::string& caption, const std::string& text) override;
    bool chooseFile(const FileChooser& chooser, std::string& filePath) override;
    void playTone(int frequencyHz, int milliseconds) override { tones_.play(frequencyHz, milliseconds); }
    bool tonePlaying() const override { return tones_.playing(); }
    void playSystemSound() override;
    double nowSeconds() override;
    void requestRedraw(bool full) override;
    void openRnPpdDialog() override;
    void setMenuChecked(int commandId, bool checked) override;
    bool packingProgress(int done, int total) override;
    void releaseFreedMemory() override;

private:
    QPointer<QWidget> owner_;
    QPointer<QWidget> view_;
    std::function<void()> dialogOpener_;
    std::map<int, QPointer<QAction>> menuActions_;
    MessageHandler messageHandler_;
    ChooserHandler chooserHandler_;
    TonePlayer tones_;
    PackingProgressDialog progress_;
};

}  // namespace orvanest
