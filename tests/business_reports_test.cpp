// The calendar's windows, without windows: the month-end charges, the month
// report and the month close, the day report and the day close, the
// customer complaint, the clerk pop-up, and their headless answers.
#include <gtest/gtest.h>

#include <memory>
#include <set>
#include <string>
#include <vector>

#include "TestSupport.h"
#include "business/DayReport.h"
#include "business/MonthEnd.h"
#include "commands/StartNewGame.h"
#include "platform/headless/HeadlessPlatform.h"
#include "shop/ClerkPopup.h"
#include "shop/Complaints.h"
#include "sim/NewDay.h"
#include "sim/HeadlessWindows.h"
#include "sim/MainTick.h"
#include "state/Ledger.h"
#include "state/NewGame.h"

namespace {

constexpr int kDay = 0, kMonth = 1, kYear = 2;

std::int64_t Expense(const GameState& g, int category, int period) {
    return g.Ledger.Expense[category][period].whole();
}
std::int64_t Income(const GameState& g, int category, int period) { return g.Ledger.Income[category][period].whole(); }

void Book(GameState& g, int category, int period, std::int64_t income, std::int64_t expense) {
    g.Ledger.Income[category][period] = Money::FromWhole(income);
    g.Ledger.Expense[category][period] = Money::FromWhole(expense);
}

// Fills every cell of a ledger column, so a clear or a keep shows.
void FillColumn(GameState& g, int period, std::int64_t amount) {
    for (int c = 0; c < kLedgerCategories; ++c) Book(g, c, period, amount, amount);
}

void Employ(GameState& g, int row, int salary) {
    g.Applicant.Employed[row] = 1;
    g.Applicant.Salary[row] = salary;
}

std::unique_ptr<GameState> EmptyGame() {
    auto g = std::make_unique<GameState>();
    g->ApplicantCount = 40;
    g->Funds = 4000000;
    g->Year = 2026;
    g->Month = 4;
    g->Day = 1;
    return g;
}

// ---- month-end charges ----

TEST(MonthEndPayments, NewMonthColumnHoldsExactlyTheSalariesRentAndPremiums) {
    auto g = EmptyGame();
    FillColumn(*g, kMonth, 777);
    FillColumn(*g, kYear, 1000);
    FillColumn(*g, kDay, 5);
    Employ(*g, 3, 240000);
    Employ(*g, 7, 150000);
    g->EmployedList[2] = 99;  // past the count: left as it was
    g->InsuranceJoined[0] = 1;
    g->InsuranceJoined[2] = 1;

    MonthEndPayments(*g);

    const std::int64_t total = 240000 + 150000 + 150000 + 30000 + 50000;
    EXPECT_EQ(g->Funds, Value(4000000 - total));
    EXPECT_EQ(g->EmployedListCount, Value(2));
    EXPECT_EQ(g->EmployedList[0], Value(3));
    EXPECT_EQ(g->EmployedList[1], Value(7));
    EXPECT_EQ(g->EmployedList[2], Value(99));
    for (int c = 0; c < kLedgerCategories; ++c) {
        SCOPED_TRACE(c);
        const std::int64_t charged = c == Salaries ? 390000 : c == Rent ? 150000 : c == Insurance ? 80000 : 0;
        EXPECT_EQ(Income(*g, c, kMonth), 0);
        EXPECT_EQ(Expense(*g, c, kMonth), charged);
        // Outside a turn of the year the year column keeps its months.
        EXPECT_EQ(Expense(*g, c, kYear), 1000 + charged);
        EXPECT_EQ(Income(*g, c, kYear), 1000);
        EXPECT_EQ(Expense(*g, c, kDay), 5 + charged);
    }
    EXPECT_EQ(g->LedgerDirty, Value(1));
}

TEST(MonthEndPayments, EachInsuranceHasItsPremium) {
    struct Case {
        int fire, quake, damage;
        std::int64_t premiums;
    };
    const Case cases[] = {{0, 0, 0, 0}, {1, 0, 0, 30000}, {0, 1, 0, 30000}, {0, 0, 1, 50000}, {1, 1, 1, 110000}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.fire << c.quake << c.damage);
        auto g = EmptyGame();
        g->InsuranceJoined[0] = c.fire;
        g->InsuranceJoined[1] = c.quake;
        g->InsuranceJoined[2] = c.damage;
        MonthEndPayments(*g);
        EXPECT_EQ(Expense(*g, Insurance, kMonth), c.premiums);
        EXPECT_EQ(g->Funds, Value(4000000 - 150000 - c.premiums));
        EXPECT_EQ(g->EmployedListCount, Value(0));
    }
}

