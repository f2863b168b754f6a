#include "input/PartDataReader.h"

#include <cmath>

#include "input/HeaderReading.h"
#include "input/InputLimits.h"
#include "input/TextParsing.h"

namespace orvanest {
namespace {

// Line-by-line reader state; `index` is the current line (0-based), lines are reported 1-based.
class PartDataParser {
public:
    PartDataParser(Layout& layout, const std::string& path, const TextLines& text, Platform& platform)
        : layout_(layout), path_(path), lines_(text.lines), platform_(platform) {}

    bool run();

private:
    struct Block {
        std::string name = "NoName";
        std::int64_t copies = 1;
        Polygon outer;
        bool hasOuter = false;
        PolygonList inners;
    };

    bool fail(int line, const std::string& reason) {
        platform_.showMessage(kWarningCaption, locatedMessage(kPartDataOpenError, path_, line, reason));
        return false;
    }
    bool readBlock(Block& block);
    bool readLoop(const char* closing, Polygon& polygon);

    Layout& layout_;
    const std::string& path_;
    const std::vector<std::string>& lines_;
    Platform& platform_;
    size_t index_ = 0;
    std::int64_t totalParts_ = 0;
    std::int64_t totalVertices_ = 0;
};

bool PartDataParser::run() {
    if (!readBoardHeader(layout_, lines_, path_, platform_, kPartDataOpenError)) return false;
    index_ = 2;  // the header's third line; the loop below reads on from the next one
    int ordinal = 0;
    Part working;
    while (++index_ < lines_.size()) {
        if (lines_[index_] != "Part") continue;
        const int blockLine = static_cast<int>(index_) + 1;
        Block block;
        if (!readBlock(block)) return false;
        if (!block.hasOuter) return fail(blockLine, "part block without OutLoop");
        working.setFromLoops(block.name, block.outer, block.inners);
        const std::int64_t copies = block.copies > 0 ? block.copies : 0;
        totalParts_ += copies;
        totalVertices_ += copies * working.vertexCount();
        if (totalParts_ > kMaxParts) return fail(blockLine, "more than " + std::to_string(kMaxParts) + " parts in all");
        if (totalVertices_ > kMaxTotalVertices)
            return fail(blockLine, "more than " + std::to_string(kMaxTotalVertices) + " vertices in all");
        for (std::int64_t k = 0; k < copies; ++k) layout_.addPartFront(working);
        layout_.addPartType(working.name, ordinal);
        ++ordinal;
    }
    return true;
}

bool PartDataParser::readBlock(Block& block) {
    // The end of the file inside a block counts as its "EndPart".
    while (++index_ < lines_.size()) {
        const std::string* current = &lines_[index_];
        if (*current == "Name") {
            if (++index_ >= lines_.size()) return true;
            current = &lines_[index_];
            block.name = *current;
        }
        if (*current == "PartNumOfSameType") {
            if (++index_ >= lines_.size()) return true;
            current = &lines_[index_];
            const ParsedInteger count = parseLeadingInteger(*current);
            if (count.value > kMaxParts)
                return fail(static_cast<int>(index_) + 1, "copy count above the limit of " + std::to_string(kMaxParts));
            block.copies = count.value;  // none or a negative count inserts no part
        }
        if (*current == "OutLoop") {
            if (!readLoop("EndOutLoop", block.outer)) return false;
            block.hasOuter = true;
            if (index_ >= lines_.size()) return true;
            continue;  // the current line is still "OutLoop"
        }
        if (*current == "InnerLoop") {
            Polygon hole;
            if (!readLoop("EndInnerLoop", hole)) return false;
            block.inners.push_front(hole);
            if (index_ >= lines_.size()) return true;
            continue;
        }
        if (*current == "EndPart") return true;
    }
    return true;
}

bool PartDataParser::readLoop(const char* closing, Polygon& polygon) {
    const int keywordLine = static_cast<int>(index_) + 1;
    std::vector<Point> points;
    // The end of the file inside a loop counts as its closing keyword.
    while (++index_ < lines_.size()) {
        const std::string& line = lines_[index_];
        if (line == closing) break;
        const ParsedNumber x = parseLeadingNumber(line);
        // The one character after x is the separator, whatever it is.
        const size_t yStart = x.consumed + 1;
        const ParsedNumber y =
            parseLeadingNumber(yStart < line.size() ? std::string_view(line).substr(yStart) : std::string_view());
        if (!x.finite || !y.finite)
            return fail(static_cast<int>(index_) + 1, "vertex coordinate is not a finite number");
        if (static_cast<std::int64_t>(points.size()) >= kMaxTotalVertices)
            return fail(static_cast<int>(index_) + 1, "more than " + std::to_string(kMaxTotalVertices) + " vertices");
        points.emplace_back(x.value, y.value);
    }
    if (points.empty()) return fail(keywordLine, "loop without vertices");
    polygon.setVertices(std::move(points));
    return true;
}

}  // namespace

bool readPartDataFile(Layout& layout, const std::string& path, Platform& platform) {
    TextLines text;
    std::string error;
    if (!readTextLines(path, text, &error)) {
        platform.showMessage(kWarningCaption, locatedMessage(kPartDataOpenError, path, 0, error));
        return false;
    }
    return PartDataParser(layout, path, text, platform).run();
}

}  // namespace orvanest
