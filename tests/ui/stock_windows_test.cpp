// The stock windows, the delivery schedule and the top-10 windows, opened
// offscreen as the game opens them and redrawn from their own timers.
#include <gtest/gtest.h>

#include "tests/ui/ModalDriver.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTest>
#include <QTimer>
#include <cstdlib>
#include <functional>
#include <memory>

#include "platform/Platform.h"
#include "ui/platform/QtPlatform.h"
#include "ui/platform/WindowRegistry.h"
#include "state/FormatMoney.h"
#include "state/NewGame.h"
#include "stock/DeliverySchedule.h"
#include "ui/stock/MagazineStockWindow.h"
#include "ui/stock/BookStockWindow.h"
#include "ui/stock/BookTopTenDialog.h"
#include "ui/stock/MagazineTopTenDialog.h"
#include "ui/stock/DeliveryScheduleWindow.h"
#include "stock/StockReport.h"
#include "tests/TestShop.h"
#include "tests/ui/WheelTurn.h"

namespace {

QString Q(const Value& v) { return QString::fromStdString(v.asText()); }


class StockWindows : public ::testing::Test {
protected:
    void SetUp() override {
        Ui().ResetClock();
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
        Ui().ResetClock();
    }

    template <typename F>
    static F* Open(Window w) {
        return dynamic_cast<F*>(OpenForm(w));
    }
    static QMdiSubWindow* Frame(Window w) { return qobject_cast<QMdiSubWindow*>(OpenForm(w)->parentWidget()); }
    // Waits until the window's timer has taken both of its flags.
    bool Drawn(Value GameState::*a, Value GameState::*b = nullptr) {
        return QTest::qWaitFor(
            [this, a, b] { return (game().*a).asInt() == 0 && (!b || (game().*b).asInt() == 0); }, 1000);
    }
    GameState& game() { return *game_; }
    bool MagazinesDrawn() { return Drawn(&GameState::MagazineStockDirty, &GameState::MagazineStockRefill); }
    bool BooksDrawn() { return Drawn(&GameState::BookStockDirty, &GameState::BookStockRefill); }

    // The 10th is a Wednesday.
    std::unique_ptr<GameState> game_ = NewTestShop({.year = 2026, .month = 6, .day = 10, .hour = 8, .seed = 3});
    std::unique_ptr<QMainWindow> main_;
    QMdiArea* area_ = nullptr;
};

}  // namespace

