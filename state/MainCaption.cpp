#include "state/MainCaption.h"

#include "state/FormatMoney.h"

std::string MainCaption(const GameState& g) { return MainCaptionOn(g, TodayShown(g)); }

std::string MainCaptionOn(const GameState& g, const ShownDate& date) {
    std::string c = g.GameTitle.asText();
    c += " ";
    c += g.ShopName.asText();
    c += "  资金";
    c += FormatMoney(g.Funds.asInt());
    c += "円 ";
    c += std::to_string(date.year) + "年 ";
    c += std::to_string(date.month) + "月 ";
    c += std::to_string(date.day) + "日 ";
    c += WeekdayName(date.weekday);
    long long h = g.Hour.asInt();
    c += h >= 12 ? "下午 " + std::to_string(h - 12) : "上午 " + std::to_string(h);
    c += "时";
    return c;
}
