#pragma once

#include <string>

#include "layout/Layout.h"
#include "layout/Platform.h"

namespace orvanest {

inline constexpr const char* kPlacedConflictMessage = "板内零件排样冲突!";
inline constexpr const char* kBoardStraddleMessage = "待排样零件与板冲突!";
inline constexpr const char* kReportWriteError = "report file open error!";

struct ReportFigures {
    int placed = 0;             // parts lying on the board
    double packedLength = 0.0;  // largest box x of those parts, 0 when none
    double density = 0.0;       // total area / (packed length x board width), 0 when no part is placed
    double totalArea = 0.0;
};

// The three figures, from the parts as they lie; refreshes the boxes of the parts on the board.
ReportFigures computeReportFigures(Layout& layout);

// The three lines of the report file.
std::string reportText(const ReportFigures& figures);

// Key E: marks the conflicting parts, writes the three report lines and shows length and density.
// Answers false when the file could not be written (after its message).
bool writeReport(Layout& layout, const std::string& path, Platform& platform);

}  // namespace orvanest