TEST_F(StockWindows, MagazineStockShowsStockAgainstOrderAndKeepsItselfCurrent) {
    GameState& g = game();
    // Title 0 is issued on the 1st, title 5 on the 3rd: that is their order.
    g.Magazine.Stock[0] = 12;
    g.Magazine.StandingOrder[0] = 20;
    g.Magazine.Stock[5] = 8;
    ToggleReportWindow(Window::MagazineStock, game());
    MagazineStockWindow* f = Open<MagazineStockWindow>(Window::MagazineStock);
    ASSERT_NE(f, nullptr);
    ASSERT_TRUE(MagazinesDrawn());
    EXPECT_EQ(f->windowTitle(), QStringLiteral("杂志的库存"));
    EXPECT_EQ(g.WindowOpen[17].asInt(), 1);
    EXPECT_EQ(g.MagazineStockRowCount.asInt(), 2);

    EXPECT_EQ(f->Label[0]->text(), Q(g.Magazine.Name[0]));
    EXPECT_EQ(f->ZLabel[0]->text(), QStringLiteral("12/20"));
    EXPECT_EQ(f->Shape[0]->fillPixels(), 34);
    EXPECT_TRUE(f->Shape[0]->isVisible());
    EXPECT_EQ(f->Label[1]->text(), Q(g.Magazine.Name[5]));
    EXPECT_EQ(f->ZLabel[1]->text(), QStringLiteral("8/8"));
    EXPECT_EQ(f->Shape[1]->fillPixels(), 57);
    EXPECT_EQ(f->SLabel[1]->text(), QStringLiteral("0册"));
    EXPECT_EQ(f->Label[2]->text(), QString());
    EXPECT_FALSE(f->Shape[2]->isVisible());

    // Never wider than 5294 twips; fitted to its sheet of two rows.
    QMdiSubWindow* frame = Frame(Window::MagazineStock);
    EXPECT_EQ(frame->width(), kReportMaxWidth / kTwipsPerPixel);
    const int fitted = frame->height();
    EXPECT_LE(std::abs(fitted - StockSheetHeight(2)), 1);
    EXPECT_EQ(f->VScroll1->maximum(), 0);
    QTest::qWait(150);
    EXPECT_EQ(frame->height(), fitted);  // settled

    // A sale that leaves copies: only the figures change.
    g.Magazine.Stock[0] = 11;
    g.MagazineStockRefill = 1;
    ASSERT_TRUE(MagazinesDrawn());
    EXPECT_EQ(f->ZLabel[0]->text(), QStringLiteral("11/20"));
    EXPECT_EQ(frame->height(), fitted);

    // A title gone without a rebuild leaves no stale row behind.
    g.Magazine.Stock[5] = 0;
    g.MagazineStockRefill = 1;
    ASSERT_TRUE(MagazinesDrawn());
    EXPECT_EQ(f->Label[1]->text(), QString());
    EXPECT_EQ(f->ZLabel[1]->text(), QString());
    EXPECT_FALSE(f->Shape[1]->isVisible());

    // The rebuild drops the row and the window shrinks by one row.
    g.MagazineStockDirty = 1;
    ASSERT_TRUE(MagazinesDrawn());
    EXPECT_EQ(g.MagazineStockRowCount.asInt(), 1);
    EXPECT_EQ(frame->height(), fitted - kStockRowPitch);

    // Nothing carried: the window closes itself.
    g.Magazine.StandingOrder[0] = 0;
    g.Magazine.Stock[0] = 0;
    g.MagazineStockDirty = 1;
    EXPECT_TRUE(QTest::qWaitFor([] { return !IsFormOpen(Window::MagazineStock); }, 1000));
    EXPECT_EQ(g.WindowOpen[17].asInt(), 0);
}

TEST_F(StockWindows, BothStagesRunWithTheClocksTicks) {
    // The clock's wakes come faster than the window's own timer, which they
    // put back each time: each run of ticks runs both of the window's stages.
    game().Magazine.Stock[0] = 12;
    ToggleReportWindow(Window::MagazineStock, game());
    ASSERT_NE(Open<MagazineStockWindow>(Window::MagazineStock), nullptr);
    ASSERT_TRUE(MagazinesDrawn());
    game().MagazineStockDirty = 1;
    game().MagazineStockRefill = 1;
    for (int frame = 0; frame < 8; ++frame) {
        QtUi()->TicksRan();
        QTest::qWait(20);
    }
    EXPECT_EQ(game().MagazineStockDirty, Value(0));
    EXPECT_EQ(game().MagazineStockRefill, Value(0));
}

TEST_F(StockWindows, MagazineStockScrollsALongListAndKeepsItsBounds) {
    GameState& g = game();
    for (int m = 0; m < 30; ++m) g.Magazine.StandingOrder[m] = 10;
    ToggleReportWindow(Window::MagazineStock, game());
    MagazineStockWindow* f = Open<MagazineStockWindow>(Window::MagazineStock);
    ASSERT_NE(f, nullptr);
    ASSERT_TRUE(MagazinesDrawn());
    QMdiSubWindow* frame = Frame(Window::MagazineStock);
    // 30 rows do not fit: the opening height stays and the bar serves.
    EXPECT_EQ(frame->height(), OuterHeightPixels(kStockOpeningHeight));
    const int max = f->VScroll1->maximum();
    EXPECT_EQ(max, StockSheetHeight(30) - 26 - f->height());
    f->VScroll1->setValue(max);
    EXPECT_EQ(f->List.sheet->y(), -max);

    // Dragged too wide and too low.
    frame->resize(6000 / kTwipsPerPixel, 1000 / kTwipsPerPixel);
    EXPECT_EQ(frame->width(), kReportMaxWidth / kTwipsPerPixel);
    EXPECT_EQ(frame->height(), OuterHeightPixels(kReportMinHeight));
    EXPECT_GE(f->VScroll1->maximum(), 0);
    EXPECT_EQ(f->List.sheet->y(), -f->VScroll1->value());
}

