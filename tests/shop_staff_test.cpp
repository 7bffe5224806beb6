// Hiring, dismissing and paying clerks, without windows.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <functional>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "platform/headless/HeadlessPlatform.h"
#include "shop/ClerkSettings.h"
#include "shop/Salary.h"
#include "shop/Staff.h"
#include "sim/Clerk.h"
#include "state/HourLength.h"
#include "state/Ledger.h"
#include "savegame/SaveGame.h"
#include "state/NewGame.h"
#include "tests/TestSupport.h"
#include "tests/TestShop.h"

namespace {

std::unique_ptr<GameState> NewShop() {
    return NewTestShop();
}

// Hires applicant `row` as if the hire list had offered it first.
void Hire(GameState& g, int row) {
    g.TodayApplicants[0] = row;
    g.ApplicantTally = 1;
    ASSERT_TRUE(HireApplicant(g, 0));
}

int FigureOf(const GameState& g, int personRow) { return g.Person.Sprite[personRow].i(); }

// The hire list worked out on the side, from a copy of the generator and
// who cannot be offered: the length 6..11; when nobody is free (employed
// and offered aside) everybody not employed is free again; then for each
// position rows of the whole table until a free one comes up, and with
// nobody free left, no more positions. Returns the rows and leaves `r`
// where the list leaves it.
std::vector<int> ExpectedHireList(Random& r, std::vector<bool> unavailable, const std::vector<bool>& employed) {
    const int table = static_cast<int>(unavailable.size());
    const int length = 6 + static_cast<int>(r.next() * 6);
    auto anyFree = [&] { return std::find(unavailable.begin(), unavailable.end(), false) != unavailable.end(); };
    if (!anyFree()) unavailable = employed;
    std::vector<int> rows;
    while (static_cast<int>(rows.size()) < length && anyFree()) {
        for (;;) {
            const int j = static_cast<int>(r.next() * table);
            if (unavailable[j]) continue;
            unavailable[j] = true;
            rows.push_back(j);
            break;
        }
    }
    return rows;
}

}  // namespace

TEST(StaffHireList, EachOpeningDrawsRowsOfTheWholeTableAndLeavesTheGeneratorThere) {
    struct Case {
        const char* what;
        std::function<void(GameState&)> before;
        int shortList;      // the list's length when the pool runs dry, else -1
        bool startsAfresh;  // everybody free was offered: the marks are cleared first
    };
    const Case cases[] = {
        {"a fresh game", [](GameState&) {}, -1, false},
        {"after two earlier lists",
         [](GameState& g) {
             DrawTodayApplicants(g);
             DrawTodayApplicants(g);
         },
         -1, false},
        {"after a hire from an earlier list",
         [](GameState& g) {
             DrawTodayApplicants(g);
             DrawTodayApplicants(g);
             ASSERT_TRUE(HireApplicant(g, 2));
         },
         -1, false},
        {"two clerks, three left to offer",
         [](GameState& g) {
             g.Applicant.Employed[0] = 1;
             g.Applicant.Employed[39] = 1;
             for (int i = 1; i < 39; ++i)
                 if (i != 5 && i != 20 && i != 33) g.Applicant.Drawn[i] = 1;
         },
         3, false},
        {"the last one left", [](GameState& g) {
             for (int i = 0; i < 40; ++i) g.Applicant.Drawn[i] = i == 38 ? 0 : 1;
         },
         1, false},
        {"everybody offered", [](GameState& g) {
             for (int i = 0; i < 40; ++i) g.Applicant.Drawn[i] = 1;
         },
         -1, true},
        {"two clerks, everybody else offered",
         [](GameState& g) {
             g.Applicant.Employed[0] = 1;
             g.Applicant.Employed[39] = 1;
             for (int i = 1; i < 39; ++i) g.Applicant.Drawn[i] = 1;
         },
         -1, true},
    };
    for (const Case& c : cases) {
        for (std::uint64_t seed : {1u, 2u, 3u}) {
            SCOPED_TRACE(testing::Message() << c.what << ", seed " << seed);
            auto g = NewTestShop({.seed = seed});
            c.before(*g);
            std::vector<bool> unavailable(40), employed(40);
            std::vector<int> markedBefore;
            for (int i = 0; i < 40; ++i) {
                employed[i] = g->Applicant.Employed[i].asInt() != 0;
                unavailable[i] = employed[i] || g->Applicant.Drawn[i].asInt() != 0;
                if (g->Applicant.Drawn[i].asInt() != 0 && !c.startsAfresh) markedBefore.push_back(i);
            }
            Random expected = g->rng;
            const std::vector<int> rows = ExpectedHireList(expected, unavailable, employed);

            const int tally = DrawTodayApplicants(*g);

            ASSERT_EQ(tally, static_cast<int>(rows.size()));
            EXPECT_EQ(g->ApplicantTally.asInt(), tally);
            if (c.shortList >= 0)
                EXPECT_EQ(tally, c.shortList);
            else
                EXPECT_GE(tally, 6);
            for (int k = 0; k < tally; ++k) EXPECT_EQ(g->TodayApplicants[k].i(), rows[k]) << "position " << k;
            EXPECT_EQ(g->rng.next(), expected.next()) << "the generator stands where the list leaves it";

            // Marked: those marked before (unless the list started afresh)
            // and those on this list, nobody else.
            std::set<int> marked(markedBefore.begin(), markedBefore.end());
            marked.insert(rows.begin(), rows.end());
            for (int i = 0; i < 40; ++i) EXPECT_EQ(g->Applicant.Drawn[i].asInt(), marked.count(i)) << i;
        }
    }
}

