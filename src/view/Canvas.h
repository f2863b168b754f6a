#pragma once

#include <cstdint>
#include <vector>

namespace orvanest {

struct Rgb {
    std::uint8_t r = 0;
    std::uint8_t g = 0;
    std::uint8_t b = 0;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};

inline constexpr Rgb kBlack{0, 0, 0};
inline constexpr Rgb kWhite{255, 255, 255};
inline constexpr Rgb kGreen{0, 255, 0};
inline constexpr Rgb kRed{255, 0, 0};
inline constexpr Rgb kBlue{0, 0, 255};
inline constexpr Rgb kMagenta{255, 0, 255};

enum class LineStyle { Solid, Dash };

struct Pen {
    Rgb colour;
    int width = 1;
    LineStyle style = LineStyle::Solid;
    friend bool operator==(const Pen&, const Pen&) = default;
};

struct PixelPoint {
    int x = 0;
    int y = 0;
    friend bool operator==(const PixelPoint&, const PixelPoint&) = default;
};

// Where drawing goes: pixel coordinates, x to the right, y downwards. A line covers its start pixel
// but not its end pixel, as the window system's line drawing does.
class Canvas {
public:
    virtual ~Canvas() = default;
    virtual void fill(Rgb colour) = 0;
    virtual void drawLine(PixelPoint from, PixelPoint to, const Pen& pen) = 0;
    // One connected path through the points (the dash pattern runs on across corners).
    virtual void drawPath(const std::vector<PixelPoint>& points, const Pen& pen) = 0;
    virtual void setPixel(PixelPoint p, Rgb colour) = 0;
};

}  // namespace orvanest