TEST_F(StockWindows, BookStockShowsDeliveriesAndLeavesNothingStale) {
    GameState& g = game();
    g.Book.Stock[3] = 5;
    g.Book.StandingOrder[7] = 20;
    g.Book.DaysToDelivery[7] = 3;
    g.Book.StandingOrder[9] = 4;
    g.Book.DaysToDelivery[9] = 1;
    ToggleReportWindow(Window::BookStock, game());
    BookStockWindow* f = Open<BookStockWindow>(Window::BookStock);
    ASSERT_NE(f, nullptr);
    ASSERT_TRUE(BooksDrawn());
    EXPECT_EQ(f->windowTitle(), QStringLiteral("书籍的库存"));
    EXPECT_EQ(g.WindowOpen[23].asInt(), 1);
    ASSERT_EQ(g.BookStockRowCount.asInt(), 3);
    EXPECT_GE(static_cast<int>(f->Label.size()), g.BookCount.i() + 1);

    auto rowOf = [&](int book) {
        for (int r = 0; r < 3; ++r)
            if (f->Label[r]->text() == Q(g.Book.Title[book])) return r;
        return -1;
    };
    const int ordered = rowOf(7);
    ASSERT_GE(ordered, 0);
    EXPECT_EQ(f->ZLabel[ordered]->text(), QStringLiteral("0册"));
    EXPECT_EQ(f->ZaLabel[ordered]->text(), QStringLiteral("3日后20册"));
    const int stocked = rowOf(3);
    ASSERT_GE(stocked, 0);
    EXPECT_EQ(f->ZLabel[stocked]->text(), QStringLiteral("5册"));
    EXPECT_EQ(f->ZaLabel[stocked]->text(), QStringLiteral("无"));
    EXPECT_EQ(f->KLabel[stocked]->text(),
              QString::number(g.Book.Price[3].asInt() - g.Book.Cost[3].asInt()) + QStringLiteral("円"));

    // The next day's countdown refills the figures.
    g.Book.DaysToDelivery[7] = 2;
    g.BookStockRefill = 1;
    ASSERT_TRUE(BooksDrawn());
    EXPECT_EQ(f->ZaLabel[ordered]->text(), QStringLiteral("2日后20册"));

    // Two pending orders cancelled at once: both rows go, nothing is left
    // below the last row.
    const int fitted = Frame(Window::BookStock)->height();
    g.Book.DaysToDelivery[7] = 0;
    g.Book.DaysToDelivery[9] = 0;
    g.BookStockDirty = 1;
    ASSERT_TRUE(BooksDrawn());
    EXPECT_EQ(g.BookStockRowCount.asInt(), 1);
    EXPECT_EQ(f->Label[0]->text(), Q(g.Book.Title[3]));
    for (int r = 1; r < 4; ++r)
        for (QLabel* l : {f->Label[r], f->KLabel[r], f->ZLabel[r], f->SLabel[r], f->ZaLabel[r]})
            EXPECT_EQ(l->text(), QString()) << "row " << r;
    EXPECT_EQ(Frame(Window::BookStock)->height(), fitted - 2 * kStockRowPitch);
}