TEST(MonthEndPayments, TurnOfTheYearStartsTheYearColumnWithJanuarysCharges) {
    auto g = EmptyGame();
    g->Month = 13;  // the calendar's January until the day report has closed
    FillColumn(*g, kYear, 1000);
    Employ(*g, 0, 100000);
    MonthEndPayments(*g);
    for (int c = 0; c < kLedgerCategories; ++c) {
        SCOPED_TRACE(c);
        EXPECT_EQ(Income(*g, c, kYear), 0);
        EXPECT_EQ(Expense(*g, c, kYear), Expense(*g, c, kMonth));
    }
    EXPECT_EQ(Expense(*g, Salaries, kYear), 100000);
    EXPECT_EQ(Expense(*g, Rent, kYear), 150000);
}

TEST(MonthEndPayments, ChargesAreBookedWhateverTheFunds) {
    auto g = EmptyGame();
    g->Funds = 100000;
    Employ(*g, 5, 560000);
    MonthEndPayments(*g);
    EXPECT_EQ(g->Funds, Value(100000 - 560000 - 150000));
    EXPECT_EQ(g->GameOverReason, Value(1));
}

// ---- month report ----

TEST(MonthEndReport, EmptyMonthShowsZerosAndASurplus) {
    auto g = EmptyGame();
    g->Month = 3;
    const MonthReport r = BuildMonthReport(*g);
    EXPECT_EQ(r.header, "== 2026年3月底 ==");
    EXPECT_EQ(r.copies, "0册");
    EXPECT_EQ(r.net, "0円");
    EXPECT_FALSE(r.deficit);
    EXPECT_EQ(r.verdict, "黑字");
    for (const LedgerCells& row : r.rows) {
        EXPECT_EQ(row.income, "0円");
        EXPECT_EQ(row.expense, "0円");
        EXPECT_EQ(row.net, "0円");
    }
    EXPECT_EQ(r.total.net, "0円");
}

TEST(MonthEndReport, RowsByCategoryAndANetOfMinusOneIsADeficit) {
    auto g = EmptyGame();
    g->Month = 12;
    Book(*g, BooksMagazines, kMonth, 1234567, 234567);
    Book(*g, OtherCategory, kMonth, 0, 1000001);
    Book(*g, 8, kMonth, 5000, 0);          // never shown, never counted
    Book(*g, BooksMagazines, kDay, 9, 9);  // other columns are not the month's
    g->CopiesSoldHistory.Monthly[0] = 12345;
    const MonthReport r = BuildMonthReport(*g);
    EXPECT_EQ(r.header, "== 2026年12月底 ==");
    EXPECT_EQ(r.rows[BooksMagazines].income, "123万4567円");
    EXPECT_EQ(r.rows[BooksMagazines].expense, "23万4567円");
    EXPECT_EQ(r.rows[BooksMagazines].net, "100万0000円");
    EXPECT_EQ(r.rows[OtherCategory].net, "-100万0001円");
    EXPECT_EQ(r.total.income, "123万4567円");
    EXPECT_EQ(r.total.expense, "123万4568円");
    EXPECT_EQ(r.total.net, "-1円");
    EXPECT_EQ(r.net, "-1円");
    EXPECT_TRUE(r.deficit);
    EXPECT_EQ(r.verdict, "赤字");
    EXPECT_EQ(r.copies, "1万2345册");
}

// The tick of the report's timer at which each report closes itself, or 0
// when it stays open.
int ClosingTick(GameState& g, bool (*tick)(GameState&), int limit) {
    for (int n = 1; n <= limit; ++n)
        if (tick(g)) return n;
    return 0;
}

