#include "input/PartListReader.h"

#include <filesystem>

#include "input/DxfPartReader.h"
#include "input/HeaderReading.h"
#include "input/InputLimits.h"
#include "input/TextParsing.h"

namespace orvanest {
namespace {

// A relative path names a file in the current folder; users often keep the drawings beside the list
// instead, so when only that file exists, it is taken.
std::string resolveDrawingPath(const std::string& line, const std::string& listPath) {
    std::error_code ec;
    const std::filesystem::path drawing(line);
    if (line.empty() || drawing.is_absolute() || std::filesystem::exists(drawing, ec)) return line;
    const std::filesystem::path besideList = std::filesystem::path(listPath).parent_path() / drawing;
    return std::filesystem::exists(besideList, ec) ? besideList.string() : line;
}

}  // namespace

bool readPartListFile(Layout& layout, const std::string& path, Platform& platform) {
    auto fail = [&](int line, const std::string& reason) {
        platform.showMessage(kWarningCaption, locatedMessage(kPartListOpenError, path, line, reason));
        return false;
    };
    TextLines text;
    std::string error;
    if (!readTextLines(path, text, &error)) return fail(0, error);
    const std::vector<std::string>& lines = text.lines;
    if (!readBoardHeader(layout, lines, path, platform, kPartListOpenError)) return false;
    // The end of the file is tested before each line is read, so a list whose last line ended without a
    // "#FileEnd" line reads one more, empty, path.
    const size_t pathLines = lines.size() + (text.lastLineEnded ? 1 : 0);
    int ordinal = 0;
    std::int64_t totalVertices = 0;
    for (size_t index = 3; index < pathLines; ++index) {
        const std::string line = index < lines.size() ? lines[index] : std::string();
        if (line.compare(0, 8, "#FileEnd") == 0) break;
        const int lineNumber = static_cast<int>(index) + 1;
        if (ordinal >= kMaxParts) return fail(lineNumber, "more than " + std::to_string(kMaxParts) + " parts");
        Part part;
        if (!readDxfPart(part, resolveDrawingPath(line, path), platform)) return false;
        totalVertices += part.vertexCount();
        if (totalVertices > kMaxTotalVertices)
            return fail(lineNumber, "more than " + std::to_string(kMaxTotalVertices) + " vertices in all");
        layout.addPartFront(part);
        layout.addPartType(part.name, ordinal);
        ++ordinal;
    }
    return true;
}

}  // namespace orvanest
