#include "business/Awards.h"

#include <tuple>

#include "state/Ledger.h"
#include "state/Counters.h"
#include "state/TableRows.h"

namespace {

constexpr int kFirstPlace = 1;
constexpr int kLastPlace = 61;
constexpr double kPlaceWeightPerKind = 0.2;

// The jitter of each ceremony score: base - Int(r x span).
struct Jitter {
    int base, span;
};
constexpr Jitter kFacilityJitter{10, 20};  // -9..+10
constexpr Jitter kSalesJitter{500, 1000};  // -499..+500
constexpr Jitter kEffortJitter{10, 20};    // -9..+10
constexpr Jitter kCleanJitter{50, 100};    // subtracted: -50..+49 on the dirt

constexpr int kGameOverWorstAward = 2;
constexpr int kGrandPrizeDue = 5;

int ShopRows(const GameState& g) {
    return RowsInUse(g.BookshopCount, g.Bookshop.Name);
}

int Draw(GameState& g, const Jitter& j) { return j.base - g.RndInt(j.span); }

bool LowerWins(AwardKind award) { return award == AwardKind::Cleaning; }

// True when row a ranks before row b: a better score, or an equal one and
// the higher row.
bool RanksBefore(const GameState& g, AwardKind award, int a, int b) {
    double sa = AwardScore(g, award, a), sb = AwardScore(g, award, b);
    if (LowerWins(award)) {
        sa = -sa;
        sb = -sb;
    }
    return std::make_tuple(sa, a) > std::make_tuple(sb, b);
}

}  // namespace

void CeremonyOpened(GameState& g) {
    auto& shop = g.Bookshop;

    double placeWeights = 0;
    for (int s = kFirstPlace; s <= kLastPlace; ++s)
        placeWeights += 1 + kPlaceWeightPerKind * g.FacilitySlot.Kind[s].asReal();
    AddToScore(shop.FacilityScore[0], placeWeights);

    CountUp(g.AwardRound);
    g.CeremonyStep = 0;

    for (int i = 0; i < ShopRows(g); ++i) {
        // Whole totals stay whole numbers.
        shop.AwardFacility[i] = ScorePlus(shop.FacilityScore[i], Draw(g, kFacilityJitter));
        shop.AwardSales[i] = ScorePlus(shop.SalesPoints[i], Draw(g, kSalesJitter));
        shop.AwardEffort[i] = ScorePlus(shop.EffortPoints[i], Draw(g, kEffortJitter));
        shop.AwardClean[i] = ScorePlus(shop.DirtPoints[i], -Draw(g, kCleanJitter));
    }
}

double AwardScore(const GameState& g, AwardKind award, int row) {
    const auto& shop = g.Bookshop;
    switch (award) {
    case AwardKind::Facility: return shop.AwardFacility[row].asReal();
    case AwardKind::Effort: return shop.AwardEffort[row].asReal();
    case AwardKind::Sales: return shop.AwardSales[row].asReal();
    case AwardKind::Cleaning:
    case AwardKind::Worst: return shop.AwardClean[row].asReal();
    case AwardKind::Grand:
        return shop.AwardFacility[row].asReal() + shop.AwardSales[row].asReal() / kGrandSalesDivisor +
               shop.AwardEffort[row].asReal();
    }
    return 0;
}

int RankAward(GameState& g, AwardKind award) {
    const int rows = ShopRows(g);
    for (int i = 0; i < rows; ++i) {
        // The shop's place: one more than the shops ranked before it.
        g.AwardRankTally = 1;
        for (int j = 0; j < rows; ++j)
            if (j != i && RanksBefore(g, award, j, i)) g.AwardRankTally = g.AwardRankTally.asInt() + 1;
        g.AwardOrder[g.AwardRankTally.i() - 1] = i;
        g.AwardRankTally = 0;
    }
    return g.AwardOrder[0].i();
}

bool WorstAwardCandidate(const GameState& g) { return g.Bookshop.AwardClean[0].asReal() >= kWorstAwardCandidate; }
bool WorstAwardVerdict(const GameState& g) { return g.Bookshop.AwardClean[0].asReal() >= kWorstAwardVerdict; }

void CeremonyClosed(GameState& g) {
    auto& shop = g.Bookshop;
    shop.FacilityScore[0] = 0;
    shop.DirtPoints[0] = 0;
    shop.EffortPoints[0] = 0;
    shop.SalesPoints[0] = 0;

    for (const AwardRow& a : kAwards) {
        if (g.AwardWon[static_cast<int>(a.kind)].asInt() != 1) continue;
        if (a.prize != 0) AddMoney(g, a.prize, OtherCategory, 1);
        if (a.newsEvent != 0) g.NewsEventCode = a.newsEvent;
        if (a.kind == AwardKind::Grand) g.GrandPrizePending = kGrandPrizeDue;
        if (a.kind == AwardKind::Worst) g.GameOverReason = kGameOverWorstAward;
    }

    for (Value& won : g.AwardWon) won = 0;
    g.RouletteTicks = 0;
    g.CeremonyLock = 0;
}