TEST_F(StockWindows, DeliveryScheduleListsTheMonthWithTodayInRed) {
    GameState& g = game();
    g.Magazine.StandingOrder[0] = 10;  // issued on the 1st
    for (int m = 0; m < g.MagazineCount.i(); ++m)
        if (g.Magazine.IssueCode[m].asInt() > 60) g.Magazine.StandingOrder[m] = 5;  // the weeklies
    g.Book.StandingOrder[7] = 20;
    g.Book.DaysToDelivery[7] = 3;      // the 13th
    ToggleReportWindow(Window::DeliverySchedule, game());
    DeliveryScheduleWindow* f = Open<DeliveryScheduleWindow>(Window::DeliverySchedule);
    ASSERT_NE(f, nullptr);
    ASSERT_TRUE(Drawn(&GameState::ScheduleDirty));
    EXPECT_EQ(f->windowTitle(), QStringLiteral("今月的进货计划表"));
    EXPECT_EQ(g.WindowOpen[59].asInt(), 1);
    EXPECT_EQ(f->Label1[0]->text(), QStringLiteral("2026年6月"));

    const DeliverySchedule s = MonthSchedule(g);
    ASSERT_EQ(g.ScheduleRow.asInt(), static_cast<int>(s.rows.size()));
    EXPECT_EQ(f->Label2[0]->text(), QStringLiteral("1日 星期一"));
    EXPECT_EQ(f->Label3[0]->text(), Q(g.Magazine.Name[0]));
    EXPECT_EQ(f->Label4[0]->text(), QStringLiteral("10册"));
    const int thirteenth = s.days[12].firstRow;
    EXPECT_EQ(f->Label2[12]->y(), ScheduleRowTop(thirteenth));
    EXPECT_EQ(f->Label3[thirteenth]->text(), Q(g.Book.Title[7]));
    EXPECT_EQ(f->Label5[thirteenth]->text(),
              QString::fromStdString(FormatMoney(20 * g.Book.Cost[7].asInt())) + QStringLiteral("円"));
    for (int k = 0; k < 30; ++k) {
        const QColor c = f->Label2[k]->palette().color(QPalette::WindowText);
        EXPECT_EQ(c == QColor(255, 0, 0), k == 9) << "day " << k + 1;
        EXPECT_TRUE(f->Label2[k]->isVisibleTo(f));
    }
    EXPECT_FALSE(f->Label2[30]->isVisibleTo(f));  // June has no 31st
    EXPECT_EQ(f->Label3[g.ScheduleRow.i()]->text(), QString());
    EXPECT_EQ(f->listHeight(), ScheduleListHeight(g.ScheduleRow.i()));
    EXPECT_LE(Frame(Window::DeliverySchedule)->width(), kReportMaxWidth / kTwipsPerPixel);
    EXPECT_GE(f->VScroll1->maximum(), 0);

    // A new month with fewer rows: nothing of the old list shows below.
    const int before = g.ScheduleRow.i();
    for (int m = 0; m < g.MagazineCount.i(); ++m) g.Magazine.StandingOrder[m] = 0;
    g.Book.DaysToDelivery[7] = 0;
    g.Month = 7;
    g.Day = 1;
    g.Weekday = 3;
    g.ScheduleDirty = 1;
    ASSERT_TRUE(Drawn(&GameState::ScheduleDirty));
    EXPECT_EQ(g.ScheduleRow.asInt(), 31);
    EXPECT_LT(31, before);
    for (int r = 0; r < 31; ++r) EXPECT_EQ(f->Label3[r]->text(), QStringLiteral("无"));
    for (int r = 31; r <= before; ++r) EXPECT_EQ(f->Label3[r]->text(), QString()) << "row " << r;
    EXPECT_TRUE(f->Label2[30]->isVisibleTo(f));
}

TEST_F(StockWindows, DeliveryScheduleGrowsForAMonthLongerThanItsRows) {
    GameState& g = game();
    // A catalogue far beyond the built-in one: 400 weekly titles.
    const int titles = 400;
    for (int m = 0; m < titles; ++m) {
        g.Magazine.Name[m] = "周刊" + std::to_string(m);
        g.Magazine.Listed[m] = 1;
        g.Magazine.IssueCode[m] = 61 + m / 1000.0;  // every Monday
        g.Magazine.StandingOrder[m] = 1;
        g.Magazine.Cost[m] = 100;
    }
    g.MagazineCount = titles;
    ToggleReportWindow(Window::DeliverySchedule, game());
    DeliveryScheduleWindow* f = Open<DeliveryScheduleWindow>(Window::DeliverySchedule);
    ASSERT_NE(f, nullptr);
    ASSERT_TRUE(Drawn(&GameState::ScheduleDirty));
    // Five Mondays in June 2026, and "无" on the other 25 days.
    const int rows = 5 * titles + 25;
    ASSERT_EQ(g.ScheduleRow.asInt(), rows);
    ASSERT_GE(static_cast<int>(f->Label3.size()), rows);
    EXPECT_EQ(f->Label3[rows - 1]->text(), QStringLiteral("无"));
    EXPECT_EQ(f->Label3[rows - 2]->text(), QStringLiteral("周刊399"));
    EXPECT_EQ(f->VScroll1->maximum(), ScheduleListHeight(rows) + 4 - f->height());
}

