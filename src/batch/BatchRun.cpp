#include "batch/BatchRun.h"

#include <cmath>
#include <cstdio>
#include <string>

#include "app/Editing.h"
#include "app/RnPpdSettings.h"
#include "input/IdSequence.h"
#include "input/LoadLayout.h"
#include "output/DxfWriter.h"
#include "output/Report.h"
#include "output/SvgWriter.h"
#include "packing/Placement.h"
#include "packing/RemainingRectPacking.h"
#include "packing/Traversal.h"

namespace orvanest {
namespace {

std::string jsonString(const std::string& text) {
    std::string out = "\"";
    for (unsigned char c : text) {
        switch (c) {
            case '"': out += "\\\""; break;
            case '\\': out += "\\\\"; break;
            case '\n': out += "\\n"; break;
            case '\r': out += "\\r"; break;
            case '\t': out += "\\t"; break;
            default:
                if (c < 0x20) {
                    char buffer[8];
                    std::snprintf(buffer, sizeof buffer, "\\u%04x", c);
                    out += buffer;
                } else {
                    out += static_cast<char>(c);
                }
        }
    }
    return out + "\"";
}

std::string jsonNumber(double value) {
    if (!std::isfinite(value)) return "null";
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.17g", value);
    return buffer;
}

// The step driver to its end. A part that fits nowhere would be tried at every tick for ever, so the
// batch stops when a step leaves the count of parts on the board unchanged.
void runSteps(Layout& layout, Platform& platform) {
    auto onBoard = [&layout] {
        int n = 0;
        for (const Part& part : layout.parts) n += liesWithin(part, layout.extent) ? 1 : 0;
        return n;
    };
    int before = onBoard();
    int noteIndex = 0;
    while (packStep(layout, platform, noteIndex)) {
        const int after = onBoard();
        if (after == before) break;
        before = after;
    }
}

void printSummary(std::FILE* out, const BatchOptions& options, const Layout* layout, const ReportFigures& figures,
                  double seconds, const BatchPlatform& platform) {
    if (options.json) {
        std::string text = "{";
        if (layout) {
            text += "\"parts\":" + std::to_string(layout->parts.size());
            text += ",\"types\":" + std::to_string(layout->partTypes.size());
            text += ",\"boardLength\":" + jsonNumber(layout->boardLength);
            text += ",\"boardWidth\":" + jsonNumber(layout->boardWidth);
            text += ",\"rn\":" + std::to_string(layout->rn);
            text += ",\"ppd\":" + jsonNumber(layout->ppd);
            text += ",\"placed\":" + std::to_string(figures.placed);
            text += ",\"packedLength\":" + jsonNumber(figures.packedLength);
            text += ",\"density\":" + jsonNumber(figures.density);
            text += ",\"totalArea\":" + jsonNumber(figures.totalArea);
            text += ",\"seconds\":" + jsonNumber(seconds);
            text += ",";
        }
        text += "\"messages\":[";
        bool first = true;
        for (const auto& [caption, message] : platform.messages()) {
            if (!first) text += ",";
            first = false;
            text += "[" + jsonString(caption) + "," + jsonString(message) + "]";
        }
        text += "]}\n";
        std::fputs(text.c_str(), out);
        return;
    }
    if (!layout) return;
    std::fprintf(out, "%s: %zu parts of %zu types on a %g x %g board, RN %d, PPD %g\n", options.job.c_str(),
                 layout->parts.size(), layout->partTypes.size(), layout->boardLength, layout->boardWidth, layout->rn,
                 layout->ppd);
    std::fprintf(out, "placed %d, packed length %g, density %.2f%%, area of placed parts %g, %.3f s\n", figures.placed,
                 figures.packedLength, figures.density * 100.0, figures.totalArea, seconds);
}

}  // namespace

int runBatch(const BatchOptions& options, BatchPlatform& platform, std::FILE* out) {
    std::optional<Layout> layout = loadLayout(options.job, options.partList ? kLoadPartList : kLoadPartData, platform);
    if (!layout) {
        printSummary(out, options, nullptr, ReportFigures{}, 0.0, platform);
        return 1;
    }
    layout->useLiteralEngine = options.literalEngine;
    int status = 0;
    auto settle = [&](bool ok) {
        if (!ok) status = 1;
        return ok;
    };
    if (options.sequence && !settle(applyIdSequence(*layout, *options.sequence, platform))) {
        // the order stays as it was; a job run in the wrong order is not what was asked for
    } else if (options.rn && !settle(renewRn(*layout, *options.rn, platform))) {
    } else if (options.ppd && !settle(renewPpd(*layout, *options.ppd, platform))) {
    }
    double seconds = 0.0;
    if (status == 0) {
        selectAll(*layout);
        const double start = platform.nowSeconds();
        switch (options.method) {
            case PackingMethod::Points: seconds = packTimed(*layout, platform); break;
            case PackingMethod::Steps: runSteps(*layout, platform); break;
            case PackingMethod::Traversal: packTraversal(*layout, platform); break;
            case PackingMethod::Rects: packRemainingRects(*layout, platform); break;
            case PackingMethod::None: break;
        }
        if (options.method != PackingMethod::Points) seconds = platform.nowSeconds() - start;
        if (options.dxf) settle(writeDxfLayout(*layout, *options.dxf, platform));
        if (options.exportDirectory) settle(exportParts(*layout, *options.exportDirectory, platform));
        if (options.report) settle(writeReport(*layout, *options.report, platform));
        if (options.svg) settle(writeSvg(*layout, *options.svg, platform));
    }
    const ReportFigures figures = computeReportFigures(*layout);
    printSummary(out, options, &*layout, figures, seconds, platform);
    return status;
}

}  // namespace orvanest
