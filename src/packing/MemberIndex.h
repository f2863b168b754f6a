#pragma once

#include <algorithm>
#include <cstdint>
#include <vector>

#include "geometry/Part.h"
#include "layout/Layout.h"

namespace orvanest::fast {

struct Box {
    double xmin, xmax, ymin, ymax;
};

// A uniform grid over the bounding boxes of the members of a part list, built for one placement.
// `forEachNear` visits every member whose closed box meets the closed query box (and possibly a few
// more); members the quick box test would accept anyway are the only ones it may leave out.
class MemberIndex {
public:
    explicit MemberIndex(const PartList& parts);

    // Per-thread marks of the members already visited by one query.
    struct Scratch {
        std::vector<std::uint32_t> seen;
        std::uint32_t stamp = 0;
    };
    Scratch scratch() const { return Scratch{std::vector<std::uint32_t>(members_.size(), 0), 0}; }

    // Visits members near `box` until `visit` answers false; answers false then, true otherwise.
    template <typename Visit>
    bool forEachNear(const Box& box, Visit&& visit) const {
        return forEachNear(box, ownScratch_, visit);
    }

    template <typename Visit>
    bool forEachNear(const Box& box, Scratch& scratch, Visit&& visit) const {
        std::vector<std::uint32_t>& seen_ = scratch.seen;
        std::uint32_t& stamp_ = scratch.stamp;
        for (const Part* part : unbounded_)
            if (!visit(*part)) return false;
        if (!(box.xmax >= x0_ && box.xmin <= x1_ && box.ymax >= y0_ && box.ymin <= y1_)) return true;
        if (members_.size() <= kScanAll) {
            for (size_t member = 0; member < members_.size(); ++member) {
                const Box& b = boxes_[member];
                if (b.xmin > box.xmax || b.xmax < box.xmin || b.ymin > box.ymax || b.ymax < box.ymin) continue;
                if (!visit(*members_[member])) return false;
            }
            return true;
        }
        const int cx0 = cellX(box.xmin), cx1 = cellX(box.xmax);
        const int cy0 = cellY(box.ymin), cy1 = cellY(box.ymax);
        if (++stamp_ == 0) {  // wrapped: old marks could match again
            std::fill(seen_.begin(), seen_.end(), 0);
            stamp_ = 1;
        }
        for (int cy = cy0; cy <= cy1; ++cy) {
            for (int cx = cx0; cx <= cx1; ++cx) {
                const size_t cell = static_cast<size_t>(cy) * static_cast<size_t>(columns_) + static_cast<size_t>(cx);
                for (std::uint32_t k = cellStart_[cell]; k < cellStart_[cell + 1]; ++k) {
                    const std::uint32_t member = entries_[k];
                    if (seen_[member] == stamp_) continue;
                    seen_[member] = stamp_;
                    const Box& b = boxes_[member];
                    if (b.xmin > box.xmax || b.xmax < box.xmin || b.ymin > box.ymax || b.ymax < box.ymin) continue;
                    if (!visit(*members_[member])) return false;
                }
            }
        }
        return true;
    }

    size_t cellCount() const { return cellStart_.size() - 1; }

private:
    // Up to this many members a plain scan of the boxes beats the cells (measured on the benchmark jobs).
    static constexpr size_t kScanAll = 48;
    // Monotone in x and y, so a closed box meeting another covers a common cell.
    int cellX(double x) const {
        const double c = (x - x0_) * inverseCellWidth_;
        if (!(c >= 1.0)) return 0;
        return c >= columns_ ? columns_ - 1 : static_cast<int>(c);
    }
    int cellY(double y) const {
        const double c = (y - y0_) * inverseCellHeight_;
        if (!(c >= 1.0)) return 0;
        return c >= rows_ ? rows_ - 1 : static_cast<int>(c);
    }

    std::vector<const Part*> members_;
    std::vector<Box> boxes_;
    std::vector<const Part*> unbounded_;  // members with a box that is not finite: always visited
    std::vector<std::uint32_t> cellStart_;
    std::vector<std::uint32_t> entries_;
    double x0_ = 0, x1_ = 0, y0_ = 0, y1_ = 0;
    double cellWidth_ = 1, cellHeight_ = 1;
    int columns_ = 1, rows_ = 1;
    double inverseCellWidth_ = 1, inverseCellHeight_ = 1;
    mutable Scratch ownScratch_;
};

}  // namespace orvanest::fast
