#pragma once

#include <optional>
#include <string>
#include <vector>

namespace orvanest {

enum class PackingMethod { Points, Steps, Traversal, Rects, None };

struct BatchOptions {
    std::string job;
    bool partList = false;
    std::optional<std::string> sequence;
    PackingMethod method = PackingMethod::Points;
    std::optional<std::string> rn;
    std::optional<std::string> ppd;
    std::optional<std::string> dxf;
    std::optional<std::string> exportDirectory;
    std::optional<std::string> report;
    std::optional<std::string> svg;
    bool json = false;
    bool literalEngine = false;
};

// Parses the command line; on a usage error answers nothing and sets `error`.
std::optional<BatchOptions> parseBatchOptions(const std::vector<std::string>& args, std::string& error);

extern const char* const kBatchUsage;

}  // namespace orvanest