TEST(StaffHireList, OpeningsWithoutAHireGoRoundThePoolAgain) {
    auto g = NewShop();
    Hire(*g, 7);  // one employed: 39 can be offered

    // Opening after opening, every free applicant comes up once, the last
    // list cut short where the pool ends.
    std::set<int> offered;
    for (int openings = 1; offered.size() < 39; ++openings) {
        ASSERT_LT(openings, 8);
        const int tally = DrawTodayApplicants(*g);
        ASSERT_EQ(g->ApplicantTally.asInt(), tally);
        ASSERT_LE(tally, 11);
        EXPECT_GE(tally, std::min<int>(6, 39 - static_cast<int>(offered.size())));
        for (int k = 0; k < tally; ++k) {
            const int row = g->TodayApplicants[k].i();
            EXPECT_NE(row, 7) << "an employed applicant is never offered";
            EXPECT_TRUE(offered.insert(row).second) << "applicant " << row << " offered twice";
        }
    }

    // The pool is dry: the next opening offers everybody not employed again,
    // a full list, marked afresh, from which a hire is made.
    const int again = DrawTodayApplicants(*g);
    ASSERT_GE(again, 6);
    std::set<int> listed;
    for (int k = 0; k < again; ++k) listed.insert(g->TodayApplicants[k].i());
    EXPECT_EQ(listed.size(), static_cast<std::size_t>(again));
    EXPECT_EQ(listed.count(7), 0u);
    for (int i = 0; i < 40; ++i) EXPECT_EQ(g->Applicant.Drawn[i].asInt(), listed.count(i)) << i;

    const int hired = g->TodayApplicants[again - 1].i();
    ASSERT_TRUE(HireApplicant(*g, again - 1));
    EXPECT_EQ(g->Applicant.Employed[hired].asInt(), 1);
    EXPECT_EQ(g->ClerkCount.asInt(), 2);
    for (int i = 0; i < 40; ++i) EXPECT_EQ(g->Applicant.Drawn[i].asInt(), 0) << i;

    std::string bytes, why;
    ASSERT_TRUE(SerializeGame(*g, bytes, &why)) << why;
    auto back = std::make_unique<GameState>();
    ASSERT_TRUE(DeserializeGame(bytes, *back, &why)) << why;
    EXPECT_EQ(back->ClerkCount.asInt(), 2);
}

