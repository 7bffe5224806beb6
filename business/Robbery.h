#pragma once
// The robbery window: the robber at register 1 demands money by what the
// shop holds. Paying costs the demand (and with damage insurance brings a
// payout of 1.2 times it); refusing costs nothing but kills the manager
// with a chance of one in two, which ends the game.
#include <cstdint>
#include <string>

#include "state/GameState.h"

// NewsEventCode of a robbery paid without insurance (the payout window
// records its own event when insured).
inline constexpr int kNewsRobberyPaid = 6;
// GameOverReason when the manager was killed.
inline constexpr int kGameOverManagerKilled = 3;

// The demand by the funds at the moment the window opens.
std::int64_t RobberyDemandFor(std::int64_t funds);

// The opening: RobberyDemand from the funds, and the robbery counter starts
// again (the next robber needs 50 new days).
void RobberyOpened(GameState& g);

// The demand line: "交钱，" & the demand & "円!要不然的话……".
std::string RobberyDemandText(const GameState& g);

// "付钱": the demand is booked as an expense, whatever the funds; the
// robbery goes to the news, and the damage insurance pays when joined.
void PayRobber(GameState& g);

// "不付钱": one draw thrown away, then one chance in two that the manager
// is killed (GameOverReason 3). True when killed. Nothing is booked.
bool RefuseRobber(GameState& g);
