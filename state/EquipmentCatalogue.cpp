#include "state/EquipmentCatalogue.h"

#include "state/TableRows.h"

namespace {

struct FixtureRow {
    int price;     // 円
    int capacity;  // copies; 0 for the machines
    int param3;
    std::string_view description;
};

// Rows 0 to 5 are the shelves, 6 to 8 machines that hold no copies.
constexpr FixtureRow kFixtures[] = {
    // price, capacity, param3, description
    {100'000, 40,  0, "普通的书架"},            // 0
    {150'000, 60,  1, "可以放入稍多书的书架"},  // 1
    {250'000, 80,  3, "木制的书架，可以活动"},  // 2
    {450'000, 100, 3, "可以放入很多书的书架"},  // 3
    {600'000, 120, 2, "可放大量书的书架"},      // 4
    {750'000, 150, 4, "可以放入极多书的书架"},  // 5
    {200'000, 0,   3, "自动贩卖机"},            // 6
    {320'000, 0,   3, "抓娃娃机"},              // 7
    {800'000, 0,   3, "现场拍照立等可取"},      // 8
};

struct RegisterRow {
    int price;  // 円
    std::string_view speedText;
    std::string_view name;
};

// From the abacus to the small workstation. The checkout time of each model
// is derived from its row number elsewhere, not stored here.
constexpr RegisterRow kRegisters[] = {
    // price, checkout speed, name
    {2'980,     "相当慢",   "算盘"},                    // 0
    {3'980,     "很慢",     "计算器，使用太阳能。"},    // 1
    {120'000,   "有点儿慢", "旧收银机"},                // 2
    {200'000,   "普通",     "普通收银机"},              // 3
    {320'000,   "相当高速", "液晶显示，性能相当高。"},  // 4
    {1'280'000, "超高速",   "小型工作站"},              // 5
};

struct ServiceRow {
    int price;  // 円
    std::string_view name;
    std::string_view description;
};

constexpr ServiceRow kServices[] = {
    // price, name, description
    {100'000,   "卖口香糖",   "销售口香糖和糖果等"},        // 0
    {200'000,   "包子",       "馒头和肉包等"},              // 1
    {1'500'000, "店长的铜像", "著名艺术家制作的艺术作品"},  // 2
    {300'000,   "CD和录像",   "热门音乐家的Live影像等"},    // 3
};

}  // namespace

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
    for (const auto& t : kRegisters) AddRegisterType(g, t.price, t.speedText, t.name, row++);
    row = 0;
    for (const auto& t : kFixtures) AddFixtureType(g, t.price, t.capacity, t.param3, row++, t.description);
    row = 0;
    for (const auto& t : kServices) AddServiceFacilityType(g, t.price, t.name, t.description, row++, 0);
}