TEST(StaffHire, PaysOneMonthAndRebuildsTheClerkRows) {
    auto g = NewShop();
    const auto funds = g->Funds.asInt();
    g->Person.State[0] = ClerkAtPostA;  // the clerk on the floor is not the rebuild's business
    g->Applicant.Energy[5] = 80;

    Hire(*g, 5);  // 山中 真木, 440,000 円
    EXPECT_EQ(g->Funds.asInt(), funds - 440'000);
    for (int period = 0; period < 3; ++period)
        EXPECT_EQ(g->Ledger.Expense[Salaries][period].whole(), 440'000) << "period " << period;
    EXPECT_EQ(g->Applicant.Employed[5].asInt(), 1);
    EXPECT_EQ(g->Applicant.Energy[5].asInt(), 50);
    EXPECT_EQ(g->Person.Name[0], g->Applicant.Name[5]);
    EXPECT_EQ(g->Person.TasteText[0], Value("店铺的店员"));
    EXPECT_EQ(g->Person.Look[0].asInt(), 4);

    // A second clerk from a lower applicant row takes person row 0.
    Hire(*g, 2);
    EXPECT_EQ(g->Person.Name[0], g->Applicant.Name[2]);
    EXPECT_EQ(g->Person.Age[0].asInt(), 22);
    EXPECT_EQ(g->Person.Name[1], g->Applicant.Name[5]);
    EXPECT_EQ(g->EmployedList[0].asInt(), 2);
    EXPECT_EQ(g->EmployedList[1].asInt(), 5);
    for (const Value* count : {&g->ClerkCount, &g->ClerkRowCount, &g->EmployedListCount})
        EXPECT_EQ(count->asInt(), 2);
    EXPECT_EQ(g->Person.State[0].asInt(), ClerkAtPostA);

    // Hiring while open is allowed, and the funds are not checked.
    g->ShopOpen = 1;
    g->Funds = 100'000;
    Hire(*g, 15);
    EXPECT_EQ(g->Funds.asInt(), 100'000 - 560'000);
    EXPECT_EQ(g->GameOverReason.asInt(), 1);
}

class StaffDismissTest : public ::testing::Test {
protected:
    void SetUp() override {
        g = NewShop();
        Hire(*g, 4);
        Hire(*g, 9);
        g->ShopOpen = 0;
        g->Popularity = 60;
    }
    std::unique_ptr<GameState> g;
    HeadlessPlatform ui;
    ScopedPlatform scoped{ui};
};

TEST_F(StaffDismissTest, RefusedWhileOpenAndOnNo) {
    g->ShopOpen = 1;
    EXPECT_FALSE(DismissClerk(*g, 0));
    ASSERT_EQ(ui.shown.size(), 1u);
    EXPECT_EQ(ui.shown[0].text, "现在正在营业中，请在打烊后进行店员的解雇。");
    EXPECT_EQ(ui.shown[0].style, MsgStyle::Information);
    EXPECT_EQ(ui.shown[0].title, "Quillmart");

    g->ShopOpen = 0;
    ui.answers = {MsgAnswer::No};
    EXPECT_FALSE(DismissClerk(*g, 0));
    ASSERT_EQ(ui.shown.size(), 2u);
    EXPECT_EQ(ui.shown[1].text, "真的要解雇吗？");
    EXPECT_EQ(ui.shown[1].style, MsgStyle::Question);
    EXPECT_EQ(ui.shown[1].title, std::string(18, ' ') + "Quillmart");

    EXPECT_EQ(g->Popularity.asInt(), 60);
    EXPECT_EQ(g->ClerkCount.asInt(), 2);
    EXPECT_EQ(g->Applicant.Employed[4].asInt(), 1);
    EXPECT_EQ(g->EmployedListCount.asInt(), 2);
}

TEST_F(StaffDismissTest, EitherListPositionLeavesTheOtherClerkInRowZero) {
    const struct {
        int listPos;
        int dismissedRow, keptRow;
        int popularityBefore, popularityAfter;
    } cases[] = {{0, 4, 9, 60, 55}, {1, 9, 4, 3, -2}};
    for (const auto& c : cases) {
        SetUp();
        g->Popularity = c.popularityBefore;
        ASSERT_TRUE(DismissClerk(*g, c.listPos));
        EXPECT_EQ(g->Applicant.Employed[c.dismissedRow].asInt(), 0);
        EXPECT_EQ(g->Popularity.asInt(), c.popularityAfter);
        for (const Value* count : {&g->ClerkCount, &g->ClerkRowCount, &g->EmployedListCount})
            EXPECT_EQ(count->asInt(), 1);
        EXPECT_EQ(g->EmployedList[0].asInt(), c.keptRow);
        EXPECT_EQ(g->Person.Name[0], g->Applicant.Name[c.keptRow]);
        EXPECT_EQ(g->Sprite.X[FigureOf(*g, c.listPos)].asInt(), kDismissedFigureX);
        // Row 1 has no clerk any more: it is off the floor.
        EXPECT_EQ(g->Sprite.Y[FigureOf(*g, 1)].asInt(), -64);
        EXPECT_EQ(g->Person.State[1].asInt(), ClerkAbsent);
        EXPECT_EQ(g->ShopDetailsDirty.asInt(), 1);
        EXPECT_EQ(g->ClerkInfoDirty.asInt(), 1);
    }
}

TEST_F(StaffDismissTest, ClerksStillInsideAreCountedOut) {
    // After hours with a customer still inside: both clerks at their posts.
    g->CustomersInside = 1;
    g->ClerksInside = 2;
    g->TicksPerHour = kHourTicksOvertime;
    g->Person.State[0] = ClerkAtPostA;
    g->Person.State[1] = ClerkAtPostB;
    g->RegisterSlot.ClerkState[0] = ClerkAtRegister;
    g->RegisterSlot.ClerkState[1] = ClerkAtRegister;

    ASSERT_TRUE(DismissClerk(*g, 1));
    EXPECT_EQ(g->ClerksInside.asInt(), 1);
    EXPECT_EQ(g->RegisterSlot.ClerkState[0].asInt(), ClerkAtRegister);
    EXPECT_EQ(g->RegisterSlot.ClerkState[1].asInt(), Unattended);  // nobody serves there now
    EXPECT_EQ(g->Person.State[0].asInt(), ClerkAtPostA);
    EXPECT_EQ(g->TicksPerHour.asInt(), kHourTicksOvertime);

    // The last clerk, on the way to the door with the shop otherwise empty:
    // counted out, and the hour ends soon as when the last one leaves.
    g->CustomersInside = 0;
    g->Person.State[0] = ClerkToDoor;
    ASSERT_TRUE(DismissClerk(*g, 0));
    EXPECT_EQ(g->ClerksInside.asInt(), 0);
    EXPECT_EQ(g->ClerkRowCount.asInt(), 0);
    for (int row = 0; row < 2; ++row) {
        EXPECT_EQ(g->Person.State[row].asInt(), ClerkAbsent);
        EXPECT_EQ(g->Sprite.Y[FigureOf(*g, row)].asInt(), -64);
    }
    EXPECT_EQ(g->TicksPerHour.asInt(), kHourTicksLastLeft);
}

TEST_F(StaffDismissTest, ADismissedClerkCanBeHiredAgainAtItsSalary) {
    g->Applicant.Salary[9] = 123'000;
    ASSERT_TRUE(DismissClerk(*g, 1));
    EXPECT_EQ(g->Applicant.Salary[9].asInt(), 123'000);

    const auto funds = g->Funds.asInt();
    Hire(*g, 9);
    EXPECT_EQ(g->Funds.asInt(), funds - 123'000);
    EXPECT_EQ(g->EmployedList[1].asInt(), 9);
}

TEST(SalarySpin, StepGrowsWithTheTicksHeld) {
    const struct {
        int ticks, step;
    } steps[] = {{0, 1'000}, {9, 1'000}, {10, 5'000}, {19, 5'000}, {20, 10'000}, {500, 10'000}};
    for (const auto& s : steps) EXPECT_EQ(SpinStep(s.ticks), s.step) << "after " << s.ticks << " ticks";
}

TEST(SalarySpin, HeldArrowOverTicks) {
    const struct {
        int salary;
        SalarySpin direction;
        int heldBefore;  // ticks the arrow was already held
        int ticks;
        int expected;
    } cases[] = {
        {200'000, SpinUp, 0, 10, 210'000},
        {200'000, SpinUp, 0, 20, 260'000},
        {200'000, SpinUp, 0, 25, 310'000},
        {4'995'000, SpinUp, 20, 1, 5'005'000},
        {4'995'000, SpinUp, 20, 5, 5'005'000},  // stops above the limit
        {5'000'000, SpinUp, 20, 3, 5'010'000},
        {3'000, SpinDown, 10, 1, 0},
        {5'000, SpinDown, 10, 1, 0},
        {8'000, SpinDown, 10, 1, 3'000},
        {0, SpinDown, 0, 4, 0},
        {200'000, SpinNone, 0, 5, 200'000},
    };
    for (const auto& c : cases) {
        GameState g;
        g.EditedSalary[1] = c.salary;
        PressSalaryArrow(g, c.direction);
        g.SpinHoldTicks = c.heldBefore;
        for (int t = 0; t < c.ticks; ++t) SalarySpinTick(g, 1);
        EXPECT_EQ(g.EditedSalary[1].asInt(), c.expected)
            << c.salary << " held " << static_cast<int>(c.direction) << " for " << c.ticks << " ticks";
        EXPECT_EQ(g.EditedSalary[0], Value()) << "only the selected clerk changes";
    }
}

TEST(SalarySpin, ReleaseStopsTheArrow) {
    GameState g;
    g.EditedSalary[0] = 200'000;
    PressSalaryArrow(g, SpinUp);
    for (int t = 0; t < 12; ++t) SalarySpinTick(g, 0);
    ReleaseSalaryArrow(g);
    EXPECT_EQ(g.SalarySpinDirection.asInt(), 0);
    EXPECT_EQ(g.SpinHoldTicks.asInt(), 0);
    SalarySpinTick(g, 0);
    EXPECT_EQ(g.EditedSalary[0].asInt(), 220'000);
    // The next press starts again at the small step.
    PressSalaryArrow(g, SpinDown);
    SalarySpinTick(g, 0);
    EXPECT_EQ(g.EditedSalary[0].asInt(), 219'000);
}

TEST(SalaryConfirm, WritesThePendingSalariesOfTheEmployedOnly) {
    auto g = NewShop();
    Hire(*g, 12);
    LoadEditedSalaries(*g);
    EXPECT_EQ(g->EditedSalary[0].asInt(), 300'000);
    g->EditedSalary[0] = 90'000;
    g->EditedSalary[1] = 1;  // no second clerk: not written anywhere
    ConfirmSalaries(*g);
    EXPECT_EQ(g->Applicant.Salary[12].asInt(), 90'000);
    EXPECT_EQ(g->Applicant.Salary[0].asInt(), 240'000);
    EXPECT_EQ(g->Applicant.Salary[1].asInt(), 320'000);
    EXPECT_EQ(g->ClerkInfoDirty.asInt(), 1);

    Hire(*g, 1);
    LoadEditedSalaries(*g);
    EXPECT_EQ(g->EditedSalary[0].asInt(), 320'000);  // list position 0 is the lower row
    EXPECT_EQ(g->EditedSalary[1].asInt(), 90'000);
    g->EditedSalary[0] = 330'000;
    g->EditedSalary[1] = 95'000;
    ConfirmSalaries(*g);
    EXPECT_EQ(g->Applicant.Salary[1].asInt(), 330'000);
    EXPECT_EQ(g->Applicant.Salary[12].asInt(), 95'000);
}

TEST(ClerkSettings, ChoicesShowAndStoreTheOrders) {
    const struct {
        Value stored;
        int choice;
    } levels[] = {{Value(), 0}, {0, 0}, {1, 1}, {3, 3}, {4, 4}, {9, 0}};
    for (const auto& c : levels) EXPECT_EQ(AutoCleanChoiceFor(c.stored), c.choice) << c.stored.asText();
    const struct {
        Value stored;
        int choice;
    } methods[] = {{Value(), 1}, {0, 1}, {1, 0}, {2, 1}, {3, 2}, {7, 1}};
    for (const auto& c : methods) EXPECT_EQ(CleaningMethodChoiceFor(c.stored), c.choice) << c.stored.asText();

    GameState g;
    StoreClerkSettings(g, 3, 2);  // "脏乱度在40以上时进行清扫", "仔细"
    EXPECT_EQ(g.AutoCleanLevel.asInt(), 3);
    EXPECT_EQ(g.CleaningMethod.asInt(), 3);
    StoreClerkSettings(g, 0, CleaningMethodChoiceFor(Value()));  // a new game's "确定"
    EXPECT_EQ(g.AutoCleanLevel.asInt(), 0);
    EXPECT_EQ(g.CleaningMethod.asInt(), 2);
}

TEST(StaffCard, ShowsTheApplicant) {
    auto g = NewShop();
    const StaffCard c = ApplicantCard(*g, 0);
    EXPECT_EQ(c.name, "大阪 大河");
    EXPECT_EQ(c.age, "17岁");
    EXPECT_EQ(c.ability, "64/100");
    EXPECT_EQ(c.energy, "50/100");
    EXPECT_EQ(c.salary, "24万0000円");
    EXPECT_EQ(c.face, "Graphic/Human2.dat");  // look 1
    EXPECT_EQ(FacePicture(0), "Graphic/Human1.dat");
    EXPECT_EQ(FacePicture(7), "Graphic/Human8.dat");
}
