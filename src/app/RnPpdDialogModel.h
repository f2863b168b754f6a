#pragma once

#include <string>

#include "app/CommandLayer.h"

namespace orvanest {

// One open "Renew RN&PPD" dialog: the front end makes one when the platform is asked to open a dialog,
// and keeps it as long as the dialog is shown. The current layout is looked up at every button, so
// after a reload the buttons act on the new layout while the boxes still show the old numbers.
class RnPpdDialogModel {
public:
    explicit RnPpdDialogModel(CommandLayer& commands);

    // What the edit boxes show on creation ("%d" and "%lf"); RN 4 and PPD 0.500000 without a layout.
    const std::string& initialRnText() const { return initialRnText_; }
    const std::string& initialPpdText() const { return initialPpdText_; }

    // The Renew buttons, with the text of their edit box. A refused value leaves it as it was (after a
    // "Warning!" message). Each asks for a full redraw; without a layout they do nothing.
    void pressRenewRn(const std::string& text);
    void pressRenewPpd(const std::string& text);

    // OK, Cancel and the close box close the dialog and apply nothing.
    static bool closesDialog(int controlId) { return controlId == kControlOk || controlId == kControlCancel; }

private:
    CommandLayer& commands_;
    std::string initialRnText_;
    std::string initialPpdText_;
};

}  // namespace orvanest
