#include "shop/FacilityRemoval.h"

#include <algorithm>
#include <cstdint>

#include "platform/Platform.h"
#include "shop/FloorSpots.h"
#include "shop/Placement.h"
#include "shop/ShelfFill.h"
#include "state/SpritePool.h"
#include "shop/Litter.h"
#include "state/Counters.h"
#include "state/TableRows.h"

namespace {

constexpr const char* kBurningText = "这个设施正在燃烧……";
constexpr const char* kOpenRemovalText = "现在正在营业中，撤除设施请在打烊后进行。";
constexpr const char* kDisposalQuestion = "撤除这个书架后，书架上放置的书将一并撤去。\r  有书将被处理。真的要撤除吗？";
constexpr const char* kRemovalQuestion = "真的要撤除吗？";
constexpr const char* kOpenArsonText = "现在正在营业中，放火请在打烊以后进行……";
constexpr const char* kArsonQuestion = "真的要烧掉吗？";

constexpr int kHeldRows = 257;  // Magazine.HeldCopies and Book.HeldCopies end at row 256

void Information(GameState& g, const char* text) {
    Ui().MessageBox(text, MsgStyle::Information, g.GameTitle.asText());
}

bool Confirmed(GameState& g, const char* text) {
    return Ui().MessageBox(text, MsgStyle::Question, QuestionTitleFor(g.GameTitle.asText())) == MsgAnswer::Yes;
}

// The fixture row of an occupied spot.
int FixtureRowOn(const GameState& g, int spot) { return g.FacilitySlot.Kind[spot].i() - 1; }

// One title with n copies in the walk of the trim: returns how many copies
// it loses, keeping the running total of kept copies within the room.
std::int64_t CopiesToDrop(std::int64_t n, std::int64_t room, std::int64_t& kept, bool& full) {
    if (full) return n;
    if (kept + n > room) {
        full = true;
        return kept + n - room;
    }
    kept += n;
    return 0;
}

// A customer's reservation of one title shrinks by what the title is short
// of: held copies beyond the stock left are given back, from the person,
// the title and the shop-wide count alike.
void CutReservation(GameState& g, Value& personCopies, Value& titleHeld, const Value& titleStock) {
    const std::int64_t over = titleHeld.asInt() - titleStock.asInt();
    if (over <= 0) return;
    const std::int64_t cut = std::min(over, personCopies.asInt());
    personCopies = personCopies.asInt() - cut;
    titleHeld = titleHeld.asInt() - cut;
    g.CopiesHeld = g.CopiesHeld.asInt() - cut;
}

// After copies were thrown away, no reservation may outlast them: a
// customer who reaches the register must never pay for a copy that is gone.
void FitReservationsToStock(GameState& g) {
    auto& P = g.Person;
    const int people = RowsInUse(g.PersonCount, P.MagazineCopies);
    for (int p = 0; p < people; ++p) {
        const int t = P.TitleTaken[p].i();
        if (t < 0 || t >= kHeldRows) continue;
        // The kind of the reservation is the one whose count is not 0; each
        // count is fitted on its own, as the checkout releases them.
        if (P.MagazineCopies[p].asInt() != 0)
            CutReservation(g, P.MagazineCopies[p], g.Magazine.HeldCopies[t], g.Magazine.Stock[t]);
        if (P.BookCopies[p].asInt() != 0)
            CutReservation(g, P.BookCopies[p], g.Book.HeldCopies[t], g.Book.Stock[t]);
    }
}

// A fire lists the spots it may spread to (rebuilt at each of its spread
// steps); a facility taken off the floor in between leaves that list at
// once, so that it names furnished spots only. The spots alight go as the
// fire ends, and the list with them: those are left as they are.
void LeaveFireCandidates(GameState& g, int spot) {
    if (g.FireBurning.asInt() != 1 || g.FacilitySlot.FireState[spot].asInt() != 0) return;
    const int listed = RowsInUse(g.FireCandidateCount, g.FireCandidates);
    int kept = 0;
    for (int k = 0; k < listed; ++k)
        if (g.FireCandidates[k].asInt() != spot) g.FireCandidates[kept++] = g.FireCandidates[k];
    g.FireCandidateCount = kept;
}

}  // namespace

