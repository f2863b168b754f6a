// Times the packing-point run (renewal, then every part in list order) on each job of a folder of part
// data files and prints the figures of the result.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "input/LoadLayout.h"
#include "output/Report.h"
#include "packing/PackingPointGrid.h"
#include "packing/Placement.h"

namespace {

using namespace orvanest;

// Messages of a load go to standard error; nothing else is asked of the platform here.
class QuietPlatform : public Platform {
public:
    void showMessage(const std::string& caption, const std::string& text) override {
        std::fprintf(stderr, "%s: %s\n", caption.c_str(), text.c_str());
    }
    bool chooseFile(const FileChooser&, std::string&) override { return false; }
    void playTone(int, int) override {}
    void playSystemSound() override {}
    double nowSeconds() override { return 0.0; }
    void requestRedraw(bool) override {}
};

const char* const kUsage =
    "usage: orvanest-bench [DIR] [--engine fast|literal] [--repeat N] [--only NAME]...\n"
    "Packs every *.txt part data file of DIR (default: the shared benchmark jobs) by the packing-point\n"
    "method, every part selected, and prints parts, placed, packed length, density and seconds per job.\n"
    "With --repeat N each job is loaded and packed N times in this one process and the best time is\n"
    "printed: warm figures, free of the first run's page faults.\n";

struct Options {
    std::filesystem::path dir = ORVANEST_DEFAULT_JOB_DIR;
    bool literal = false;
    int repeat = 1;
    std::vector<std::string> only;
};

bool parse(int argc, char** argv, Options& options) {
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--engine" && i + 1 < argc) {
            const std::string name = argv[++i];
            if (name != "fast" && name != "literal") return false;
            options.literal = name == "literal";
        } else if (arg == "--repeat" && i + 1 < argc) {
            options.repeat = std::max(1, std::atoi(argv[++i]));
        } else if (arg == "--only" && i + 1 < argc) {
            options.only.push_back(argv[++i]);
        } else if (!arg.empty() && arg[0] != '-') {
            options.dir = arg;
        } else {
            return false;
        }
    }
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    Options options;
    if (!parse(argc, argv, options)) {
        std::fputs(kUsage, stderr);
        return 2;
    }
    std::error_code ec;
    std::vector<std::filesystem::path> jobs;
    for (const auto& entry : std::filesystem::directory_iterator(options.dir, ec)) {
        const std::filesystem::path& path = entry.path();
        if (path.extension() != ".txt") continue;
        if (!options.only.empty() &&
            std::find(options.only.begin(), options.only.end(), path.stem().string()) == options.only.end())
            continue;
        jobs.push_back(path);
    }
    if (ec) {
        std::fprintf(stderr, "orvanest-bench: cannot list %s: %s\n", options.dir.string().c_str(),
                     ec.message().c_str());
        return 1;
    }
    std::sort(jobs.begin(), jobs.end());

    std::printf("%-10s %6s %6s %14s %8s %10s\n", "job", "parts", "placed", "packed length", "density", "seconds");
    QuietPlatform platform;
    double total = 0.0;
    int status = 0;
    for (const auto& job : jobs) {
        std::optional<Layout> layout;
        double seconds = 0.0;
        bool renewed = false;
        for (int round = 0; round < options.repeat; ++round) {
            layout = loadLayout(job.string(), kLoadPartData, platform);
            if (!layout) break;
            layout->useLiteralEngine = options.literal;
            for (Part& part : layout->parts) part.selected = true;
            const auto start = std::chrono::steady_clock::now();
            renewed = renewPackingPoints(*layout);
            layout->firstStep = false;
            if (renewed) placeSelectedParts(*layout, platform);
            const double taken = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
            seconds = round == 0 ? taken : std::min(seconds, taken);
        }
        if (!layout) {
            std::printf("%-10s load failed\n", job.stem().string().c_str());
            status = 1;
            continue;
        }
        total += seconds;
        const ReportFigures figures = computeReportFigures(*layout);
        std::printf("%-10s %6zu %6d %14.4f %7.2f%% %10.5f%s\n", job.stem().string().c_str(), layout->parts.size(),
                    figures.placed, figures.packedLength, figures.density * 100.0, seconds,
                    renewed ? "" : "  (grid too large: nothing placed)");
        std::fflush(stdout);
    }
    std::printf("%-10s %6zu jobs %37.3f\n", "total", jobs.size(), total);
    return status;
}
