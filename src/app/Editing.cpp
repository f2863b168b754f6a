#include "app/Editing.h"

namespace orvanest {

void clearSelection(Layout& layout) {
    for (Part& part : layout.parts) part.selected = false;
}

void selectAll(Layout& layout) {
    for (Part& part : layout.parts) part.selected = true;
}

}  // namespace orvanest