TEST(MonthEndReport, ReportsCloseThemselvesAfterTheSetDelay) {
    struct Case {
        Value speed;
        int manual;
        int monthTick, dayTick;
    };
    const Case cases[] = {
        {8, 0, 150, 50},  // a new game's setting: 15 s and 5 s
        {10, 0, 1, 1},    // at once, on the first tick
        {0, 0, 750, 250},
        {Value(), 0, 750, 250},  // a setting never written reads as 0
        {10, 1, 0, 0},    // closed by hand only, whatever the speed
        {0, 1, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.speed.asText() << " manual " << c.manual);
        auto g = EmptyGame();
        g->ReportCloseSpeed = c.speed;
        g->ReportManualClose = c.manual;
        MonthReportOpened(*g);
        EXPECT_EQ(ClosingTick(*g, MonthReportTimerTick, 2000), c.monthTick);
        DayReportOpened(*g);
        EXPECT_EQ(ClosingTick(*g, DayReportTimerTick, 2000), c.dayTick);
    }
}

// ---- month close ----

TEST(MonthEndClose, HistoriesMoveOnAndTheMonthGoesIntoTheAwardPoints) {
    auto g = EmptyGame();
    for (int k = 0; k <= 12; ++k) {
        g->CopiesSoldHistory.Monthly[k] = 100 + k;
        g->ProfitHistory.Monthly[k] = 1000 + k;
    }
    g->Bookshop.SalesPoints[0] = 50;
    g->Bookshop.DirtPoints[0] = 7;
    g->Dirtiness = 42;
    g->ReportTicks = 33;

    MonthClose(*g);

    EXPECT_EQ(g->Bookshop.SalesPoints[0], Value(150));
    EXPECT_EQ(g->Bookshop.DirtPoints[0], Value(49));
    EXPECT_EQ(g->CopiesSoldHistory.Monthly[0], Value(0));
    EXPECT_EQ(g->ProfitHistory.Monthly[0], Value(0));
    for (int k = 1; k <= 11; ++k) {
        EXPECT_EQ(g->CopiesSoldHistory.Monthly[k], Value(100 + k - 1)) << k;
        EXPECT_EQ(g->ProfitHistory.Monthly[k], Value(1000 + k - 1)) << k;
    }
    EXPECT_EQ(g->CopiesSoldHistory.Monthly[12], Value(112));
    EXPECT_EQ(g->ShopInfoDirty, Value(1));
    EXPECT_EQ(g->ReportTicks, Value(0));
    EXPECT_EQ(g->Funds, Value(4000000));  // no service offered, nothing charged

    // A second close adds nothing more for the month already counted.
    MonthClose(*g);
    EXPECT_EQ(g->Bookshop.SalesPoints[0], Value(150));
}

TEST(MonthEndClose, EachServiceOfferedIsChargedItsFee) {
    auto g = EmptyGame();
    g->ShopServiceOn[1] = 1;
    g->ShopServiceOn[3] = 1;
    FillColumn(*g, kYear, 0);
    MonthClose(*g);
    EXPECT_EQ(g->Funds, Value(4000000 - 40000));
    EXPECT_EQ(Expense(*g, Services, kYear), 40000);
    EXPECT_EQ(Expense(*g, Services, kMonth), 40000);
    // The fees are the new month's profit: the history moved on first.
    EXPECT_EQ(g->ProfitHistory.Monthly[0], Value(-40000));
    EXPECT_EQ(g->ProfitHistory.Monthly[1].asInt(), 0);
}

// ---- day report ----

struct Title {
    const char* name;
    Value code;
    int stocked;
    int listed = 1;
};

void SetMagazines(GameState& g, const std::vector<Title>& titles) {
    g.MagazineCount = static_cast<int>(titles.size());
    for (std::size_t k = 0; k < titles.size(); ++k) {
        g.Magazine.Name[k] = titles[k].name;
        g.Magazine.IssueCode[k] = titles[k].code;
        g.Magazine.StandingOrder[k] = titles[k].stocked;
        g.Magazine.Listed[k] = titles[k].listed;
    }
}

