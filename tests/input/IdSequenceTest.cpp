#include <gtest/gtest.h>

#include "input/IdSequence.h"
#include "support/RecordingPlatform.h"
#include "support/TestJobs.h"

namespace orvanest {
namespace {

using testing::makeRectangle;
using testing::RecordingPlatform;
using testing::TemporaryFolder;

// Three parts of areas 10, 30 and 20, in that list order (not the order by area).
Layout threeParts() {
    Layout layout;
    layout.addPartFront(makeRectangle("twenty", 0, 0, 4, 5));
    layout.addPartFront(makeRectangle("thirty", 0, 0, 5, 6));
    layout.addPartFront(makeRectangle("ten", 0, 0, 2, 5));
    return layout;
}

std::vector<std::string> names(const Layout& layout) {
    std::vector<std::string> result;
    for (const Part& part : layout.parts) result.push_back(part.name);
    return result;
}

TEST(IdSequence, ReordersByIdsOfTheAreaOrder) {
    struct Case {
        const char* file;
        std::vector<std::string> order;
    };
    const std::vector<std::string> example{"ten", "thirty", "twenty"};
    const Case cases[] = {
        {"2,0,1", example},
        {"2,\n0,\r\n1\n", example},
        {"  2,\t0,\n\n  1 trailing", example},
        {"2,0,1,0,0,7", example},  // what follows the last id is ignored
        {"+2,0,+1", example},
        {"0,1,2", {"thirty", "twenty", "ten"}},
    };
    for (const Case& c : cases) {
        Layout layout = threeParts();
        std::vector<const Part*> identities;
        for (const Part& part : layout.parts) identities.push_back(&part);
        TemporaryFolder folder;
        RecordingPlatform platform;
        ASSERT_TRUE(applyIdSequence(layout, folder.write("seq.txt", c.file), platform)) << c.file;
        EXPECT_TRUE(platform.messages.empty()) << c.file;
        EXPECT_EQ(names(layout), c.order) << c.file;
        // The parts are the same records, only in another order.
        for (const Part& part : layout.parts)
            EXPECT_NE(std::find(identities.begin(), identities.end(), &part), identities.end());
    }
}

TEST(IdSequence, RejectedSequencesLeaveTheOrderUnchanged) {
    struct Case {
        const char* file;
        const char* reason;
    };
    const Case cases[] = {
        {"2,0", "only 2 of 3 part ids"},
        {"2 ,0,1", "only 1 of 3 part ids"},  // a blank before the comma ends the reading
        {"", "only 0 of 3 part ids"},
        {"a,b,c", "only 0 of 3 part ids"},
        {"3,0,1", "part id 3 is not between 0 and 2"},
        {"2,\n-1,0", ":2: part id -1 is not between 0 and 2"},
        {"99999999999,0,1", "is not between 0 and 2"},
        {"2,2,1", "part id 2 is named twice"},
    };
    for (const Case& c : cases) {
        Layout layout = threeParts();
        TemporaryFolder folder;
        RecordingPlatform platform;
        EXPECT_FALSE(applyIdSequence(layout, folder.write("seq.txt", c.file), platform)) << c.file;
        EXPECT_EQ(names(layout), (std::vector<std::string>{"ten", "thirty", "twenty"})) << c.file;
        ASSERT_EQ(platform.messages.size(), 1u) << c.file;
        EXPECT_EQ(platform.messages[0].first, "Warning!");
        const std::string& text = platform.messages[0].second;
        EXPECT_EQ(text.rfind("零件编号排样序列文件读取失败! (", 0), 0u) << text;
        EXPECT_NE(text.find(c.reason), std::string::npos) << text;
    }
    Layout layout = threeParts();
    RecordingPlatform platform;
    EXPECT_FALSE(applyIdSequence(layout, "/nonexistent/seq.txt", platform));
    EXPECT_EQ(names(layout), (std::vector<std::string>{"ten", "thirty", "twenty"}));
}

TEST(IdSequence, LayoutWithoutPartsReadsNothing) {
    Layout layout;
    TemporaryFolder folder;
    RecordingPlatform platform;
    EXPECT_TRUE(applyIdSequence(layout, folder.write("seq.txt", "not a sequence"), platform));
    EXPECT_TRUE(layout.parts.empty());
    EXPECT_TRUE(platform.messages.empty());
}

}  // namespace
}  // namespace orvanest
