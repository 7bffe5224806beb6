#pragma once
// The magazine catalogue: the 61 titles the shop can stock, their issue
// rules and the random walk of their circulation figures.
#include <cstdint>
#include <string_view>

#include "state/GameState.h"

// What a title is about. Magazines, books and a shopper's preferred kind of
// title all use these numbers, so a shopper matches titles of either table.
enum class TitleCategory : int {
    Computer = 0,
    Manga = 1,
    Lifestyle = 2,
    HobbyGames = 3,
    General = 4,
    PhotoWeekly = 5,
    Fiction = 6,
    Specialist = 7,
};

// The issue rule of a title: 1..31 issues monthly on that day of the month,
// TwiceMonthly on the 1st and the 15th, WeeklyBase + w every week on weekday
// w (0 = Sunday .. 6 = Saturday).
namespace MagazineIssueCode {
inline constexpr int TwiceMonthly = 40;
inline constexpr int WeeklyBase = 60;
}  // namespace MagazineIssueCode

// Circulation figures turn down at this ceiling and up at this floor.
inline constexpr double kCirculationCeiling = 2500000.0;
inline constexpr double kCirculationFloor = 100.0;

// Appends one title at row MagazineCount and grows the count. Draws 23
// random numbers: one discarded, then two for each of the eleven circulation
// steps that build the 12-issue history from the base figure. The stored
// IssueCode is issueCode + row / 1000, a real whose whole part is the issue
// rule and whose fraction keeps every title's key distinct. A call on a full
// table changes nothing and draws nothing.
void AddMagazine(GameState& g, std::string_view name, std::int64_t cost, std::int64_t price,
                 std::string_view issueDayText, int issueCode, int category, int popularity,
                 std::string_view description, std::int64_t baseCirculation, int listed);

// One random move of a circulation figure: up or down by a tenth plus a
// random part of up to a thirtieth, turned down at the ceiling and up at the
// floor. Always draws two numbers, whichever way the figure moves.
std::int64_t CirculationStep(GameState& g, std::int64_t figure);

// True when a title with this stored IssueCode comes out on the day of the
// month `day` (1..31) falling on `weekday` (0 = Sunday). Only the whole part
// of the code counts.
bool IsIssueDay(const Value& issueCode, int day, int weekday);

// Adds the 61 built-in titles in catalogue order (a new game's catalogue).
void AddBuiltInMagazines(GameState& g);
