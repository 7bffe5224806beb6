#pragma once
// The customers: the state machine of person slots 6 to 25 (shoppers,
// service-counter customers and passers-by), using a facility, and paying
// at the register.
#include "state/GameState.h"

// One tick of the customer state machine for one slot (6..25): an absent
// slot tries to arrive; a present one runs the handlers of its states in
// their fixed order, so a person may pass through several states in one
// call. Called by the main tick after the slot's edge rule and before its
// walking step.
void StepCustomer(GameState& g, int slot);
// The same for a slot (6..25) whose Person.State is 0: its arrival, and the
// handlers of the state it comes in with.
void StepAbsentCustomer(GameState& g, int slot);

// One tick of a person at the facility of its floor spot: browsing a shelf,
// buying drinks, playing the claw machine or using the photo booth. Counts
// only the ticks spent on the use cell; sets FacilityDone when finished.
void ActAtFacility(GameState& g, int slot);

// The sale at the register: chance sales of the shop's services, then the
// copies the shopper reserved at arrival, the takings, the sales message and
// the till sound. The reservation always ends here; only copies still in
// stock are sold.
void CheckoutCustomer(GameState& g, int slot);

// Gives back the copies a customer holds reserved (the shop-wide CopiesHeld,
// the title's held copies and the person's own counts).
void ReleaseReservation(GameState& g, int slot);

// The N of a shopper's one-in-N arrival chance, from the shop's Attraction:
// the more attractive the shop, the smaller N.
int ArrivalDivisor(double attraction);

