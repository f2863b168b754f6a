#include "layout/Layout.h"

#include <cmath>

namespace orvanest {

Layout::Layout() {
    board.set(boardLength, boardWidth, kBoardThickness);
    remainingRects.resetToBoard(board);
    computeExtent();
    typeSlots.resize(1);
}

bool Layout::setBoard(double length, double width) {
    boardLength = length;
    boardWidth = width;
    const bool valid = board.set(length, width, kBoardThickness);
    remainingRects.resetToBoard(board);
    return valid;
}

bool Layout::computeExtent() {
    extent = Extent{0.0, boardLength, 0.0, boardWidth};
    return !(boardLength == 0.0 || boardWidth == 0.0);
}

TypeSlot* Layout::slotFor(const std::string& typeName) {
    for (TypeSlot& slot : typeSlots)
        if (slot.name == typeName) return &slot;
    return nullptr;
}

double computeDefaultPpd(PartList& parts, double whenEmpty) {
    if (parts.empty()) return whenEmpty;
    Part* chosen = &parts.front();
    if (parts.size() > 1) {
        double least = 0.0;
        bool first = true;
        for (Part& part : parts) {
            const double area = part.computeNetArea();
            if (first || area < least) {
                least = area;
                chosen = &part;
                first = false;
            }
        }
    }
    return ((chosen->xmax - chosen->xmin) + (chosen->ymax - chosen->ymin)) * 0.5 * 0.1;
}

void finishLoad(Layout& layout) {
    sortPartsByArea(layout.parts);
    layout.ppd = computeDefaultPpd(layout.parts, layout.ppd);
    layout.typeSlots.clear();
    for (const PartType& type : layout.partTypes) layout.typeSlots.push_back(TypeSlot{type.name, Point(0.0, 0.0)});
    layout.computeExtent();
    parkParts(layout);
}

void parkParts(Layout& layout) {
    for (Part& part : layout.parts) part.moveBy(layout.boardLength - part.xmin, -part.ymax);
}

bool liesWithin(const Part& part, double x1, double x2, double y1, double y2) {
    constexpr double kSlack = 1e-10;
    auto within = [](bool strict, double a, double b) { return strict || std::fabs(a - b) < kSlack; };
    return within(part.xmax < x2, part.xmax, x2) && within(part.xmin > x1, part.xmin, x1) &&
           within(part.ymax < y2, part.ymax, y2) && within(part.ymin > y1, part.ymin, y1);
}

}  // namespace orvanest
