#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "layout/Layout.h"

namespace orvanest::testing {

// One run of the batch tool: exit status and what it printed.
struct ToolRun {
    int status = -1;
    std::string out;
    std::string err;
};
// Runs orvanest-batch with the arguments, its working folder `folder` (the timing file lands there).
ToolRun runBatchTool(const std::filesystem::path& folder, const std::vector<std::string>& args);

// A small tmpfs mounted on a fresh folder, for full-disk and read-only cases; unmounted with the
// object. Mounting needs root and a machine that allows it: `reason()` says why when it did not work.
class SmallFileSystem {
public:
    explicit SmallFileSystem(std::size_t bytes);
    ~SmallFileSystem();
    SmallFileSystem(const SmallFileSystem&) = delete;
    SmallFileSystem& operator=(const SmallFileSystem&) = delete;

    bool mounted() const { return mounted_; }
    const std::string& reason() const { return reason_; }
    const std::filesystem::path& path() const { return path_; }

    // Makes the file system read-only, for root as well; answers false (with the reason) when it cannot.
    bool makeReadOnly();
    // Fills every free block with a filler file, so that the next write meets a full disk.
    void fill() const;

private:
    std::filesystem::path path_;
    bool mounted_ = false;
    std::string reason_;
};

// Whether a process can still create files in the folder after its write permission was taken away
// (root can); the probe file is removed again.
bool folderStaysWritable(const std::filesystem::path& folder);

// Every file name in the folder, sorted: shows a temporary file left behind.
std::vector<std::string> fileNames(const std::filesystem::path& folder);

// What identifies a layout for "it did not change": each part's name, box and vertex count in list
// order, the board, RN, PPD and the number of packing points.
std::string layoutFingerprint(const Layout& layout);

}  // namespace orvanest::testing
