#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "geometry/Part.h"
#include "layout/Layout.h"

namespace orvanest::testing {

// A fresh empty folder under the system's temporary folder, removed with the object.
class TemporaryFolder {
public:
    TemporaryFolder();
    ~TemporaryFolder();
    TemporaryFolder(const TemporaryFolder&) = delete;
    TemporaryFolder& operator=(const TemporaryFolder&) = delete;

    const std::filesystem::path& path() const { return path_; }
    // Writes `content` to a file of that name in the folder and answers its path.
    std::string write(const std::string& name, const std::string& content) const;

private:
    std::filesystem::path path_;
};

std::string readFile(const std::string& path);
std::string testDataPath(const std::string& name);
// The benchmark jobs beside the repository, or empty when that folder is not there.
std::filesystem::path sharedDataDir();
std::vector<std::filesystem::path> esicupJobs();

// The small job written out in the part data format's description: two 100 x 50 plates with a hole.
extern const char* const kMinimalJob;

// A part built from loops, as a reader builds it.
Part makePart(const std::string& name, std::vector<Point> outer, std::vector<std::vector<Point>> holes = {});
Part makeRectangle(const std::string& name, double x, double y, double w, double h);

}  // namespace orvanest::testing
