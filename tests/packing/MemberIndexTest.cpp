#include <gtest/gtest.h>

#include <random>
#include <set>
#include <string>

#include "packing/MemberIndex.h"
#include "support/TestJobs.h"

namespace orvanest::fast {
namespace {

// Boxes on a coarse grid, so that queries touch member boxes edge to edge and corner to corner.
Part boxPart(std::mt19937& random) {
    std::uniform_int_distribution<int> corner(0, 40), size(0, 6);
    const double x = corner(random), y = corner(random);
    const double w = size(random), h = size(random);
    return testing::makePart("box", {Point(x, y), Point(x + w, y), Point(x + w, y + h), Point(x, y + h)});
}

// A few members are scanned one by one, many through the grid: either way exactly the members whose
// closed boxes meet the closed query box are visited, each once.
TEST(MemberIndex, VisitsTheMembersWhoseBoxesMeetTheQuery) {
    for (const int members : {5, 300}) {
        std::mt19937 random(static_cast<std::uint32_t>(members));
        PartList parts;
        for (int i = 0; i < members; ++i) parts.push_back(boxPart(random));
        const MemberIndex index(parts);
        MemberIndex::Scratch scratch = index.scratch();
        for (int query = 0; query < 500; ++query) {
            const Part probe = boxPart(random);
            const Box box{probe.xmin, probe.xmax, probe.ymin, probe.ymax};
            std::multiset<const Part*> visited;
            EXPECT_TRUE(index.forEachNear(box, scratch, [&](const Part& member) {
                visited.insert(&member);
                return true;
            }));
            std::multiset<const Part*> expected;
            for (const Part& part : parts)
                if (!(part.xmin > box.xmax || part.xmax < box.xmin || part.ymin > box.ymax || part.ymax < box.ymin))
                    expected.insert(&part);
            ASSERT_EQ(visited, expected) << members << " members, query " << query;
        }
        // A visit that answers false ends the walk.
        int visits = 0;
        EXPECT_FALSE(index.forEachNear(Box{-1, 100, -1, 100}, [&](const Part&) { return ++visits, false; }));
        EXPECT_EQ(visits, 1);
    }
}

}  // namespace
}  // namespace orvanest::fast
