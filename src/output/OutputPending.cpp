// Placeholders until the writers land.
#include "output/DxfWriter.h"
#include "output/Report.h"
#include "output/SvgWriter.h"

namespace orvanest {

bool writeDxfLayout(const Layout&, const std::string&, Platform& platform) {
    platform.showMessage(kWarningCaption, "DXF output is not built yet");
    return false;
}
bool exportParts(const Layout&, const std::string&, Platform& platform) {
    platform.showMessage(kWarningCaption, "part export is not built yet");
    return false;
}
bool writeReport(Layout&, const std::string&, Platform& platform) {
    platform.showMessage(kWarningCaption, "the report is not built yet");
    return false;
}
bool writeSvg(const Layout&, const std::string&, Platform& platform) {
    platform.showMessage(kWarningCaption, "SVG output is not built yet");
    return false;
}
ReportFigures computeReportFigures(Layout& layout) {
    ReportFigures figures;
    for (Part& part : layout.parts)
        if (liesWithin(part, layout.extent)) ++figures.placed;
    return figures;
}

}  // namespace orvanest
