#pragma once

#include <cstdint>

#include <string>

#include "geometry/Polygon.h"

namespace orvanest {

// A single-line text with its placement, as a DXF TEXT entity holds it.
struct TextLabel {
    std::string text;  // at most kMaxLabelBytes bytes
    double x = 0.0;
    double y = 0.0;
    double angle = 0.0;  // degrees, counter-clockwise
    double height = 0.0;
};

// One physical piece: outer loop, holes, name and the derived values the packing engine reads often.
// A part is moved and turned in place; its coordinates are always its current position.
class Part {
public:
    Polygon outer;
    PolygonList inners;
    std::string name = "NoName";
    double thickness = 10.0;
    TextLabel nameLabel;
    TextLabel thicknessLabel;
    double netArea = 0.0;
    double maxExtent = 0.0;
    bool selected = false;
    double xmin = 0.0;
    double xmax = 0.0;
    double ymin = 0.0;
    double ymax = 0.0;
    double chordStep = 5.0;
    Point centroid;

    Part() = default;
    // Copies take everything but thickness and chordStep, which return to their defaults; inner
    // loops come out in reverse order, as a front-inserting list copy gives them.
    Part(const Part& other) { assignFrom(other); }
    Part& operator=(const Part& other) {
        if (this != &other) assignFrom(other);
        return *this;
    }
    Part(Part&&) = default;
    Part& operator=(Part&&) = default;

    void setFromLoops(const std::string& partName, const Polygon& outerLoop, const PolygonList& innerLoops);
    void setOuterLoop(const Polygon& outerLoop);
    double computeNetArea();
    double computeMaxExtent();
    Point computeCentroid();
    void refreshBoundingBox();
    void moveBy(double dx, double dy);
    void rotateAbout(const Point& centre, double angle);

    // The vertices of the outer loop and of every hole, for the limits on memory.
    std::int64_t vertexCount() const {
        std::int64_t count = outer.count();
        for (const Polygon& hole : inners) count += hole.count();
        return count;
    }

private:
    void assignFrom(const Part& other);
};

}  // namespace orvanest
