#pragma once

#include <list>
#include <vector>

#include "geometry/Point.h"

namespace orvanest {

// A closed loop of vertices; the closing edge from the last vertex to the first is implicit and either
// orientation is allowed. Area and bounding box are cached and kept current by the transforms.
class Polygon {
public:
    Polygon() = default;
    explicit Polygon(std::vector<Point> points) { setVertices(std::move(points)); }

    void setVertices(std::vector<Point> points);

    int count() const { return static_cast<int>(vertices_.size()); }
    bool empty() const { return vertices_.empty(); }
    const std::vector<Point>& vertices() const { return vertices_; }
    const Point& vertex(int i) const { return vertices_[static_cast<size_t>(i)]; }

    double area = 0.0;
    double xmin = 0.0;
    double xmax = 0.0;
    double ymin = 0.0;
    double ymax = 0.0;

    void computeBoundingBox();
    double computeArea();
    Point computeCentroid() const;
    Point nearestVertex(const Point& p) const;
    void translate(double dx, double dy);
    void rotateAbout(const Point& centre, double angle);

private:
    std::vector<Point> vertices_;
};

// The inner loops of a part. Copying a list by front insertion reverses it, as the model's lists do.
using PolygonList = std::list<Polygon>;

inline PolygonList reversedCopy(const PolygonList& source) {
    PolygonList copy;
    for (const Polygon& p : source) copy.push_front(p);
    return copy;
}

}  // namespace orvanest