void TrimShelfStock(GameState& g) {
    const std::int64_t room = g.ShelfCapacity.asInt();
    std::int64_t kept = 0;
    bool full = false;

    const int magazines = RowsInUse(g.MagazineCount, g.Magazine.Stock);
    for (int m = 0; m < magazines; ++m) {
        const std::int64_t n = g.Magazine.Stock[m].asInt();
        if (g.Magazine.Listed[m].asInt() != 1 || n == 0) continue;
        const std::int64_t drop = CopiesToDrop(n, room, kept, full);
        if (drop == 0) continue;
        g.Magazine.Stock[m] = n - drop;
        g.CopiesOnShelves = g.CopiesOnShelves.asInt() - drop;
        g.MagazineStockDirty = 1;
    }

    const int books = RowsInUse(g.BookCount, g.Book.Stock);
    for (int b = 0; b < books; ++b) {
        const std::int64_t n = g.Book.Stock[b].asInt();
        if (n == 0) continue;
        const std::int64_t drop = CopiesToDrop(n, room, kept, full);
        if (drop == 0) continue;
        g.Book.Stock[b] = n - drop;
        g.CopiesOnShelves = g.CopiesOnShelves.asInt() - drop;
        g.BookStockDirty = 1;
    }

    FitReservationsToStock(g);
}

bool RemovalMayDiscardStock(const GameState& g, int spot) {
    const int r = FixtureRowOn(g, spot);
    const std::int64_t room = g.ShelfCapacity.asInt() - g.FixtureType.Capacity[r].asInt();
    const std::int64_t copies = g.CopiesOnShelves.asInt();
    return copies != 0 && copies >= room;
}

void RemoveFacility(GameState& g, int spot) {
    const int r = FixtureRowOn(g, spot);
    g.FacilityCount = g.FacilityCount.asInt() - 1;
    g.ShelfCapacity = g.ShelfCapacity.asInt() - g.FixtureType.Capacity[r].asInt();
    TrimShelfStock(g);
    AddToScore(g.Bookshop.FacilityScore[0], -FacilityScoreOf(r));

    // Facing, area and sprite stay in the record until the next placement.
    g.FacilitySlot.Kind[spot] = 0;
    g.UseCount[spot] = 0;
    RebuildOccupiedSlots(g);
    LeaveFireCandidates(g, spot);

    const Value& sprite = g.FacilitySlot.Sprite[spot];
    if (!sprite.isEmpty()) RemoveSprite(g, sprite.i());  // a spot without a picture has none to free

    UpdateShelfFillLevel(g);
    g.ShopInfoDirty = 1;
}

RemovalOutcome RemoveFacilityCommand(GameState& g, int spot) {
    // An empty spot has nothing to remove.
    if (FindSpotRun(spot) == nullptr || g.FacilitySlot.Kind[spot].asInt() == 0) return RemovalOutcome::Declined;
    if (g.FacilitySlot.FireState[spot].asInt() != 0) {
        Information(g, kBurningText);
        return RemovalOutcome::Burning;
    }
    if (g.ShopOpen.asInt() == 1) {
        Information(g, kOpenRemovalText);
        return RemovalOutcome::ShopOpen;
    }
    if (!Confirmed(g, RemovalMayDiscardStock(g, spot) ? kDisposalQuestion : kRemovalQuestion))
        return RemovalOutcome::Declined;
    RemoveFacility(g, spot);
    return RemovalOutcome::Removed;
}

void SetFacilityOnFire(GameState& g, int spot) {
    g.FireUndiscovered = 1;  // the neighbours have not noticed it yet
    int candidates = 0;
    for (int t = kFirstSpot; t <= kLastSpot; ++t)
        if (g.FacilitySlot.Kind[t].asInt() != 0) g.FireCandidates[candidates++] = t;
    g.FireCandidateCount = candidates;
    g.FireBurning = 1;
    g.FacilitySlot.FireState[spot] = 1;  // catches fire at the next tick
    g.FireFacilityCount = candidates;    // the fire insurance pays by it
    g.Dirtiness = 100;
    UpdateLitterSprites(g);
    g.ShopInfoDirty = 1;
    g.ShopDetailsDirty = 1;
}

ArsonOutcome ArsonCommand(GameState& g, int spot) {
    if (FindSpotRun(spot) == nullptr) return ArsonOutcome::Declined;
    if (g.ShopOpen.asInt() == 1) {
        Information(g, kOpenArsonText);
        return ArsonOutcome::ShopOpen;
    }
    // A second fire over a burning one would restart a burning spot or
    // recount the insured facilities in the middle of the fire.
    if (g.FireBurning.asInt() == 1) {
        Information(g, kFireAlreadyBurningText);
        return ArsonOutcome::FireBurning;
    }
    if (!Confirmed(g, kArsonQuestion)) return ArsonOutcome::Declined;
    SetFacilityOnFire(g, spot);
    return ArsonOutcome::Started;
}
