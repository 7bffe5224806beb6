#pragma once
// The shop's extra services (ShopServiceOn, by ShopService index): which of
// the four the shop offers. Switching one on raises Popularity by its step
// at once and switching it off lowers it by the same step, without the
// clamp (the week's turn brings Popularity back into 0..100). What a
// service earns is booked at checkout and its fee at the month end.
#include <array>

#include "state/GameState.h"

inline constexpr const char* kShopServicesCaption = "店铺的服务";
inline constexpr const char* kShopServicesHeading = "== 店铺的服务 ==";
inline constexpr const char* kServiceFeeText = "费用 2万円/月";

inline constexpr int kShopServiceCount = 4;

// The services in the order of the list and of ShopServiceOn: the frame's
// caption, the captions of its "on" and "off" options, the unit income text
// and the popularity step.
struct ShopServiceRow {
    const char* caption;
    const char* onCaption;
    const char* offCaption;
    const char* incomeText;
    int popularityStep;
};
inline constexpr ShopServiceRow kShopServices[kShopServiceCount] = {
    {"受理照片冲印", "受理", "不受理", "1卷胶卷的收益是800円。", 4},   // photo developing
    {"受理宅配送", "受理", "不受理", "1件配送物的收益是1000円。", 4},   // home delivery
    {"打印海报", "提供", "不提供", "1张海报的收益是1000円。", 3},       // poster printing
    {"图书卷的处理", "提供", "不提供", "1张图书卷的收益是500円。", 2},  // book tokens
};

// The list of service rows: 233 pixels high, of which the dialog shows 177
// (three rows). Below star level 3 the list is cut to what shows, so the
// book-token row stays hidden and nothing scrolls.
inline constexpr int kServiceListHeight = 233;
inline constexpr int kServiceListVisibleHeight = 177;
inline constexpr int kBookTokenStarLevel = 3;
struct ServiceListLayout {
    int listHeight;
    int scrollMax;  // the scroll bar's maximum: list height less what shows
    bool bookTokensShown;
};
ServiceListLayout ServiceListFor(const GameState& g);

// The services as the dialog opens: on exactly where ShopServiceOn is not 0.
std::array<bool, kShopServiceCount> OfferedServices(const GameState& g);

// "确定": each service takes its choice, Popularity moving only for a
// service whose state really changes; then the shop details window redraws.
void ApplyShopServices(GameState& g, const std::array<bool, kShopServiceCount>& offered);
