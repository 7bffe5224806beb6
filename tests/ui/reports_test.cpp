// The calendar's windows on screen (offscreen): the month report, the day
// report, the customer complaint and the clerk pop-up, opened as the tick
// opens them.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QFrame>
#include <QKeySequence>
#include <QLabel>
#include <QListWidget>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>
#include <map>
#include <memory>
#include <vector>

#include "business/DayReport.h"
#include "commands/StartNewGame.h"
#include "ui/business/MonthReportDialog.h"
#include "ui/business/DayReportDialog.h"
#include "platform/Platform.h"
#include "ui/platform/WindowRegistry.h"
#include "ui/shop/ClerkPopupWindow.h"
#include "ui/shop/ComplaintDialog.h"
#include "state/MainCaption.h"
#include "state/Ledger.h"
#include "state/NewGame.h"
#include "tests/ui/ModalDriver.h"
#include "ui/main/MainWindow.h"

namespace {

// Runs `act` after `ms` milliseconds of the event loop.
void After(int ms, std::function<void()> act) { QTimer::singleShot(ms, act); }

// Opens a report with its automatic close on the first tick and waits for
// it to close by itself; true when it did.
bool ClosesByItself(Window window, GameState& g) {
    g.ReportCloseSpeed = 10;
    g.ReportManualClose = 0;
    QTimer guard;
    guard.setSingleShot(true);
    bool forced = false;
    QObject::connect(&guard, &QTimer::timeout, [&forced] {
        if (QWidget* w = QApplication::activeModalWidget()) {
            forced = true;
            w->close();
        }
    });
    guard.start(3000);
    ShowForm(window, g);
    return !forced;
}

class ReportWindows : public ::testing::Test {
protected:
    void SetUp() override {
        main = std::make_unique<MainWindow>();
        main->resize(800, 600);
        main->show();
        StartNewGame(game(), "测试书店", NewGameStart{});
        main->EnterRunningState();
        ASSERT_TRUE(Ui().Clock().ticking());
    }
    void TearDown() override {
        // The pop-up outlives UnloadAllForms; let it close itself.
        if (auto* f = qobject_cast<ClerkPopupWindow*>(OpenForm(Window::ClerkPopup))) {
            for (int n = 0; n < 30 && IsFormOpen(Window::ClerkPopup); ++n) f->Timer1_Timer();
        }
        UnloadAllForms();
        main.reset();
        Ui().ResetClock();
    }
    GameState& game() { return main->game(); }
    std::unique_ptr<MainWindow> main;
};

// ---- month report ----

TEST_F(ReportWindows, MonthReportShowsTheMonthAndClosesItWhenClosed) {
    GameState& g = game();
    g.Year = 2026;
    g.Month = 6;
    g.Day = 30;
    g.ReportManualClose = 1;
    for (int c = 0; c < kLedgerCategories; ++c)
        g.Ledger.Income[c][1] = g.Ledger.Expense[c][1] = Money();
    g.Ledger.Income[0][1] = Money::FromWhole(210000);
    g.Ledger.Expense[6][1] = Money::FromWhole(210001);
    g.CopiesSoldHistory.Monthly[0] = 12345;
    g.Bookshop.SalesPoints[0] = 0;

    WithWindow<MonthReportDialog>(Window::MonthReport, game(), [&](MonthReportDialog* f) {
        EXPECT_EQ(f->windowTitle(), "月底");
        EXPECT_EQ(f->Label[2]->text(), "== 2026年6月底 ==");
        EXPECT_EQ(f->Shape1[0]->palette().color(QPalette::Window), QColor(0, 128, 255));
        EXPECT_EQ(f->ILabel[0]->text(), "21万0000円");
        EXPECT_EQ(f->OLabel[6]->text(), "21万0001円");
        EXPECT_EQ(f->GLabel[6]->text(), "-21万0001円");
        EXPECT_EQ(f->GLabel[3]->text(), "0円");
        EXPECT_EQ(f->GoLabel[0]->text(), "21万0000円");
        EXPECT_EQ(f->GoLabel[1]->text(), "21万0001円");
        EXPECT_EQ(f->GoLabel[2]->text(), "-1円");
        EXPECT_EQ(f->Label[1]->text(), "-1円");
        EXPECT_EQ(f->Label[0]->text(), "1万2345册");
        EXPECT_EQ(f->Label1[0]->text(), "本月是");
        EXPECT_EQ(f->Label1[1]->text(), "赤字");
        EXPECT_EQ(f->Label1[1]->palette().color(QPalette::WindowText), QColor(255, 0, 0));
        EXPECT_EQ(f->Label1[2]->text(), "。");
        const char* const fixed[] = {nullptr, nullptr, nullptr, "本月销售的书数量", "本月的收支", "杂志和书籍",
                                     "店铺设施", "店员薪资", "保险相关", "服务相关", "租金", "其他", "合计",
                                     "合计", "支出", "收入"};
        for (int e = 3; e < 16; ++e) EXPECT_EQ(f->Label1[e]->text(), QString::fromUtf8(fixed[e])) << e;
        // The rows stand in the table's order, income left of expense.
        EXPECT_LT(f->Label1[5]->y(), f->Label1[6]->y());
        EXPECT_LT(f->Label1[8]->y(), f->Label1[7]->y());
        EXPECT_LT(f->Label1[11]->y(), f->Label1[12]->y());
        EXPECT_EQ(f->ILabel[3]->y(), f->Label1[6]->y());
        EXPECT_LT(f->ILabel[0]->x(), f->OLabel[0]->x());
        EXPECT_EQ(main->windowTitle(), QString::fromStdString(MainCaption(game())));
        EXPECT_FALSE(Ui().Clock().ticking());
        // Closed by hand only: still up after some ticks of its timer.
        After(400, [f] {
            EXPECT_EQ(QApplication::activeModalWidget(), f);
            f->Command1->click();
        });
    });
    EXPECT_EQ(g.Bookshop.SalesPoints[0], Value(12345));
    EXPECT_EQ(g.CopiesSoldHistory.Monthly[0], Value(0));
    EXPECT_TRUE(Ui().Clock().ticking());
}

TEST_F(ReportWindows, MonthReportOfASurplusAndItsOwnClose) {
    GameState& g = game();
    g.Bookshop.SalesPoints[0] = 0;
    g.CopiesSoldHistory.Monthly[0] = 7;
    g.ReportManualClose = 1;
    WithWindow<MonthReportDialog>(Window::MonthReport, game(), [](MonthReportDialog* f) {
        EXPECT_EQ(f->Label1[1]->text(), "黑字");
        EXPECT_EQ(f->Label1[1]->palette().color(QPalette::WindowText), QColor(Qt::black));
        f->close();  // the frame's close box closes the month too
    });
    EXPECT_EQ(g.Bookshop.SalesPoints[0], Value(7));

    g.CopiesSoldHistory.Monthly[0] = 5;
    EXPECT_TRUE(ClosesByItself(Window::MonthReport, game()));
    EXPECT_EQ(g.Bookshop.SalesPoints[0], Value(12));
    EXPECT_EQ(g.ReportTicks, Value(0));
    EXPECT_TRUE(Ui().Clock().ticking());
}

TEST_F(ReportWindows, MonthReportListsTheCategoriesInTheirOrder) {
    GameState& g = game();
    g.ReportManualClose = 1;
    for (int c = 0; c < kLedgerCategories; ++c) g.Ledger.Income[c][1] = g.Ledger.Expense[c][1] = Money();
    // Each shown category earns a sum of its own, so a row shows whose it is.
    const auto earned = [](int category) { return (category + 1) * 1000; };
    for (int c = 0; c <= Rent; ++c) g.Ledger.Income[c][1] = Money::FromWhole(earned(c));
    struct Row {
        const char* label;
        int category;
    };
    const Row expected[] = {{"杂志和书籍", BooksMagazines}, {"店铺设施", Facilities}, {"保险相关", Insurance},
                            {"店员薪资", Salaries},        {"服务相关", Services},    {"租金", Rent},
                            {"其他", OtherCategory}};

    WithWindow<MonthReportDialog>(Window::MonthReport, game(), [&](MonthReportDialog* f) {
        // Read the sheet as a player does: line by line from the top, the
        // row's name on the left and its income in the income column.
        const int incomeX = f->ILabel[BooksMagazines]->x();
        std::map<int, std::pair<QLabel*, QLabel*>> lines;  // by y: the leftmost label, the income
        for (QLabel* l : f->Picture1->findChildren<QLabel*>(Qt::FindDirectChildrenOnly)) {
            auto& [name, income] = lines[l->y()];
            if (!name || l->x() < name->x()) name = l;
            if (l->x() == incomeX) income = l;
        }
        std::vector<std::pair<QString, QString>> shown;
        for (const auto& [y, line] : lines)
            if (line.first->x() < incomeX) shown.emplace_back(line.first->text(), line.second->text());

        std::vector<std::pair<QString, QString>> want;
        int total = 0;
        for (const Row& r : expected) {
            want.emplace_back(QString::fromUtf8(r.label), QStringLiteral("%1円").arg(earned(r.category)));
            total += earned(r.category);
        }
        want.emplace_back(QStringLiteral("合计"), QStringLiteral("%1万%2円").arg(total / 10000).arg(total % 10000));
        EXPECT_EQ(shown, want);
        f->Command1->click();
    });
}

// ---- day report ----

TEST_F(ReportWindows, DayReportShowsTheNewDateAndTodaysDeliveries) {
    GameState& g = game();
    g.Year = 2026;
    g.Month = 13;  // the first day of a year, before the calendar turns it
    g.Day = 1;
    g.Weekday = 5;
    g.ReportManualClose = 1;
    g.ClerkAdviceToday = 2;
    for (int k = 0; k < g.BookCount.i(); ++k) g.Book.DaysToDelivery[k] = 0;
    g.Book.DaysToDelivery[2] = 1;
    const DayReport expected = BuildDayReport(g);

    WithWindow<DayReportDialog>(Window::DayReport, game(), [&](DayReportDialog* f) {
        EXPECT_EQ(f->windowTitle(), "今日是2027年1月1日");
        EXPECT_EQ(f->Label2[4]->text(), "2027");
        EXPECT_EQ(f->Label2[5]->text(), "1");
        EXPECT_EQ(f->Label2[6]->text(), "1");
        EXPECT_EQ(f->Label2[7]->text(), "星期五");
        EXPECT_EQ(f->Label1[4]->text(), "年");
        EXPECT_EQ(f->Label1[5]->text(), "月");
        EXPECT_EQ(f->Label1[6]->text(), "日");
        EXPECT_EQ(f->Label3->text(), "\"→\"标志为进货书刊。");
        EXPECT_EQ(f->Shape1[0]->palette().color(QPalette::Window), QColor(0, 128, 255));
        ASSERT_EQ(f->List1->count(), static_cast<int>(expected.lines.size()));
        for (int i = 0; i < f->List1->count(); ++i)
            EXPECT_EQ(f->List1->item(i)->text(), QString::fromStdString(expected.lines[i])) << i;
        EXPECT_EQ(f->List1->item(0)->text(), "●今日发售的杂志");
        EXPECT_EQ(f->List1->item(f->List1->count() - 1)->text(),
                  QString::fromStdString("→  " + game().Book.Title[2].asText()));
        EXPECT_NE(main->windowTitle().indexOf(QStringLiteral("2027年 1月 1日 星期五")), -1) << main->windowTitle().toStdString();
        EXPECT_FALSE(Ui().Clock().ticking());
        After(300, [f] {
            EXPECT_EQ(QApplication::activeModalWidget(), f);
            f->close();
        });
    });
    EXPECT_EQ(g.ClerkAdviceToday, Value(0));
    EXPECT_EQ(g.Month, Value(13));  // the report changes no date
    EXPECT_TRUE(Ui().Clock().ticking());

    g.ClerkAdviceToday = 2;
    EXPECT_TRUE(ClosesByItself(Window::DayReport, game()));
    EXPECT_EQ(g.ClerkAdviceToday, Value(0));
}

// ---- complaint ----

TEST_F(ReportWindows, ComplaintCostsPopularityAndShowsAFace) {
    GameState& g = game();
    g.Popularity = 2;
    WithWindow<ComplaintDialog>(Window::Complaint, game(), [&](ComplaintDialog* f) {
        EXPECT_EQ(f->windowTitle(), "顾客的不满");
        EXPECT_EQ(f->Label3->text(), "== 顾客的不满 ==");
        EXPECT_EQ(f->Label1->text(), "  上次买的书好脏啊!");
        EXPECT_EQ(f->Label2->text(), "请允许在店内站着看书");
        EXPECT_EQ(f->Command1->text(), "关闭");
        EXPECT_EQ(f->Shape1[0]->palette().color(QPalette::Window), QColor(0, 128, 255));
        EXPECT_EQ(f->Label1->parentWidget(), f->Picture1);
        EXPECT_FALSE(f->Picture1->pixmap().isNull());
        EXPECT_FALSE(f->Image1[0]->pixmap().isNull());
        EXPECT_EQ(g.Popularity, Value(0));  // taken at the opening
        const int face = g.OpinionFace.i();
        EXPECT_TRUE(face != 2 && face != 7 && face != 8) << face;
        EXPECT_FALSE(Ui().Clock().ticking());
        f->Command1->click();
    });
    EXPECT_EQ(g.Popularity, Value(0));
    EXPECT_TRUE(Ui().Clock().ticking());
}

// ---- clerk pop-up ----

ClerkPopupWindow* OpenPopup(GameState& g) {
    EXPECT_TRUE(ShowForm(Window::ClerkPopup, g));
    return qobject_cast<ClerkPopupWindow*>(OpenForm(Window::ClerkPopup));
}

void QueueTexts(GameState& g, std::initializer_list<const char*> texts) {
    g.ClerkMessageCount = 0;
    for (const char* t : texts) {
        g.ClerkMessages[g.ClerkMessageCount.i()] = t;
        g.ClerkMessageCount = g.ClerkMessageCount.asInt() + 1;
    }
}

TEST_F(ReportWindows, ClerkPopupSpeaksWithoutStoppingTheGameAndCannotBeClosed) {
    GameState& g = game();
    g.ClerkCount = 1;
    g.Person.Look[0] = 3;
    g.ClerkPopupTicks = 20;  // left by an earlier pop-up in a saved game
    QueueTexts(game(), {"店长，店内太脏了。", "店长，没有书可卖了。", "店长，抗震度很低。快提升吧!"});

    ClerkPopupWindow* f = OpenPopup(game());
    ASSERT_NE(f, nullptr);
    EXPECT_EQ(f->windowTitle(), "来自店员");
    const QString said = f->Label1->text();
    EXPECT_TRUE(said == "店长，店内太脏了。" || said == "店长，没有书可卖了。" || said == "店长，抗震度很低。快提升吧!")
        << said.toStdString();
    EXPECT_EQ(f->Label1->parentWidget(), f->Picture1);
    EXPECT_FALSE(f->Image1[0]->pixmap().isNull());
    EXPECT_EQ(g.ClerkMessageCount, Value(0));
    EXPECT_EQ(g.ClerkAdviceToday, Value(1));
    EXPECT_EQ(g.ClerkPopupTicks, Value(0));
    EXPECT_TRUE(Ui().Clock().ticking());  // modeless: the game goes on

    // Near the lower right of the area it stands in.
    auto* sub = qobject_cast<QMdiSubWindow*>(f->parentWidget());
    ASSERT_NE(sub, nullptr);
    QWidget* area = sub->parentWidget();
    EXPECT_GT(sub->x(), area->width() / 2);
    EXPECT_GT(sub->y(), area->height() / 3);

    // Neither the window, nor its frame, nor the frame's menu closes it.
    EXPECT_FALSE(f->close());
    sub->close();
    QAction* closeItem = nullptr;
    for (QAction* a : sub->systemMenu()->actions())
        if (a->shortcut() == QKeySequence(QKeySequence::Close)) closeItem = a;
    ASSERT_NE(closeItem, nullptr);
    EXPECT_FALSE(closeItem->isEnabled());
    closeItem->trigger();
    // Nor does closing every window.
    UnloadAllForms();
    QApplication::processEvents();
    EXPECT_TRUE(IsFormOpen(Window::ClerkPopup));
    EXPECT_EQ(OpenForm(Window::ClerkPopup), f);
    EXPECT_TRUE(f->isVisible());

    // A second occasion while it is up changes nothing on it.
    QueueTexts(game(), {"书架装满了。"});
    EXPECT_TRUE(ShowForm(Window::ClerkPopup, game()));
    EXPECT_EQ(OpenForm(Window::ClerkPopup), f);
    EXPECT_EQ(f->Label1->text(), said);
    EXPECT_EQ(g.ClerkAdviceToday, Value(1));
    EXPECT_EQ(g.ClerkMessageCount, Value(1));

    // Its own 25 ticks close it, even while the game clock stands still.
    Ui().HoldClock();
    QElapsedTimer t;
    t.start();
    while (IsFormOpen(Window::ClerkPopup) && t.elapsed() < 5000) QTest::qWait(50);
    Ui().ReleaseClock();
    EXPECT_FALSE(IsFormOpen(Window::ClerkPopup));
    EXPECT_GE(t.elapsed(), 2000);
    EXPECT_EQ(g.ClerkPopupTicks, Value(0));

    // Closed, it opens afresh with the queued sentence.
    f = OpenPopup(game());
    ASSERT_NE(f, nullptr);
    EXPECT_EQ(f->Label1->text(), "书架装满了。");
    EXPECT_EQ(g.ClerkAdviceToday, Value(2));
}

TEST_F(ReportWindows, ClerkPopupWithoutItsFaceStillSpeaks) {
    GameState& g = game();
    g.ClerkCount = 1;
    g.Person.Look[0] = 98;  // no such face picture
    QueueTexts(game(), {"今天是业界新闻的发售日。"});
    ClerkPopupWindow* f = OpenPopup(game());
    ASSERT_NE(f, nullptr);
    EXPECT_TRUE(f->Image1[0]->pixmap().isNull());
    EXPECT_EQ(f->Label1->text(), "今天是业界新闻的发售日。");
    EXPECT_EQ(g.ClerkMessageCount, Value(0));
    for (int n = 1; n < 25; ++n) f->Timer1_Timer();
    EXPECT_TRUE(IsFormOpen(Window::ClerkPopup));
    f->Timer1_Timer();
    QApplication::processEvents();
    EXPECT_FALSE(IsFormOpen(Window::ClerkPopup));
}

}  // namespace
