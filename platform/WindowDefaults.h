#pragma once
// What each game window does when it is answered by its plain default (OK,
// close, the first choice) without being shown. Headless runs (tests, the
// tool) use this in place of the window, so a whole game can run without a
// screen; the window's Qt class runs the same routine from its buttons.
#include <functional>

using WindowDefault = std::function<void()>;

void SetWindowDefault(int form, WindowDefault answer);
// Null when window `form` has no headless answer (it is not built yet).
const WindowDefault* FindWindowDefault(int form);
