#pragma once

#include <deque>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "layout/Platform.h"

namespace orvanest::testing {

// A platform that records what the program asks of it; file choosers answer from a queue.
class RecordingPlatform : public Platform {
public:
    struct Tone {
        int frequency;
        int milliseconds;
    };

    void showMessage(const std::string& caption, const std::string& text) override {
        messages.emplace_back(caption, text);
    }
    bool chooseFile(const FileChooser& chooser, std::string& filePath) override;
    void playTone(int frequencyHz, int milliseconds) override { tones.push_back({frequencyHz, milliseconds}); }
    void playSystemSound() override { ++systemSounds; }
    double nowSeconds() override { return clock += clockStep; }
    void requestRedraw(bool full) override { (full ? fullRedraws : redraws) += 1; }
    bool packingProgress(int done, int total) override {
        progress.emplace_back(done, total);
        return cancelAfter < 0 || done < cancelAfter;
    }
    void releaseFreedMemory() override { ++memoryReleases; }

    // The texts of the recorded messages, in order.
    std::vector<std::string> texts() const;

    std::vector<std::pair<std::string, std::string>> messages;
    std::vector<Tone> tones;
    std::vector<FileChooser> choosersShown;
    std::deque<std::optional<std::string>> chooserAnswers;  // nullopt: the user cancels
    std::vector<std::pair<int, int>> progress;              // (done, total) per report
    int cancelAfter = -1;                                   // the user cancels once this many parts are done
    int systemSounds = 0;
    int memoryReleases = 0;  // after each packing-point run
    int redraws = 0;
    int fullRedraws = 0;
    double clock = 0.0;
    double clockStep = 0.001;
};

}  // namespace orvanest::testing
