#include "input/HeaderReading.h"

#include "input/InputLimits.h"
#include "input/TextParsing.h"

namespace orvanest {
namespace {

ParsedNumber headerNumber(const std::vector<std::string>& lines, size_t index, size_t labelLength) {
    if (index >= lines.size() || lines[index].size() <= labelLength) return ParsedNumber{};
    return parseLeadingNumber(std::string_view(lines[index]).substr(labelLength));
}

}  // namespace

bool readBoardHeader(Layout& layout, const std::vector<std::string>& lines, const std::string& path, Platform& platform,
                     const std::string& readFailureMessage) {
    const ParsedNumber length = headerNumber(lines, 0, 13);
    const ParsedNumber width = headerNumber(lines, 1, 12);
    const ParsedNumber third = headerNumber(lines, 2, 14);
    const ParsedNumber* values[] = {&length, &width, &third};
    for (int i = 0; i < 3; ++i) {
        if (!values[i]->finite) {
            platform.showMessage(kWarningCaption,
                                 locatedMessage(readFailureMessage, path, i + 1, "not a finite number"));
            return false;
        }
    }
    layout.headerValue3 = third.value;
    if (!layout.setBoard(length.value, width.value)) platform.showMessage(kWarningCaption, kBoardDataError);
    if (!layout.computeExtent()) {
        const int line = length.value == 0.0 ? 1 : 2;
        platform.showMessage(kWarningCaption, locatedMessage(kZeroExtentMessage, path, line, ""));
        return false;
    }
    return true;
}

}  // namespace orvanest
