#include "platform/qt/LinePixels.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>

namespace orvanest {

namespace {
// Products of two pixel distances of the int32 range need more than 64 bits.
__extension__ using Wide = __int128;
}  // namespace

std::vector<QPoint> linePixels(QPoint from, QPoint to, const QRect& clip) {
    std::vector<QPoint> pixels;
    const std::int64_t dx = std::int64_t{to.x()} - from.x();
    const std::int64_t dy = std::int64_t{to.y()} - from.y();
    const bool alongX = std::llabs(dx) >= std::llabs(dy);
    const std::int64_t major = alongX ? dx : dy;
    const std::int64_t minor = alongX ? dy : dx;
    const std::int64_t steps = std::llabs(major);
    if (steps == 0 || clip.isEmpty()) return pixels;
    const std::int64_t majorSign = major > 0 ? 1 : -1;
    const std::int64_t majorStart = alongX ? from.x() : from.y();
    const std::int64_t minorStart = alongX ? from.y() : from.x();
    const std::int64_t clipLow = alongX ? clip.left() : clip.top();
    const std::int64_t clipHigh = alongX ? clip.right() : clip.bottom();

    // Steps k in [0, steps) whose major coordinate majorStart + k * majorSign lies in the clip.
    std::int64_t first = majorSign > 0 ? clipLow - majorStart : majorStart - clipHigh;
    std::int64_t last = majorSign > 0 ? clipHigh - majorStart : majorStart - clipLow;
    first = std::max<std::int64_t>(first, 0);
    last = std::min<std::int64_t>(last, steps - 1);
    for (std::int64_t k = first; k <= last; ++k) {
        // The minor coordinate rounded to the nearest pixel, halves away from the start: Bresenham's choice.
        const auto offset = static_cast<std::int64_t>((Wide{2} * k * std::llabs(minor) + steps) / (Wide{2} * steps));
        const std::int64_t m = majorStart + k * majorSign;
        const std::int64_t n = minorStart + (minor < 0 ? -offset : offset);
        const QPoint p = alongX ? QPoint(static_cast<int>(m), static_cast<int>(n))
                                : QPoint(static_cast<int>(n), static_cast<int>(m));
        if (clip.contains(p)) pixels.push_back(p);
    }
    return pixels;
}

}  // namespace orvanest
