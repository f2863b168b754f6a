#pragma once

#include "layout/Layout.h"
#include "layout/Platform.h"

namespace orvanest {

// Key K: puts each selected part, unturned, at the first PPD grid position where it fits.
void packTraversal(Layout& layout, Platform& platform);

}  // namespace orvanest
