#pragma once
// Registers every window the game has so far with the window registry.
void RegisterWindows();
