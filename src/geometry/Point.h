#pragma once

#include <cmath>

namespace orvanest {

inline constexpr double kPointTolerance = 1e-15;

// A model point. The tolerance travels with the point and is read only by its own equality test.
struct Point {
    double x = 0.0;
    double y = 0.0;
    double tol = kPointTolerance;

    Point() = default;
    Point(double px, double py) : x(px), y(py) {}

    bool equals(const Point& other) const {
        const double dx = x - other.x;
        const double dy = y - other.y;
        return tol * tol > dx * dx + dy * dy;
    }
    bool isNear(const Point& other, double r) const {
        const double dx = x - other.x;
        const double dy = y - other.y;
        return r * r > dx * dx + dy * dy;
    }
    double distanceTo(const Point& other) const {
        const double dx = x - other.x;
        const double dy = y - other.y;
        return std::sqrt(dx * dx + dy * dy);
    }
    void rotateAbout(const Point& centre, double angle) {
        const double dx = x - centre.x;
        const double dy = y - centre.y;
        const double c = std::cos(angle);
        const double s = std::sin(angle);
        x = centre.x + c * dx - s * dy;
        y = centre.y + s * dx + c * dy;
    }
};

// pi as the geometry obtains it at run time.
inline double geometryPi() { return std::acos(-1.0); }

// Degrees to radians: times pi, then times the double nearest 1/180.
inline double degreesToRadians(double degrees) { return degrees * geometryPi() * 0.005555555555555556; }

}  // namespace orvanest
