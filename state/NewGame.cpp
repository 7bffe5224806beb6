#include "state/NewGame.h"

#include <chrono>
#include <ctime>

#include "state/BookCatalogue.h"
#include "state/EquipmentCatalogue.h"
#include "state/FloorWalls.h"
#include "state/Gbk.h"
#include "state/MagazineCatalogue.h"
#include "state/PeopleCatalogue.h"
#include "state/Scenery.h"
#include "state/SpritePool.h"
#include "state/StateLayout.h"

NewGameStart NewGameStart::FromSystemClock() {
    NewGameStart s;
    std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    s.year = local.tm_year + 1900;
    s.month = local.tm_mon + 1;
    s.day = local.tm_mday;
    s.weekday = local.tm_wday;
    s.hour = local.tm_hour;
    s.seed = static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count()) ^
             static_cast<std::uint64_t>(now);
    return s;
}

namespace {
// The years a new game leaves its calendar, at the least.
constexpr int kCenturyOfPlay = 100;
}  // namespace

long long NewGameStart::LatestYear() { return Layout().find("Year")->rule.hi - kCenturyOfPlay; }

bool NewGameStart::FromDate(int year, int month, int day, int hour, std::uint64_t seed, NewGameStart& out) {
    using namespace std::chrono;
    // Year 0 and before are no game years (the saved game refuses them).
    // The month and the day are checked before std::chrono keeps each in a
    // byte (day 257 would pass for day 1).
    if (year < 1 || year > LatestYear() || month < 1 || month > 12 || day < 1 || day > 31 || hour < 0 || hour > 23)
        return false;
    // The computer's calendar repeats itself every 400 years, weekdays and
    // leap days alike (146,097 days, a whole number of weeks), so a year of
    // that cycle near ours stands in for any year; std::chrono's own years
    // end at 32767.
    constexpr int kCycleYears = 400, kCycleBase = 2000;
    const year_month_day ymd{std::chrono::year{kCycleBase + year % kCycleYears},
                             std::chrono::month{static_cast<unsigned>(month)},
                             std::chrono::day{static_cast<unsigned>(day)}};
    if (!ymd.ok()) return false;
    out.year = year;
    out.month = month;
    out.day = day;
    out.hour = hour;
    out.seed = seed;
    out.weekday = static_cast<int>(std::chrono::weekday{sys_days{ymd}}.c_encoding());
    return true;
}

void ResetGameState(GameState& g) {
    const SaveLayout& L = Layout();
    for (const ColumnDef* c : L.scalars()) {
        if (!c->survivesReset) c->set(g, 0, 0, Value());
    }
    for (const SaveGroup& grp : L.groups) {
        if (grp.ledger) {
            g.Ledger.Income = {};
            g.Ledger.Expense = {};
            continue;
        }
        int last = grp.fixedLast;
        if (grp.counter) {
            // The count is read once; one row past the last filled one is emptied too.
            long long n = grp.counter->get(g, 0).asInt();
            last = static_cast<int>(n < 0 ? 0 : (n > grp.capacity() ? grp.capacity() : n));
        }
        for (int i = 0; i <= last; ++i)
            for (const auto& line : grp.lines)
                for (const FieldRef& f : line) f.col->set(g, i, f.sub, Value());
        if (grp.counter) grp.counter->set(g, 0, 0, Value());
    }
}

