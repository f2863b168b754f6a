#include "app/FileChoosers.h"

namespace orvanest {

FileChooser openFileChooser() {
    return FileChooser{"Open File of Parts ", "Text Files (*.TXT)", "*.txt", "txt", false};
}

FileChooser saveFileChooser() {
    return FileChooser{"Write DXF File of Layout", "Text Files (*.DXF)", "*.dxf", "dxf", true};
}

}  // namespace orvanest
