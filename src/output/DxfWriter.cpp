#include "output/DxfWriter.h"

#include <filesystem>

#include "layout/FileWriting.h"
#include "output/NumberFormat.h"
#include "output/OutputFailure.h"

namespace orvanest {
namespace {

// The entity subset both writers share; every group code and every value is a line of its own.
class DxfText {
public:
    DxfText() { lines({"  0", "SECTION", "  2", "ENTITIES", "  0"}); }

    void line(const Point& start, const Point& end) {
        lines({"LINE", "  8", "0"});
        coordinates(" 10", " 20", start);
        lines({" 30", "0.0"});
        coordinates(" 11", " 21", end);
        lines({" 31", "0.0", "  0"});
    }
    void point(const Point& p) {
        lines({"POINT", "  8", "0"});
        coordinates(" 10", " 20", p);
        lines({" 30", "0.0", "  0"});
    }
    void text(const TextLabel& label) {
        lines({"TEXT", "  8", "1"});
        coordinates(" 10", " 20", Point(label.x, label.y));
        lines({" 30", "0", " 40", formatNumber(label.height), "  1", label.text, " 50", formatNumber(label.angle),
               "  0"});
    }
    void loop(const Polygon& polygon) {
        const int n = polygon.count();
        for (int i = 0; i < n; ++i) line(polygon.vertex(i), polygon.vertex(i + 1 == n ? 0 : i + 1));
    }
    void part(const Part& part) {
        loop(part.outer);
        for (const Polygon& hole : part.inners) loop(hole);
        text(part.nameLabel);
        if (!part.outer.empty()) point(part.outer.vertex(0));
    }
    std::string finish() {
        lines({"ENDSEC", "  0", "EOF"});
        return std::move(content_);
    }

private:
    void lines(std::initializer_list<std::string_view> items) {
        for (std::string_view item : items) {
            content_ += item;
            content_ += '\n';
        }
    }
    void coordinates(std::string_view xCode, std::string_view yCode, const Point& p) {
        lines({xCode, formatNumber(p.x), yCode, formatNumber(p.y)});
    }

    std::string content_;
};

bool writeOrWarn(const std::string& path, const std::string& content, Platform& platform) {
    std::string error;
    if (writeFileAtomically(path, content, &error)) return true;
    platform.showMessage(kWarningCaption, outputFailureText(kDxfWriteError, path, error));
    return false;
}

// A part name is used as a file name; a separator in it must not send the file into another folder.
std::string fileNameFor(const std::string& typeName, int copies) {
    std::string name = typeName;
    for (char& c : name)
        if (c == '/' || c == '\0') c = '_';
    return name + "x" + std::to_string(copies) + ".dxf";
}

}  // namespace

std::string dxfLayoutText(const Layout& layout) {
    const double l = layout.boardLength;
    const double w = layout.boardWidth;
    DxfText dxf;
    dxf.line(Point(0.0, 0.0), Point(l, 0.0));
    dxf.line(Point(l, 0.0), Point(l, w));
    dxf.line(Point(l, w), Point(0.0, w));
    dxf.line(Point(0.0, w), Point(0.0, 0.0));
    for (const Part& part : layout.parts) dxf.part(part);
    return dxf.finish();
}

std::string dxfPartText(const Part& part) {
    DxfText dxf;
    dxf.part(part);
    return dxf.finish();
}

bool writeDxfLayout(const Layout& layout, const std::string& path, Platform& platform) {
    return writeOrWarn(path, dxfLayoutText(layout), platform);
}

bool exportParts(const Layout& layout, const std::string& directory, Platform& platform) {
    for (const PartType& type : layout.partTypes) {
        int copies = 0;
        const Part* first = nullptr;
        for (const Part& part : layout.parts) {
            if (part.name != type.name) continue;
            if (!first) first = &part;
            ++copies;
        }
        if (!first) continue;
        // The file holds a copy of the part, as a copy is made (its holes in reverse order).
        const Part copy = *first;
        const std::string path = (std::filesystem::path(directory) / fileNameFor(type.name, copies)).string();
        if (!writeOrWarn(path, dxfPartText(copy), platform)) return false;
    }
    return true;
}

}  // namespace orvanest
