#include "batch/BatchOptions.h"

namespace orvanest {

const char* const kBatchUsage =
    "usage: orvanest-batch JOB [--list] [--sequence FILE] [--method points|steps|traversal|rects|none]\n"
    "                      [--rn N] [--ppd D] [--dxf FILE] [--export-parts DIR] [--report FILE]\n"
    "                      [--svg FILE] [--json] [--engine fast|literal]\n"
    "Loads JOB (a part data text file, or a part list file with --list), packs every part and writes\n"
    "the files asked for. Exit status: 0 success, 1 a load or a write was abandoned, 2 wrong usage.\n";

std::optional<BatchOptions> parseBatchOptions(const std::vector<std::string>& args, std::string& error) {
    BatchOptions options;
    bool haveJob = false;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        auto value = [&](std::optional<std::string>& target) {
            if (i + 1 >= args.size()) {
                error = "missing value after " + arg;
                return false;
            }
            target = args[++i];
            return true;
        };
        if (arg == "--list") {
            options.partList = true;
        } else if (arg == "--json") {
            options.json = true;
        } else if (arg == "--sequence") {
            if (!value(options.sequence)) return std::nullopt;
        } else if (arg == "--rn") {
            if (!value(options.rn)) return std::nullopt;
        } else if (arg == "--ppd") {
            if (!value(options.ppd)) return std::nullopt;
        } else if (arg == "--dxf") {
            if (!value(options.dxf)) return std::nullopt;
        } else if (arg == "--export-parts") {
            if (!value(options.exportDirectory)) return std::nullopt;
        } else if (arg == "--report") {
            if (!value(options.report)) return std::nullopt;
        } else if (arg == "--svg") {
            if (!value(options.svg)) return std::nullopt;
        } else if (arg == "--method" || arg == "--engine") {
            std::optional<std::string> name;
            if (!value(name)) return std::nullopt;
            if (arg == "--engine") {
                if (*name != "fast" && *name != "literal") {
                    error = "unknown engine '" + *name + "'";
                    return std::nullopt;
                }
                options.literalEngine = *name == "literal";
                continue;
            }
            if (*name == "points")
                options.method = PackingMethod::Points;
            else if (*name == "steps")
                options.method = PackingMethod::Steps;
            else if (*name == "traversal")
                options.method = PackingMethod::Traversal;
            else if (*name == "rects")
                options.method = PackingMethod::Rects;
            else if (*name == "none")
                options.method = PackingMethod::None;
            else {
                error = "unknown method '" + *name + "'";
                return std::nullopt;
            }
        } else if (arg.size() > 1 && arg[0] == '-') {
            error = "unknown option " + arg;
            return std::nullopt;
        } else if (!haveJob) {
            options.job = arg;
            haveJob = true;
        } else {
            error = "more than one job given";
            return std::nullopt;
        }
    }
    if (!haveJob) {
        error = "no job given";
        return std::nullopt;
    }
    return options;
}

}  // namespace orvanest
