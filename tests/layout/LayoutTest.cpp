#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "layout/Layout.h"
#include "support/TestJobs.h"

namespace orvanest {
namespace {

using testing::makeRectangle;

TEST(LayoutTest, FreshLayoutHasTheDefaults) {
    const Layout layout;
    EXPECT_EQ(layout.boardLength, 6000.0);
    EXPECT_EQ(layout.boardWidth, 4000.0);
    EXPECT_EQ(layout.extent.xmax, 6000.0);
    EXPECT_EQ(layout.extent.ymax, 4000.0);
    EXPECT_EQ(layout.rn, 4);
    EXPECT_EQ(layout.ppd, 0.5);
    EXPECT_TRUE(layout.firstStep);
    EXPECT_TRUE(layout.parts.empty());
    EXPECT_EQ(layout.typeSlots.size(), 1u);
    EXPECT_EQ(layout.remainingRects.count(), 1);
}

std::string order(const PartList& parts) {
    std::string names;
    for (const Part& p : parts) names += p.name;
    return names;
}

PartList partsWithAreas(const std::vector<std::pair<std::string, double>>& spec) {
    PartList parts;
    for (const auto& [name, side] : spec) parts.push_back(makeRectangle(name, 0, 0, side, 1));
    return parts;
}

TEST(SortPartsByArea, TiesComeOutInTheProgramsOrder) {
    struct Case {
        std::vector<std::pair<std::string, double>> parts;
        std::string sorted;
    };
    const Case cases[] = {
        {{{"A", 1}, {"B", 1}, {"C", 5}}, "CBA"},
        {{{"A", 1}, {"B", 1}}, "AB"},
        {{{"C", 5}, {"B", 1}, {"A", 1}}, "CBA"},
        {{{"A", 3}}, "A"},
        {{{"A", 1}, {"B", 2}, {"C", 3}, {"D", 2}}, "CBDA"},
    };
    for (const Case& c : cases) {
        PartList parts = partsWithAreas(c.parts);
        sortPartsByArea(parts);
        EXPECT_EQ(order(parts), c.sorted);
        PartList literal = partsWithAreas(c.parts);
        sortPartsByAreaStepByStep(literal);
        EXPECT_EQ(order(literal), c.sorted);
    }
}

TEST(SortPartsByArea, FastSortMatchesTheStepsOnRandomTies) {
    std::mt19937 random(7);
    for (int round = 0; round < 300; ++round) {
        const int n = 1 + static_cast<int>(random() % 40);
        std::vector<std::pair<std::string, double>> spec;
        for (int i = 0; i < n; ++i) spec.emplace_back(std::string(1, static_cast<char>('A' + i)), 1 + random() % 5);
        PartList fast = partsWithAreas(spec);
        PartList literal = partsWithAreas(spec);
        std::vector<const Part*> identities;
        for (const Part& p : fast) identities.push_back(&p);
        sortPartsByArea(fast);
        sortPartsByAreaStepByStep(literal);
        ASSERT_EQ(order(fast), order(literal)) << "round " << round;
        for (const Part& p : fast) EXPECT_NE(std::find(identities.begin(), identities.end(), &p), identities.end());
    }
}

TEST(DefaultPpd, FirstSmallestPartDecides) {
    PartList parts = partsWithAreas({{"A", 300}, {"B", 200}, {"C", 200}});
    parts.back().moveBy(0, 0);
    EXPECT_DOUBLE_EQ(computeDefaultPpd(parts, 0.5), (200 + 1) * 0.05);
    PartList one;
    one.push_back(makeRectangle("X", 0, 0, 200, 100));
    EXPECT_DOUBLE_EQ(computeDefaultPpd(one, 0.5), 15.0);
    PartList none;
    EXPECT_EQ(computeDefaultPpd(none, 0.5), 0.5);
}

TEST(LiesWithin, SlackOfOneTenBillionth) {
    const Part exact = makeRectangle("p", 0, 0, 6000, 4000);
    const Part tiny = makeRectangle("p", -1e-11, 0, 6000 + 2e-11, 4000);
    const Part over = makeRectangle("p", 0, 0, 6000 + 1e-9, 4000);
    const Extent board{0, 6000, 0, 4000};
    EXPECT_TRUE(liesWithin(exact, board));
    EXPECT_TRUE(liesWithin(tiny, board));
    EXPECT_FALSE(liesWithin(over, board));
}

}  // namespace
}  // namespace orvanest
