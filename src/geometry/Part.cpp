#include "geometry/Part.h"

#include <algorithm>

#include "geometry/Text.h"

namespace orvanest {

void Part::assignFrom(const Part& other) {
    name = other.name;
    outer = other.outer;
    inners = reversedCopy(other.inners);
    netArea = other.netArea;
    maxExtent = other.maxExtent;
    centroid = other.centroid;
    xmin = other.xmin;
    xmax = other.xmax;
    ymin = other.ymin;
    ymax = other.ymax;
    selected = other.selected;
    nameLabel = other.nameLabel;
    thicknessLabel = other.thicknessLabel;
    thickness = 10.0;
    chordStep = 5.0;
}

void Part::setFromLoops(const std::string& partName, const Polygon& outerLoop, const PolygonList& innerLoops) {
    name = truncateUtf8(partName, kMaxNameBytes);
    outer = outerLoop;
    inners = reversedCopy(innerLoops);
    netArea = computeNetArea();
    computeCentroid();
    xmin = outer.xmin;
    xmax = outer.xmax;
    ymin = outer.ymin;
    ymax = outer.ymax;
    maxExtent = computeMaxExtent();
    nameLabel.angle = 0.0;
    nameLabel.height = 0.1 * std::min(xmax - xmin, ymax - ymin);
    nameLabel.text = truncateUtf8(name, kMaxLabelBytes);
    const Point c = computeCentroid();
    nameLabel.x = c.x;
    nameLabel.y = c.y;
}

void Part::setOuterLoop(const Polygon& outerLoop) {
    outer = outerLoop;
    netArea = computeNetArea();
    computeCentroid();
    xmin = outer.xmin;
    xmax = outer.xmax;
    ymin = outer.ymin;
    ymax = outer.ymax;
    maxExtent = computeMaxExtent();
}

double Part::computeNetArea() {
    double area = outer.computeArea();
    for (Polygon& hole : inners) area -= hole.computeArea();
    netArea = area;
    return netArea;
}

double Part::computeMaxExtent() {
    maxExtent = std::max(xmax - xmin, ymax - ymin);
    return maxExtent;
}

Point Part::computeCentroid() {
    double a = outer.computeArea();
    const Point c = outer.computeCentroid();
    double sx = c.x * a;
    double sy = c.y * a;
    for (Polygon& hole : inners) {
        const double ha = hole.computeArea();
        const Point d = hole.computeCentroid();
        a = a - ha;
        sx = sx - d.x * ha;
        sy = sy - d.y * ha;
    }
    centroid = Point(sx / a, sy / a);
    return centroid;
}

void Part::refreshBoundingBox() {
    outer.computeBoundingBox();
    xmin = outer.xmin;
    xmax = outer.xmax;
    ymin = outer.ymin;
    ymax = outer.ymax;
}

void Part::moveBy(double dx, double dy) {
    outer.translate(dx, dy);
    for (Polygon& hole : inners) hole.translate(dx, dy);
    xmin += dx;
    xmax += dx;
    ymin += dy;
    ymax += dy;
    centroid.x += dx;
    centroid.y += dy;
    nameLabel.x += dx;
    nameLabel.y += dy;
    thicknessLabel.x += dx;
    thicknessLabel.y += dy;
}

void Part::rotateAbout(const Point& centre, double angle) {
    outer.rotateAbout(centre, angle);
    for (Polygon& hole : inners) hole.rotateAbout(centre, angle);
    centroid.rotateAbout(centre, angle);
    refreshBoundingBox();
    computeMaxExtent();
    Point label(nameLabel.x, nameLabel.y);
    label.rotateAbout(centre, angle);
    nameLabel.x = label.x;
    nameLabel.y = label.y;
    nameLabel.angle += angle / geometryPi() * 180.0;
}

}  // namespace orvanest
