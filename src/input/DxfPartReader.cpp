#include "input/DxfPartReader.h"

#include <cmath>
#include <string_view>

#include "geometry/Text.h"
#include "input/InputLimits.h"
#include "input/TextParsing.h"

namespace orvanest {
namespace {

constexpr std::string_view kEntityEnd = "  0";

// The group codes one entity type reads; any other line inside the entity is skipped.
struct EntityKind {
    std::string_view start;
    std::vector<std::string_view> codes;
};

const EntityKind kLine{"LINE", {" 10", " 20", " 11", " 21"}};
const EntityKind kArc{"ARC", {" 10", " 20", " 40", " 50", " 51"}};
const EntityKind kCircle{"CIRCLE", {" 10", " 20", " 40"}};
const EntityKind kText{"TEXT", {" 10", " 20", " 40", "  1", " 50"}};

// The values of one entity, in the order of its kind's codes; a code that is missing reads 0.
struct Entity {
    int line = 0;  // 1-based line of the start keyword
    std::vector<double> values;
    std::string text;
    double operator[](size_t i) const { return values[i]; }
};

class DxfParser {
public:
    DxfParser(Part& part, const std::string& path, const std::vector<std::string>& lines, Platform& platform)
        : part_(part), path_(path), lines_(lines), platform_(platform) {}

    bool run();

private:
    bool fail(int line, const std::string& reason) {
        platform_.showMessage(kWarningCaption, locatedMessage(dxfReadFailureText(path_), path_, line, reason));
        return false;
    }
    bool readEntity(const EntityKind& kind, Entity& entity);
    bool applyText(const Entity& text);
    bool countSegments(double chords, int line);

    Part& part_;
    const std::string& path_;
    const std::vector<std::string>& lines_;
    Platform& platform_;
    size_t index_ = 0;
    std::int64_t segmentCount_ = 0;
};

// Reads from the line after the start keyword to the closing "  0" (or the end of the file), leaving
// index_ on that closing line.
bool DxfParser::readEntity(const EntityKind& kind, Entity& entity) {
    entity.line = static_cast<int>(index_) + 1;
    entity.values.assign(kind.codes.size(), 0.0);
    while (++index_ < lines_.size()) {
        const std::string& code = lines_[index_];
        if (code == kEntityEnd) return true;
        for (size_t c = 0; c < kind.codes.size(); ++c) {
            if (code != kind.codes[c]) continue;
            if (++index_ >= lines_.size()) return true;
            const std::string& value = lines_[index_];
            if (kind.codes[c] == "  1") {
                entity.text = value;
                break;
            }
            const ParsedNumber number = parseLeadingNumber(value);
            if (!number.finite) return fail(static_cast<int>(index_) + 1, "not a finite number");
            entity.values[c] = number.value;
            break;
        }
    }
    return true;
}

bool DxfParser::applyText(const Entity& text) {
    const std::string_view value = text.text;
    if (value.substr(0, 5) == "name:") {
        const std::string_view rest = value.substr(5);
        part_.name = truncateUtf8(rest, kMaxNameBytes);
        part_.nameLabel.text = truncateUtf8(rest, kMaxLabelBytes);
        part_.nameLabel.x = text[0];
        part_.nameLabel.y = text[1];
        part_.nameLabel.height = text[2];
        part_.nameLabel.angle = text[4];
    } else if (value.substr(0, 6) == "thick=") {
        const std::string_view rest = value.substr(6);
        const ParsedNumber thickness = parseLeadingNumber(rest);
        if (!thickness.finite) return fail(text.line, "the thickness is not a finite number");
        part_.thicknessLabel.text = truncateUtf8(rest, kMaxLabelBytes);
        part_.thicknessLabel.x = text[0];
        part_.thicknessLabel.y = text[1];
        part_.thicknessLabel.angle = text[4];
        part_.thicknessLabel.height = text[2];
        part_.thickness = thickness.value;
    }
    return true;
}

// `chords` is the discretisation's own count expression before truncation.
bool DxfParser::countSegments(double chords, int line) {
    if (!(chords >= 1.0)) return true;  // the curve gives no chord
    if (chords > kMaxChordsPerCurve)
        return fail(
            line, "a curve of more than " + std::to_string(static_cast<std::int64_t>(kMaxChordsPerCurve)) + " chords");
    segmentCount_ += static_cast<std::int64_t>(chords);
    if (segmentCount_ > kMaxDxfSegments)
        return fail(line, "more than " + std::to_string(kMaxDxfSegments) + " segments");
    return true;
}

bool DxfParser::run() {
    SegmentList lineEntities;
    ArcList arcs;
    CircleList circles;
    const double step = part_.chordStep;
    const double pi = geometryPi();
    for (index_ = 0; index_ < lines_.size(); ++index_) {
        const std::string& line = lines_[index_];
        Entity e;
        if (line == kLine.start) {
            if (!readEntity(kLine, e) || !countSegments(1.0, e.line)) return false;
            lineEntities.push_front(Segment(Point(e[0], e[1]), Point(e[2], e[3])));
        } else if (line == kArc.start) {
            if (!readEntity(kArc, e)) return false;
            if (!arcAnglesWithinLimit(e[3], e[4])) return fail(e.line, "an arc angle beyond 1e9 degrees");
            Arc arc;
            arc.set(Point(e[0], e[1]), e[2], e[3], e[4]);
            const double sweep = arc.endAngle - arc.startAngle;
            if (!countSegments(pi * arc.radius * sweep * 0.005555555555555556 / step + 1.0, e.line)) return false;
            arcs.push_front(arc);
        } else if (line == kCircle.start) {
            if (!readEntity(kCircle, e)) return false;
            Circle circle;
            circle.set(Point(e[0], e[1]), e[2]);
            if (!countSegments(2.0 * pi * circle.radius / step + 1.0, e.line)) return false;
            circles.push_front(circle);
        } else if (line == kText.start) {
            if (!readEntity(kText, e) || !applyText(e)) return false;
        }
    }
    // The pool: lines in reading order, then the chords of every circle and then of every arc, each chord
    // put at the front as it is made.
    SegmentList pool;
    copyAll(lineEntities, pool);
    discretiseAll(circles, pool, step);
    discretiseAll(arcs, pool, step);
    PolygonList polygons;
    if (!buildLoops(pool, polygons, platform_, path_)) return false;
    if (!chooseOuterLoop(part_, polygons)) {
        const char* reason = pool.empty() ? "no LINE, ARC or CIRCLE entity" : "every loop has the area 0";
        platform_.showMessage(kWarningCaption, locatedMessage(kTooFewVerticesMessage, path_, 0, reason));
        return false;
    }
    part_.netArea = part_.computeNetArea();
    part_.computeCentroid();
    part_.xmin = part_.outer.xmin;
    part_.xmax = part_.outer.xmax;
    part_.ymin = part_.outer.ymin;
    part_.ymax = part_.outer.ymax;
    part_.computeMaxExtent();
    return true;
}

}  // namespace

std::string dxfReadFailureText(const std::string& path) { return "零件\"" + path + "\"读取失败!"; }

bool readDxfPart(Part& part, const std::string& path, Platform& platform) {
    TextLines text;
    std::string error;
    if (!readTextLines(path, text, &error)) {
        platform.showMessage(kWarningCaption, dxfReadFailureText(path) + " (" + error + ")");
        return false;
    }
    return DxfParser(part, path, text.lines, platform).run();
}

}  // namespace orvanest
