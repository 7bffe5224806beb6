#include <gtest/gtest.h>

#include <QHBoxLayout>
#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTest>
#include <memory>

#include "commands/StartNewGame.h"
#include "ui/platform/WindowRegistry.h"
#include "platform/Platform.h"
#include "ui/shop/ShopInfoWindow.h"
#include "ui/shop/ShopDetailsWindow.h"
#include "ui/shop/ShopInfoKit.h"
#include "state/Ledger.h"
#include "state/NewGame.h"

namespace {

class ShopInfoWindows : public ::testing::Test {
protected:
    void SetUp() override {
        GameState& g = game();
        g.ShopName = "青叶书房";
        g.ShopOpen = 1;
        g.Funds = 4000000;
        g.CopiesSold = 120;
        g.ShelfCapacity = 800;
        g.CopiesOnShelves = 350;
        g.TotalCustomers = 42;
        g.Year = 2024;
        g.Month = 3;
        g.Day = 9;
        g.Weekday = 6;
        g.Hour = 0;
        g.Dirtiness = 36;
        g.QuakeResistance = 15;
        g.Popularity = 10;
        g.Fame = 10;
        g.ShopSize = 1;
        g.StarLevel = 1;

        main_ = std::make_unique<QMainWindow>();
        area_ = new QMdiArea(main_.get());
        main_->setCentralWidget(area_);
        main_->resize(1000, 800);
        main_->show();
        SetMainWindow(main_.get(), area_);
    }
    void TearDown() override {
        UnloadAllForms();
        QCoreApplication::processEvents();
        SetMainWindow(nullptr, nullptr);
        main_.reset();
    }

    GameState& game() { return *game_; }
    static ShopInfoWindow* Info() { return dynamic_cast<ShopInfoWindow*>(OpenForm(Window::ShopInfo)); }
    static ShopDetailsWindow* Details() { return dynamic_cast<ShopDetailsWindow*>(OpenForm(Window::ShopDetails)); }
    static QMdiSubWindow* Frame(Window w) { return qobject_cast<QMdiSubWindow*>(OpenForm(w)->parentWidget()); }
    // Waits for the window's timer to take its redraw flag.
    bool Drawn(Value GameState::*flag) {
        return QTest::qWaitFor([this, flag] { return (game().*flag).asInt() == 0; }, 1000);
    }
    static int LitCount(const std::array<QLabel*, 5>& stars, const std::array<QPixmap, 2>& starg) {
        const QImage lit = starg[0].toImage();
        int n = 0;
        for (QLabel* s : stars) n += s->pixmap().toImage() == lit ? 1 : 0;
        return n;
    }

    std::unique_ptr<GameState> game_ = std::make_unique<GameState>();
    std::unique_ptr<QMainWindow> main_;
    QMdiArea* area_ = nullptr;
};

}  // namespace

TEST_F(ShopInfoWindows, ShopInfoDrawsTheShopAndRaisesTheDetailsFlag) {
    ToggleReportWindow(Window::ShopInfo, game());
    ShopInfoWindow* f = Info();
    ASSERT_NE(f, nullptr);
    EXPECT_EQ(game().WindowOpen[4].asInt(), 1);
    EXPECT_EQ(f->windowTitle(), QStringLiteral("书店信息"));
    game().ShopDetailsDirty = 0;
    ASSERT_TRUE(Drawn(&GameState::ShopInfoDirty));

    EXPECT_EQ(game().ShopDetailsDirty.asInt(), 1);
    EXPECT_EQ(f->windowTitle(), QStringLiteral("店铺的信息-青叶书房 营业中"));
    EXPECT_EQ(Frame(Window::ShopInfo)->windowTitle(), f->windowTitle());
    EXPECT_EQ(f->FundsLabel->text(), QStringLiteral("400万0000円"));
    EXPECT_EQ(f->SoldLabel->text(), QStringLiteral("120册"));
    EXPECT_EQ(f->CapacityLabel->text(), QStringLiteral("800册"));
    EXPECT_EQ(f->OnShelvesLabel->text(), QStringLiteral("350册"));
    EXPECT_EQ(f->CustomersLabel->text(), QStringLiteral("42人"));
    EXPECT_EQ(f->YearLabel->text(), QStringLiteral("2024"));
    EXPECT_EQ(f->MonthLabel->text(), QStringLiteral("3"));
    EXPECT_EQ(f->DayLabel->text(), QStringLiteral("9"));
    EXPECT_EQ(f->WeekdayLabel->text(), QStringLiteral("星期六"));
    EXPECT_EQ(f->HourLabel->text(), QStringLiteral("上午 0"));
    EXPECT_EQ(f->NameLabel->text(), QStringLiteral("青叶书房"));
    EXPECT_EQ(f->DirtLabel->text(), QStringLiteral("36/100"));
    EXPECT_EQ(f->QuakeLabel->text(), QStringLiteral("15/100"));
    EXPECT_EQ(f->DirtBar->barWidth(), 36);
    EXPECT_EQ(f->QuakeBar->barWidth(), 15);
    EXPECT_EQ(LitCount(f->Star, f->Starg), 1);

    // A flag left at 0 draws nothing.
    game().Funds = 5;
    QTest::qWait(250);
    EXPECT_EQ(f->FundsLabel->text(), QStringLiteral("400万0000円"));

    // The next change: closed shop, late hour, five stars.
    game().ShopOpen = 0;
    game().Hour = 23;
    game().StarLevel = 5;
    game().ShopInfoDirty = 1;
    ASSERT_TRUE(Drawn(&GameState::ShopInfoDirty));
    EXPECT_EQ(f->windowTitle(), QStringLiteral("店铺的信息-青叶书房 打烊中"));
    EXPECT_EQ(f->HourLabel->text(), QStringLiteral("下午 11"));
    EXPECT_EQ(f->FundsLabel->text(), QStringLiteral("5円"));
    EXPECT_EQ(LitCount(f->Star, f->Starg), 5);

    CloseForm(Window::ShopInfo);
    QCoreApplication::processEvents();
    EXPECT_EQ(game().WindowOpen[4].asInt(), 0);
    EXPECT_FALSE(IsFormOpen(Window::ShopInfo));
}

