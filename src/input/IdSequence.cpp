#include "input/IdSequence.h"

#include <string_view>
#include <vector>

#include "input/InputLimits.h"
#include "input/TextParsing.h"

namespace orvanest {

bool applyIdSequence(Layout& layout, const std::string& path, Platform& platform) {
    TextLines text;
    std::string error;
    auto fail = [&](int line, const std::string& reason) {
        platform.showMessage(kWarningCaption, locatedMessage(kIdSequenceError, path, line, reason));
        return false;
    };
    if (!readTextLines(path, text, &error)) return fail(0, error);
    const size_t n = layout.parts.size();
    if (n == 0) return true;
    // "%d," n - 1 times, then "%d": white space (line ends too) may precede an integer, none may stand
    // between an integer and its comma.
    std::string content;
    for (const std::string& line : text.lines) content += line + "\n";
    std::vector<size_t> ids;
    ids.reserve(n);
    std::vector<char> named(n, 0);
    size_t at = 0;
    int line = 1;
    for (size_t k = 0; k < n; ++k) {
        while (at < content.size() && std::string_view(" \t\n\v\f\r").find(content[at]) != std::string_view::npos) {
            if (content[at] == '\n') ++line;
            ++at;
        }
        const ParsedInteger id = parseLeadingInteger(std::string_view(content).substr(at));
        if (!id.found) return fail(line, "only " + std::to_string(k) + " of " + std::to_string(n) + " part ids");
        if (!id.inRange || id.value < 0 || id.value >= static_cast<std::int64_t>(n))
            return fail(line, "part id " + std::to_string(id.value) + " is not between 0 and " + std::to_string(n - 1));
        if (named[static_cast<size_t>(id.value)])
            return fail(line, "part id " + std::to_string(id.value) + " is named twice");
        named[static_cast<size_t>(id.value)] = 1;
        ids.push_back(static_cast<size_t>(id.value));
        at += id.consumed;
        if (k + 1 < n) {
            if (at >= content.size() || content[at] != ',')
                return fail(line, "only " + std::to_string(k + 1) + " of " + std::to_string(n) +
                                      " part ids (each but the last must be followed directly by a comma)");
            ++at;
        }
    }
    // Ids count in the order by area, whatever order an earlier sequence left.
    sortPartsByArea(layout.parts);
    std::vector<PartList::iterator> byArea;
    byArea.reserve(n);
    for (auto it = layout.parts.begin(); it != layout.parts.end(); ++it) byArea.push_back(it);
    // Moving the nodes gives what copying them back would: a copy in the layout already has the default
    // thickness and chord step, and two copies reverse the holes twice. The parts keep their identity.
    for (size_t id : ids) layout.parts.splice(layout.parts.end(), layout.parts, byArea[id]);
    return true;
}

}  // namespace orvanest
