#pragma once

#include <QDialog>

#include "app/RnPpdDialogModel.h"

class QLineEdit;

namespace orvanest {

// The modeless "Renew RN&PPD" dialog: the controls of its template, each named by its control id
// ("1001" the RN box, "1002" the PPD box, "1004" RenewRN, "1000" Renew PPD, "1" OK, "2" Cancel).
// What the buttons do is the model's; OK, Cancel and the close box close it and apply nothing.
class RnPpdDialog : public QDialog {
    Q_OBJECT

public:
    RnPpdDialog(CommandLayer& commands, QWidget* parent);

private:
    RnPpdDialogModel model_;
    QLineEdit* rnEdit_;
    QLineEdit* ppdEdit_;
};

}  // namespace orvanest