TEST_F(ShopInfoWindows, ShopDetailsDrawsItsFiguresAndKeepsItsCaption) {
    game().Hour = 12;
    game().ShopSize = 3;
    game().Popularity = -5;  // a dismissal can leave it below 0 until the week ends
    game().Fame = 64;
    ToggleReportWindow(Window::ShopDetails, game());
    ShopDetailsWindow* f = Details();
    ASSERT_NE(f, nullptr);
    EXPECT_EQ(game().WindowOpen[41].asInt(), 1);
    ASSERT_TRUE(Drawn(&GameState::ShopDetailsDirty));

    EXPECT_EQ(f->windowTitle(), QStringLiteral("店铺的详细信息"));
    EXPECT_EQ(f->HourLabel->text(), QStringLiteral("下午 0"));
    EXPECT_EQ(f->WeekdayLabel->text(), QStringLiteral("星期六"));
    EXPECT_EQ(f->SizeLabel->text(), QStringLiteral("大"));
    EXPECT_EQ(f->FundsLabel->text(), QStringLiteral("400万0000円"));
    EXPECT_EQ(f->NameLabel->text(), QStringLiteral("青叶书房"));
    EXPECT_EQ(f->FameLabel->text(), QStringLiteral("64/100"));
    EXPECT_EQ(f->PopularityLabel->text(), QStringLiteral("-5/100"));
    EXPECT_EQ(f->PopularityBar->barWidth(), 0);
    EXPECT_EQ(f->FameBar->barWidth(), 64);
    EXPECT_EQ(f->DirtLabel->text(), QStringLiteral("36/100"));
    EXPECT_EQ(f->QuakeLabel->text(), QStringLiteral("15/100"));
    EXPECT_EQ(LitCount(f->Star, f->Starg), 1);

    // The four gauges stand top to bottom: fame, popularity, dirtiness, quake.
    EXPECT_LT(f->FameBar->y(), f->PopularityBar->y());
    EXPECT_LT(f->PopularityBar->y(), f->DirtBar->y());
    EXPECT_LT(f->DirtBar->y(), f->QuakeBar->y());

    CloseForm(Window::ShopDetails);
    QCoreApplication::processEvents();
    EXPECT_EQ(game().WindowOpen[41].asInt(), 0);
}

TEST_F(ShopInfoWindows, DetailsFollowTheInformationWindowOnly) {
    // Only the details window open: money and time do not reach it.
    ToggleReportWindow(Window::ShopDetails, game());
    ShopDetailsWindow* details = Details();
    ASSERT_TRUE(Drawn(&GameState::ShopDetailsDirty));
    AddMoney(game(), -300000, Facilities, 0);
    game().Hour = 15;
    QTest::qWait(300);
    EXPECT_EQ(details->FundsLabel->text(), QStringLiteral("400万0000円"));
    EXPECT_EQ(details->HourLabel->text(), QStringLiteral("上午 0"));

    // With the information window open, a purchase reaches both.
    ToggleReportWindow(Window::ShopInfo, game());
    ShopInfoWindow* info = Info();
    ASSERT_TRUE(Drawn(&GameState::ShopInfoDirty));
    ASSERT_TRUE(Drawn(&GameState::ShopDetailsDirty));
    AddMoney(game(), -100000, Facilities, 0);
    EXPECT_TRUE(QTest::qWaitFor(
        [&] {
            return info->FundsLabel->text() == QStringLiteral("360万0000円") &&
                   details->FundsLabel->text() == QStringLiteral("360万0000円");
        },
        300));
    EXPECT_EQ(details->HourLabel->text(), QStringLiteral("下午 3"));
}

