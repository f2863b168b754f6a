#pragma once

#include <string>
#include <utility>
#include <vector>

#include "layout/Platform.h"

namespace orvanest {

// The batch tool's platform: every message goes to standard error as one line "caption: text" and is
// kept for the JSON summary; no sound, no choosers, no window.
class BatchPlatform : public Platform {
public:
    void showMessage(const std::string& caption, const std::string& text) override;
    bool chooseFile(const FileChooser&, std::string&) override { return false; }
    void playTone(int, int) override {}
    void playSystemSound() override {}
    double nowSeconds() override;
    void requestRedraw(bool) override {}
    void releaseFreedMemory() override;

    const std::vector<std::pair<std::string, std::string>>& messages() const { return messages_; }

private:
    std::vector<std::pair<std::string, std::string>> messages_;
};

}  // namespace orvanest
