// The frames of the game's windows as the player meets them: a title-bar
// button is there only when it does something, and a window the game shows
// comes in front as the active one, over a maximised report window too.
#include "tests/ui/RunningGame.h"

#include "tests/ui/ModalDriver.h"

#include <QApplication>
#include <QDialog>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QStyle>
#include <QStyleOptionTitleBar>
#include <QTest>
#include <functional>

#include "sim/ClerkMessages.h"

namespace {

// Whether the frame that the area of child windows draws around `sub` shows
// `button`: the area draws the buttons its style lays out for the frame.
bool FrameShows(QMdiSubWindow* sub, QStyle::SubControl button) {
    QStyleOptionTitleBar bar;
    bar.initFrom(sub);
    bar.titleBarFlags = sub->windowFlags();
    bar.titleBarState = sub->windowState();
    bar.subControls = QStyle::SC_All;
    bar.rect = QRect(0, 0, sub->width(), sub->style()->pixelMetric(QStyle::PM_TitleBarHeight, &bar, sub));
    return !sub->style()->subControlRect(QStyle::CC_TitleBar, &bar, button, sub).isEmpty();
}

// Whether a window of its own asks the window manager for a close button
// (without a choice of its own it gets the usual buttons).
bool AsksForCloseButton(const QWidget* w) {
    const Qt::WindowFlags f = w->windowFlags();
    return !(f & Qt::CustomizeWindowHint) || (f & Qt::WindowCloseButtonHint);
}

QMdiSubWindow* FrameOf(Window w) {
    QWidget* open = OpenForm(w);
    return open ? qobject_cast<QMdiSubWindow*>(open->parentWidget()) : nullptr;
}

class WindowFrames : public RunningGameTest {
protected:
    void SetUp() override {
        RunningGameTest::SetUp();
        main->resize(1000, 720);
        main->show();
    }
};

}  // namespace

// Only their own buttons close these dialogs, so their title bars offer no
// close button, and a close request leaves them up.
TEST_F(WindowFrames, DialogsThatOnlyTheirButtonsCloseOfferNoCloseButton) {
    struct Case {
        Window window;
        std::function<void(GameState&)> before = [](GameState&) {};
    };
    const Case cases[] = {
        {Window::AwardNotice},
        {Window::AwardCeremony},
        {Window::Earthquake},
        {Window::Robbery, [](GameState& g) { g.RobberyDemand = 500000; }},
        {Window::LoanRepayment,
         [](GameState& g) {
             g.Loan.Amount[0] = 1000000;
             g.DueLoanSlot = 0;
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(WindowObjectName(c.window));
        c.before(game());
        bool seen = false;
        WhenModal([&](QWidget* w) {
            seen = true;
            EXPECT_FALSE(AsksForCloseButton(w));
            EXPECT_TRUE(w->windowFlags() & Qt::WindowTitleHint);
            EXPECT_FALSE(w->close());
            EXPECT_TRUE(w->isVisible());
            static_cast<QDialog*>(w)->reject();  // as closing every window does
        });
        ShowForm(c.window, game());
        EXPECT_TRUE(seen);
    }

    // An ordinary dialog keeps its close button.
    WhenModal([](QWidget* w) {
        EXPECT_TRUE(AsksForCloseButton(w));
        static_cast<QDialog*>(w)->reject();
    });
    ShowForm(Window::Version, game());
}

// The clerk's note closes by its own time only: its frame shows no close
// button. A report window's frame shows one.
TEST_F(WindowFrames, ClerkNoteOffersNoCloseButton) {
    game().ShowClerkMessages = 1;
    QueueClerkMessage(game(), "书架装满了。");
    ShowForm(Window::ClerkPopup, game());
    QMdiSubWindow* note = FrameOf(Window::ClerkPopup);
    ASSERT_NE(note, nullptr);
    EXPECT_FALSE(FrameShows(note, QStyle::SC_TitleBarCloseButton));

    ShowForm(Window::ShopInfo, game());
    QMdiSubWindow* info = FrameOf(Window::ShopInfo);
    ASSERT_NE(info, nullptr);
    EXPECT_TRUE(FrameShows(info, QStyle::SC_TitleBarCloseButton));
}

// The scene fixes the floor view's largest size: its frame offers no
// maximise button, but minimises and closes as a report window does.
TEST_F(WindowFrames, SceneWindowOffersNoMaximiseButton) {
    ShowForm(Window::FloorView, game());
    ShowForm(Window::Ledger, game());
    QMdiSubWindow* scene = FrameOf(Window::FloorView);
    QMdiSubWindow* ledger = FrameOf(Window::Ledger);
    ASSERT_NE(scene, nullptr);
    ASSERT_NE(ledger, nullptr);
    EXPECT_FALSE(FrameShows(scene, QStyle::SC_TitleBarMaxButton));
    EXPECT_TRUE(FrameShows(scene, QStyle::SC_TitleBarMinButton));
    EXPECT_TRUE(FrameShows(scene, QStyle::SC_TitleBarCloseButton));
    EXPECT_TRUE(FrameShows(ledger, QStyle::SC_TitleBarMaxButton));
}

// Whatever shows it (the game, a menu item), a window comes in front of a
// maximised report window and is the active one; the report window stays
// maximised behind it.
TEST_F(WindowFrames, AWindowShownOverAMaximisedReportWindowIsTheActiveOne) {
    QMdiArea* area = main->area();
    ShowForm(Window::FloorView, game());
    ShowForm(Window::ShopInfo, game());
    game().ShowClerkMessages = 1;
    QueueClerkMessage(game(), "书架装满了。");
    ShowForm(Window::ClerkPopup, game());
    ShowForm(Window::Ledger, game());
    QMdiSubWindow* ledger = FrameOf(Window::Ledger);
    ASSERT_NE(ledger, nullptr);
    ledger->showMaximized();

    struct Case {
        const char* what;
        Window window;
        std::function<void()> show;
    };
    GameState& g = game();
    const Case cases[] = {
        {"an open report window", Window::ShopInfo, [&] { ShowForm(Window::ShopInfo, g); }},
        {"a new report window", Window::ClerkInfo, [&] { ShowForm(Window::ClerkInfo, g); }},
        {"the clerk's note, shown again", Window::ClerkPopup, [&] { ShowForm(Window::ClerkPopup, g); }},
        {"the scene window from the window menu", Window::FloorView,
         [&] { main->menuItem("MVisual")->trigger(); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        area->setActiveSubWindow(ledger);
        ASSERT_EQ(area->subWindowList(QMdiArea::StackingOrder).last(), ledger);
        c.show();
        QMdiSubWindow* shown = FrameOf(c.window);
        ASSERT_NE(shown, nullptr);
        EXPECT_EQ(area->activeSubWindow(), shown);
        EXPECT_EQ(area->subWindowList(QMdiArea::StackingOrder).last(), shown);
        EXPECT_TRUE(ledger->isMaximized());
    }

    // A dialog comes over all of them as the active window.
    area->setActiveSubWindow(ledger);
    bool active = false;
    WhenModal([&](QWidget* w) {
        // The activation reaches the application through the event queue,
        // a moment after the dialog shows.
        active = QTest::qWaitFor([w] { return QApplication::activeWindow() == w; }, 2000);
        static_cast<QDialog*>(w)->reject();
    });
    ShowForm(Window::Version, game());
    EXPECT_TRUE(active);
}
