#pragma once
// What a game window does when it is answered by its plain default (OK,
// close, the first choice) without being shown. A headless platform runs
// these in place of the windows, so a whole game can run without a screen;
// each window's Qt class runs the same game routines from its buttons.
#include <span>

#include "platform/Window.h"

struct GameState;

// One window's headless answer, acting on the game that opened it. A modal
// window's answer holds the game clock while it is "up", as the window does.
using WindowAnswer = void (*)(GameState& g);

struct WindowDefault {
    Window window;
    WindowAnswer answer;
};

using WindowDefaults = std::span<const WindowDefault>;
