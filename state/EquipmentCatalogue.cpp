#include "state/EquipmentCatalogue.h"

#include "state/TableRows.h"

void AddFixtureType(GameState& g, int price, int capacity, int param3, int index,
                    std::string_view description) {
    auto& t = g.FixtureType;
    const int r = FreeRow(g.FixtureTypeCount, t.Price);
    if (r < 0) return;
    t.Price[r] = price;
    t.Capacity[r] = capacity;
    t.Param3[r] = param3;
    t.Index[r] = index;
    t.Description[r] = description;
    g.FixtureTypeCount = r + 1;
}

void AddRegisterType(GameState& g, int price, std::string_view speedText, std::string_view name,
                     int index) {
    auto& t = g.RegisterType;
    const int r = FreeRow(g.RegisterTypeCount, t.Price);
    if (r < 0) return;
    t.Price[r] = price;
    t.SpeedText[r] = speedText;
    t.Name[r] = name;
    t.Index[r] = index;
    g.RegisterTypeCount = r + 1;
}

void AddServiceFacilityType(GameState& g, int price, std::string_view name,
                            std::string_view description, int index, int param5) {
    auto& t = g.ServiceFacilityType;
    const int r = FreeRow(g.ServiceTypeCount, t.Price);
    if (r < 0) return;
    t.Price[r] = price;
    t.Name[r] = name;
    t.Description[r] = description;
    t.Index[r] = index;
    t.Param5[r] = param5;
    g.ServiceTypeCount = r + 1;
}

void AddBuiltInEquipment(GameState& g) {
    // Every row stores its own number as its index.
    int row = 0;
    for (const auto& t : kBuiltInRegisters) AddRegisterType(g, t.price, t.speedText, t.name, row++);
    row = 0;
    for (const auto& t : kBuiltInFixtures) AddFixtureType(g, t.price, t.capacity, t.param3, row++, t.description);
    row = 0;
    for (const auto& t : kBuiltInServices) AddServiceFacilityType(g, t.price, t.name, t.description, row++, t.param5);
}
