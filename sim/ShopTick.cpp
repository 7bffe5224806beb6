#include "sim/ShopTick.h"

#include <cstdint>
#include <string>

#include "business/Earthquake.h"
#include "business/Fire.h"
#include "business/StarPromotion.h"
#include "platform/Platform.h"
#include "shop/Upkeep.h"
#include "sim/NewDay.h"
#include "sim/ClerkAdvice.h"
#include "sim/ClerkMessages.h"
#include "state/FormatMoney.h"
#include "state/SpritePool.h"
#include "floor/ShopEnlargement.h"

namespace {

// A door cover out of sight while the shop is open.
constexpr int kCoverHiddenY = 1000;

struct SpritePos {
    int x, y;
};
// The two automatic doors shut: the cover's height and where the two
// leaves stand (door 0 owns leaf sprites 0 and 1, door 1 leaves 2 and 3).
struct ClosedDoor {
    int coverY;
    SpritePos leaves[2];
};
constexpr ClosedDoor kClosedDoors[2] = {
    {33, {{178, 41}, {194, 33}}},
    {161, {{50, 169}, {66, 161}}},
};

// The day's profit report, by the sign of the day's money flow.
struct ProfitWording {
    int sign;
    const char* tail;
};
constexpr const char* kProfitHead = "今日的利润为";
constexpr ProfitWording kProfitWordings[] = {
    {0, "円。"},
    {1, "円，是黑字。"},
    {-1, "円，是赤字。"},
};

// A sprite entry that was never set (or lies outside the pool) moves
// nothing: it must not drag someone else's sprite along.
bool IsSpriteSlot(const Value& slot) {
    return !slot.isEmpty() && slot.asInt() >= 0 && slot.asInt() < kSpriteSlots;
}

void SetSpriteY(GameState& g, const Value& slot, int y) {
    if (IsSpriteSlot(slot)) g.Sprite.Y[slot.i()] = y;
}

void SetSpritePos(GameState& g, const Value& slot, SpritePos p) {
    if (!IsSpriteSlot(slot)) return;
    g.Sprite.X[slot.i()] = p.x;
    g.Sprite.Y[slot.i()] = p.y;
}

const Value& CoverOf(const GameState& g, int door) { return door == 0 ? g.DoorCoverSprite : g.DoorCoverSprite2; }

// Door 1 only exists once the shop has been enlarged.
bool DoorExists(const GameState& g, int door) { return door == 0 || SideDoorBuilt(g); }

void CloseDoor(GameState& g, int door) {
    if (!DoorExists(g, door)) return;
    const ClosedDoor& d = kClosedDoors[door];
    SetSpriteY(g, CoverOf(g, door), d.coverY);
    SetSpritePos(g, g.Door.LeafSprites[door * 2], d.leaves[0]);
    SetSpritePos(g, g.Door.LeafSprites[door * 2 + 1], d.leaves[1]);
    g.Door.Cycling[door] = 0;
    g.Door.Step[door] = 0;
}

void HideDoorCover(GameState& g, int door) {
    if (DoorExists(g, door)) SetSpriteY(g, CoverOf(g, door), kCoverHiddenY);
}

// The first closed and empty hour after a working day: a clerk tells the
// day's result once.
void ReportDayProfit(GameState& g) {
    g.DayReportDone = 1;
    g.ClerkMessageCount = 0;
    if (g.ClerkCount.asInt() >= 1) {
        const std::int64_t p = g.ProfitHistory.Daily[0].asInt();
        const int sign = p > 0 ? 1 : (p < 0 ? -1 : 0);
        for (const ProfitWording& w : kProfitWordings)
            if (w.sign == sign) QueueClerkMessage(g, kProfitHead + FormatMoney(p) + w.tail);
    }
    ShowQueuedClerkMessages(g);
}

// The shop is closed and nobody is inside: the hours run fast and the doors
// are shut behind their covers.
void CloseShop(GameState& g) {
    if (g.DayReportDone.asInt() == 0) ReportDayProfit(g);
    g.TicksPerHour = kHourTicksClosedEmpty;
    CloseDoor(g, 0);
    CloseDoor(g, 1);
}

}  // namespace

void RunHourStep(GameState& g) {
    g.HourTicks = 0;
    g.Hour = g.Hour.asInt() + 1;
    g.ShopInfoDirty = 1;
    g.CaptionDirty = 1;
    Ui().SwitchDayNightSheet(g);

    // Advice looks at ShopOpen before it is recomputed: the hour that has
    // just ended.
    GiveClerkAdvice(g);

    // The closing hour itself still counts as open.
    const std::int64_t h = g.Hour.asInt();
    if (h >= g.OpeningHour.asInt() && h <= g.ClosingHour.asInt()) {
        DrawCustomerComplaint(g);
        g.DayReportDone = 0;
        g.ShopOpen = 1;
    } else {
        g.ShopOpen = 0;
    }

    if (g.ShopOpen.asInt() == 0 && NobodyInside(g)) {
        CloseShop(g);
    } else {
        g.TicksPerHour = kHourTicksOpen;
        HideDoorCover(g, 0);
        HideDoorCover(g, 1);
    }

    // Both disaster draws are made at every hour change, the earthquake's first.
    DrawEarthquake(g);
    DrawFireOutbreak(g);

    // After hours the hour waits for the last person to go out.
    if (!WithinWorkingHours(g) && !NobodyInside(g)) g.TicksPerHour = kHourTicksOvertime;

    OrderAutomaticCleaning(g);
    if (g.Hour.asInt() == g.OpeningHour.asInt()) TestStarPromotion(g);

    // The new day comes last, after every other hourly step.
    if (g.Hour.asInt() >= kHoursPerDay) StartNewDay(g);
}

void ShopTick(GameState& g) {
    (void)g.Rnd();

    // While a fire burns the clock stands still and the flames spread.
    if (g.FireBurning.asInt() == 1) StepFire(g);

    // A full hour is any count at or past the hour's length, so a length
    // lowered below the count already reached still ends the hour.
    g.HourTicks = g.HourTicks.asInt() + 1;
    if (g.HourTicks.asInt() < g.TicksPerHour.asInt()) return;
    RunHourStep(g);
}
