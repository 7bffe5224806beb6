#pragma once
// The cash registers of the two register places by the counter: which
// models a star level offers, buying one (price, service speed, popularity,
// the picture on the floor) and removing it again. RegisterSlot.Kind is
// indexed by the place 1..2, every other RegisterSlot column and ServedCount
// by place - 1.
#include <string>

#include "state/GameState.h"

constexpr int kRegisterPlaces = 2;
constexpr int kRegisterModels = 6;

// What a purchase of each model does to its place and to the shop.
struct RegisterModelEffect {
    int serviceTime;       // RegisterSlot.ServiceTime: extra ticks of every sale
    int popularityChange;  // added to Popularity once, at the purchase
};
// By model row (RegisterType row) 0..5.
extern const RegisterModelEffect kRegisterEffects[kRegisterModels];

// The service time of a place without a register.
constexpr int kEmptyRegisterServiceTime = 10;

// The picture holders of the register windows, 1..6 (0 unused): the
// picture of model m is holder m + 1. The abacus and the calculator swap
// their files.
extern const char* const kRegisterPictureHolders[kRegisterModels + 1];

// Fills OfferedList / OfferedListCount with the models the star level
// (its whole part) offers; none for a level outside 1..5.
void BuildRegisterOffer(GameState& g);

// Buys model `modelRow` for place `place` (1 or 2): effort point, price as a
// facilities expense, service time, the register's sprite, the popularity
// change (kept within 0..100), the kind, and the coin sound. No check of
// funds. Nothing happens for a place or model outside the tables. When the
// sprite pool is full the place records no sprite.
void BuyRegister(GameState& g, int place, int modelRow);

// Asks "真的要撤除吗？"; on Yes empties place `place`: kind 0, its sprite
// removed, served count 0, service time back to 10. TypeIndex, Sprite,
// Popularity and the effort points keep their values; nothing is refunded.
// True when the register was removed (the window then closes).
bool RemoveRegister(GameState& g, int place);

// Whether register place `place` (1 or 2) holds no register. A place that
// had a register removed is empty again, whatever model stood there.
bool NoRegisterAt(const GameState& g, int place);

// The three texts the purchase window shows for model row `m`.
struct RegisterModelTexts {
    std::string price;  // "12万0000円"
    std::string speed;  // RegisterType.SpeedText
    std::string name;   // RegisterType.Name
};
RegisterModelTexts RegisterModelView(const GameState& g, int m);

// What the information window shows for place `place`: the installed model
// (-1 and empty texts when the place holds none) and its use count.
struct RegisterInfoTexts {
    int model = -1;
    std::string speed;
    std::string served;  // ServedCount & "回"
    std::string name;
};
RegisterInfoTexts RegisterInfoView(const GameState& g, int place);
