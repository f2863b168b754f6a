#pragma once

#include <filesystem>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "app/CommandLayer.h"
#include "support/RecordingCanvas.h"
#include "support/RecordingPlatform.h"
#include "support/TestJobs.h"

namespace orvanest::testing {

// The recording platform plus what only the window asks for: check marks, dialogs, the path each
// chooser starts at, and a tone that can be held playing.
class WindowPlatform : public RecordingPlatform {
public:
    bool chooseFile(const FileChooser& chooser, std::string& filePath) override {
        chooserStartPaths.push_back(filePath);
        return RecordingPlatform::chooseFile(chooser, filePath);
    }
    void setMenuChecked(int commandId, bool checked) override { menuChecks.emplace_back(commandId, checked); }
    void openRnPpdDialog() override { ++dialogsOpened; }
    bool tonePlaying() const override { return toneHeld; }
    // The progress dialog hands the event loop over: whatever the loop would deliver meanwhile.
    bool packingProgress(int done, int total) override {
        if (duringProgress) duringProgress();
        return RecordingPlatform::packingProgress(done, total);
    }

    std::vector<std::string> chooserStartPaths;
    std::vector<std::pair<int, bool>> menuChecks;
    int dialogsOpened = 0;
    bool toneHeld = false;
    std::function<void()> duringProgress;
};

// Runs the scope in another current directory, for the files the program writes beside itself.
class CurrentDirectory {
public:
    explicit CurrentDirectory(const std::filesystem::path& path) : previous_(std::filesystem::current_path()) {
        std::filesystem::current_path(path);
    }
    ~CurrentDirectory() { std::filesystem::current_path(previous_); }
    CurrentDirectory(const CurrentDirectory&) = delete;
    CurrentDirectory& operator=(const CurrentDirectory&) = delete;

private:
    std::filesystem::path previous_;
};

// A created 800 x 600 window; `open` loads a job through the menu as a user does.
struct Window {
    WindowPlatform platform;
    CommandLayer commands{platform};
    TemporaryFolder folder;

    Window() {
        commands.onCreate();
        commands.onSize(800, 600);
    }
    bool open(const std::string& job = kMinimalJob, const std::string& name = "job.txt") {
        platform.chooserAnswers.push_back(folder.write(name, job));
        const int redrawsBefore = platform.redraws;
        commands.onCommand(kCommandOpenPartData);
        return platform.redraws > redrawsBefore;  // only a load that succeeded repaints
    }
    Layout& layout() { return *commands.layout(); }
    Part& part(size_t index) { return *std::next(layout().parts.begin(), static_cast<long>(index)); }
    PixelPoint pixelOf(double x, double y) const { return commands.viewport().toPixel(x, y); }
    void type(const std::string& keys, bool shift = false) {
        for (char c : keys) commands.onChar(static_cast<char32_t>(c), shift);
    }
    void click(PixelPoint p, bool shift = false) { commands.onLeftButtonDown(p.x, p.y, shift); }
    void moveMouse(PixelPoint p, bool shift = false) { commands.onMouseMove(p.x, p.y, shift); }
    RecordingCanvas paint() {
        RecordingCanvas canvas;
        commands.onPaint(canvas);
        return canvas;
    }
};

}  // namespace orvanest::testing
