#include "output/Report.h"

#include "layout/FileWriting.h"
#include "output/NumberFormat.h"
#include "output/OutputFailure.h"
#include "packing/Overlap.h"

namespace orvanest {

ReportFigures computeReportFigures(Layout& layout) {
    ReportFigures figures;
    for (Part& part : layout.parts) {
        if (!liesWithin(part, layout.extent)) continue;
        ++figures.placed;
        figures.totalArea += part.netArea;
        part.refreshBoundingBox();
        if (part.xmax > figures.packedLength) figures.packedLength = part.xmax;
    }
    // With nothing on the board (or only parts of no width) the quotient would be 0 / 0.
    const double usedArea = figures.packedLength * layout.boardWidth;
    figures.density = figures.placed == 0 || usedArea == 0.0 ? 0.0 : figures.totalArea / usedArea;
    return figures;
}

std::string reportText(const ReportFigures& figures) {
    return "Packed length:" + formatNumber(figures.packedLength) + "\n" +
           "Packing density:" + formatNumber(figures.density * 100.0) + "%\n" +
           "Area of all parts:" + formatNumber(figures.totalArea) + "\n";
}

bool writeReport(Layout& layout, const std::string& path, Platform& platform) {
    for (Part& part : layout.parts) part.selected = false;
    if (!checkPlacedConflicts(layout)) platform.showMessage(kWarningCaption, kPlacedConflictMessage);
    if (checkBoardStraddle(layout)) platform.showMessage(kWarningCaption, kBoardStraddleMessage);
    const ReportFigures figures = computeReportFigures(layout);
    std::string error;
    if (!writeFileAtomically(path, reportText(figures), &error)) {
        platform.showMessage(kWarningCaption, outputFailureText(kReportWriteError, path, error));
        return false;
    }
    platform.showMessage(kNoticeCaption, "排样长度为:" + formatFixed2(figures.packedLength) + " ,排样效率" +
                                             formatFixed2(figures.density * 100.0) + "%");
    return true;
}

}  // namespace orvanest
