#pragma once
// The built-in people of a new game: the 26 person slots the floor walks,
// the 40 job applicants the player hires clerks from, and the 14 rival shops
// of the award contest. Filled once per new game, after the reset emptied the
// tables; no random draws.
#include <string_view>

#include "state/GameState.h"

// Adds person row PersonCount with satisfaction 10 and spawns its figure just
// above the floor picture, at (0, -32), out of sight (depth key 968 + slot /
// 1000). Person.Sprite keeps the slot the figure took; when the pool is full
// it is left as it was. Does nothing when the table is full.
void AddPerson(GameState& g, std::string_view name, int age, std::string_view tasteText, int look,
               int preferredCategory);

// Adds applicant row ApplicantCount, not yet drawn into the hire list;
// Applicant.Employed is left as the reset made it. Does nothing when the
// table is full.
void AddApplicant(GameState& g, std::string_view name, int age, int energy, int ability, int look,
                  int salary, std::string_view intro);

// Adds bookshop row BookshopCount with the shop's fixed contest scores. Does
// nothing when the table is full.
void AddRivalShop(GameState& g, std::string_view name, int param2, int param3, int facilityScore,
                  int effortPoints, int salesPoints, int dirtPoints, int badness);

// The built-in rows, in row order. The caller sets PersonCount and
// ApplicantCount to 0 and BookshopCount to 1 first (row 0 is the player's
// shop), so the rivals fill bookshop rows 1 to 14.
void AddBuiltInPersons(GameState& g);
void AddBuiltInApplicants(GameState& g);
void AddBuiltInRivalShops(GameState& g);
