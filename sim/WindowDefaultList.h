#pragma once
// Registers the headless answer of every game window built so far, so a
// game can run without a screen (tests, the headless tool).
void RegisterWindowDefaults();
