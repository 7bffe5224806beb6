// The speed rule, the pause switch and the report settings, on the game
// clock without any window.
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "commands/GameSpeed.h"
#include "platform/headless/HeadlessPlatform.h"
#include "state/GameState.h"

namespace {

class GameSpeedTest : public ::testing::Test {
protected:
    void SetUp() override {
        g->GameRunning = 1;
        g->GameSpeed = 5;
        g->Paused = 0;
        StartClockUnpaused(*g);
        faces.clear();
    }

    HeadlessPlatform ui;
    ScopedPlatform scoped{ui};
    std::unique_ptr<GameState> g = std::make_unique<GameState>();
    std::vector<bool>& faces = ui.pauseFaces;  // every face the pause button was told to show
};

TEST_F(GameSpeedTest, IntervalForEverySpeed) {
    // 200 - 20 x speed, except the two ends: 10 stays above 0, 0 never fires.
    const int expected[11] = {0, 180, 160, 140, 120, 100, 80, 60, 40, 20, 10};
    for (int speed = 0; speed <= 10; ++speed) {
        EXPECT_EQ(SpeedInterval(Value(speed)), expected[speed]) << "speed " << speed;
        g->GameSpeed = speed;
        ApplyGameSpeed(*g);
        EXPECT_EQ(Ui().Clock().interval(), expected[speed]) << "speed " << speed;
        EXPECT_EQ(Ui().Clock().ticking(), speed != 0) << "speed " << speed;
    }
    EXPECT_EQ(SpeedInterval(Value()), 0);  // an empty speed reads as 0
}

TEST_F(GameSpeedTest, ApplyGameSpeedLeavesTheEnabledSwitchAlone) {
    Ui().SetClockEnabled(false);
    g->GameSpeed = 7;
    ApplyGameSpeed(*g);
    EXPECT_FALSE(Ui().Clock().enabled());
    EXPECT_EQ(Ui().Clock().interval(), 60);
}

TEST_F(GameSpeedTest, PauseAndResume) {
    g->GameSpeed = 8;
    ApplyGameSpeed(*g);

    TogglePause(*g);
    EXPECT_EQ(g->Paused.asInt(), 1);
    EXPECT_EQ(Ui().Clock().interval(), 0);
    EXPECT_TRUE(Ui().Clock().enabled());  // only the interval stops the clock
    EXPECT_FALSE(Ui().Clock().ticking());

    TogglePause(*g);
    EXPECT_EQ(g->Paused.asInt(), 0);
    EXPECT_EQ(Ui().Clock().interval(), 40);
    EXPECT_TRUE(Ui().Clock().ticking());
    EXPECT_EQ(faces, (std::vector<bool>{true, false}));
}

TEST_F(GameSpeedTest, AtSpeedZeroThePauseStillTogglesButTheClockStaysStill) {
    g->GameSpeed = 0;
    ApplyGameSpeed(*g);
    TogglePause(*g);
    EXPECT_EQ(g->Paused.asInt(), 1);
    EXPECT_FALSE(Ui().Clock().ticking());
    TogglePause(*g);
    EXPECT_EQ(g->Paused.asInt(), 0);
    EXPECT_EQ(Ui().Clock().interval(), 0);
    EXPECT_FALSE(Ui().Clock().ticking());
    EXPECT_EQ(faces, (std::vector<bool>{true, false}));
}

TEST_F(GameSpeedTest, PauseSurvivesADialog) {
    TogglePause(*g);
    // A dialog holds and releases the clock: enabled again, but the interval
    // stays 0, so no tick.
    Ui().HoldClock();
    EXPECT_FALSE(Ui().Clock().enabled());
    Ui().ReleaseClock();
    EXPECT_TRUE(Ui().Clock().enabled());
    EXPECT_EQ(Ui().Clock().interval(), 0);
    EXPECT_FALSE(Ui().Clock().ticking());
    EXPECT_EQ(g->Paused.asInt(), 1);
}

TEST_F(GameSpeedTest, SpeedChangedWhilePausedWaitsForTheResume) {
    TogglePause(*g);
    Ui().HoldClock();  // the speed dialog opens
    SetGameSpeedFromSpinner(*g, 1);
    EXPECT_EQ(g->GameSpeed.asInt(), 9);
    SpeedDialogClosed(*g);
    Ui().ReleaseClock();
    EXPECT_EQ(Ui().Clock().interval(), 0);
    EXPECT_EQ(g->Paused.asInt(), 1);
    EXPECT_EQ(faces, (std::vector<bool>{true}));  // the button stays pressed

    TogglePause(*g);
    EXPECT_EQ(Ui().Clock().interval(), 20);
    EXPECT_TRUE(Ui().Clock().ticking());
}

TEST_F(GameSpeedTest, SpeedDialogAtSpeedThree) {
    g->GameSpeed = 3;
    ApplyGameSpeed(*g);
    Ui().HoldClock();
    EXPECT_EQ(SpinnerValueFor(g->GameSpeed), 7);
    EXPECT_EQ(SpeedBarTwips(g->GameSpeed), 369);
    SetGameSpeedFromSpinner(*g, 6);  // upper arrow twice
    SetGameSpeedFromSpinner(*g, 5);
    EXPECT_EQ(g->GameSpeed.asInt(), 5);
    EXPECT_EQ(SpeedBarTwips(g->GameSpeed), 615);
    EXPECT_EQ(Ui().Clock().interval(), 140);  // nothing changes until the dialog closes
    SpeedDialogClosed(*g);
    Ui().ReleaseClock();
    EXPECT_EQ(Ui().Clock().interval(), 100);
    EXPECT_TRUE(Ui().Clock().ticking());
}

TEST_F(GameSpeedTest, ALoadedGameRunsUnpausedAtItsStoredSpeed) {
    // A game saved while paused: Paused 1 and speed 9 in the file.
    Ui().ResetClock();
    g->Paused = 1;
    g->GameSpeed = 9;
    StartClockUnpaused(*g);
    EXPECT_EQ(g->Paused.asInt(), 0);
    EXPECT_EQ(faces, (std::vector<bool>{false}));
    EXPECT_EQ(Ui().Clock().interval(), 20);
    EXPECT_TRUE(Ui().Clock().ticking());

    TogglePause(*g);  // the next press pauses
    EXPECT_EQ(g->Paused.asInt(), 1);
    EXPECT_EQ(Ui().Clock().interval(), 0);
}

TEST_F(GameSpeedTest, ReportSettings) {
    g->ReportCloseSpeed = 8;
    g->ShowClerkMessages = 1;
    g->ReportManualClose = 0;
    EXPECT_EQ(SpinnerValueFor(g->ReportCloseSpeed), 2);
    EXPECT_EQ(SpeedBarTwips(g->ReportCloseSpeed), 984);

    SetReportCloseSpeedFromSpinner(*g, 0);
    EXPECT_EQ(g->ReportCloseSpeed.asInt(), 10);
    SetReportCloseSpeedFromSpinner(*g, 10);
    EXPECT_EQ(g->ReportCloseSpeed.asInt(), 0);

    StoreSettingChecks(*g, false, true);
    EXPECT_EQ(g->ShowClerkMessages.asInt(), 0);
    EXPECT_EQ(g->ReportManualClose.asInt(), 1);
    StoreSettingChecks(*g, true, false);
    EXPECT_EQ(g->ShowClerkMessages.asInt(), 1);
    EXPECT_EQ(g->ReportManualClose.asInt(), 0);
    // Not the speed setting, not the game speed.
    EXPECT_EQ(g->GameSpeed.asInt(), 5);
    EXPECT_EQ(Ui().Clock().interval(), 100);
}

}  // namespace
