#pragma once

#include <filesystem>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "layout/Layout.h"
#include "support/TestJobs.h"

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

// A folder that refuses writes: read-only, or on a file system with no space left. It holds the given
// files, written before it broke. Where the machine cannot make one (root writes through permissions;
// a tmpfs needs a mount), `ready()` is false and `reason()` says why.
enum class Breakage { ReadOnly, Full };
class BrokenFolder {
public:
    BrokenFolder(Breakage breakage, const std::vector<std::pair<std::string, std::string>>& files);

    bool ready() const { return ready_; }
    const std::string& reason() const { return reason_; }
    const std::filesystem::path& path() const { return path_; }

private:
    TemporaryFolder plain_;
    SmallFileSystem tmpfs_{256 * 1024};
    std::filesystem::path path_;
    bool ready_ = false;
    std::string reason_;
};

// A name for test output: "ReadOnlyFolder" or "FullDisk".
std::string breakageName(Breakage breakage);
// So that test listings show the name rather than the bytes.
inline void PrintTo(Breakage breakage, std::ostream* out) { *out << breakageName(breakage); }

// Every file name in the folder, sorted: shows a temporary file left behind.
std::vector<std::string> fileNames(const std::filesystem::path& folder);

// What identifies a layout for "it did not change": each part's name, box and vertex count in list
// order, the board, RN, PPD and the number of packing points.
std::string layoutFingerprint(const Layout& layout);

}  // namespace orvanest::testing
