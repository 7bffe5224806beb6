#pragma once
// The headless answers of the calendar's windows: the month report (15), the
// day report (27), the customer complaint (63) and the clerk pop-up (46).
// Each is the window's plain close, running the same opening and closing
// routines the window runs. The three modal ones hold the game clock while
// they are "up"; the modeless pop-up does not.
void RegisterCalendarWindowDefaults();
