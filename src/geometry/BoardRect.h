#pragma once

#include <list>

#include "geometry/Point.h"

namespace orvanest {

// A board size record. `set` answers the validity check; the caller shows "板数据错误!" when it fails.
struct BoardRect {
    double length = 0.0;
    double width = 0.0;
    double thickness = 0.0;
    double area = 0.0;

    bool set(double l, double w, double t) {
        length = l;
        width = w;
        thickness = t;
        area = l * w;
        return isValid();
    }
    bool isValid() const { return length >= 0.0 && width >= 0.0 && area >= 0.0; }
};

inline constexpr const char* kBoardDataError = "板数据错误!";

// One free rectangle: `rect` placed with its least corner at `corner`.
struct RemainingRect {
    BoardRect rect;
    Point corner;
};

// Free rectangles in ascending order of area; among equal areas the one inserted last comes first.
class RemainingRectList {
public:
    using iterator = std::list<RemainingRect>::iterator;
    using const_iterator = std::list<RemainingRect>::const_iterator;

    void resetToBoard(const BoardRect& boardRect) {
        rects_.clear();
        board = boardRect;
        insertByArea(boardRect, Point(0.0, 0.0));
    }
    void insertByArea(const BoardRect& rect, const Point& corner) {
        auto it = rects_.begin();
        while (it != rects_.end() && !(it->rect.area >= rect.area)) ++it;
        rects_.insert(it, RemainingRect{rect, corner});
    }
    // Answers the count left after removing.
    int remove(iterator it) {
        rects_.erase(it);
        return count();
    }
    void clear() { rects_.clear(); }

    int count() const { return static_cast<int>(rects_.size()); }
    iterator begin() { return rects_.begin(); }
    iterator end() { return rects_.end(); }
    const_iterator begin() const { return rects_.begin(); }
    const_iterator end() const { return rects_.end(); }

    BoardRect board;

private:
    std::list<RemainingRect> rects_;
};

}  // namespace orvanest
