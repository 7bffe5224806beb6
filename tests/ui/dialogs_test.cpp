// The speed, settings and version dialogs, opened offscreen and driven
// through their controls.
#include <gtest/gtest.h>

#include "commands/StartNewGame.h"
#include "tests/ui/ModalDriver.h"

#include <QAbstractSlider>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QElapsedTimer>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTimer>
#include <functional>
#include <vector>

#include "platform/headless/HeadlessPlatform.h"
#include "state/NewGame.h"
#include "ui/main/VersionDialog.h"
#include "ui/main/GameSpeedDialog.h"
#include "ui/main/SettingsDialog.h"
#include "commands/GameSpeed.h"

namespace {

// The upper arrow of a spinner (raises the speed it stands for).
void PressUp(QScrollBar* s) { s->triggerAction(QAbstractSlider::SliderSingleStepSub); }
void PressDown(QScrollBar* s) { s->triggerAction(QAbstractSlider::SliderSingleStepAdd); }

class DialogTest : public ::testing::Test {
protected:
    void SetUp() override { InitProgramState(game()); }
    void StartGame() {
        StartNewGame(game(), "测试书店", NewGameStart{});
        StartClockUnpaused(game());
        faces.clear();
    }
    GameState& game() { return *game_; }

    HeadlessPlatform ui;
    ScopedPlatform scoped{ui};
    std::unique_ptr<GameState> game_ = std::make_unique<GameState>();
    std::vector<bool>& faces = ui.pauseFaces;
};

TEST_F(DialogTest, SpeedDialogFromSpeedThree) {
    StartGame();
    game().GameSpeed = 3;
    ApplyGameSpeed(game());

    bool checked = false;
    WhenModal([&](QWidget* w) {
        auto* f = qobject_cast<GameSpeedDialog*>(w);
        ASSERT_NE(f, nullptr);
        EXPECT_EQ(f->windowTitle(), QStringLiteral("调整速度"));
        EXPECT_FALSE(Ui().Clock().enabled());  // the dialog holds the clock
        EXPECT_EQ(f->VScroll2->value(), 7);
        EXPECT_EQ(f->Shape[0]->width(), 25);  // 369 twips
        PressUp(f->VScroll2);
        PressUp(f->VScroll2);
        EXPECT_EQ(f->VScroll2->value(), 5);
        EXPECT_EQ(game().GameSpeed.asInt(), 5);  // stored at once
        EXPECT_EQ(f->Shape[0]->width(), 41);     // 615 twips
        EXPECT_EQ(Ui().Clock().interval(), 140);      // the clock changes on closing
        checked = true;
        f->Command1->click();
    });
    GameSpeedDialog dlg(game());
    dlg.exec();

    EXPECT_TRUE(checked);
    EXPECT_EQ(Ui().Clock().interval(), 100);
    EXPECT_TRUE(Ui().Clock().ticking());
    EXPECT_TRUE(faces.empty());
}

TEST_F(DialogTest, SpeedDialogEnds) {
    // Bar widths at both ends, and the close box applies the speed too.
    StartGame();
    game().GameSpeed = 10;
    {
        GameSpeedDialog f(game());
        f.show();
        EXPECT_EQ(f.VScroll2->value(), 0);
        EXPECT_EQ(f.Shape[0]->width(), 82);  // 1,230 twips, past the 1,215-twip outline
        EXPECT_EQ(f.Shape10->width(), 81);
        PressUp(f.VScroll2);  // already at the top
        EXPECT_EQ(game().GameSpeed.asInt(), 10);
        for (int i = 0; i < 12; ++i) PressDown(f.VScroll2);
        EXPECT_EQ(game().GameSpeed.asInt(), 0);
        EXPECT_EQ(f.Shape[0]->width(), 0);
        f.close();
    }
    EXPECT_TRUE(Ui().Clock().enabled());
    EXPECT_EQ(Ui().Clock().interval(), 0);
    EXPECT_FALSE(Ui().Clock().ticking());
}

TEST_F(DialogTest, SpeedDialogWhilePaused) {
    StartGame();
    TogglePause(game());
    WhenModal([](QWidget* w) {
        auto* f = qobject_cast<GameSpeedDialog*>(w);
        ASSERT_NE(f, nullptr);
        f->VScroll2->setValue(1);  // speed 9
        f->Command1->click();
    });
    GameSpeedDialog dlg(game());
    dlg.exec();

    EXPECT_EQ(game().GameSpeed.asInt(), 9);
    EXPECT_EQ(game().Paused.asInt(), 1);
    EXPECT_TRUE(Ui().Clock().enabled());
    EXPECT_EQ(Ui().Clock().interval(), 0);
    EXPECT_EQ(faces, (std::vector<bool>{true}));  // still pressed

    TogglePause(game());
    EXPECT_EQ(Ui().Clock().interval(), 20);
    EXPECT_TRUE(Ui().Clock().ticking());
}

TEST_F(DialogTest, SettingsInANewGame) {
    StartGame();
    SettingsDialog f(game());
    f.show();
    EXPECT_EQ(f.windowTitle(), QStringLiteral("设定"));
    EXPECT_TRUE(f.Check1->isChecked());
    EXPECT_FALSE(f.Check2->isChecked());
    EXPECT_EQ(f.VScroll2->value(), 2);
    EXPECT_EQ(f.Shape[0]->width(), 66);  // 984 twips
    EXPECT_FALSE(Ui().Clock().enabled());
    f.Command2->click();
    EXPECT_TRUE(Ui().Clock().ticking());
    EXPECT_EQ(Ui().Clock().interval(), 100);  // the game speed is not touched
}

TEST_F(DialogTest, SettingsCancelKeepsTheSpinnerButNotTheChecks) {
    StartGame();
    WhenModal([](QWidget* w) {
        auto* f = qobject_cast<SettingsDialog*>(w);
        ASSERT_NE(f, nullptr);
        PressUp(f->VScroll2);
        PressUp(f->VScroll2);
        EXPECT_EQ(f->Shape[0]->width(), 82);
        f->Check1->click();
        f->Check2->click();
        f->Command2->click();
    });
    SettingsDialog dlg(game());
    dlg.exec();

    const GameState& g = game();
    EXPECT_EQ(g.ReportCloseSpeed.asInt(), 10);
    EXPECT_EQ(g.ShowClerkMessages.asInt(), 1);
    EXPECT_EQ(g.ReportManualClose.asInt(), 0);
    EXPECT_TRUE(Ui().Clock().ticking());
}

TEST_F(DialogTest, SettingsOkStoresTheChecks) {
    StartGame();
    SettingsDialog f(game());
    f.show();
    PressDown(f.VScroll2);
    f.Check1->click();
    f.Check2->click();
    f.Command1->click();

    const GameState& g = game();
    EXPECT_EQ(g.ReportCloseSpeed.asInt(), 7);
    EXPECT_EQ(g.ShowClerkMessages.asInt(), 0);
    EXPECT_EQ(g.ReportManualClose.asInt(), 1);
    EXPECT_TRUE(Ui().Clock().ticking());

    // Opening again shows what was stored.
    SettingsDialog again(game());
    EXPECT_FALSE(again.Check1->isChecked());
    EXPECT_TRUE(again.Check2->isChecked());
    EXPECT_EQ(again.VScroll2->value(), 3);
}

TEST_F(DialogTest, VersionDialogAtTheTitleState) {
    bool checked = false;
    WhenModal([&](QWidget* w) {
        auto* f = qobject_cast<VersionDialog*>(w);
        ASSERT_NE(f, nullptr);
        EXPECT_EQ(f->windowTitle(), QStringLiteral("Quillmart"));
        EXPECT_EQ(f->Label3->text(), QStringLiteral("== 版本信息 =="));
        EXPECT_EQ(f->Label2->text(), QStringLiteral("Quillmart"));
        EXPECT_EQ(f->Label1->text(), QStringLiteral("Version 1.00"));
        EXPECT_EQ(f->Command2->text(), QStringLiteral("关闭"));
        EXPECT_TRUE(f->rect().contains(f->Command2->geometry()));
        EXPECT_EQ(f->Command1->text(), QStringLiteral("关闭"));
        EXPECT_FALSE(f->rect().intersects(f->Command1->geometry()));
        checked = true;
        f->Command2->click();
    });
    VersionDialog dlg(game());
    dlg.exec();
    EXPECT_TRUE(checked);
    EXPECT_FALSE(Ui().Clock().enabled());  // no game: the clock stays off
}

TEST_F(DialogTest, VersionDialogDuringAGameRestartsTheClock) {
    StartGame();
    VersionDialog f(game());
    f.show();
    EXPECT_FALSE(Ui().Clock().enabled());
    f.Command1->click();  // the hidden button closes it too
    EXPECT_FALSE(f.isVisible());
    EXPECT_TRUE(Ui().Clock().ticking());
}

// A dialog without a close box: its title bar offers none, and neither a
// close request nor Escape takes it down (the clock stays held); its own
// button closes it.
TEST_F(DialogTest, RefusedCloseBoxLeavesOnlyTheDialogsOwnButtons) {
    StartGame();
    VersionDialog f(game());
    EXPECT_TRUE(f.windowFlags() & Qt::WindowCloseButtonHint) << "an ordinary dialog offers its close box";
    f.RefuseCloseBox();
    EXPECT_FALSE(f.windowFlags() & Qt::WindowCloseButtonHint);
    EXPECT_TRUE(f.windowFlags() & Qt::WindowTitleHint);
    f.show();
    QCloseEvent closeBox;
    QApplication::sendEvent(&f, &closeBox);
    QTest::keyClick(&f, Qt::Key_Escape);
    EXPECT_TRUE(f.isVisible());
    EXPECT_FALSE(Ui().Clock().enabled());
    f.Command2->click();
    EXPECT_FALSE(f.isVisible());
    EXPECT_TRUE(Ui().Clock().ticking());
}

}  // namespace
