#pragma once
// The service machines of the two service places beside the counter: which
// machines a star level offers, buying one (price, popularity, the picture
// on the floor) and removing it after closing time. ServiceSlot.Kind is
// indexed by the place 1..2, ServiceSlot.Sprite by place - 1.
#include <string>

#include "state/GameState.h"

constexpr int kServicePlaces = 2;
constexpr int kServiceMachines = 4;

// The popularity change of a purchase, by machine row (ServiceFacilityType
// row) 0..3, then place 1 and place 2.
extern const int kServicePopularityChange[kServiceMachines][kServicePlaces];

// Fills OfferedList / OfferedListCount with the machines the star level
// (its whole part) offers, in offer order; none for a level outside 1..5.
void BuildServiceOffer(GameState& g);

// Buys machine `row` for place `place` (1 or 2): effort point, price as a
// services expense, the machine's sprite, the popularity change of the
// place (kept within 0..100), the kind, and the coin sound. No check of
// funds. Nothing happens for a place or row outside the tables. When the
// sprite pool is full the place records no sprite.
void BuyServiceMachine(GameState& g, int place, int row);

// Refuses while the shop is open ("现在正在营业中，请在打烊后撤去服务设备。");
// otherwise asks "真的要撤除吗？" and on Yes empties the place: kind 0, its
// sprite removed, and the use count of the register with the same number
// back to 0. Nothing is refunded. True when the machine was removed (the
// window then closes).
bool RemoveServiceMachine(GameState& g, int place);

// The picture of machine `row`: "Graphic/Service1.dat" for row 0.
std::string ServiceMachinePictureFile(int row);

// The three texts both service windows show for machine `row` (empty texts
// for a row outside the catalogue).
struct ServiceMachineTexts {
    std::string name;         // ServiceFacilityType.Name
    std::string price;        // "10万0000円"
    std::string description;  // ServiceFacilityType.Description
};
ServiceMachineTexts ServiceMachineView(const GameState& g, int row);

// The machine standing on place `place`, or -1.
int InstalledServiceMachine(const GameState& g, int place);
