#pragma once
// The three equipment catalogues of the shop floor: shelves and machines for
// the 61 floor places (FixtureType), cash registers for the two register
// places (RegisterType) and machines for the two service places
// (ServiceFacilityType). A place stores the row it holds as row + 1 (0 when
// empty), which gives FacilityKind, RegisterModel + 1 and ServiceFacilityKind.
// Filled once per new game and constant afterwards.
#include <string_view>

#include "state/GameState.h"

// FacilityKind: the value a floor place holds (FixtureType row + 1).
enum class FacilityKind : int {
    Vacant = 0,
    Shelf40 = 1,
    Shelf60 = 2,
    Shelf80 = 3,
    Shelf100 = 4,
    Shelf120 = 5,
    Shelf150 = 6,
    VendingMachine = 7,
    ClawMachine = 8,
    PhotoBooth = 9,
};

// RegisterModel: the RegisterType row; a register place holds row + 1.
enum class RegisterModel : int {
    Abacus = 0,
    Calculator = 1,
    OldRegister = 2,
    StandardRegister = 3,
    LcdRegister = 4,
    SmallWorkstation = 5,
};

// ServiceFacilityKind: the value a service place holds
// (ServiceFacilityType row + 1).
enum class ServiceFacilityKind : int {
    Vacant = 0,
    Gum = 1,
    Buns = 2,
    ManagerStatue = 3,
    CdVideo = 4,
};

// Each adds the row whose number is the catalogue's counter and counts it.
// The arguments come in this order, not in the order of the columns. Each
// does nothing when its table is full.
void AddFixtureType(GameState& g, int price, int capacity, int param3, int index,
                    std::string_view description);
void AddRegisterType(GameState& g, int price, std::string_view speedText, std::string_view name,
                     int index);
void AddServiceFacilityType(GameState& g, int price, std::string_view name,
                            std::string_view description, int index, int param5);

// Adds the built-in rows: register types, then fixture types, then service
// machines, each in row order. The caller sets FixtureTypeCount and
// RegisterTypeCount to 0 beforehand; ServiceTypeCount starts from the empty
// value the new-game reset leaves.
void AddBuiltInEquipment(GameState& g);
