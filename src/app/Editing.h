#pragma once

#include "layout/Layout.h"

namespace orvanest {

void clearSelection(Layout& layout);
void selectAll(Layout& layout);

}  // namespace orvanest