namespace {

// The fixed scenery of the small shop; piece k takes sprite slot k - 1.
constexpr SceneryPiece kScenery[] = {
    {161, 98, 474, 128, 30, 34, 0, SceneryPiece::Scenery},
    {188, 106, 501, 136, 36, 41, 0, SceneryPiece::Scenery},
    {222, 121, 535, 151, 26, 31, 0, SceneryPiece::Scenery},
    {111, 92, 518, 367, 158, 98, 140, SceneryPiece::Scenery},
    {269, 143, 676, 367, 206, 91, 140, SceneryPiece::Scenery},
    {142, 45, 122, 128, 37, 48, -4, SceneryPiece::None},
    {142, 45, 122, 128, 17, 48, 26, SceneryPiece::None},
    {205, 3, 236, 128, 86, 59, 16, SceneryPiece::None},
    {171, 29, 352, 128, 42, 21, 100, SceneryPiece::None},
    {178, 1000, 442, 128, 32, 45, -4, SceneryPiece::DoorCover},
    {178, 41, 394, 128, 16, 37, 0, SceneryPiece::Leaf0},
    {194, 33, 410, 128, 16, 37, 0, SceneryPiece::Leaf1},
    {100, 102, 426, 128, 16, 30, 20, SceneryPiece::Scenery},
    {84, 110, 426, 128, 16, 30, 20, SceneryPiece::Scenery},
    {68, 118, 426, 128, 16, 30, 20, SceneryPiece::Scenery},
    {52, 126, 426, 128, 16, 30, 20, SceneryPiece::Scenery},
    {36, 134, 426, 128, 16, 30, 20, SceneryPiece::Scenery},
    {20, 142, 426, 128, 16, 30, 20, SceneryPiece::Scenery},
    {4, 150, 426, 128, 16, 30, 20, SceneryPiece::Scenery},
    {-12, 158, 426, 128, 16, 30, 20, SceneryPiece::Scenery},
};

// One seed, then one draw thrown away.
void SeedTheGenerator(GameState& g, std::uint64_t seed) {
    g.rng.seed(seed);
    (void)g.Rnd();
}

// The catalogues start empty; FillCatalogues counts them up.
void EmptyCatalogueCounts(GameState& g) {
    g.RegisterTypeCount = 0;
    g.PersonCount = 0;
    g.FixtureTypeCount = 0;
    g.ApplicantCount = 0;
}

// The shop and the player's settings.
void SetShopAndSettings(GameState& g) {
    g.StarLevel = 1;
    g.Dirtiness = 0;
    g.Popularity = 10;
    g.QuakeResistance = 15;
    g.Fame = 10;
    g.ShowClerkMessages = 1;
    g.ReportManualClose = 0;
    g.ShopSize = 1;
    g.SoundOn = 1;
    g.GameSpeed = 5;
    g.ReportCloseSpeed = 8;
    g.TotalCustomers = 0;
    g.RegisterSlot.ServiceTime[0] = 10;
    g.RegisterSlot.ServiceTime[1] = 10;
    g.BookshopCount = 1;
    g.OpeningHour = kOpeningHour;
    g.ClosingHour = kClosingHour;
    g.CleaningOrdered = 0;
    g.BookCount = 0;
    g.BookTally = 0;
    g.BorrowLimit = 0;
    g.CopiesSoldHistory.Monthly[0] = 0;
    g.SpareValue14 = 0;
    g.FloorIconPhase = 0;
}

// The award contest starts at a ceremony number from 1 to 15.
void DrawFirstAwardRound(GameState& g) { g.AwardRound = g.RndInt(15) + 1; }

// The working columns of the titles, the people and the floor start at 0.
void ClearWorkingColumns(GameState& g) {
    for (int row = 0; row < 513; ++row) {
        g.Magazine.IssueSales[row][0] = 0;
        g.Magazine.IssueSales[row][1] = 0;
    }
    for (int row = 0; row < 257; ++row) {
        g.Person.State[row] = 0;
        g.Person.HeadingSet[row] = 0;
        g.Person.Visits[row] = 0;
        g.Person.Satisfaction[row] = 0;
        g.Person.Heading[row] = 0;
        g.Person.StateTicks[row] = 0;
    }
    g.ServedCount[0] = 0;
    g.ServedCount[1] = 0;
    for (int i = 0; i < 513; ++i) {
        auto& m = g.Magazine;
        m.Name[i] = m.Price[i] = m.IssueDayText[i] = m.Description[i] = m.Cost[i] = m.StandingOrder[i] =
            m.Stock[i] = 0;
        auto& b = g.Book;
        b.Title[i] = b.Cost[i] = b.Price[i] = b.Description[i] = b.Flag[i] = b.Spare1[i] = 0;
        g.BookDisplayOrder[i] = 0;
        b.GenreText[i] = b.StandingOrder[i] = b.Stock[i] = b.CopiesSold[i] = 0;
        g.BookCandidateList[i] = 0;
        b.KeepReordering[i] = 1;
        g.FloorGrid[i] = {};
    }
    g.Ledger.Income = {};
    g.Ledger.Expense = {};
    for (auto& u : g.UseCount) u = 0;
}

// The opening funds, the magazine chart's scale and the empty sales counts.
void SetOpeningFunds(GameState& g) {
    g.MagazineChartScale = 3120;
    g.ShelfCapacity = 0;
    g.SpareValue20 = 0;
    g.CopiesSold = 0;
    g.CopiesOnShelves = 0;
    g.SpareValue17 = 0;
    g.Funds = 4000000;
}

// The calendar starts at the computer's date and hour.
void StartTheCalendar(GameState& g, const NewGameStart& start) {
    g.Year = start.year;
    g.Month = start.month;
    g.Day = start.day;
    g.Weekday = start.weekday;
    g.Hour = start.hour;
}

// Scenery, door cover and the leaves of the upper door.
void PlaceTheScenery(GameState& g) {
    g.SceneryCount = 0;
    SpawnSceneryPieces(g, kScenery);
}

void FillCatalogues(GameState& g) {
    AddBuiltInMagazines(g);
    AddBuiltInBooks(g);
    AddBuiltInPersons(g);
    AddBuiltInApplicants(g);
    AddBuiltInRivalShops(g);
    AddBuiltInEquipment(g);
}

// The cover keeps the depth key it got out of sight at y 1000, so it is
// drawn over everything else.
void ShowTheDoorCover(GameState& g) { g.Sprite.Y[g.DoorCoverSprite.i()] = 33; }

}  // namespace

void InitNewGame(GameState& g, const NewGameStart& start) {
    SeedTheGenerator(g, start.seed);
    EmptyCatalogueCounts(g);
    SetShopAndSettings(g);
    DrawFirstAwardRound(g);
    ClearWorkingColumns(g);
    SetOpeningFunds(g);
    StartTheCalendar(g, start);
    PlaceTheScenery(g);
    FillCatalogues(g);
    LayNewGameWalls(g);
    ShowTheDoorCover(g);
}

NameCheck CheckShopName(const std::string& name) {
    if (name.empty()) return NameCheck::Empty;
    if (name.find('"') != std::string::npos) return NameCheck::HasQuote;
    int chars = 0;
    for (unsigned char c : name)
        if ((c & 0xC0) != 0x80) ++chars;  // count UTF-8 lead bytes
    if (chars > kShopNameMaxChars) return NameCheck::TooLong;
    if (!IsGbkText(name)) return NameCheck::NotGbk;
    return NameCheck::Ok;
}

void InitProgramState(GameState& g) {
    g.VersionText = kVersionText;
    g.GameTitle = kGameTitle;
    LayStartupWalls(g);
}