TEST(DayReportList, MagazinesOutTodayAndBooksArrivingToday) {
    auto g = EmptyGame();
    SetMagazines(*g, {{"月刊A", 15.000, 5},
                      {"半月刊B", 40.001, 0},
                      {"周刊C", 62.002, 3},
                      {"月刊D", 1.003, 2},
                      {"下架E", 15.004, 2, 0},
                      {"周刊F", 61.005, 2}});
    g->BookCount = 3;
    const char* books[] = {"书一", "书二", "书三"};
    const int days[] = {1, 2, 1};
    for (int b = 0; b < 3; ++b) {
        g->Book.Title[b] = books[b];
        g->Book.DaysToDelivery[b] = days[b];
    }

    struct Case {
        int day, weekday;
        std::vector<std::string> magazines;
    };
    const Case cases[] = {
        // Day 15, a Tuesday: the monthly title of the 15th, the twice-monthly
        // one (not stocked: indented, no arrow) and the Tuesday weekly.
        {15, 2, {"→  月刊A", "    半月刊B", "→  周刊C"}},
        // Day 1: the twice-monthly title with the monthly title of the 1st.
        {1, 1, {"    半月刊B", "→  月刊D", "→  周刊F"}},
        {2, 2, {"→  周刊C"}},
        {3, 0, {"无"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.day);
        g->Day = c.day;
        g->Weekday = c.weekday;
        std::vector<std::string> expected = {"●今日发售的杂志"};
        expected.insert(expected.end(), c.magazines.begin(), c.magazines.end());
        expected.insert(expected.end(), {"●今日进货的书籍", "→  书一", "→  书三"});
        EXPECT_EQ(BuildDayReport(*g).lines, expected);
    }

    for (int b = 0; b < 3; ++b) g->Book.DaysToDelivery[b] = 0;
    g->Day = 3;
    g->Weekday = 0;
    EXPECT_EQ(BuildDayReport(*g).lines, (std::vector<std::string>{"●今日发售的杂志", "无", "●今日进货的书籍", "无"}));
}

TEST(DayReportList, DateCaptionAndWeekday) {
    struct Case {
        int year, month, day, weekday;
        ShownDate shown;
        const char *caption, *weekdayName;
    };
    const Case cases[] = {
        {2026, 4, 1, 3, {2026, 4, 1, 3}, "今日是2026年4月1日", "星期三"},
        {2026, 1, 1, 4, {2026, 1, 1, 4}, "今日是2026年1月1日", "星期四"},
        // The first day of a year, while the calendar still holds month 13.
        {2026, 13, 1, 5, {2027, 1, 1, 5}, "今日是2027年1月1日", "星期五"},
        {2026, 6, 30, 0, {2026, 6, 30, 0}, "今日是2026年6月30日", "星期日"},
        {2026, 6, 27, 6, {2026, 6, 27, 6}, "今日是2026年6月27日", "星期六"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.caption);
        auto g = EmptyGame();
        g->Year = c.year;
        g->Month = c.month;
        g->Day = c.day;
        g->Weekday = c.weekday;
        const DayReport r = BuildDayReport(*g);
        EXPECT_EQ(r.date.year, c.shown.year);
        EXPECT_EQ(r.date.month, c.shown.month);
        EXPECT_EQ(r.date.day, c.shown.day);
        EXPECT_EQ(r.caption, c.caption);
        EXPECT_EQ(r.weekday, c.weekdayName);
    }
}

// ---- day close ----

TEST(DayClose, ClearsTheDayAndKeepsTheMonthAndTheYear) {
    auto g = EmptyGame();
    FillColumn(*g, kDay, 11);
    FillColumn(*g, kMonth, 22);
    FillColumn(*g, kYear, 33);
    for (int k = 0; k <= 12; ++k) {
        g->CopiesSoldHistory.Daily[k] = 10 + k;
        g->ProfitHistory.Daily[k] = -(10 + k);
    }
    g->ClerkAdviceToday = 2;
    g->DaysSinceRobbery = 49;
    g->DaysSinceDisaster = 0;
    g->ReportTicks = 12;

    DayClose(*g);

    for (int c = 0; c < kLedgerCategories; ++c) {
        EXPECT_EQ(Income(*g, c, kDay), 0);
        EXPECT_EQ(Expense(*g, c, kDay), 0);
        EXPECT_EQ(Income(*g, c, kMonth), 22);
        EXPECT_EQ(Expense(*g, c, kMonth), 22);
        EXPECT_EQ(Expense(*g, c, kYear), 33);
    }
    EXPECT_EQ(g->CopiesSoldHistory.Daily[0], Value(0));
    EXPECT_EQ(g->CopiesSoldHistory.Daily[1], Value(10));
    EXPECT_EQ(g->CopiesSoldHistory.Daily[11], Value(20));
    EXPECT_EQ(g->CopiesSoldHistory.Daily[12], Value(22));
    EXPECT_EQ(g->ProfitHistory.Daily[0], Value(0));
    EXPECT_EQ(g->ProfitHistory.Daily[1], Value(-10));
    EXPECT_EQ(g->ClerkAdviceToday, Value(0));
    EXPECT_EQ(g->DaysSinceRobbery, Value(50));
    EXPECT_EQ(g->DaysSinceDisaster, Value(1));
    EXPECT_EQ(g->ReportTicks, Value(0));
    EXPECT_EQ(g->LedgerDirty, Value(1));
}

// ---- complaint ----

TEST(ComplaintOpening, CostsThreePopularityNeverBelowZero) {
    struct Case {
        Value before, after;
    };
    const Case cases[] = {{2, 0}, {3, 0}, {4, 1}, {50, 47}, {0, 0}, {Value(), 0}, {104, 101}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.before.asText());
        auto g = EmptyGame();
        g->Popularity = c.before;
        ComplaintOpened(*g);
        EXPECT_EQ(g->Popularity, c.after);
    }
}

