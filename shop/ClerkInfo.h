#pragma once
// The clerk information window's rows: one per employed clerk, in the order
// of the applicant table (not the order of hiring), at most two. The window
// rebuilds them from its timer whenever ClerkInfoDirty is 1; the staff
// dialogs raise that flag when the clerks change.
#include <vector>

#include "shop/Staff.h"
#include "state/GameState.h"

inline constexpr int kClerkInfoRows = 2;

// The rebuild: ClerkInfoDirty back to 0, ClerkRowCount the number of
// employed clerks, and their name, age, energy, ability and salary.
std::vector<StaffCard> RebuildClerkInfo(GameState& g);
