#include "app/RnPpdDialogModel.h"

#include <gtest/gtest.h>

#include <cmath>

#include "app/RnPpdSettings.h"
#include "app/WindowHarness.h"

namespace orvanest {
namespace {

using testing::Window;

TEST(RnPpdDialog, WithoutALayoutShowsTheDefaultsAndDoesNothing) {
    Window window;
    RnPpdDialogModel dialog(window.commands);
    EXPECT_EQ(dialog.initialRnText(), "4");
    EXPECT_EQ(dialog.initialPpdText(), "0.500000");
    dialog.pressRenewRn("6");
    dialog.pressRenewPpd("12");
    EXPECT_TRUE(window.platform.messages.empty());
    EXPECT_EQ(window.platform.fullRedraws, 0);
}

TEST(RnPpdDialog, RenewButtonsSetTheirValueAndRepaintEverything) {
    Window window;
    ASSERT_TRUE(window.open());
    RnPpdDialogModel dialog(window.commands);
    EXPECT_EQ(dialog.initialRnText(), "4");
    EXPECT_EQ(dialog.initialPpdText(), formatPpd(window.layout().ppd));

    dialog.pressRenewRn("6");
    EXPECT_EQ(window.layout().rn, 6);
    dialog.pressRenewPpd("12.5mm");
    EXPECT_EQ(window.layout().ppd, 12.5);
    EXPECT_GT(window.layout().packingPoints.count(), 0);
    EXPECT_EQ(window.platform.fullRedraws, 2);
    EXPECT_TRUE(window.platform.messages.empty());
    EXPECT_TRUE(RnPpdDialogModel::closesDialog(kControlOk));
    EXPECT_TRUE(RnPpdDialogModel::closesDialog(kControlCancel));
    EXPECT_FALSE(RnPpdDialogModel::closesDialog(kControlRenewRn));
}

TEST(RnPpdDialog, RefusedValuesStayAsTheyWere) {
    struct Entry {
        const char* text;
        bool rn;  // typed into the RN box, else the PPD box
    };
    const Entry refused[] = {
        {"0", true},
        {"-3", true},
        {"abc", true},
        {"", true},
        {"3601", true},
        {"99999999999", true},
        {"0", false},
        {"-1.5", false},
        {"abc", false},
        {"inf", false},
        {"nan", false},
        {"1e-9", false},
        // The box holds 99 characters: the 5 after 99 zeros is never read.
        {"000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000005",
         true}};
    for (const Entry& entry : refused) {
        Window window;
        ASSERT_TRUE(window.open());
        const double ppd = window.layout().ppd;
        RnPpdDialogModel dialog(window.commands);
        entry.rn ? dialog.pressRenewRn(entry.text) : dialog.pressRenewPpd(entry.text);
        EXPECT_EQ(window.layout().rn, 4) << entry.text;
        EXPECT_EQ(window.layout().ppd, ppd) << entry.text;
        ASSERT_EQ(window.platform.messages.size(), 1u) << entry.text;
        EXPECT_EQ(window.platform.messages[0].first, kWarningCaption);
    }
}

// Each orientation is a full copy of the part at every placement: RN is bounded by the largest part too.
TEST(RnPpdDialog, RnIsBoundedByTheCopiesOfTheLargestPart) {
    std::string job =
        "BoardLength: 6000\nBoardWidth: 4000\nThickness   : 10\nPart\nName\nround\nPartNumOfSameType\n1\nOutLoop\n";
    const int vertices = 25'000;
    for (int i = 0; i < vertices; ++i)
        job += std::to_string(100 * std::cos(i * 2 * M_PI / vertices)) + "," +
               std::to_string(100 * std::sin(i * 2 * M_PI / vertices)) + "\n";
    job += "EndOutLoop\nEndPart\n";
    Window window;
    ASSERT_TRUE(window.open(job));
    RnPpdDialogModel dialog(window.commands);
    dialog.pressRenewRn("2001");
    EXPECT_EQ(window.layout().rn, 4);
    ASSERT_EQ(window.platform.messages.size(), 1u);
    EXPECT_NE(window.platform.messages[0].second.find("the largest RN for this part set is 2000."), std::string::npos)
        << window.platform.messages[0].second;
    dialog.pressRenewRn("2000");
    EXPECT_EQ(window.layout().rn, 2000);
    EXPECT_EQ(window.platform.messages.size(), 1u);
}

TEST(RnPpdDialog, AnOpenDialogActsOnTheLayoutLoadedAfterIt) {
    Window window;
    ASSERT_TRUE(window.open());
    RnPpdDialogModel dialog(window.commands);
    dialog.pressRenewRn("8");
    ASSERT_TRUE(window.open());
    EXPECT_EQ(window.layout().rn, 4);  // a new layout starts afresh
    EXPECT_EQ(dialog.initialRnText(), "4");
    dialog.pressRenewRn("2");
    EXPECT_EQ(window.layout().rn, 2);
}

}  // namespace
}  // namespace orvanest