TEST(ComplaintOpening, FaceComesFromTheOpinionTableWithOneDraw) {
    auto g = EmptyGame();
    std::set<int> seen;
    for (int n = 0; n < 300; ++n) {
        Random next = g->rng;
        const int d = static_cast<int>(next.next() * 7);
        const std::string face = ComplaintOpened(*g);
        const int k = g->OpinionFace.i();
        EXPECT_EQ(k, kOpinionFaces[d]);
        EXPECT_EQ(face, "Graphic/Human" + std::to_string(k + 1) + ".dat");
        // Exactly one draw was taken.
        EXPECT_EQ(g->rng.next(), next.next());
        seen.insert(k);
    }
    EXPECT_EQ(seen, (std::set<int>{0, 1, 3, 4, 5, 6}));
}

// ---- clerk pop-up ----

void Queue(GameState& g, const std::vector<std::string>& texts) {
    g.ClerkMessageCount = static_cast<int>(texts.size());
    for (std::size_t k = 0; k < texts.size(); ++k) g.ClerkMessages[k] = texts[k];
}

TEST(ClerkPopup, SaysOneQueuedSentenceAndEmptiesTheQueue) {
    auto g = EmptyGame();
    g->ClerkCount = 1;
    g->Person.Look[0] = 4;
    g->Person.Look[1] = 6;
    const std::vector<std::string> texts = {"甲", "乙", "丙"};
    std::set<std::string> said;
    for (int n = 0; n < 60; ++n) {
        Queue(*g, texts);
        g->ClerkMessages[3] = "旧";  // stale, past the count
        g->ClerkPopupTicks = 17;     // an earlier pop-up's count
        const ClerkPopupView v = ClerkPopupOpened(*g);
        EXPECT_EQ(v.speaker, 0);
        EXPECT_EQ(v.face, "Graphic/Human5.dat");
        EXPECT_NE(v.sentence, "旧");
        said.insert(v.sentence);
        EXPECT_EQ(g->ClerkMessageCount, Value(0));
        EXPECT_EQ(g->ClerkPopupTicks, Value(0));
        EXPECT_EQ(g->ClerkAdviceToday, Value(n + 1));
    }
    EXPECT_EQ(said, (std::set<std::string>{"甲", "乙", "丙"}));
}

