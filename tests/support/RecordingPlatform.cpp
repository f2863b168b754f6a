#include "support/RecordingPlatform.h"

namespace orvanest::testing {

bool RecordingPlatform::chooseFile(const FileChooser& chooser, std::string& filePath) {
    choosersShown.push_back(chooser);
    if (chooserAnswers.empty()) return false;
    const std::optional<std::string> answer = chooserAnswers.front();
    chooserAnswers.pop_front();
    if (!answer) return false;
    filePath = *answer;
    return true;
}

std::vector<std::string> RecordingPlatform::texts() const {
    std::vector<std::string> result;
    for (const auto& message : messages) result.push_back(message.second);
    return result;
}

}  // namespace orvanest::testing
