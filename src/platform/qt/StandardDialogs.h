#pragma once

#include <QString>
#include <string>

#include "layout/Platform.h"

class QWidget;

namespace orvanest {

// An application-modal message box with one OK button: a warning icon for "Warning!", an information
// icon for "注意!" and for any other caption.
void showMessageBox(const std::string& caption, const std::string& text);

// The chooser's filter as Qt writes it: "<description> (<pattern>)".
QString nameFilter(const FileChooser& chooser);

// A modal file chooser over `owner`, starting at `filePath` (the one shared last path); on confirmation
// the chosen path is stored there. The save chooser asks before overwriting a file.
bool runFileChooser(QWidget* owner, const FileChooser& chooser, std::string& filePath);

}  // namespace orvanest