// The schedule scrolls as the other lists do: a row an arrow click, a page
// of the rows in sight beside the thumb, and three rows a wheel notch.
TEST_F(StockWindows, DeliveryScheduleScrollsByRowsAndPages) {
    GameState& g = game();
    for (int m = 0; m < g.MagazineCount.i(); ++m)
        if (g.Magazine.IssueCode[m].asInt() > 60) g.Magazine.StandingOrder[m] = 5;  // the weeklies: a long month
    ToggleReportWindow(Window::DeliverySchedule, game());
    DeliveryScheduleWindow* f = Open<DeliveryScheduleWindow>(Window::DeliverySchedule);
    ASSERT_NE(f, nullptr);
    ASSERT_TRUE(Drawn(&GameState::ScheduleDirty));
    QScrollBar* bar = f->VScroll1;
    for (int height : {160, 300}) {
        SCOPED_TRACE(height);
        Frame(Window::DeliverySchedule)->resize(Frame(Window::DeliverySchedule)->width(), height);
        QApplication::processEvents();
        ASSERT_GT(bar->maximum(), 3 * bar->pageStep());
        const int inSight = f->List.client->height();
        EXPECT_EQ(bar->singleStep(), kScheduleRowPitch);
        EXPECT_EQ(bar->pageStep() % kScheduleRowPitch, 0);
        EXPECT_LE(bar->pageStep(), inSight);
        EXPECT_GT(bar->pageStep() + kScheduleRowPitch, inSight);

        bar->setValue(0);
        TurnWheel(f->Label3[2], -1);
        EXPECT_EQ(bar->value(), QApplication::wheelScrollLines() * kScheduleRowPitch);
        const int before = bar->value();
        bar->triggerAction(QAbstractSlider::SliderPageStepAdd);
        EXPECT_EQ(bar->value(), before + bar->pageStep());
    }
}

TEST_F(StockWindows, TopTenWindowsShowTheWeeksRanking) {
    GameState& g = game();
    Ui().HoldClock();  // opened from a dialog that already holds the clock
    const int holds = Ui().Clock().holds();
    bool books = false, magazines = false;
    WhenModal([&](QWidget* w) {
        auto* f = qobject_cast<BookTopTenDialog*>(w);
        ASSERT_NE(f, nullptr);
        EXPECT_EQ(f->windowTitle(), QStringLiteral("书籍销售量前10位"));
        EXPECT_EQ(f->Label3->text(), QStringLiteral("== 书籍销售量前10位 =="));
        for (int i = 0; i < 10; ++i) {
            const int t = g.TopBooks[i].i();
            EXPECT_EQ(f->Label2[i]->text(), QString::number(i + 1));
            EXPECT_EQ(f->Label4[i]->text(), Q(g.Book.Title[t]));
            EXPECT_EQ(f->Label5[i]->text(),
                      QString::fromStdString(FormatMoney(g.Book.Price[t].asInt())) + QStringLiteral("円"));
        }
        books = true;
        f->close();
    });
    ShowForm(Window::BookTopTen, game());
    EXPECT_TRUE(books);
    EXPECT_EQ(Ui().Clock().holds(), holds);

    WhenModal([&](QWidget* w) {
        auto* f = qobject_cast<MagazineTopTenDialog*>(w);
        ASSERT_NE(f, nullptr);
        EXPECT_EQ(f->windowTitle(), QStringLiteral("杂志销售量前10位"));
        EXPECT_EQ(f->Label3->text(), QStringLiteral("== 杂志销售量前10位 =="));
        EXPECT_EQ(f->Label4[9]->text(), Q(g.Magazine.Name[g.TopMagazines[9].i()]));
        magazines = true;
        f->close();
    });
    ShowForm(Window::MagazineTopTen, game());
    EXPECT_TRUE(magazines);
    EXPECT_EQ(Ui().Clock().holds(), holds);
    Ui().ReleaseClock();
}
