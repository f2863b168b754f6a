#include "packing/RemainingRectPacking.h"

#include <cmath>

namespace orvanest {
namespace {

constexpr double kFitTolerance = 1e-5;
constexpr double kSmallestRemainder = 25.0;

bool fitsIn(double a, double b) { return a < b || std::fabs(a - b) < kFitTolerance; }

// Sets a remainder through the board check, which shows its message when a side came out negative.
BoardRect remainder(double length, double width, double thickness, Platform& platform) {
    BoardRect rect;
    if (!rect.set(length, width, thickness)) platform.showMessage(kWarningCaption, kBoardDataError);
    return rect;
}

}  // namespace

bool placeInRemainingRect(Layout& layout, Part& part, Platform& platform) {
    RemainingRectList& list = layout.remainingRects;
    double w = part.xmax - part.xmin;
    double h = part.ymax - part.ymin;
    auto taken = list.end();
    bool turned = false;
    for (auto it = list.begin(); it != list.end(); ++it) {
        const double lr = it->rect.length;
        const double wr = it->rect.width;
        if (fitsIn(w, lr) && fitsIn(h, wr)) {
            taken = it;
            break;
        }
        if (fitsIn(w, wr) && fitsIn(h, lr)) {
            taken = it;
            turned = true;
            break;
        }
    }
    if (taken == list.end()) return false;

    if (turned) {
        part.rotateAbout(Point((part.xmin + part.xmax) / 2, (part.ymin + part.ymax) / 2), geometryPi() / 2);
        w = part.xmax - part.xmin;
        h = part.ymax - part.ymin;
    }
    const RemainingRect chosen = *taken;
    part.moveBy(chosen.corner.x - part.xmin, chosen.corner.y - part.ymin);

    // Guillotine cut: the strip above is as wide as the part, the strip to the right takes the full height.
    const double thickness = chosen.rect.thickness;
    const BoardRect above = remainder(w, chosen.rect.width - h, thickness, platform);
    const BoardRect right = remainder(chosen.rect.length - w, chosen.rect.width, thickness, platform);
    list.remove(taken);
    if (above.area > kSmallestRemainder) list.insertByArea(above, Point(chosen.corner.x, chosen.corner.y + h));
    if (right.area > kSmallestRemainder) list.insertByArea(right, Point(chosen.corner.x + w, chosen.corner.y));
    return true;
}

void packRemainingRects(Layout& layout, Platform& platform) {
    if (layout.parts.empty()) return;
    bool failed = false;
    for (Part& part : layout.parts) {
        if (!part.selected) continue;
        if (!placeInRemainingRect(layout, part, platform)) failed = true;
        part.selected = false;
    }
    if (failed) platform.showMessage(kWarningCaption, "某个(些)零件剩余矩形法排样失败!");
}

}  // namespace orvanest
