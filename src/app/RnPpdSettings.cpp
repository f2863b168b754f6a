#include "app/RnPpdSettings.h"

#include <algorithm>
#include <cstdio>

#include "input/TextParsing.h"
#include "packing/GridLimits.h"
#include "packing/PackingPointGrid.h"

namespace orvanest {

bool renewRn(Layout& layout, const std::string& text, Platform& platform) {
    const ParsedInteger value = parseLeadingInteger(text);
    if (!value.found || value.value < 1 || value.value > kMaxRn) {
        platform.showMessage(kWarningCaption, "RN must be a whole number from 1 to " + std::to_string(kMaxRn) +
                                                  "; RN stays " + std::to_string(layout.rn) + ".");
        return false;
    }
    std::int64_t largest = 0;
    for (const Part& part : layout.parts) largest = std::max(largest, part.vertexCount());
    if (largest > 0 && value.value * largest > kMaxTrialVertices) {
        platform.showMessage(kWarningCaption,
                             "RN=" + std::to_string(value.value) + " would copy a part of " + std::to_string(largest) +
                                 " vertices that many times for each placement; " +
                                 "the largest RN for this part set is " + std::to_string(kMaxTrialVertices / largest) +
                                 ". RN stays " + std::to_string(layout.rn) + ".");
        return false;
    }
    layout.rn = static_cast<int>(value.value);
    return true;
}

bool renewPpd(Layout& layout, const std::string& text, Platform& platform) {
    const ParsedNumber value = parseLeadingNumber(text);
    if (!value.found || !value.finite || !(value.value > 0.0)) {
        platform.showMessage(kWarningCaption,
                             "PPD must be a number greater than 0; PPD stays " + formatPpd(layout.ppd) + ".");
        return false;
    }
    if (packingPointCount(layout.boardLength, layout.boardWidth, value.value) > kMaxPackingPoints) {
        platform.showMessage(kWarningCaption, ppdTooSmallMessage(layout.boardLength, layout.boardWidth, value.value));
        return false;
    }
    layout.ppd = value.value;
    renewPackingPoints(layout);
    return true;
}

std::string formatRn(int rn) { return std::to_string(rn); }

std::string formatPpd(double ppd) {
    char text[512];
    std::snprintf(text, sizeof text, "%lf", ppd);
    return text;
}

}  // namespace orvanest
