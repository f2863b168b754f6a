#include "input/IdSequence.h"

namespace orvanest {

bool applyIdSequence(Layout&, const std::string& path, Platform& platform) {
    platform.showMessage(kWarningCaption, std::string(kIdSequenceError) + " (" + path + ": not built yet)");
    return false;
}

}  // namespace orvanest
