#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/headless/HeadlessPlatform.h"
#include "sim/ClerkAdvice.h"
#include "sim/ShopTick.h"
#include "state/NewGame.h"
#include "tests/TestSupport.h"
#include "tests/TestShop.h"

namespace {

constexpr int kClerk = 3;      // applicant row of the employed clerk
constexpr int kLowPaid = 5;    // a second clerk's row

const char* const kSalary = "薪资太少，希望能提高些。";
const char* const kNoRegister = "没有收银机……";
const char* const kFunds = "店长，资金不够快要破产了。快贷款吧!";
const char* const kNoStock = "店长，没有书可卖了。";
const char* const kPhoto = "店长，为什么不提供照片冲印服务呢？";
const char* const kDelivery = "店长，为什么不受理宅配送服务呢？";
const char* const kPoster = "店长，在店铺中提供处理海报服务吧。";
const char* const kTokens = "店长，在这家店中提供图书卷的话，会很方便喔!";
const char* const kQuakeVeryLow = "店长，抗震度太低了。快提升吧!";
const char* const kQuakeLow = "店长，抗震度很低。快提升吧!";
const char* const kDirty = "店长，店内太脏了。";

// An open shop with one well-paid clerk and nothing a clerk would find
// wrong.
std::unique_ptr<GameState> GoodShop(int hour = 12) {
    auto g = NewTestShop({.year = 2026, .month = 4, .day = 1, .hour = hour, .seed = 3});
    g->ClerkCount = 1;
    g->EmployedList[0] = kClerk;
    g->Applicant.Salary[kClerk] = 200000;
    g->Applicant.Salary[kLowPaid] = 80000;
    g->RegisterSlot.Kind[1] = 1;
    g->RegisterSlot.Kind[2] = 1;
    g->ShelvesPerArea[0] = 3;
    g->ShelvesPerArea[1] = 2;
    g->CopiesOnShelves = 40;
    g->OccupiedSlotCount = 5;
    g->QuakeResistance = 50;
    g->Dirtiness = 0;
    g->StarLevel = 1;
    g->ShopOpen = 1;
    g->ShowClerkMessages = 1;
    g->ClerkAdviceToday = 0;
    return g;
}

// Moves the game's generator on until the draws it gives next are what a
// case needs; `want` looks at them on a copy.

std::vector<std::string> Queued(const GameState& g) {
    std::vector<std::string> q;
    for (int i = 0; i < g.ClerkMessageCount.i(); ++i) q.push_back(g.ClerkMessages[i].asText());
    return q;
}

// The windows opened, none of them answered.
struct Windows {
    HeadlessPlatform ui;
    ScopedPlatform scope{ui};
    const std::vector<Window>& shown = ui.windowsShown;
};

}  // namespace

