#pragma once
// The book catalogue: the 94 titles the shop can order.
#include <cstdint>
#include <string_view>

#include "state/GameState.h"

// Appends one title at row BookCount and grows the count. Stores the values
// as given and draws no random numbers; the run-time columns of the row keep
// what the new game set. A call on a full table changes nothing.
void AddBook(GameState& g, std::string_view title, std::int64_t cost, std::int64_t price,
             std::string_view description, std::string_view genreText, int flag, int category,
             int popularity);

// Adds the 94 built-in titles in catalogue order (a new game's catalogue).
void AddBuiltInBooks(GameState& g);
