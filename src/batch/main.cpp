#include <cstdio>
#include <string>
#include <vector>

#include "batch/BatchOptions.h"
#include "batch/BatchRun.h"

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    std::string error;
    const auto options = orvanest::parseBatchOptions(args, error);
    if (!options) {
        std::fprintf(stderr, "orvanest-batch: %s\n%s", error.c_str(), orvanest::kBatchUsage);
        return 2;
    }
    orvanest::BatchPlatform platform;
    return orvanest::runBatch(*options, platform, stdout);
}
