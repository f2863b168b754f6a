#pragma once

#include <cstdint>
#include <string>

namespace orvanest::testing {

struct RandomJobShape {
    int types = 5;
    int maxCopies = 3;
    int minVertices = 5;
    int maxVertices = 14;
    double holeChance = 0.3;
    double boardWidth = 200.0;
    double boardLengthFactor = 3.0;  // board length = factor x total area / width
};

// A job in the part data text format with random star-shaped parts (simple polygons), some with a hole
// big enough to take a small part. The same seed always gives the same text.
std::string randomJob(std::uint32_t seed, const RandomJobShape& shape = {});

}  // namespace orvanest::testing
