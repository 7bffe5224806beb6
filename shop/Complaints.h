#pragma once
// A customer's complaint about a dirty book, in a shop that lets everyone
// read standing. The complaint costs the shop popularity the moment it is
// voiced, whatever the player does next.
#include <array>
#include <string>

#include "state/GameState.h"

inline constexpr const char* kComplaintCaption = "顾客的不满";
inline constexpr const char* kComplaintHeading = "== 顾客的不满 ==";
inline constexpr const char* kComplaintText = "  上次买的书好脏啊!";
inline constexpr const char* kComplaintWish = "请允许在店内站着看书";

inline constexpr int kComplaintPopularityCost = 3;

// The faces a speaking customer may have, by a draw 0..6: faces 2, 7 and 8
// never speak, and face 5 is drawn twice as often as the others.
inline constexpr std::array<int, 7> kOpinionFaces = {0, 1, 3, 4, 5, 6, 5};

// Draws the speaking customer's face into OpinionFace (one draw).
void DrawOpinionFace(GameState& g);

// The complaint is voiced: Popularity falls by 3, never below 0, and the
// customer's face is drawn. Returns the face picture to show (mouth closed).
std::string ComplaintOpened(GameState& g);
