#pragma once
// Every window of the game by name. The numbers are the windows' own: the
// saved game indexes WindowOpen by them, and each window carries its number
// in its object name ("Form21"). 11, 16 and 60 were never used.
#include <string>

enum class Window : int {
    FloorView = 1,          // 场景窗口, the shop floor (modeless)
    Version = 2,            // version information
    NewGame = 3,            // 新的游戏
    ShopInfo = 4,           // 书店信息 (report window)
    PlaceFacility = 5,      // 设施设置
    MagazineOrder = 6,      // magazine stocking
    HireClerk = 7,          // 雇用店员
    PersonPopup = 8,        // a person on the floor
    BuyRegister = 9,        // 收银选择
    CustomerOpinions = 10,  // 顾客的意见
    FireClerk = 12,         // 解雇店员
    ClerkInfo = 13,         // 店员信息 (report window)
    Ledger = 14,            // 店铺的每月收支表 (report window)
    MonthReport = 15,       // the month-end report
    MagazineStock = 17,     // 杂志的库存 (report window)
    Insurance = 18,         // 参加保险
    Upkeep = 19,            // earthquake proofing and cleaning orders
    FacilityInfo = 20,      // 设施信息
    BookOrder = 21,         // book ordering
    AwardCeremony = 22,     // the quarterly award ceremony
    BookStock = 23,         // 书籍的库存 (report window)
    Bank = 24,              // 银行
    Borrow = 25,            // 借贷
    LoanRepayment = 26,     // 偿还贷款
    DayReport = 27,         // 今天是
    GameSpeed = 28,         // 调整速度
    SalesChart = 29,        // 书籍销售量图表 (report window)
    ProfitChart = 30,       // 店铺收支图表 (report window)
    RegisterInfo = 31,      // 收银信息
    Earthquake = 32,        // the earthquake
    AwardNotice = 33,       // 通知: the ceremony is due
    GameOver = 34,          // 停止营业
    Robbery = 35,           // 遭遇抢劫
    ClerkSettings = 36,     // 店员的设定
    VisitorNotice = 37,     // a visitor milestone
    Salary = 38,            // 调整薪资
    Advertising = 39,       // 店铺的宣传
    Posters = 40,           // 张贴海报
    ShopDetails = 41,       // 店铺的详细信息 (report window)
    TvAdvert = 42,          // 电视广告
    PromoFilm = 43,         // 制作宣传影片
    Leaflets = 44,          // 宣传册
    ShopServices = 45,      // 店铺的服务
    ClerkPopup = 46,        // a clerk's message (modeless)
    QuakeDamage = 47,       // the earthquake damage report
    NewsIndex = 48,         // the industry news
    BookTopTen = 49,        // books top 10
    MagazineTopTen = 50,    // magazines top 10
    ShopOfMonthNews = 51,   // 本月的店铺
    IndustryNews = 52,      // 最近的业界
    HeadlineNews = 53,      // 头条新闻
    StarPromotion = 54,     // 星级提升
    Settings = 55,          // 设定
    BuyService = 56,        // 服务设施
    ServiceInfo = 57,       // 服务设备信息
    GrandPrize = 58,        // the grand-prize certificate
    DeliverySchedule = 59,  // 今月的进货计划表 (report window)
    InsurancePayout = 61,   // 购买了保险
    ReadingPolicy = 62,     // 站读对策
    Complaint = 63,         // a customer's complaint
    FireOut = 64,           // 灭火
    FireDiscovered = 65,    // 发现火灾
    FireBrigade = 66,       // the fire brigade
};

constexpr int WindowNumber(Window w) { return static_cast<int>(w); }

// The object name each window carries: "Form" and its number.
inline std::string WindowObjectName(Window w) { return "Form" + std::to_string(WindowNumber(w)); }
