#pragma once

#include <string>

namespace orvanest {

inline constexpr const char* kWarningCaption = "Warning!";
inline constexpr const char* kNoticeCaption = "注意!";

// What a file chooser shows: its title, one filter and the extension added to a bare name.
struct FileChooser {
    std::string title;
    std::string filterDescription;
    std::string filterPattern;
    std::string defaultExtension;
    bool forSaving = false;
};

// The one seam between the program and the window system (or the batch tool, or a test).
// Everything the core and the command layer need from outside goes through it.
class Platform {
public:
    virtual ~Platform() = default;

    // A modal message with one OK button; "Warning!" shows a warning icon, "注意!" an information one.
    virtual void showMessage(const std::string& caption, const std::string& text) = 0;

    // Shows the chooser starting at `filePath`; on confirmation stores the chosen path there.
    virtual bool chooseFile(const FileChooser& chooser, std::string& filePath) = 0;

    // A tone of the step tune. The caller does not wait; it asks `tonePlaying` before the next step.
    virtual void playTone(int frequencyHz, int milliseconds) = 0;
    virtual bool tonePlaying() const { return false; }

    // The short system sound at the end of a timed run; never blocks.
    virtual void playSystemSound() = 0;

    // Seconds on a steady clock, for timing runs.
    virtual double nowSeconds() = 0;

    // Repaint requests of the command layer: a redraw, or a full redraw with background erase.
    virtual void requestRedraw(bool full) = 0;

    // Opens one more modeless "Renew RN&PPD" dialog (the command layer decides what it shows and does).
    virtual void openRnPpdDialog() {}
    // A long packing run reports after each part it handled: `done` of `total` selected parts. Answers
    // false when the user cancels; the run then stops after that part and keeps what it placed. A window
    // shows this only for runs that last longer than about half a second.
    virtual bool packingProgress(int /*done*/, int /*total*/) { return true; }
    // A packing run has ended and freed its working memory (edge tables of every part it met): the
    // system may take it back.
    virtual void releaseFreedMemory() {}

    // The View menu's check marks follow the command layer's state.
    virtual void setMenuChecked(int /*commandId*/, bool /*checked*/) {}
};

}  // namespace orvanest
