#include "packing/MemberIndex.h"

#include <algorithm>
#include <cmath>

namespace orvanest::fast {

MemberIndex::MemberIndex(const PartList& parts) {
    bool any = false;
    double sumWidth = 0, sumHeight = 0;
    for (const Part& part : parts) {
        const Box b{part.xmin, part.xmax, part.ymin, part.ymax};
        if (!(std::isfinite(b.xmin) && std::isfinite(b.xmax) && std::isfinite(b.ymin) && std::isfinite(b.ymax)) ||
            b.xmin > b.xmax || b.ymin > b.ymax) {
            unbounded_.push_back(&part);
            continue;
        }
        if (!any) {
            x0_ = b.xmin, x1_ = b.xmax, y0_ = b.ymin, y1_ = b.ymax;
            any = true;
        }
        x0_ = std::min(x0_, b.xmin), x1_ = std::max(x1_, b.xmax);
        y0_ = std::min(y0_, b.ymin), y1_ = std::max(y1_, b.ymax);
        sumWidth += b.xmax - b.xmin;
        sumHeight += b.ymax - b.ymin;
        members_.push_back(&part);
        boxes_.push_back(b);
    }
    const size_t n = members_.size();
    if (n == 0) {
        x0_ = 1, x1_ = 0;  // an empty range: no query meets it
        cellStart_.assign(2, 0);
        ownScratch_ = scratch();
        return;
    }
    // Cells about the size of an average part, at most a few per member.
    const double spanX = std::max(x1_ - x0_, 1e-9), spanY = std::max(y1_ - y0_, 1e-9);
    double cw = std::max(sumWidth / static_cast<double>(n), spanX / 4096.0);
    double ch = std::max(sumHeight / static_cast<double>(n), spanY / 4096.0);
    if (!(cw > 0) || !std::isfinite(cw)) cw = spanX;
    if (!(ch > 0) || !std::isfinite(ch)) ch = spanY;
    columns_ = static_cast<int>(std::min(4096.0, std::floor(spanX / cw) + 1));
    rows_ = static_cast<int>(std::min(4096.0, std::floor(spanY / ch) + 1));
    // Members of zero size ask for the finest grid; building millions of empty cells for each
    // placement would stall the run, so keep the cells to a few per member.
    const double maxCells = std::max(4096.0, 16.0 * static_cast<double>(n));
    while (static_cast<double>(columns_) * static_cast<double>(rows_) > maxCells) {
        columns_ = std::max(1, columns_ / 2);
        rows_ = std::max(1, rows_ / 2);
    }
    cellWidth_ = spanX / columns_;
    cellHeight_ = spanY / rows_;
    inverseCellWidth_ = 1.0 / cellWidth_;
    inverseCellHeight_ = 1.0 / cellHeight_;
    const size_t cells = static_cast<size_t>(columns_) * static_cast<size_t>(rows_);
    std::vector<std::uint32_t> counts(cells + 1, 0);
    auto forCells = [&](const Box& b, auto&& f) {
        for (int cy = cellY(b.ymin); cy <= cellY(b.ymax); ++cy)
            for (int cx = cellX(b.xmin); cx <= cellX(b.xmax); ++cx)
                f(static_cast<size_t>(cy) * static_cast<size_t>(columns_) + static_cast<size_t>(cx));
    };
    for (const Box& b : boxes_) forCells(b, [&](size_t cell) { ++counts[cell + 1]; });
    for (size_t i = 1; i <= cells; ++i) counts[i] += counts[i - 1];
    cellStart_ = counts;
    entries_.resize(counts[cells]);
    for (std::uint32_t m = 0; m < n; ++m) forCells(boxes_[m], [&](size_t cell) { entries_[counts[cell]++] = m; });
    ownScratch_ = scratch();
}

}  // namespace orvanest::fast
