// The game clock as it runs in the main window, with the scene window open:
// a tick that ends the game leaves the title state behind it and none of
// the windows it closed in use, and a window a tick opens is up while the
// floor goes on drawing its frames. While the clock runs, the caption goes
// to the window manager a few times a second, and a held clock shows the
// latest at once.
#include <gtest/gtest.h>

#include <QImage>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <functional>
#include <memory>

#include "commands/GameSpeed.h"
#include "platform/headless/HeadlessPlatform.h"
#include "sim/HeadlessWindows.h"
#include "sim/MainTick.h"
#include "state/Ledger.h"
#include "state/MainCaption.h"
#include "state/NewGame.h"
#include "tests/TestSupport.h"
#include "tests/ui/ModalDriver.h"
#include "tests/ui/RunningGame.h"
#include "ui/business/EarthquakeDialog.h"
#include "ui/business/GameOverDialog.h"
#include "ui/business/QuakeDamageDialog.h"
#include "ui/business/RobberyDialog.h"
#include "ui/floor/FloorTitleIcon.h"
#include "ui/floor/FloorViewWindow.h"
#include "ui/platform/QtPlatform.h"

namespace {

// A running game at the top speed with the scene window and the shop
// information window open, the usual layout. Nothing has ticked yet: the
// clock's first tick comes once the test lets the event loop run.
class GameClockUi : public RunningGameTest {
protected:
    void SetUp() override {
        RunningGameTest::SetUp();
        OpenTheUsualWindows();
    }
    void OpenTheUsualWindows() {
        main->show();
        game().GameSpeed = 10;
        ApplyGameSpeed(game());
        ShowForm(Window::FloorView, game());
        ShowForm(Window::ShopInfo, game());
        view = dynamic_cast<FloorViewWindow*>(OpenForm(Window::FloorView));
        ASSERT_NE(view, nullptr);
        ASSERT_NE(view->TitleIcon(), nullptr);
    }
    // Two in the morning, the shop closed and its day reported: nothing
    // comes up at the hour's end but what the test steers.
    void ClosedNight(int daysSinceDisaster) {
        GameState& g = game();
        g.Hour = 2;
        g.ShopOpen = 0;
        g.DayReportDone = 1;
        g.DaysSinceDisaster = daysSinceDisaster;
    }
    // Closes the game-over window with "关闭" once it is up.
    void CloseTheGameOverWindowWhenUp(bool& closed) {
        WhenModalOf<GameOverDialog>([&closed](GameOverDialog* f) {
            closed = true;
            f->Command1->click();
        });
    }
    QPointer<FloorViewWindow> view;
};

// Steers the game's generator so that its next tick opens window `w`,
// trying each tick on a copy of the game without a screen: the first
// `skip` draws of the tick are left as they come and the next one is
// steered by `want`.
void SteerNextTickTo(GameState& g, Window w, const std::function<bool(Random&)>& want) {
    for (int skip = 0; skip < 16; ++skip) {
        SteerDraws(g, [&](Random r) {
            for (int k = 0; k < skip; ++k) r.next();
            return want(r);
        });
        auto trial = std::make_unique<GameState>(g);
        HeadlessPlatform headless{GameWindowDefaults()};
        bool opened = false;
        headless.windowAnswers[w] = [&opened](GameState&) { opened = true; };
        {
            ScopedPlatform scoped(headless);
            MainTick(*trial);
        }
        if (opened) return;
    }
    ADD_FAILURE() << "no tick opens window " << WindowNumber(w);
}

TEST_F(GameClockUi, ATickThatEndsTheGameLeavesTheTitleStateAndNoClosedWindowInUse) {
    struct Case {
        const char* what;
        // Sets the cause up and answers the windows before the game-over one.
        std::function<void(bool& gameOverClosed)> arrange;
    };
    const Case cases[] = {
        {"funds taken below zero by a payment; the next tick ends the game",
         [this](bool& closed) {
             AddMoney(game(), -(game().Funds.asInt() + 1), OtherCategory, 0);
             CloseTheGameOverWindowWhenUp(closed);
         }},
        {"a robber refused inside a tick kills the manager; the same tick ends the game",
         [this](bool& closed) {
             GameState& g = game();
             g.Hour = 11;
             g.ShopOpen = 1;
             g.Funds = 16'000'000;
             g.RobberActive = 1;  // he comes in at the next tick and walks to the counter
             WhenModalOf<RobberyDialog>([this, &closed](RobberyDialog* f) {
                 // The refusal's second draw kills the manager.
                 SteerDraws(game(), [](Random r) {
                     r.next();
                     return Below(r, 2);
                 });
                 CloseTheGameOverWindowWhenUp(closed);
                 f->Command2->click();
             });
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        if (&c != cases) {
            ResetGameState(game());
            StartNewGame(game(), "测试书店", NewGameStart{});
            main->EnterRunningState();
            OpenTheUsualWindows();
        }
        ASSERT_TRUE(view);
        bool closed = false;
        c.arrange(closed);
        ASSERT_TRUE(QTest::qWaitFor([&] { return closed && !main->menuItem("MSave")->isEnabled(); }, 15000));
        // Long enough for a few more frames of a view that were still about.
        QTest::qWait(4 * 64);
        EXPECT_EQ(game().GameRunning, Value(0));
        EXPECT_FALSE(view) << "the scene window is deleted once the event loop is back";
        EXPECT_FALSE(IsFormOpen(Window::FloorView));
        EXPECT_FALSE(IsFormOpen(Window::ShopInfo));
        EXPECT_FALSE(IsFormOpen(Window::GameOver));
        EXPECT_FALSE(Ui().Clock().enabled());
        EXPECT_EQ(main->windowTitle(), "Quillmart Version 1.00");
        EXPECT_EQ(main->statusBarText(), "开始新游戏，或读取之前保存的游戏存档。");
    }
}

TEST_F(GameClockUi, AWindowATickOpensIsUpWhileTheFloorDrawsItsFrames) {
    // The game paused a while, the floor view drawing its frames; then a
    // closed night whose hour ends with the next tick, and the earthquake
    // draw of that hour steered to strike once the game goes on.
    GameState& g = game();
    TogglePause(g);
    QTest::qWait(300);
    ClosedNight(50);
    g.HourTicks = g.TicksPerHour.asInt() - 1;
    // A payment just made: the caption the tick shows first is the one the
    // window comes up under.
    AddMoney(g, -12'345, OtherCategory, 0);
    const std::string caption = MainCaption(g);
    SteerNextTickTo(g, Window::Earthquake, [](Random& r) { return Below(r, 4380); });

    bool iconMoved = false, reported = false;
    int framesBefore = 0, framesShaking = 0;
    std::string captionUnder;
    WhenModalOf<EarthquakeDialog>([&](EarthquakeDialog* quake) {
        captionUnder = main->windowTitle().toStdString();
        // Up, with the clock held: the floor stands, its icon goes on.
        const QImage icon = view->TitleIcon()->Shown().toImage();
        QTest::qWait(600);
        iconMoved = view->TitleIcon()->Shown().toImage() != icon;
        // "继续 >>": the floor shakes for two seconds, then the damage report.
        WhenModalOf<QuakeDamageDialog>([&](QuakeDamageDialog* report) {
            framesShaking = view->FramesDrawn() - framesBefore;
            reported = true;
            report->Command1->click();
        });
        framesBefore = view->FramesDrawn();
        quake->Command1->click();
    });
    TogglePause(g);
    ASSERT_TRUE(QTest::qWaitFor([&] { return reported; }, 10000));
    EXPECT_EQ(captionUnder, caption);
    EXPECT_TRUE(iconMoved) << "the title icon stood still under the window";
    EXPECT_GE(framesShaking, 10) << "two seconds of shaking, a frame every 64 ms";
    EXPECT_TRUE(QTest::qWaitFor([] { return Ui().Clock().ticking(); }, 2000)) << "the game goes on";
}

TEST_F(GameClockUi, TheCaptionIsShownAFewTimesASecondAndAtOnceWhenTheClockIsHeld) {
    // A closed night that stays in its hour, the funds changed after every
    // batch of ticks: each batch's first tick sets a new caption.
    GameState& g = game();
    ClosedNight(0);
    bool churn = true;
    int batches = 0;
    QObject::connect(QtUi(), &QtPlatform::ticksRan, main.get(), [&] {
        ++batches;
        g.HourTicks = 0;
        if (churn) AddMoney(g, -1, OtherCategory, 0);
    });
    int shown = 0;
    QObject::connect(main.get(), &QWidget::windowTitleChanged, main.get(), [&] { ++shown; });

    QTest::qWait(1500);
    EXPECT_GE(batches, 10) << "the clock ran";
    EXPECT_LE(shown, 1500 / kCaptionPeriod.count() + 2) << "captions shown in 1.5 s of " << batches << " batches";

    // The last change made, a batch sets its caption and leaves nothing to
    // change it; holding the clock shows it, though it came sooner than
    // kCaptionPeriod after the one before.
    churn = false;
    const int last = batches;
    ASSERT_TRUE(QTest::qWaitFor([&] { return batches > last && g.CaptionDirty.asInt() == 0; }, 2000));
    TogglePause(g);
    EXPECT_EQ(main->windowTitle().toStdString(), MainCaption(g));
}

TEST_F(GameClockUi, TheStatusTextsOfABatchOfTicksAreShownOnceAtItsEnd) {
    TogglePause(game());  // no ticks but the test's own
    int shown = 0;
    QObject::connect(QtUi(), &QtPlatform::statusBarChanged, main.get(), [&] { ++shown; });
    const QString before = main->statusBarText();
    QtUi()->TicksRunning(true);
    Ui().SetStatusBar("卖出杂志1册 +420円");
    Ui().SetStatusBar("卖出书籍2册 +3,600円");
    EXPECT_EQ(main->statusBarText(), before);
    QtUi()->TicksRunning(false);
    EXPECT_EQ(shown, 1);
    EXPECT_EQ(main->statusBarText(), QString::fromUtf8("卖出书籍2册 +3,600円"));

    // A box one of the ticks opens comes up under the text set before it.
    QtUi()->TicksRunning(true);
    Ui().SetStatusBar("书架装满了。");
    QString under;
    WhenModalOf<QMessageBox>([&](QMessageBox* box) {
        under = main->statusBarText();
        box->accept();
    });
    Ui().MessageBox("货到了。", MsgStyle::Information, "Quillmart");
    QtUi()->TicksRunning(false);
    EXPECT_EQ(under, QString::fromUtf8("书架装满了。"));
}

}  // namespace
