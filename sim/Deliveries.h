#pragma once
// The goods of a new day: ordered books whose countdown runs out, and the
// magazines issued on the new date. Both are limited by the room left on
// the shelves.
#include <cstdint>

#include "state/GameState.h"

inline constexpr const char* kShelvesFullText = "书架装满了。";
inline constexpr const char* kBooksDeliveredText = "进货了书籍。";
inline constexpr const char* kMagazinesDeliveredText = "进货了杂志。";

// Copies the shelves can still take; never below 0, even when the shelves
// hold more than their room (after shelves were lost).
std::int64_t ShelfRoom(const GameState& g);

// True when magazine row `m` is listed and comes out on the current Day and
// Weekday.
bool MagazineIssuedToday(const GameState& g, int m);

// Every book with a running countdown counts down one day; an order whose
// countdown reaches 0 arrives, up to the shelf room. Row order.
void DeliverBooks(GameState& g);

// Every magazine issued today: the old issue's unsold copies leave the
// shelves (written off at their wholesale price), the circulation takes its
// random step, and the standing order arrives up to the shelf room. A
// title whose leftover copies go while nothing is on order drops out of the
// magazine stock window, which is told to rebuild. Row order; draws two
// numbers per title issued.
void IssueMagazines(GameState& g);
