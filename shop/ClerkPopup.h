#pragma once
// The clerk pop-up: one of the shop's clerks says one sentence of the
// queued clerk messages. It opens modeless (the game goes on), cannot be
// closed by the player, and closes itself after 25 ticks of its own.
#include <string>

#include "state/GameState.h"

inline constexpr const char* kClerkPopupCaption = "来自店员";
inline constexpr int kClerkPopupLifeTicks = 25;  // of 100 ms: 2.5 s

struct ClerkPopupView {
    int speaker = 0;    // the clerk's person row, 0 or 1
    std::string face;   // the speaker's face picture, mouth closed
    std::string sentence;
};

// The pop-up opens (not when it is only brought to the front): its tick
// count starts at 0, ClerkAdviceToday counts it, the speaker is drawn
// (row 0 with one clerk, else one of rows 0 and 1), then one queued sentence
// with equal chance, and the queue is emptied. A face that fails to load
// changes none of this.
ClerkPopupView ClerkPopupOpened(GameState& g);

// One 100 ms tick of the pop-up's timer: true when it closes itself now, at
// the 25th tick, the count then back at 0.
bool ClerkPopupTick(GameState& g);
