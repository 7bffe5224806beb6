#pragma once
// The visitor notice: the shop's 1,000th, 5,000th and 10,000th customer.
// It only shows; it changes nothing in the game.
#include "state/GameState.h"

struct VisitorMilestone {
    int customers;        // the exact TotalCustomers that opens the notice
    int picture;          // the notice's stored picture to show (1..3)
    const char* caption;  // the window title
    const char* message;
};

// The milestone TotalCustomers stands at exactly, or null for any other
// count. The arrival step opens the notice only when this is not null.
const VisitorMilestone* FindVisitorMilestone(const Value& totalCustomers);
