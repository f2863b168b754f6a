#include "support/TestJobs.h"

#include <algorithm>
#include <fstream>
#include <random>
#include <sstream>

namespace orvanest::testing {

TemporaryFolder::TemporaryFolder() {
    std::random_device device;
    path_ = std::filesystem::temp_directory_path() /
            ("orvanest-test-" + std::to_string(device()) + std::to_string(device()));
    std::filesystem::create_directories(path_);
}

TemporaryFolder::~TemporaryFolder() {
    std::error_code ec;
    std::filesystem::permissions(path_, std::filesystem::perms::owner_all, std::filesystem::perm_options::add, ec);
    std::filesystem::remove_all(path_, ec);
}

std::string TemporaryFolder::write(const std::string& name, const std::string& content) const {
    const std::filesystem::path file = path_ / name;
    std::ofstream out(file, std::ios::binary);
    out << content;
    return file.string();
}

std::string readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream buffer;
    buffer << in.rdbuf();
    return buffer.str();
}

std::string testDataPath(const std::string& name) { return std::string(ORVANEST_TEST_DATA_DIR) + "/" + name; }

std::filesystem::path sharedDataDir() {
    std::filesystem::path dir(ORVANEST_SHARED_DATA_DIR);
    std::error_code ec;
    return std::filesystem::is_directory(dir, ec) ? dir : std::filesystem::path();
}

std::vector<std::filesystem::path> esicupJobs() {
    std::vector<std::filesystem::path> jobs;
    const std::filesystem::path dir = sharedDataDir();
    if (dir.empty()) return jobs;
    for (const auto& entry : std::filesystem::directory_iterator(dir / "esicup"))
        if (entry.path().extension() == ".txt") jobs.push_back(entry.path());
    std::sort(jobs.begin(), jobs.end());
    return jobs;
}

const char* const kMinimalJob =
    "BoardLength: 6000\n"
    "BoardWidth: 4000\n"
    "Thickness   : 0\n"
    "Part\n"
    "Name\n"
    "plate\n"
    "PartNumOfSameType\n"
    "2\n"
    "OutLoop\n"
    "0,0\n"
    "100,0\n"
    "100,50\n"
    "0,50\n"
    "EndOutLoop\n"
    "InnerLoop\n"
    "10,10\n"
    "20,10\n"
    "20,20\n"
    "10,20\n"
    "EndInnerLoop\n"
    "EndPart\n";

Part makePart(const std::string& name, std::vector<Point> outer, std::vector<std::vector<Point>> holes) {
    PolygonList inners;
    for (auto& hole : holes) inners.push_front(Polygon(std::move(hole)));
    Part part;
    part.setFromLoops(name, Polygon(std::move(outer)), inners);
    return part;
}

Part makeRectangle(const std::string& name, double x, double y, double w, double h) {
    return makePart(name, {Point(x, y), Point(x + w, y), Point(x + w, y + h), Point(x, y + h)});
}

}  // namespace orvanest::testing