TEST(ClerkPopup, TwoClerksTakeTurnsByADrawThenTheSentenceIsDrawn) {
    auto g = EmptyGame();
    g->ClerkCount = 2;
    g->Person.Look[0] = 0;
    g->Person.Look[1] = 3;
    std::set<int> speakers;
    for (int n = 0; n < 60; ++n) {
        Queue(*g, {"甲", "乙", "丙", "丁"});
        Random next = g->rng;
        const int speaker = static_cast<int>(next.next() * 2);
        const int sentence = static_cast<int>(next.next() * 4);
        const ClerkPopupView v = ClerkPopupOpened(*g);
        EXPECT_EQ(v.speaker, speaker);
        EXPECT_EQ(v.face, speaker == 0 ? "Graphic/Human1.dat" : "Graphic/Human4.dat");
        EXPECT_EQ(v.sentence, g->ClerkMessages[sentence].asText());
        speakers.insert(v.speaker);
    }
    EXPECT_EQ(speakers, (std::set<int>{0, 1}));
}

TEST(ClerkPopup, EmptyQueueShowsItsFirstEntry) {
    auto g = EmptyGame();
    g->ClerkCount = 1;
    g->ClerkMessages[0] = "书架装满了。";
    g->ClerkMessageCount = 0;
    EXPECT_EQ(ClerkPopupOpened(*g).sentence, "书架装满了。");
    EXPECT_EQ(g->ClerkMessageCount, Value(0));
}

TEST(ClerkPopup, ClosesItselfAtTheTwentyFifthTick) {
    auto g = EmptyGame();
    g->ClerkCount = 1;
    Queue(*g, {"甲"});
    ClerkPopupOpened(*g);
    for (int n = 1; n < kClerkPopupLifeTicks; ++n) EXPECT_FALSE(ClerkPopupTick(*g)) << n;
    EXPECT_TRUE(ClerkPopupTick(*g));
    EXPECT_EQ(g->ClerkPopupTicks, Value(0));
}

TEST(ClerkPopup, AdviceCountGoesBackToZeroWithTheDayClose) {
    auto g = EmptyGame();
    g->ClerkCount = 1;
    for (int n = 0; n < 2; ++n) {
        Queue(*g, {"甲"});
        ClerkPopupOpened(*g);
    }
    EXPECT_EQ(g->ClerkAdviceToday, Value(2));
    DayClose(*g);
    EXPECT_EQ(g->ClerkAdviceToday, Value(0));
}

// ---- headless answers and the month change as the calendar runs it ----

class ReportWindowDefaults : public ::testing::Test {
protected:
    void SetUp() override {
        StartNewGame(g, "测试书店", NewGameStart{});
        Ui().SetClockInterval(100);
        Ui().SetClockEnabled(true);
        ui.onClockChanged = [this] { stood |= !Ui().Clock().ticking(); };
    }
    HeadlessPlatform ui{GameWindowDefaults()};
    ScopedPlatform scoped{ui};
    std::unique_ptr<GameState> game = std::make_unique<GameState>();
    GameState& g = *game;
    bool stood = false;  // the clock stood still at some moment
};

TEST_F(ReportWindowDefaults, ModalReportsCloseTheirPeriodWithTheClockHeld) {
    g.CopiesSoldHistory.Monthly[0] = 30;
    g.ProfitHistory.Daily[0] = 500;
    g.ClerkAdviceToday = 2;
    g.ReportTicks = 9;

    EXPECT_TRUE(Ui().ShowWindow(Window::MonthReport, g));
    EXPECT_TRUE(stood);
    EXPECT_TRUE(Ui().Clock().ticking());
    EXPECT_EQ(g.Bookshop.SalesPoints[0], Value(30));
    EXPECT_EQ(g.CopiesSoldHistory.Monthly[1], Value(30));

    stood = false;
    EXPECT_TRUE(Ui().ShowWindow(Window::DayReport, g));
    EXPECT_TRUE(stood);
    EXPECT_TRUE(Ui().Clock().ticking());
    EXPECT_EQ(g.ProfitHistory.Daily[1], Value(500));
    EXPECT_EQ(g.ClerkAdviceToday, Value(0));
    EXPECT_EQ(g.ReportTicks, Value(0));

    stood = false;
    g.Popularity = 10;
    EXPECT_TRUE(Ui().ShowWindow(Window::Complaint, g));
    EXPECT_TRUE(stood);
    EXPECT_TRUE(Ui().Clock().ticking());
    EXPECT_EQ(g.Popularity, Value(7));
}

