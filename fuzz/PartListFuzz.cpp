// A part list with its DXF part file. An input with a NUL byte is the list text before it and the
// drawing "part.dxf" after it, both in one folder, so that the list can name the drawing; an input
// without one is the drawing, named twice by a fixed list.
#include <algorithm>
#include <cstddef>
#include <cstdint>

#include "FuzzHarness.h"
#include "input/LoadLayout.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace orvanest;
    const std::uint8_t* end = data + size;
    const std::uint8_t* split = std::find(data, end, std::uint8_t{0});
    std::string list = "BoardLength: 6000\nBoardWidth: 4000\nThickness   : 10\npart.dxf\npart.dxf\n#FileEnd\n";
    const std::uint8_t* drawing = data;
    if (split != end) {
        list.assign(reinterpret_cast<const char*>(data), static_cast<std::size_t>(split - data));
        drawing = split + 1;
    }
    fuzzing::writeScratchFile("part.dxf", drawing, static_cast<std::size_t>(end - drawing));
    fuzzing::loadAndPackBriefly(fuzzing::writeScratchFile("list.txt", list), kLoadPartList);
    return 0;
}
