#pragma once
// Starting a game: emptying the state and the first moment of a new game.
// The whole new-game step the name dialog runs on OK, with the first news,
// is the command StartNewGame (commands/StartNewGame.h).
#include <cstdint>
#include <string>

#include "state/GameState.h"

// What a new game takes from the computer: its clock (the calendar starts
// there) and the seed of the random generator.
struct NewGameStart {
    std::uint64_t seed = 0;
    int year = 2000, month = 1, day = 1;
    int weekday = 6;  // 0 Sunday .. 6 Saturday
    int hour = 0;
    static NewGameStart FromSystemClock();
    // Fills the weekday from the date; false for a date that does not exist
    // or a year outside 1..LatestYear().
    static bool FromDate(int year, int month, int day, int hour, std::uint64_t seed, NewGameStart& out);
    // The last year a game may start in: the saved game takes years up to
    // its Year field's bound, and the calendar must have a century to roll
    // into before it gets there.
    static long long LatestYear();
};

// Empties every scalar but those the field table marks as surviving a reset
// (the program texts, FireUndiscovered and GameRunning) and every table;
// counted tables over rows 0..count, then the count. The floor grid is left
// alone; ledger cells become 0.
void ResetGameState(GameState& g);

// The first moment of a new game, on an emptied state: the generator
// seeded, the shop, the calendar, the scenery and the catalogues (the first
// weekly news comes after it, from the command).
void InitNewGame(GameState& g, const NewGameStart& start);

constexpr int kShopNameMaxChars = 16;

enum class NameCheck { Ok, Empty, TooLong, HasQuote, NotGbk };
// The name rules of the new-game dialog: not empty, at most 16 characters,
// no double quote (the saved game could not hold it) and only characters
// the saved game's GBK text can write.
NameCheck CheckShopName(const std::string& name);

// The program texts set at start-up.
inline constexpr const char* kGameTitle = "Quillmart";
inline constexpr const char* kVersionText = "1.00";

// What program start does to the state before any game: the program texts
// and the start-up walls of the floor grid.
void InitProgramState(GameState& g);

// The shop's hours, set by every new game and changed by nothing: it opens
// at 9 and its last hour of business is 21.
inline constexpr int kOpeningHour = 9;
inline constexpr int kClosingHour = 21;
