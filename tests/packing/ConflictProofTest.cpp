#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <vector>

#include "packing/Overlap.h"
#include "packing/ShiftedLoop.h"
#include "support/TestJobs.h"

namespace orvanest::fast {
namespace {

// A star-shaped loop around (cx, cy) with radii in [r0, r1]; its corners fall on a grid of quarter units
// often enough that vertices meet edges and edges run along each other.
std::vector<Point> star(std::mt19937& random, double cx, double cy, double r0, double r1, int n) {
    std::uniform_real_distribution<double> radius(r0, r1);
    std::bernoulli_distribution snap(0.5);
    std::vector<Point> loop;
    for (int i = 0; i < n; ++i) {
        const double angle = 2 * 3.14159265358979 * i / n;
        double x = cx + radius(random) * std::cos(angle), y = cy + radius(random) * std::sin(angle);
        if (snap(random)) x = std::round(x * 4) / 4, y = std::round(y * 4) / 4;
        loop.push_back(Point(x, y));
    }
    return loop;
}

// Now and then a part with a hole wide enough to take a small part whole.
Part randomPart(std::mt19937& random) {
    std::uniform_int_distribution<int> vertices(3, 9);
    std::bernoulli_distribution holed(0.3);
    const double size = std::uniform_real_distribution<double>(1.0, 6.0)(random);
    std::vector<std::vector<Point>> holes;
    if (holed(random)) holes.push_back(star(random, 0, 0, 0.6 * size, 0.7 * size, vertices(random)));
    const double inner = holes.empty() ? 0.3 * size : 0.9 * size;
    return testing::makePart("p", star(random, 0, 0, inner, size, vertices(random)), holes);
}

// However the hints point, a cheap proof of a conflict is one the plain test agrees with; and each kind
// of proof does occur, so that the hints are really looked at.
TEST(ConflictProof, ProvesOnlyConflictsThePlainTestFinds) {
    std::mt19937 random(7);
    std::uniform_real_distribution<double> offset(-8.0, 8.0);
    EdgeBandsCache cache;
    int proofs[4] = {};
    for (int round = 0; round < 4000; ++round) {
        const Part a = randomPart(random);
        Part b = randomPart(random);
        b.moveBy(std::round(offset(random) * 4) / 4, std::round(offset(random) * 4) / 4);
        const double dx = std::round(offset(random) * 4) / 4, dy = offset(random);
        Part moved = a;
        moved.moveBy(dx, dy);
        const bool compatible = compatibleWith(moved, b);
        const EdgeBands* bandsA = cache.of(a.outer);
        const EdgeBands* bandsB = cache.of(b.outer);
        for (int hint = 0; hint < 8; ++hint) {
            std::uniform_int_distribution<int> vertexOfA(0, a.outer.count()), vertexOfB(0, b.outer.count());
            const ConflictHint h{vertexOfA(random), vertexOfB(random), vertexOfA(random), vertexOfB(random)};
            const ConflictProof proof = conflictProof(a, bandsA, dx, dy, b, bandsB, cache, h);
            ++proofs[static_cast<int>(proof)];
            ASSERT_TRUE(proof == ConflictProof::kNone || !compatible) << "round " << round << " hint " << hint;
        }
    }
    EXPECT_GT(proofs[static_cast<int>(ConflictProof::kVertexOfA)], 100);
    EXPECT_GT(proofs[static_cast<int>(ConflictProof::kVertexOfB)], 100);
    EXPECT_GT(proofs[static_cast<int>(ConflictProof::kEdges)], 100);
}

}  // namespace
}  // namespace orvanest::fast
