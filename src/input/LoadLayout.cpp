#include "input/LoadLayout.h"

#include "input/PartDataReader.h"
#include "input/PartListReader.h"

namespace orvanest {

std::optional<Layout> loadLayout(const std::string& path, int kind, Platform& platform) {
    std::optional<Layout> layout(std::in_place);
    const bool read =
        kind == kLoadPartData ? readPartDataFile(*layout, path, platform) : readPartListFile(*layout, path, platform);
    if (!read) return std::nullopt;
    finishLoad(*layout);
    return layout;
}

}  // namespace orvanest
