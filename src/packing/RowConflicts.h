#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "geometry/Part.h"
#include "packing/EdgeBands.h"
#include "packing/ShiftedLoop.h"

namespace orvanest::fast {

// The member that a failed trial at each height of the grid met last, and how, orientation by
// orientation: the trial one column over at the same height usually meets it in the same way. A thread
// keeps one for a whole run, so that its memory is not made afresh for each placement; a new search
// disowns the old entries by a count instead of clearing them.
class RowConflicts {
public:
    struct Conflict {
        const Part* member = nullptr;
        const EdgeBands* bands = nullptr;
        ConflictHint hint;
    };

    // Starts a search over `rows` grid rows (0 when the points are no grid) with `orientations` trials.
    void startSearch(size_t rows, int orientations) {
        // Many orientations keep fewer rows each, so that the memory stays small.
        const size_t perOrientation = kEntriesKept / static_cast<size_t>(orientations < 1 ? 1 : orientations);
        rowsKept_ = std::min({rows, kRowsKept, perOrientation < 1 ? size_t{1} : perOrientation});
        const size_t size = rowsKept_ * static_cast<size_t>(orientations);
        if (entries_.size() < size || ++search_ == 0) {
            entries_.assign(size > entries_.size() ? size : entries_.size(), Entry{});
            search_ = 1;
        }
    }

    const Conflict* find(int orientation, size_t row) const {
        if (rowsKept_ == 0) return nullptr;
        const Entry& entry = entries_[index(orientation, row)];
        return entry.search == search_ && entry.row == row ? &entry.conflict : nullptr;
    }

    size_t entryCount() const { return entries_.size(); }

    void remember(int orientation, size_t row, const Conflict& conflict) {
        if (rowsKept_ != 0) entries_[index(orientation, row)] = Entry{search_, row, conflict};
    }

private:
    // Rows beyond this many share entries, and all orientations together keep at most kEntriesKept.
    static constexpr size_t kRowsKept = 1024;
    static constexpr size_t kEntriesKept = size_t{1} << 14;

    struct Entry {
        std::uint32_t search = 0;
        size_t row = 0;
        Conflict conflict;
    };

    size_t index(int orientation, size_t row) const {
        return static_cast<size_t>(orientation) * rowsKept_ + row % rowsKept_;
    }

    std::vector<Entry> entries_;
    size_t rowsKept_ = 0;
    std::uint32_t search_ = 0;
};

}  // namespace orvanest::fast
