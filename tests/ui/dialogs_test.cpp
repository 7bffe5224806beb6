// The speed, settings and version dialogs, opened offscreen and driven
// through their controls.
#include <gtest/gtest.h>

#include "tests/ui/ModalDriver.h"

#include <QAbstractSlider>
#include <QApplication>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>
#include <functional>
#include <vector>

#include "platform/GameClock.h"
#include "state/NewGame.h"
#include "state/TheGame.h"
#include "ui/main/Form2.h"
#include "ui/main/Form28.h"
#include "ui/main/Form55.h"
#include "ui/main/GameSpeed.h"

namespace {


// The upper arrow of a spinner (raises the speed it stands for).
void PressUp(QScrollBar* s) { s->triggerAction(QAbstractSlider::SliderSingleStepSub); }
void PressDown(QScrollBar* s) { s->triggerAction(QAbstractSlider::SliderSingleStepAdd); }

class DialogTest : public ::testing::Test {
protected:
    void SetUp() override {
        GameState& g = Game();
        ResetGameState(g);
        g.GameRunning = 0;
        InitProgramState(g);
        Clock().reset();
        SetPauseFaceHandler([this](bool pressed) { faces.push_back(pressed); });
    }
    void TearDown() override {
        SetPauseFaceHandler({});
        Clock().reset();
    }
    void StartGame() {
        StartNewGame(Game(), "测试书店", NewGameStart{});
        StartClockUnpaused(Game());
        faces.clear();
    }
    std::vector<bool> faces;
};

TEST_F(DialogTest, SpeedDialogFromSpeedThree) {
    StartGame();
    Game().GameSpeed = 3;
    ApplyGameSpeed(Game());

    bool checked = false;
    WhenModal([&](QWidget* w) {
        auto* f = qobject_cast<Form28*>(w);
        ASSERT_NE(f, nullptr);
        EXPECT_EQ(f->windowTitle(), QStringLiteral("调整速度"));
        EXPECT_FALSE(Clock().enabled());  // the dialog holds the clock
        EXPECT_EQ(f->VScroll2->value(), 7);
        EXPECT_EQ(f->Shape[0]->width(), 25);  // 369 twips
        PressUp(f->VScroll2);
        PressUp(f->VScroll2);
        EXPECT_EQ(f->VScroll2->value(), 5);
        EXPECT_EQ(Game().GameSpeed.asInt(), 5);  // stored at once
        EXPECT_EQ(f->Shape[0]->width(), 41);     // 615 twips
        EXPECT_EQ(Clock().interval(), 140);      // the clock changes on closing
        checked = true;
        f->Command1->click();
    });
    Form28 dlg;
    dlg.exec();

    EXPECT_TRUE(checked);
    EXPECT_EQ(Clock().interval(), 100);
    EXPECT_TRUE(Clock().ticking());
    EXPECT_TRUE(faces.empty());
}

TEST_F(DialogTest, SpeedDialogEnds) {
    // Bar widths at both ends, and the close box applies the speed too.
    StartGame();
    Game().GameSpeed = 10;
    {
        Form28 f;
        f.show();
        EXPECT_EQ(f.VScroll2->value(), 0);
        EXPECT_EQ(f.Shape[0]->width(), 82);  // 1,230 twips, past the 1,215-twip outline
        EXPECT_EQ(f.Shape10->width(), 81);
        PressUp(f.VScroll2);  // already at the top
        EXPECT_EQ(Game().GameSpeed.asInt(), 10);
        for (int i = 0; i < 12; ++i) PressDown(f.VScroll2);
        EXPECT_EQ(Game().GameSpeed.asInt(), 0);
        EXPECT_EQ(f.Shape[0]->width(), 0);
        f.close();
    }
    EXPECT_TRUE(Clock().enabled());
    EXPECT_EQ(Clock().interval(), 0);
    EXPECT_FALSE(Clock().ticking());
}

TEST_F(DialogTest, SpeedDialogWhilePaused) {
    StartGame();
    TogglePause(Game());
    WhenModal([](QWidget* w) {
        auto* f = qobject_cast<Form28*>(w);
        ASSERT_NE(f, nullptr);
        f->VScroll2->setValue(1);  // speed 9
        f->Command1->click();
    });
    Form28 dlg;
    dlg.exec();

    EXPECT_EQ(Game().GameSpeed.asInt(), 9);
    EXPECT_EQ(Game().Paused.asInt(), 1);
    EXPECT_TRUE(Clock().enabled());
    EXPECT_EQ(Clock().interval(), 0);
    EXPECT_EQ(faces, (std::vector<bool>{true}));  // still pressed

    TogglePause(Game());
    EXPECT_EQ(Clock().interval(), 20);
    EXPECT_TRUE(Clock().ticking());
}

TEST_F(DialogTest, SettingsInANewGame) {
    StartGame();
    Form55 f;
    f.show();
    EXPECT_EQ(f.windowTitle(), QStringLiteral("设定"));
    EXPECT_TRUE(f.Check1->isChecked());
    EXPECT_FALSE(f.Check2->isChecked());
    EXPECT_EQ(f.VScroll2->value(), 2);
    EXPECT_EQ(f.Shape[0]->width(), 66);  // 984 twips
    EXPECT_FALSE(Clock().enabled());
    f.Command2->click();
    EXPECT_TRUE(Clock().ticking());
    EXPECT_EQ(Clock().interval(), 100);  // the game speed is not touched
}

TEST_F(DialogTest, SettingsCancelKeepsTheSpinnerButNotTheChecks) {
    StartGame();
    WhenModal([](QWidget* w) {
        auto* f = qobject_cast<Form55*>(w);
        ASSERT_NE(f, nullptr);
        PressUp(f->VScroll2);
        PressUp(f->VScroll2);
        EXPECT_EQ(f->Shape[0]->width(), 82);
        f->Check1->click();
        f->Check2->click();
        f->Command2->click();
    });
    Form55 dlg;
    dlg.exec();

    const GameState& g = Game();
    EXPECT_EQ(g.ReportCloseSpeed.asInt(), 10);
    EXPECT_EQ(g.ShowClerkMessages.asInt(), 1);
    EXPECT_EQ(g.ReportManualClose.asInt(), 0);
    EXPECT_TRUE(Clock().ticking());
}

TEST_F(DialogTest, SettingsOkStoresTheChecks) {
    StartGame();
    Form55 f;
    f.show();
    PressDown(f.VScroll2);
    f.Check1->click();
    f.Check2->click();
    f.Command1->click();

    const GameState& g = Game();
    EXPECT_EQ(g.ReportCloseSpeed.asInt(), 7);
    EXPECT_EQ(g.ShowClerkMessages.asInt(), 0);
    EXPECT_EQ(g.ReportManualClose.asInt(), 1);
    EXPECT_TRUE(Clock().ticking());

    // Opening again shows what was stored.
    Form55 again;
    EXPECT_FALSE(again.Check1->isChecked());
    EXPECT_TRUE(again.Check2->isChecked());
    EXPECT_EQ(again.VScroll2->value(), 3);
}

TEST_F(DialogTest, VersionDialogAtTheTitleState) {
    bool checked = false;
    WhenModal([&](QWidget* w) {
        auto* f = qobject_cast<Form2*>(w);
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
    Form2 dlg;
    dlg.exec();
    EXPECT_TRUE(checked);
    EXPECT_FALSE(Clock().enabled());  // no game: the clock stays off
}

TEST_F(DialogTest, VersionDialogDuringAGameRestartsTheClock) {
    StartGame();
    Form2 f;
    f.show();
    EXPECT_FALSE(Clock().enabled());
    f.Command1->click();  // the hidden button closes it too
    EXPECT_FALSE(f.isVisible());
    EXPECT_TRUE(Clock().ticking());
}

}  // namespace
