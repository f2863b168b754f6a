#include "faults/FaultHarness.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <random>

#include <sys/mount.h>
#include <sys/wait.h>

#include "support/TestJobs.h"

namespace orvanest::testing {
namespace {

std::string shellQuoted(const std::string& text) {
    std::string quoted = "'";
    for (char c : text) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

std::filesystem::path freshFolder(const std::string& stem) {
    std::random_device device;
    const std::filesystem::path path =
        std::filesystem::temp_directory_path() / (stem + std::to_string(device()) + std::to_string(device()));
    std::filesystem::create_directories(path);
    return path;
}

}  // namespace

ToolRun runBatchTool(const std::filesystem::path& folder, const std::vector<std::string>& args) {
    // The captured output goes elsewhere: the working folder may refuse writes.
    const TemporaryFolder capture;
    const std::filesystem::path outPath = capture.path() / "out";
    const std::filesystem::path errPath = capture.path() / "err";
    // Under AddressSanitizer a report must not pass for the tool's own status 1.
    std::string command = "cd " + shellQuoted(folder.string()) +
                          " && ASAN_OPTIONS=\"${ASAN_OPTIONS:+$ASAN_OPTIONS:}exitcode=86\" " +
                          shellQuoted(ORVANEST_BATCH_TOOL);
    for (const std::string& arg : args) command += " " + shellQuoted(arg);
    command += " > " + shellQuoted(outPath.string()) + " 2> " + shellQuoted(errPath.string()) + " < /dev/null";
    ToolRun run;
    const int raw = std::system(command.c_str());
    run.status = raw != -1 && WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    run.out = readFile(outPath.string());
    run.err = readFile(errPath.string());
    return run;
}

SmallFileSystem::SmallFileSystem(std::size_t bytes) : path_(freshFolder("orvanest-tmpfs-")) {
    const std::string options = "size=" + std::to_string(bytes);
    if (::mount("tmpfs", path_.c_str(), "tmpfs", 0, options.c_str()) == 0) {
        mounted_ = true;
    } else {
        reason_ = std::string("cannot mount a tmpfs here: ") + std::strerror(errno);
    }
}

SmallFileSystem::~SmallFileSystem() {
    if (mounted_) ::umount2(path_.c_str(), MNT_DETACH);
    std::error_code ec;
    std::filesystem::remove_all(path_, ec);
}

bool SmallFileSystem::makeReadOnly() {
    if (!mounted_) return false;
    if (::mount("tmpfs", path_.c_str(), "tmpfs", MS_REMOUNT | MS_RDONLY, nullptr) == 0) return true;
    reason_ = std::string("cannot remount the tmpfs read-only: ") + std::strerror(errno);
    return false;
}

void SmallFileSystem::fill() const {
    std::FILE* filler = std::fopen((path_ / "filler").c_str(), "wb");
    if (!filler) return;
    const std::string block(4096, 'x');
    while (std::fwrite(block.data(), 1, block.size(), filler) == block.size() && std::fflush(filler) == 0) {}
    std::fclose(filler);
}

namespace {

// Whether files can still be created in the folder (root can, whatever the permissions say).
bool folderStaysWritable(const std::filesystem::path& folder) {
    const std::filesystem::path probe = folder / ".write-probe";
    bool written = false;
    {
        std::ofstream out(probe);
        written = static_cast<bool>(out << "probe" << std::flush);
    }
    std::error_code ec;
    std::filesystem::remove(probe, ec);
    return written;
}

void writeFiles(const std::filesystem::path& folder, const std::vector<std::pair<std::string, std::string>>& files) {
    for (const auto& [name, content] : files) std::ofstream(folder / name, std::ios::binary) << content;
}

}  // namespace

BrokenFolder::BrokenFolder(Breakage breakage, const std::vector<std::pair<std::string, std::string>>& files) {
    if (breakage == Breakage::ReadOnly) {
        path_ = plain_.path();
        writeFiles(path_, files);
        std::filesystem::permissions(path_, std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec |
                                                std::filesystem::perms::group_read |
                                                std::filesystem::perms::others_read);
        if (!folderStaysWritable(path_)) {
            ready_ = true;
            return;
        }
        // Permissions do not stop this process: a read-only mount does.
        if (!tmpfs_.mounted()) {
            reason_ =
                "the folder stays writable without its write permission (running as root), and " + tmpfs_.reason();
            return;
        }
        path_ = tmpfs_.path();
        writeFiles(path_, files);
        if (!tmpfs_.makeReadOnly()) {
            reason_ = "the folder stays writable without its write permission, and " + tmpfs_.reason();
            return;
        }
        ready_ = !folderStaysWritable(path_);
        if (!ready_) reason_ = "even a read-only mount stays writable";
        return;
    }
    if (!tmpfs_.mounted()) {
        reason_ = tmpfs_.reason();
        return;
    }
    path_ = tmpfs_.path();
    writeFiles(path_, files);
    tmpfs_.fill();
    ready_ = !folderStaysWritable(path_);
    if (!ready_) reason_ = "the filled tmpfs still takes a write";
}

std::string breakageName(Breakage breakage) { return breakage == Breakage::ReadOnly ? "ReadOnlyFolder" : "FullDisk"; }

std::vector<std::string> fileNames(const std::filesystem::path& folder) {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

std::string layoutFingerprint(const Layout& layout) {
    char text[256];
    std::snprintf(text, sizeof text, "board %.17g x %.17g, RN %d, PPD %.17g, points %d\n", layout.boardLength,
                  layout.boardWidth, layout.rn, layout.ppd, layout.packingPoints.count());
    std::string fingerprint = text;
    for (const Part& part : layout.parts) {
        std::snprintf(text, sizeof text, " [%.17g %.17g %.17g %.17g] %d/%zu\n", part.xmin, part.xmax, part.ymin,
                      part.ymax, part.outer.count(), part.inners.size());
        fingerprint += part.name + text;
    }
    return fingerprint;
}

}  // namespace orvanest::testing
