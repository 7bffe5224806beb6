#pragma once
// The shop speaking to the player during opening hours: a clerk's advice
// about what is wrong with the shop, and a customer's complaint about the
// standing readers.
#include "state/GameState.h"

// Hour change, before ShopOpen is recomputed (it sees the hour that has
// just ended). One draw in seven lets an employed clerk of an open shop
// speak: every condition found wrong queues its text, and the clerk pop-up
// shows one of them unless it has opened twice already today. The 1-in-7
// number is drawn at every call; with two clerks one more picks whose pay
// is looked at.
void GiveClerkAdvice(GameState& g);

// Hour change while OpeningHour <= Hour <= ClosingHour: one draw in 300
// brings a complaint about standing readers, once anything has been sold
// and only under free reading. The number is drawn at every call.
void DrawCustomerComplaint(GameState& g);