TEST_F(ShopInfoWindows, ShopInfoSitsBelowTheFloorView) {
    NewGameStart start;
    ASSERT_TRUE(NewGameStart::FromDate(2024, 3, 9, 9, 1, start));
    StartNewGame(game(), "青叶书房", start);
    ShowForm(Window::FloorView, game());
    QMdiSubWindow* floor = Frame(Window::FloorView);
    ASSERT_NE(floor, nullptr);
    ToggleReportWindow(Window::ShopInfo, game());
    EXPECT_EQ(Frame(Window::ShopInfo)->pos(), QPoint(0, floor->height()));
    CloseForm(Window::FloorView);
}

TEST_F(ShopInfoWindows, ToggleOpensMinimisesRestoresAndFocuses) {
    ToggleReportWindow(Window::ShopInfo, game());
    QMdiSubWindow* info = Frame(Window::ShopInfo);
    area_->setActiveSubWindow(info);
    ASSERT_EQ(area_->activeSubWindow(), info);

    ToggleReportWindow(Window::ShopInfo, game());  // active and normal: minimised
    EXPECT_TRUE(info->isMinimized());
    ToggleReportWindow(Window::ShopInfo, game());  // active and minimised: restored
    EXPECT_FALSE(info->isMinimized());
    EXPECT_FALSE(info->isMaximized());

    info->showMaximized();
    area_->setActiveSubWindow(info);
    ToggleReportWindow(Window::ShopInfo, game());  // active and maximised: left alone
    EXPECT_TRUE(info->isMaximized());
    info->showNormal();

    // Another child active: a minimised window is restored, a normal one
    // takes the focus.
    ToggleReportWindow(Window::ShopDetails, game());
    QMdiSubWindow* details = Frame(Window::ShopDetails);
    info->showMinimized();
    area_->setActiveSubWindow(details);
    ASSERT_EQ(area_->activeSubWindow(), details);
    ToggleReportWindow(Window::ShopInfo, game());
    EXPECT_FALSE(info->isMinimized());

    area_->setActiveSubWindow(details);
    ToggleReportWindow(Window::ShopInfo, game());
    EXPECT_EQ(area_->activeSubWindow(), info);
    EXPECT_EQ(game().WindowOpen[4].asInt(), 1);
}

TEST_F(ShopInfoWindows, ClosingEveryWindowClearsBothEntries) {
    ToggleReportWindow(Window::ShopInfo, game());
    ToggleReportWindow(Window::ShopDetails, game());
    EXPECT_EQ(game().WindowOpen[4].asInt(), 1);
    EXPECT_EQ(game().WindowOpen[41].asInt(), 1);
    UnloadAllForms();
    QCoreApplication::processEvents();
    EXPECT_EQ(game().WindowOpen[4].asInt(), 0);
    EXPECT_EQ(game().WindowOpen[41].asInt(), 0);
    EXPECT_FALSE(IsFormOpen(Window::ShopInfo));
    EXPECT_FALSE(IsFormOpen(Window::ShopDetails));
}

namespace {

// A value label keeps its size while its texts fit and widens first for one
// that does not, also one of the same length whose characters are wider.
TEST(ShopValueLabel, KeepsItsSizeWhileItsTextsFitAndWidensForOneThatDoesNot) {
    QWidget window;
    auto* layout = new QHBoxLayout(&window);
    QLabel* label = shop_info_window::ValueLabel("Label1", 10, &window);
    layout->addWidget(label);
    layout->addStretch();
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    const auto fits = [label](const char* text) {
        return label->width() >= label->fontMetrics().horizontalAdvance(QString::fromUtf8(text));
    };

    shop_info_window::ShowValue(label, "1,234円");
    const QSize first = label->size();
    EXPECT_TRUE(fits("1,234円"));
    EXPECT_EQ(label->minimumSize(), label->maximumSize()) << "shown, the label keeps its size";
    shop_info_window::ShowValue(label, "9,876円");
    EXPECT_EQ(label->size(), first);
    EXPECT_EQ(label->text(), QString::fromUtf8("9,876円"));

    for (const char* text : {"iiiiiii", "WWWWWWW", "12,345,678円"}) {
        SCOPED_TRACE(text);
        shop_info_window::ShowValue(label, text);
        EXPECT_TRUE(fits(text));
        EXPECT_EQ(label->minimumSize(), label->maximumSize());
    }
}

}  // namespace
