#pragma once
// The quarterly award contest "全日本 书店评选": the player's shop (row 0 of
// Bookshop) against the fourteen rivals. At the end of March, June,
// September and December the award notice opens the ceremony; as the
// ceremony opens, CeremonyOpened scores every shop with its jitter draws;
// during the presentation (CeremonyScript.h) each award is ranked and its
// winner flagged; as it closes, CeremonyClosed pays the player's prizes,
// leaves the news its event, raises the grand prize or the worst-award game
// over, and starts the player's next quarter from zero.
#include <array>
#include <cstdint>

#include "state/GameState.h"

// The awards, as AwardWon is indexed.
enum class AwardKind : int {
    Facility = 0,  // 设施奖
    Effort = 1,    // 努力奖
    Sales = 2,     // 销售奖
    Cleaning = 3,  // 清扫奖
    Grand = 4,     // 大奖
    Worst = 5,     // 粗恶奖
};
inline constexpr int kAwardKinds = 6;

// What each award pays the player and what it tells the weekly news. The
// worst award pays nothing and ends the game instead.
struct AwardRow {
    AwardKind kind;
    std::int64_t prize;  // 円, booked as income of the "other" category
    int newsEvent;       // NewsEventCode left for the next issue; 0 leaves it
};
inline constexpr std::array<AwardRow, kAwardKinds> kAwards = {{
    {AwardKind::Facility, 1500000, 1},
    {AwardKind::Effort, 1800000, 2},
    {AwardKind::Sales, 1800000, 3},
    {AwardKind::Cleaning, 2000000, 4},
    {AwardKind::Grand, 10000000, 5},
    {AwardKind::Worst, 0, 0},
}};

// The player's cleaning score that names the shop in the worst-award
// roulette, and the one that actually wins it (which no quarter of play can
// reach: dirt adds at most 100 a month, so the score stays below 350).
inline constexpr int kWorstAwardCandidate = 244;
inline constexpr int kWorstAwardVerdict = 480;

// The value the grand prize is ranked by.
inline constexpr int kGrandSalesDivisor = 100;

// The ceremony opens: every floor place adds its weight to the player's
// facility total (1 for an empty place, 1 + 0.2 x kind otherwise), the
// ceremony number goes up by one, the script starts at step 0, and every
// shop in row order gets its four ceremony scores, each with one fresh
// draw: facility, sales, effort, cleaning.
void CeremonyOpened(GameState& g);

// A shop's ceremony score for an award (the worst award has no ranking; it
// reads the player's cleaning score).
double AwardScore(const GameState& g, AwardKind award, int row);

// Ranks every shop by the award's score (higher is better; for cleaning,
// lower) into AwardOrder: element k holds the shop ranked k + 1. Equal
// scores rank the higher row first, so every rank is taken once, element 0
// always holds a best shop, and the player's shop (row 0) wins only when it
// is strictly best. Returns the winner, AwardOrder(0).
int RankAward(GameState& g, AwardKind award);

// The worst award: the player's shop is named in the roulette from 244 on
// and wins from 480 on; no rival is ever in it.
bool WorstAwardCandidate(const GameState& g);
bool WorstAwardVerdict(const GameState& g);

// The ceremony closes, in this order: the player's four quarter totals go
// back to 0; each award won is paid and leaves its news event (so the last
// one won is the one reported); a grand prize raises GrandPrizePending; the
// worst award sets GameOverReason 2; the award flags and the presentation
// state are cleared.
void CeremonyClosed(GameState& g);
