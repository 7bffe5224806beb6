// The seam to the screen: a game that reaches it with no platform installed
// is stopped with a clear error rather than run on without windows, and a
// platform installed for a scope gives the previous one back.
#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

#include "platform/headless/HeadlessPlatform.h"
#include "sim/MainTick.h"
#include "tests/TestShop.h"

TEST(PlatformSeam, NoPlatformInstalledIsAnErrorThatSaysSo) {
    ASSERT_EQ(InstalledPlatform(), nullptr);
    try {
        Ui();
        FAIL() << "Ui() answered with no platform installed";
    } catch (const std::logic_error& e) {
        EXPECT_NE(std::string(e.what()).find("no platform installed"), std::string::npos) << e.what();
    }
    // A tick is the everyday way there: the caption it shows.
    auto g = NewTestShop();
    g->CaptionDirty = 1;
    EXPECT_THROW(MainTick(*g), std::logic_error);
}

TEST(PlatformSeam, AScopedPlatformGivesThePreviousOneBack) {
    HeadlessPlatform outer, inner;
    {
        ScopedPlatform a(outer);
        {
            ScopedPlatform b(inner);
            EXPECT_EQ(&Ui(), &inner);
        }
        EXPECT_EQ(&Ui(), &outer);
    }
    EXPECT_EQ(InstalledPlatform(), nullptr);
}
