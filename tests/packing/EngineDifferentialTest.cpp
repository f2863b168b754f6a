#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <random>
#include <sstream>

#include "app/Editing.h"
#include "app/RnPpdSettings.h"
#include "input/LoadLayout.h"
#include "packing/FastEngine.h"
#include "packing/PackingPointGrid.h"
#include "packing/Placement.h"
#include "packing/Traversal.h"
#include "support/LayoutChecker.h"
#include "support/RandomJobs.h"
#include "support/RecordingPlatform.h"
#include "support/TestJobs.h"

namespace orvanest {
namespace {

using testing::RecordingPlatform;

// Every coordinate of the layout, bit for bit, as text: what the DXF, the report and later runs read.
std::string snapshot(const Layout& layout) {
    std::ostringstream out;
    auto bits = [&out](double v) {
        std::uint64_t b;
        std::memcpy(&b, &v, sizeof b);
        out << std::hex << b << ' ';
    };
    auto loop = [&](const Polygon& p) {
        for (const Point& v : p.vertices()) bits(v.x), bits(v.y);
        bits(p.xmin), bits(p.xmax), bits(p.ymin), bits(p.ymax);
        out << '|';
    };
    for (const Part& part : layout.parts) {
        out << part.name << ':';
        loop(part.outer);
        for (const Polygon& hole : part.inners) loop(hole);
        bits(part.xmin), bits(part.xmax), bits(part.ymin), bits(part.ymax);
        bits(part.centroid.x), bits(part.centroid.y);
        bits(part.nameLabel.x), bits(part.nameLabel.y), bits(part.nameLabel.angle);
        out << part.selected << '\n';
    }
    out << "points " << layout.packingPoints.count() << ':';
    layout.packingPoints.forEachAlive([&](const Point& p) { bits(p.x), bits(p.y); });
    out << "\nslots:";
    for (const TypeSlot& slot : layout.typeSlots) bits(slot.resumePoint.x), bits(slot.resumePoint.y);
    return out.str();
}

struct Pair {
    Layout literal;
    Layout fast;
    RecordingPlatform literalPlatform;
    RecordingPlatform fastPlatform;
};

// The same job loaded twice, one copy per engine.
std::unique_ptr<Pair> loadPair(const std::string& job) {
    testing::TemporaryFolder folder;
    const std::string path = folder.write("job.txt", job);
    RecordingPlatform platform;
    auto pair = std::make_unique<Pair>(Pair{std::move(*loadLayout(path, kLoadPartData, platform)),
                                            std::move(*loadLayout(path, kLoadPartData, platform)),
                                            {},
                                            {}});
    pair->literal.useLiteralEngine = true;
    pair->fast.useLiteralEngine = false;
    return pair;
}

// Applies the same step to both layouts.
template <typename Step>
void both(Pair& pair, Step&& step) {
    step(pair.literal, pair.literalPlatform);
    step(pair.fast, pair.fastPlatform);
}

// Key B on every part of both layouts.
void packAllOnBoth(Pair& pair) {
    both(pair, [](Layout& layout, Platform& platform) {
        selectAll(layout);
        packTimed(layout, platform);
    });
}

// Random settings, a random order and a random subset already on the board, the same for both.
void prepare(Pair& pair, std::mt19937& random) {
    const int rns[] = {1, 2, 3, 4, 4, 5, 6, 8};
    const std::string rn = std::to_string(rns[random() % 8]);
    const double ppdScale = 0.6 + (random() % 5) * 0.3;
    const std::string ppd = std::to_string(pair.fast.ppd * ppdScale);
    std::vector<size_t> order(pair.fast.parts.size());
    for (size_t i = 0; i < order.size(); ++i) order[i] = i;
    std::shuffle(order.begin(), order.end(), random);
    const bool reorder = random() % 2 == 0;
    std::vector<bool> early(order.size());
    for (size_t i = 0; i < early.size(); ++i) early[i] = random() % 4 == 0;
    both(pair, [&](Layout& layout, Platform& platform) {
        ASSERT_TRUE(renewRn(layout, rn, platform));
        ASSERT_TRUE(renewPpd(layout, ppd, platform));
        if (reorder) {
            std::vector<PartList::iterator> nodes;
            for (auto it = layout.parts.begin(); it != layout.parts.end(); ++it) nodes.push_back(it);
            for (size_t i : order) layout.parts.splice(layout.parts.end(), layout.parts, nodes[i]);
        }
        size_t i = 0;
        for (Part& part : layout.parts) part.selected = early[i++];
        packTraversal(layout, platform);
    });
}

void expectSame(const Pair& pair, const std::string& what) {
    ASSERT_EQ(snapshot(pair.literal), snapshot(pair.fast)) << what;
    EXPECT_EQ(pair.literalPlatform.texts().size(), pair.fastPlatform.texts().size()) << what;
    EXPECT_EQ(testing::checkLayout(pair.fast), "") << what;
}

TEST(EngineDifferential, PackingPointRunAndSlidesOnRandomJobs) {
    for (std::uint32_t seed = 1; seed <= 24; ++seed) {
        testing::RandomJobShape shape;
        shape.types = 3 + static_cast<int>(seed % 5);
        if (seed % 3 == 0) {
            // Loops long enough to be read through their edge bands.
            shape.minVertices = 30;
            shape.maxVertices = 70;
        }
        if (seed % 8 == 4) {
            // Enough members for the member grid; fewer are scanned one by one.
            shape.types = 10;
            shape.maxCopies = 14;
        }
        auto pair = loadPair(testing::randomJob(seed, shape));
        std::mt19937 random(seed);
        prepare(*pair, random);
        packAllOnBoth(*pair);
        expectSame(*pair, "packing-point run, seed " + std::to_string(seed));
        // Arrow-key slides of a random selection in a random direction.
        for (int round = 0; round < 4; ++round) {
            const int direction = static_cast<int>(random() % 4);
            std::vector<bool> chosen;
            for (size_t i = 0; i < pair->fast.parts.size(); ++i) chosen.push_back(random() % 3 == 0);
            both(*pair, [&](Layout& layout, Platform&) {
                size_t i = 0;
                for (Part& part : layout.parts) {
                    if (!chosen[i++]) continue;
                    if (direction == 0) slideLeft(layout, part);
                    if (direction == 1) slideRight(layout, part);
                    if (direction == 2) slideUp(layout, part);
                    if (direction == 3) slideDown(layout, part);
                }
            });
            expectSame(*pair, "slides, seed " + std::to_string(seed));
        }
    }
}

// Square frames with wide holes and small pieces that fit into them: trials go up columns beside, across
// and into the holes, in both directions (a piece in a frame's hole, a frame around a piece).
std::string framesJob(std::uint32_t seed) {
    std::mt19937 random(seed);
    auto uniform = [&random](double lo, double hi) { return std::uniform_real_distribution<double>(lo, hi)(random); };
    std::string job = "BoardLength: 400\nBoardWidth: 120\nThickness   : 10\n";
    auto vertex = [](double x, double y) {
        char text[64];
        std::snprintf(text, sizeof text, "%.2f,%.2f\n", x, y);
        return std::string(text);
    };
    for (int t = 0; t < 6; ++t) {
        job += "Part\nName\nT" + std::to_string(t) + "\nPartNumOfSameType\n" + std::to_string(1 + random() % 4) +
               "\nOutLoop\n";
        if (t % 3 == 0) {
            const double side = uniform(30, 50), wall = uniform(3, 6);
            job += vertex(0, 0) + vertex(side, 0) + vertex(side, side) + vertex(0, side) + "EndOutLoop\nInnerLoop\n";
            job += vertex(wall, wall) + vertex(side - wall, wall) + vertex(side - wall, side - wall) +
                   vertex(wall, side - wall) + "EndInnerLoop\n";
        } else if (t % 3 == 1) {
            const double w = uniform(4, 14), h = uniform(4, 14);
            job += vertex(0, 0) + vertex(w, 0) + vertex(w, h) + vertex(0, h) + "EndOutLoop\n";
        } else {
            const double w = uniform(5, 15), h = uniform(5, 15);
            job += vertex(0, 0) + vertex(w, 0) + vertex(uniform(0, w), h) + "EndOutLoop\n";
        }
        job += "EndPart\n";
    }
    return job;
}

TEST(EngineDifferential, PiecesInTheHolesOfFrames) {
    for (std::uint32_t seed = 1; seed <= 16; ++seed) {
        auto pair = loadPair(framesJob(seed));
        std::mt19937 random(seed);
        prepare(*pair, random);
        packAllOnBoth(*pair);
        expectSame(*pair, "frames, seed " + std::to_string(seed));
    }
}

// Searches split between two threads from their first trial, by orientation and (with a single one)
// by points, give the layout of the plain walk.
TEST(EngineDifferential, SearchesOnTwoThreads) {
    for (std::uint32_t seed = 201; seed <= 212; ++seed) {
        testing::RandomJobShape shape;
        shape.types = 4 + static_cast<int>(seed % 3);
        if (seed % 4 == 0) shape.minVertices = 30, shape.maxVertices = 60;
        auto pair = loadPair(seed % 2 == 0 ? testing::randomJob(seed, shape) : framesJob(seed));
        std::mt19937 random(seed);
        prepare(*pair, random);
        fast::SearchTuning tuning;
        tuning.trialsBeforeParallel = seed % 3 == 0 ? 0 : 40;
        tuning.longSearch = 200;
        tuning.trialsBeforeParallelAfterLong = 0;
        tuning.secondThread = true;
        fast::PackingRun run(tuning);
        both(*pair, [&](Layout& layout, Platform&) {
            selectAll(layout);
            if (layout.firstStep) {
                ASSERT_TRUE(renewPackingPoints(layout));
                layout.firstStep = false;
            }
            for (Part& part : layout.parts) {
                if (!part.selected) continue;
                if (layout.useLiteralEngine)
                    placePart(layout, part);
                else
                    run.placePart(layout, part);
            }
        });
        expectSame(*pair, "two threads, seed " + std::to_string(seed));
    }
}

TEST(EngineDifferential, StepDriverAndTraversalOnRandomJobs) {
    for (std::uint32_t seed = 101; seed <= 116; ++seed) {
        auto pair = loadPair(testing::randomJob(seed));
        std::mt19937 random(seed);
        prepare(*pair, random);
        const bool steps = seed % 2 == 0;
        both(*pair, [&](Layout& layout, Platform& platform) {
            selectAll(layout);
            if (steps) {
                int note = 0;
                for (size_t guard = 0; guard < layout.parts.size() && packStep(layout, platform, note); ++guard) {}
            } else {
                packTraversal(layout, platform);
            }
        });
        expectSame(*pair, (steps ? "steps, seed " : "traversal, seed ") + std::to_string(seed));
    }
}

TEST(EngineDifferential, SmallBenchmarkJobs) {
    const auto jobs = testing::esicupJobs();
    if (jobs.empty()) GTEST_SKIP() << "the benchmark jobs are not beside the repository";
    for (const char* name : {"fu.txt", "jakobs1.txt", "dighe2.txt"}) {
        auto pair = loadPair(testing::readFile((testing::sharedDataDir() / "esicup" / name).string()));
        packAllOnBoth(*pair);
        expectSame(*pair, name);
    }
}

}  // namespace
}  // namespace orvanest
