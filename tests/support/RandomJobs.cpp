#include "support/RandomJobs.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <random>
#include <vector>

namespace orvanest::testing {
namespace {

struct Vertex {
    double x, y;
};

std::string formatVertex(const Vertex& v) {
    char text[64];
    std::snprintf(text, sizeof text, "%.3f,%.3f\n", v.x, v.y);
    return text;
}

double loopArea(const std::vector<Vertex>& loop) {
    double s = 0;
    for (size_t i = 0; i < loop.size(); ++i) {
        const Vertex& a = loop[i];
        const Vertex& b = loop[(i + 1) % loop.size()];
        s += a.x * b.y - b.x * a.y;
    }
    return std::fabs(s) / 2;
}

}  // namespace

std::string randomJob(std::uint32_t seed, const RandomJobShape& shape) {
    std::mt19937 random(seed);
    auto uniform = [&random](double lo, double hi) { return std::uniform_real_distribution<double>(lo, hi)(random); };
    auto integer = [&random](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(random); };
    const double pi = std::acos(-1.0);
    std::string blocks;
    double totalArea = 0;
    for (int t = 0; t < shape.types; ++t) {
        const int n = integer(shape.minVertices, shape.maxVertices);
        const double rMin = uniform(4, 12);
        const double rMax = rMin * uniform(1.1, 2.2);
        // Evenly spread angles with jitter keep every gap under 120 degrees, so the hole stays inside.
        std::vector<Vertex> outer;
        const double phase = uniform(0, 2 * pi);
        const bool rectangle = integer(0, 4) == 0;
        if (rectangle) {
            const double w = uniform(5, 25), h = uniform(5, 25);
            outer = {{0, 0}, {w, 0}, {w, h}, {0, h}};
        } else {
            for (int k = 0; k < n; ++k) {
                const double a = phase + (k + uniform(-0.3, 0.3)) * 2 * pi / n;
                const double r = uniform(rMin, rMax);
                outer.push_back({std::round(r * std::cos(a) * 1000) / 1000, std::round(r * std::sin(a) * 1000) / 1000});
            }
        }
        std::vector<Vertex> hole;
        if (!rectangle && uniform(0, 1) < shape.holeChance) {
            const int m = integer(4, 8);
            for (int k = 0; k < m; ++k) {
                const double a = 2 * pi * k / m;
                hole.push_back({std::round(0.45 * rMin * std::cos(a) * 1000) / 1000,
                                std::round(0.45 * rMin * std::sin(a) * 1000) / 1000});
            }
        }
        const int copies = integer(1, shape.maxCopies);
        totalArea += copies * (loopArea(outer) - (hole.empty() ? 0 : loopArea(hole)));
        blocks +=
            "Part\nName\nT" + std::to_string(t) + "\nPartNumOfSameType\n" + std::to_string(copies) + "\nOutLoop\n";
        for (const Vertex& v : outer) blocks += formatVertex(v);
        blocks += "EndOutLoop\n";
        if (!hole.empty()) {
            blocks += "InnerLoop\n";
            for (const Vertex& v : hole) blocks += formatVertex(v);
            blocks += "EndInnerLoop\n";
        }
        blocks += "EndPart\n";
    }
    const double length = std::ceil(shape.boardLengthFactor * totalArea / shape.boardWidth) + 60;
    char header[160];
    std::snprintf(header, sizeof header, "BoardLength: %.0f\nBoardWidth: %g\nThickness   : 10\n", length,
                  shape.boardWidth);
    return header + blocks;
}

}  // namespace orvanest::testing
