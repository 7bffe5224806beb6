#pragma once
// The headless answers of the windows the tick opens for finance and events:
// the game-over window (34), the visitor notice (37), the star notice (54)
// and the grand-prize certificate (58). Each answer is the window's plain
// close, running the same closing routine as the window, with the game
// clock held while it is "up" as the modal window holds it.
void RegisterBusinessWindowDefaults();
