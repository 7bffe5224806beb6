#pragma once
// Registers every window the game has so far with the window seam.
void RegisterForms();