TEST_F(ReportWindowDefaults, ClerkPopupLeavesTheClockRunning) {
    g.ClerkCount = 1;
    Queue(g, {"今天是业界新闻的发售日。"});
    EXPECT_TRUE(Ui().ShowWindow(Window::ClerkPopup, g));
    EXPECT_FALSE(stood);
    EXPECT_EQ(g.ClerkMessageCount, Value(0));
    EXPECT_EQ(g.ClerkAdviceToday, Value(1));
    EXPECT_EQ(g.ClerkPopupTicks, Value(0));
}

// The whole new day at a month change, as the calendar runs it with these
// windows' answers: the month report (its close charges the services), the
// new month's charges, then the day report.
struct MonthChange {
    int year, month, lastDay;
    bool turnOfYear;
};

TEST_F(ReportWindowDefaults, MonthEndChargesStayInTheNewMonthAfterTheDayClose) {
    const MonthChange changes[] = {{2026, 4, 30, false}, {2026, 12, 31, true}};
    for (const MonthChange& c : changes) {
        SCOPED_TRACE(c.month);
        StartNewGame(g, "测试书店", NewGameStart{});
        g.Year = c.year;
        g.Month = c.month;
        g.Day = c.lastDay;
        g.Weekday = 0;  // the new day is a Monday: no news
        g.Hour = 23;
        Employ(g, 2, 200000);
        g.InsuranceJoined[1] = 1;
        g.ShopServiceOn[0] = 1;
        FillColumn(g, kMonth, 700);
        FillColumn(g, kYear, 9000);
        for (int k = 0; k <= 12; ++k) {
            g.ProfitHistory.Monthly[k] = 0;
            g.ProfitHistory.Yearly[k] = 0;
        }
        g.ProfitHistory.Monthly[0] = 123;
        g.ProfitHistory.Yearly[0] = 4567;
        const Value funds = g.Funds;
        // The quarter's award ceremony is another window's business.
        ui.windowAnswers[Window::AwardNotice] = [](GameState&) {};

        StartNewDay(g);

        EXPECT_EQ(g.Day, Value(1));
        EXPECT_EQ(g.Month, Value(c.turnOfYear ? 1 : c.month + 1));
        EXPECT_EQ(g.Year, Value(c.turnOfYear ? c.year + 1 : c.year));
        const std::int64_t charges = 200000 + 150000 + 30000;
        const std::int64_t fee = 20000;
        EXPECT_EQ(g.Funds.asInt(), funds.asInt() - fee - charges);
        // The new month's column holds exactly its charges, the day column
        // nothing.
        for (int cat = 0; cat < kLedgerCategories; ++cat) {
            SCOPED_TRACE(cat);
            const std::int64_t charged = cat == Salaries ? 200000 : cat == Rent ? 150000 : cat == Insurance ? 30000 : 0;
            EXPECT_EQ(Expense(g, cat, kMonth), charged);
            EXPECT_EQ(Income(g, cat, kMonth), 0);
            EXPECT_EQ(Expense(g, cat, kDay), 0);
            // The year column: at January only the new year's charges.
            const std::int64_t year = c.turnOfYear ? charged : 9000 + charged + (cat == Services ? fee : 0);
            EXPECT_EQ(Expense(g, cat, kYear), year);
        }
        // The month's and the year's profit: the charges are the new
        // period's, the service fee too.
        EXPECT_EQ(g.ProfitHistory.Monthly[0].asInt(), -fee - charges);
        EXPECT_EQ(g.ProfitHistory.Monthly[1].asInt(), 123);
        if (c.turnOfYear) {
            EXPECT_EQ(g.ProfitHistory.Yearly[0].asInt(), -charges);
            EXPECT_EQ(g.ProfitHistory.Yearly[1].asInt(), 4567 - fee);
        } else {
            EXPECT_EQ(g.ProfitHistory.Yearly[0].asInt(), 4567 - fee - charges);
        }
        // The charges were the closing day's: in the day history's element 1.
        EXPECT_EQ(g.ProfitHistory.Daily[0].asInt(), 0);
        EXPECT_EQ(ui.windowsShown.back(), Window::DayReport);
    }
}

}  // namespace
