#include "geometry/Polygon.h"

#include <cmath>

namespace orvanest {

void Polygon::setVertices(std::vector<Point> points) {
    vertices_ = std::move(points);
    if (!vertices_.empty()) computeBoundingBox();
    computeArea();
}

void Polygon::computeBoundingBox() {
    if (vertices_.empty()) return;
    xmin = xmax = vertices_[0].x;
    ymin = ymax = vertices_[0].y;
    for (size_t i = 1; i < vertices_.size(); ++i) {
        const double x = vertices_[i].x;
        const double y = vertices_[i].y;
        if (xmax < x) xmax = x;
        if (xmin > x) xmin = x;
        if (ymax < y) ymax = y;
        if (ymin > y) ymin = y;
    }
}

double Polygon::computeArea() {
    double s = 0.0;
    const size_t n = vertices_.size();
    for (size_t i = 0; i < n; ++i) {
        const Point& a = vertices_[i];
        const Point& b = vertices_[i + 1 == n ? 0 : i + 1];
        s += (a.y + b.y) * (b.x - a.x) * 0.5;
    }
    area = std::fabs(s);
    return area;
}

Point Polygon::computeCentroid() const {
    constexpr double kSixth = 0.16666666666666666;
    double a = 0.0;
    double sx = 0.0;
    double sy = 0.0;
    const size_t n = vertices_.size();
    for (size_t i = 0; i < n; ++i) {
        const Point& p = vertices_[i];
        const Point& q = vertices_[i + 1 == n ? 0 : i + 1];
        a += (p.y + q.y) * (q.x - p.x) * -0.5;
        sx += (p.x * p.x + p.x * q.x + q.x * q.x) * (q.y - p.y) * kSixth;
        sy += (p.y * p.y + p.y * q.y + q.y * q.y) * (q.x - p.x) * -kSixth;
    }
    return Point(sx / a, sy / a);
}

Point Polygon::nearestVertex(const Point& p) const {
    if (vertices_.empty()) return p;
    Point best = vertices_[0];
    double bestDistance = best.distanceTo(p);
    for (size_t i = 1; i < vertices_.size(); ++i) {
        const double d = vertices_[i].distanceTo(p);
        if (d < bestDistance) {
            bestDistance = d;
            best = vertices_[i];
        }
    }
    return best;
}

void Polygon::translate(double dx, double dy) {
    for (Point& v : vertices_) {
        v.x += dx;
        v.y += dy;
    }
    xmin += dx;
    xmax += dx;
    ymin += dy;
    ymax += dy;
}

void Polygon::rotateAbout(const Point& centre, double angle) {
    const double c = std::cos(angle);
    const double s = std::sin(angle);
    for (Point& v : vertices_) {
        const double x = v.x - centre.x;
        const double y = v.y - centre.y;
        v.x = c * x - s * y + centre.x;
        v.y = s * x + c * y + centre.y;
    }
    computeBoundingBox();
}

}  // namespace orvanest
