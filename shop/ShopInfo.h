#pragma once
// What the two shop information windows show, worked out as texts from the
// game state, so the windows only place them and the rules can be checked
// without a window.
#include <string>

#include "state/ShownDate.h"
#include "state/GameState.h"

// The hour on the twelve-hour dial: "上午 9", "下午 0" (the window writes
// "时" after it).
std::string HourText(const Value& hour);
// "小", "中", "大" for shop sizes 1..3; any other size gives "".
std::string ShopSizeText(const Value& shopSize);
// A gauge's text: the value followed by "/100" ("36/100").
std::string GaugeText(const Value& gauge);
// The width of a gauge's bar in a frame `frameWidth` wide. Popularity may
// stand outside 0..100 until the weekly step clamps it, so the bar is kept
// inside its frame: never negative, never wider than the frame.
int GaugeBarWidth(const Value& gauge, int frameWidth);
// How many of the five stars are lit: the whole part of the star level,
// kept within 0..5.
int LitStars(const Value& starLevel);
// The shop information window's caption: the shop's name and whether it is
// open or closed.
std::string ShopInfoCaption(const GameState& g);

struct GaugeView {
    std::string text;  // "36/100"
    Value value;       // what the bar is drawn from
};

// Both windows show the date as TodayShown gives it: during the new day,
// the day that has begun, with its own weekday.

// Everything the shop information window writes on a redraw.
struct ShopInfoTexts {
    std::string caption;
    std::string funds, copiesSold, shelfCapacity, copiesOnShelves;
    std::string year, month, day, weekday, hour;
    std::string customers, shopName;
    GaugeView dirtiness, quakeResistance;
    int litStars = 0;
};
ShopInfoTexts ShopInfoView(const GameState& g);

// Everything the shop details window writes on a redraw (its caption does
// not change).
struct ShopDetailsTexts {
    std::string year, month, day, weekday, hour;
    std::string shopSize, funds, shopName;
    GaugeView dirtiness, quakeResistance, popularity, fame;
    int litStars = 0;
};
ShopDetailsTexts ShopDetailsView(const GameState& g);
