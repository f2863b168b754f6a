#include <cmath>
#include <deque>
#include <set>
#include <vector>

#include "layout/Layout.h"

namespace orvanest {
namespace {

// The program's own sort, step by step: a mark walks from the back; the first strictly smallest part
// in front of it (if smaller than the mark) is moved directly behind it, else the mark steps forward.
void sortStepByStep(PartList& parts) {
    if (parts.size() < 2) return;
    auto mark = std::prev(parts.end());
    while (true) {
        auto best = mark;
        for (auto it = parts.begin(); it != mark; ++it)
            if (it->netArea < best->netArea) best = it;
        if (best == mark) {
            --mark;
        } else {
            parts.splice(std::next(mark), parts, best);
        }
        if (mark == parts.begin()) return;
    }
}

// Leftmost minimum over a prefix of the original order, with removal.
class PrefixMinimum {
public:
    explicit PrefixMinimum(const std::vector<double>& values) : size_(1), values_(values) {
        while (size_ < values.size()) size_ *= 2;
        tree_.assign(2 * size_, kNone);
        for (size_t i = 0; i < values.size(); ++i) tree_[size_ + i] = static_cast<int>(i);
        for (size_t i = size_ - 1; i >= 1; --i) tree_[i] = better(tree_[2 * i], tree_[2 * i + 1]);
    }
    void remove(int index) {
        size_t i = size_ + static_cast<size_t>(index);
        tree_[i] = kNone;
        for (i /= 2; i >= 1; i /= 2) tree_[i] = better(tree_[2 * i], tree_[2 * i + 1]);
    }
    // Leftmost index of the least value among live indices below `end`, or kNone.
    int query(int end) const {
        int result = kNone;
        // Collect left-to-right so that ties keep the leftmost index.
        std::vector<int> rightNodes;
        size_t lo = size_, hi = size_ + static_cast<size_t>(end);
        while (lo < hi) {
            if (lo & 1) result = better(result, tree_[lo++]);
            if (hi & 1) rightNodes.push_back(tree_[--hi]);
            lo /= 2;
            hi /= 2;
        }
        for (auto it = rightNodes.rbegin(); it != rightNodes.rend(); ++it) result = better(result, *it);
        return result;
    }
    static constexpr int kNone = -1;

private:
    int better(int a, int b) const {
        if (a == kNone) return b;
        if (b == kNone) return a;
        if (values_[static_cast<size_t>(b)] < values_[static_cast<size_t>(a)]) return b;
        if (values_[static_cast<size_t>(a)] < values_[static_cast<size_t>(b)]) return a;
        return a < b ? a : b;
    }
    size_t size_;
    const std::vector<double>& values_;
    std::vector<int> tree_;
};

}  // namespace

void sortPartsByAreaStepByStep(PartList& parts) { sortStepByStep(parts); }

// The same steps in O(n log n): the parts in front of the mark are always the untouched ones of the
// original order, so the scan is a leftmost-minimum query over a prefix of that order.
void sortPartsByArea(PartList& parts) {
    const size_t n = parts.size();
    if (n < 2) return;
    std::vector<PartList::iterator> nodes;
    std::vector<double> areas;
    nodes.reserve(n);
    areas.reserve(n);
    for (auto it = parts.begin(); it != parts.end(); ++it) {
        if (std::isnan(it->netArea)) {
            sortStepByStep(parts);  // NaN breaks the ordering the query relies on
            return;
        }
        nodes.push_back(it);
        areas.push_back(it->netArea);
    }
    PrefixMinimum minimum(areas);
    std::set<int> untouched;
    for (size_t i = 0; i < n; ++i) untouched.insert(static_cast<int>(i));
    std::deque<int> behindMark;
    int mark = static_cast<int>(n) - 1;
    untouched.erase(mark);
    while (true) {
        const int candidate = minimum.query(mark);
        if (candidate != PrefixMinimum::kNone &&
            areas[static_cast<size_t>(candidate)] < areas[static_cast<size_t>(mark)]) {
            minimum.remove(candidate);
            untouched.erase(candidate);
            behindMark.push_front(candidate);
        } else {
            behindMark.push_front(mark);
            mark = *std::prev(untouched.end());
            untouched.erase(mark);
            minimum.remove(mark);
        }
        if (untouched.empty()) break;
    }
    parts.splice(parts.end(), parts, nodes[static_cast<size_t>(mark)]);
    for (int index : behindMark) parts.splice(parts.end(), parts, nodes[static_cast<size_t>(index)]);
}

}  // namespace orvanest
