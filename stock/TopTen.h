#pragma once
// The two top-10 windows: the week's industry ranking of books and of
// magazines (drawn by the weekly news, not the shop's own sales), each
// title with its rank and retail price.
#include <array>
#include <string>

#include "state/GameState.h"

inline constexpr int kTopTenRows = 10;

struct TopTenRow {
    std::string rank;   // "1" .. "10"
    std::string title;
    std::string price;  // FormatMoney and "円": "980円", "1万2000円"
};
using TopTenList = std::array<TopTenRow, kTopTenRows>;

// Rank r from element r - 1 of TopBooks / TopMagazines. An element that
// names no title of the catalogue leaves its row's title and price blank.
TopTenList TopTenBooks(const GameState& g);
TopTenList TopTenMagazines(const GameState& g);
