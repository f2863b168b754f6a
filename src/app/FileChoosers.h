#pragma once

#include "layout/Platform.h"

namespace orvanest {

// The open chooser (part data, part list and part-id sequence files) and the save chooser (DXF layout).
// Both start at the one path last chosen in either.
FileChooser openFileChooser();
FileChooser saveFileChooser();

}  // namespace orvanest
