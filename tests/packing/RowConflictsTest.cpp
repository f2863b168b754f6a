#include <gtest/gtest.h>

#include "packing/RowConflicts.h"
#include "support/TestJobs.h"

namespace orvanest::fast {
namespace {

// An entry is found only for its own orientation and row and only in the search that made it: a later
// search's members may have moved, and the bands it names may be gone.
TEST(RowConflicts, FindsAnEntryOnlyInItsSearchOrientationAndRow) {
    const Part member = testing::makeRectangle("m", 0, 0, 1, 1);
    RowConflicts rows;
    rows.startSearch(5000, 4);
    rows.remember(1, 3, {&member, nullptr, ConflictHint{2, 0, 1, 1}});
    ASSERT_NE(rows.find(1, 3), nullptr);
    EXPECT_EQ(rows.find(1, 3)->member, &member);
    EXPECT_EQ(rows.find(1, 3)->hint.a, 2);
    EXPECT_EQ(rows.find(0, 3), nullptr);
    EXPECT_EQ(rows.find(2, 3), nullptr);
    // Rows that share an entry are told apart.
    EXPECT_EQ(rows.find(1, 3 + 1024), nullptr);
    rows.remember(1, 3 + 1024, {&member, nullptr, {}});
    EXPECT_EQ(rows.find(1, 3), nullptr);
    EXPECT_NE(rows.find(1, 3 + 1024), nullptr);

    rows.startSearch(5000, 4);
    EXPECT_EQ(rows.find(1, 3 + 1024), nullptr);
    // A larger search afresh, and points that are no grid keep nothing.
    rows.remember(3, 7, {&member, nullptr, {}});
    rows.startSearch(5000, 8);
    EXPECT_EQ(rows.find(3, 7), nullptr);
    rows.startSearch(0, 4);
    rows.remember(0, 0, {&member, nullptr, {}});
    EXPECT_EQ(rows.find(0, 0), nullptr);
}

// With thousands of orientations each keeps few rows, which still tell each other apart.
TEST(RowConflicts, ManyOrientationsShareABoundedTable) {
    const Part member = testing::makeRectangle("m", 0, 0, 1, 1);
    RowConflicts rows;
    rows.startSearch(100000, 3600);
    rows.remember(3599, 5, {&member, nullptr, {}});
    rows.remember(0, 6, {&member, nullptr, {}});
    EXPECT_NE(rows.find(3599, 5), nullptr);
    EXPECT_NE(rows.find(0, 6), nullptr);
    EXPECT_EQ(rows.find(3599, 6), nullptr);
    EXPECT_EQ(rows.find(0, 5), nullptr);
    EXPECT_LE(rows.entryCount(), size_t{1} << 14);
}

}  // namespace
}  // namespace orvanest::fast
