#pragma once

#include <list>
#include <string>
#include <vector>

#include "geometry/BoardRect.h"
#include "geometry/Part.h"
#include "layout/PackingPoints.h"

namespace orvanest {

struct Extent {
    double xmin = 0.0;
    double xmax = 0.0;
    double ymin = 0.0;
    double ymax = 0.0;
};

struct PartType {
    std::string name;
    int ordinal = 0;
};

// Per-type packing memory: where the last copy of the type was placed by the packing-point run.
struct TypeSlot {
    std::string name;
    Point resumePoint;
};

// Every copy of a part is its own record; nodes never move, so a part's address is its identity.
using PartList = std::list<Part>;

inline constexpr double kDefaultBoardLength = 6000.0;
inline constexpr double kDefaultBoardWidth = 4000.0;
inline constexpr double kBoardThickness = 10.0;

// Everything of one loaded part set.
class Layout {
public:
    Layout();

    PartList parts;
    std::vector<PartType> partTypes;  // file order
    Extent extent;
    double boardLength = kDefaultBoardLength;
    double boardWidth = kDefaultBoardWidth;
    BoardRect board;
    RemainingRectList remainingRects;
    PackingPoints packingPoints;
    bool firstStep = true;
    double headerValue3 = 0.0;
    int rn = 4;
    double ppd = 0.5;
    std::vector<TypeSlot> typeSlots;
    // The packing runs use the plain method as written, with no acceleration: the reference that the
    // program's fast engine is checked against.
    bool useLiteralEngine = false;

    // Readers' list operations: front insertion of a copy, tail insertion of a type.
    void addPartFront(const Part& part) { parts.push_front(part); }
    void clearParts() { parts.clear(); }
    void addPartType(const std::string& name, int ordinal) { partTypes.push_back(PartType{name, ordinal}); }

    // Sets the board size and the records derived from it; answers the board check (false: "板数据错误!").
    bool setBoard(double length, double width);
    // Sets `extent` from the board size; answers false when a side is exactly zero ("包围盒大小为零!").
    bool computeExtent();

    // The slot of a part type, or nullptr.
    TypeSlot* slotFor(const std::string& typeName);
};

// Orders the parts by net area, largest first, with the tie order of the program's selection steps.
void sortPartsByArea(PartList& parts);
// The same steps taken one by one, in quadratic time; the reference for the fast sort.
void sortPartsByAreaStepByStep(PartList& parts);

// One tenth of the mean of width and height of the first part of least net area; `whenEmpty` if none.
double computeDefaultPpd(PartList& parts, double whenEmpty);

// The steps of a load that follow the reading: sort, default PPD, type slots, extent, parking.
void finishLoad(Layout& layout);

// Moves every part beside the board, its box touching x = boardLength from the right, below y = 0.
void parkParts(Layout& layout);

// A part lies on the board when its box is inside the extent with 1e-10 slack on each side.
bool liesWithin(const Part& part, double x1, double x2, double y1, double y2);
inline bool liesWithin(const Part& part, const Extent& e) { return liesWithin(part, e.xmin, e.xmax, e.ymin, e.ymax); }

inline constexpr const char* kZeroExtentMessage = "包围盒大小为零!";

}  // namespace orvanest
