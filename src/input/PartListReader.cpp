#include "input/PartListReader.h"

#include "input/InputLimits.h"

namespace orvanest {

bool readPartListFile(Layout&, const std::string& path, Platform& platform) {
    platform.showMessage(kWarningCaption, locatedMessage(kPartListOpenError, path, 0, "part lists are not supported yet"));
    return false;
}

}  // namespace orvanest
