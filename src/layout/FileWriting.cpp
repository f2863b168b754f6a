#include "layout/FileWriting.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <random>

#include <fcntl.h>
#include <unistd.h>

namespace orvanest {
namespace {

// In the target's folder, so that the rename stays on one file system; a short name of its own, so that
// a target whose name is as long as the file system allows can still be written.
std::string temporaryNameBeside(const std::string& path) {
    static thread_local std::mt19937_64 random{std::random_device{}()};
    const std::filesystem::path target(path);
    std::string name = ".orvanest-";
    name += std::to_string(random() % 1000000007ULL);
    name += ".tmp";
    return (target.parent_path() / name).string();
}

bool fail(std::string* error, const std::string& reason) {
    if (error) *error = reason;
    return false;
}

}  // namespace

bool writeFileAtomically(const std::string& path, const std::string& content, std::string* error) {
    if (path.empty()) return fail(error, "empty file name");
    const std::string temporary = temporaryNameBeside(path);
    const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
    if (fd < 0) return fail(error, std::strerror(errno));
    const char* data = content.data();
    size_t left = content.size();
    while (left > 0) {
        const ssize_t written = ::write(fd, data, left);
        if (written < 0) {
            if (errno == EINTR) continue;
            const std::string reason = std::strerror(errno);
            ::close(fd);
            ::unlink(temporary.c_str());
            return fail(error, reason);
        }
        data += written;
        left -= static_cast<size_t>(written);
    }
    // A full disk may only show at flush or close; either failure keeps the old file.
    const bool synced = ::fsync(fd) == 0;
    const int syncErrno = errno;
    const bool closed = ::close(fd) == 0;
    if (!synced || !closed) {
        const std::string reason = std::strerror(synced ? errno : syncErrno);
        ::unlink(temporary.c_str());
        return fail(error, reason);
    }
    if (std::rename(temporary.c_str(), path.c_str()) != 0) {
        const std::string reason = std::strerror(errno);
        ::unlink(temporary.c_str());
        return fail(error, reason);
    }
    return true;
}

}  // namespace orvanest
