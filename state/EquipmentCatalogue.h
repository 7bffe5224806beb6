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

// The built-in rows, the same for every game: a new game adds them, and the
// check of a loaded game holds its catalogues to them. Each row's index is
// its own number.
struct FixtureRow {
    int price;     // 円
    int capacity;  // copies; 0 for the machines
    int param3;
    std::string_view description;
};

// Rows 0 to 5 are the shelves, 6 to 8 machines that hold no copies.
inline constexpr FixtureRow kBuiltInFixtures[] = {
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
inline constexpr RegisterRow kBuiltInRegisters[] = {
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
    int param5;
};

inline constexpr ServiceRow kBuiltInServices[] = {
    // price, name, description, param5
    {100'000,   "卖口香糖",   "销售口香糖和糖果等",       0},  // 0
    {200'000,   "包子",       "馒头和肉包等",             0},  // 1
    {1'500'000, "店长的铜像", "著名艺术家制作的艺术作品", 0},  // 2
    {300'000,   "CD和录像",   "热门音乐家的Live影像等",   0},  // 3
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

// Adds the built-in rows (the tables above): register types, then fixture
// types, then service machines, each in row order. The caller sets FixtureTypeCount and
// RegisterTypeCount to 0 beforehand; ServiceTypeCount starts from the empty
// value the new-game reset leaves.
void AddBuiltInEquipment(GameState& g);