TEST(ClerkAdvice, EachConditionQueuesItsTextInOrder) {
    using Setup = std::function<void(GameState&)>;
    struct Case {
        const char* what;
        Setup setup;
        std::vector<std::string> texts;
    };
    const Case cases[] = {
        {"nothing wrong", [](GameState&) {}, {}},
        {"pay below 100,000", [](GameState& g) { g.Applicant.Salary[kClerk] = 99999; }, {kSalary}},
        {"pay of 100,000", [](GameState& g) { g.Applicant.Salary[kClerk] = 100000; }, {}},
        {"no register by the front shelves", [](GameState& g) { g.RegisterSlot.Kind[1] = 0; }, {kNoRegister}},
        {"no register by the back shelves", [](GameState& g) { g.RegisterSlot.Kind[2] = 0; }, {kNoRegister}},
        {"no registers at all", [](GameState& g) { g.RegisterSlot.Kind[1] = g.RegisterSlot.Kind[2] = 0; },
         {kNoRegister, kNoRegister}},
        {"no register where there are no shelves",
         [](GameState& g) {
             g.RegisterSlot.Kind[2] = 0;
             g.ShelvesPerArea[1] = 0;
         },
         {}},
        // The register itself counts, not the model last bought there.
        {"a register of the first model",
         [](GameState& g) { g.RegisterSlot.TypeIndex[0] = g.RegisterSlot.TypeIndex[1] = 0; }, {}},
        {"a removed register of another model",
         [](GameState& g) {
             g.RegisterSlot.Kind[1] = 0;
             g.RegisterSlot.TypeIndex[0] = 4;
         },
         {kNoRegister}},
        {"funds of 1,000,000", [](GameState& g) { g.Funds = 1000000; }, {kFunds}},
        {"funds above 1,000,000", [](GameState& g) { g.Funds = 1000001; }, {}},
        {"shelves empty", [](GameState& g) { g.CopiesOnShelves = 0; }, {kNoStock}},
        {"nothing placed", [](GameState& g) { g.CopiesOnShelves = g.OccupiedSlotCount = 0; }, {}},
        {"a good month", [](GameState& g) { g.ProfitHistory.Monthly[0] = 50000; }, {kPhoto, kDelivery, kPoster}},
        {"a good month with three stars",
         [](GameState& g) {
             g.ProfitHistory.Monthly[0] = 50000;
             g.StarLevel = 3;
         },
         {kPhoto, kDelivery, kPoster, kTokens}},
        {"a good month, delivery offered",
         [](GameState& g) {
             g.ProfitHistory.Monthly[0] = 60000;
             g.ShopServiceOn[1] = 1;
         },
         {kPhoto, kPoster}},
        {"a month just short", [](GameState& g) { g.ProfitHistory.Monthly[0] = 49999; }, {}},
        {"quake resistance 15", [](GameState& g) { g.QuakeResistance = 15; }, {kQuakeVeryLow}},
        {"quake resistance 16", [](GameState& g) { g.QuakeResistance = 16; }, {kQuakeLow}},
        {"quake resistance 30", [](GameState& g) { g.QuakeResistance = 30; }, {kQuakeLow}},
        {"quake resistance 31", [](GameState& g) { g.QuakeResistance = 31; }, {}},
        {"dirt 80", [](GameState& g) { g.Dirtiness = 80; }, {}},
        {"dirt 81", [](GameState& g) { g.Dirtiness = 81; }, {kDirty}},
        {"several at once",
         [](GameState& g) {
             g.Dirtiness = 90;
             g.Funds = 5;
             g.Applicant.Salary[kClerk] = 1;
         },
         {kSalary, kFunds, kDirty}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        auto g = GoodShop();
        Windows w;
        c.setup(*g);
        g->ClerkMessageCount = 9;  // a writer starts from an empty queue
        SteerDraws(*g, [](Random r) { return Below(r, 7); });
        GiveClerkAdvice(*g);
        EXPECT_EQ(Queued(*g), c.texts);
        EXPECT_EQ(w.shown, c.texts.empty() ? std::vector<Window>{} : std::vector<Window>{Window::ClerkPopup});
    }
}

TEST(ClerkAdvice, GateDrawIsMadeEveryTimeAndTheSecondClerkIsDrawn) {
    struct Case {
        const char* what;
        int clerks, shopOpen;
        bool gatePasses;
        int pick;  // the second clerk drawn (two clerks only)
        int draws;
        std::vector<std::string> texts;
    };
    const Case cases[] = {
        {"no clerk", 0, 1, true, 0, 1, {}},
        {"shop was closed", 1, 0, true, 0, 1, {}},
        {"draw misses", 1, 1, false, 0, 1, {}},
        {"one clerk speaks", 1, 1, true, 0, 1, {kDirty}},
        {"two clerks, the well-paid one drawn", 2, 1, true, 0, 2, {kDirty}},
        {"two clerks, the low-paid one drawn", 2, 1, true, 1, 2, {kSalary, kDirty}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        auto g = GoodShop();
        Windows w;
        g->ClerkCount = c.clerks;
        g->EmployedList[1] = kLowPaid;
        g->ShopOpen = c.shopOpen;
        g->Dirtiness = 90;
        g->ClerkMessageCount = 0;
        SteerDraws(*g, [&](Random r) { return Below(r, 7) == c.gatePasses && static_cast<int>(r.next() * 2) == c.pick; });
        Random expected = g->rng;
        for (int i = 0; i < c.draws; ++i) expected.next();

        GiveClerkAdvice(*g);

        EXPECT_EQ(g->rng.next(), expected.next());
        EXPECT_EQ(Queued(*g), c.texts);
    }
}

TEST(ClerkAdvice, PopupAtMostTwiceADayAndOnlyWhenWanted) {
    struct Case {
        int adviceToday, showMessages;
        bool shown;
    };
    const Case cases[] = {{0, 1, true}, {1, 1, true}, {2, 1, false}, {0, 0, false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "today " << c.adviceToday << ", show " << c.showMessages);
        auto g = GoodShop();
        Windows w;
        g->Dirtiness = 90;
        g->ClerkAdviceToday = c.adviceToday;
        g->ShowClerkMessages = c.showMessages;
        SteerDraws(*g, [](Random r) { return Below(r, 7); });
        GiveClerkAdvice(*g);
        EXPECT_EQ(Queued(*g), std::vector<std::string>{kDirty});  // queued either way
        EXPECT_EQ(!w.shown.empty(), c.shown);
    }
}

TEST(ClerkAdvice, SeesTheHourThatHasJustEnded) {
    struct Case {
        const char* what;
        int hourBefore, shopOpenBefore;
        bool advice;
    };
    const Case cases[] = {
        {"the opening hour: the shop was closed", 8, 0, false},
        {"the hour after closing: the shop was open", 21, 1, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        auto g = GoodShop(c.hourBefore);
        Windows w;
        g->ShopOpen = c.shopOpenBefore;
        g->ClerksInside = 1;  // no closing routine with its own message
        g->Dirtiness = 90;
        g->ClerkMessageCount = 0;
        SteerDraws(*g, [](Random r) { return Below(r, 7); });
        RunHourStep(*g);
        EXPECT_EQ(Queued(*g), c.advice ? std::vector<std::string>{kDirty} : std::vector<std::string>{});
        EXPECT_EQ(g->ShopOpen.asInt(), c.hourBefore + 1 <= 21 ? 1 : 0);
    }
}

TEST(CustomerComplaint, DrawnEveryOpenHourAndShownForFreeReading) {
    struct Case {
        const char* what;
        int hourBefore, copiesSold, policy;
        bool hit;
        bool shown;
        int draws;  // by the hour step: advice, the complaint (open hours), earthquake, fire
    };
    const Case cases[] = {
        {"a reader blocks the shelves", 11, 1, 0, true, true, 4},
        {"nothing sold yet", 11, 0, 0, true, false, 4},
        {"one browsing copy", 11, 5, 1, true, false, 4},
        {"reading forbidden", 11, 5, 2, true, false, 4},
        {"the draw misses", 11, 5, 0, false, false, 4},
        {"the closing hour still counts", 20, 5, 0, true, true, 4},
        {"after closing: no draw", 21, 5, 0, true, false, 3},
        {"before opening: no draw", 3, 5, 0, true, false, 3},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        auto g = GoodShop(c.hourBefore);
        Windows w;
        g->ClerkCount = 0;  // no advice in the way
        g->CopiesSold = c.copiesSold;
        g->StandingReadingPolicy = c.policy;
        g->CustomersInside = 1;
        SteerDraws(*g, [&](Random r) {
            r.next();  // the advice gate
            return Below(r, 300) == c.hit;
        });
        Random expected = g->rng;
        for (int i = 0; i < c.draws; ++i) expected.next();

        RunHourStep(*g);

        EXPECT_EQ(w.shown, c.shown ? std::vector<Window>{Window::Complaint} : std::vector<Window>{});
        EXPECT_EQ(g->rng.next(), expected.next());
    }
}
