#include "sim/MainTick.h"

#include "state/FormatMoney.h"

namespace {
bool g_inTick = false;

const char* const kWeekdays[] = {"星期日", "星期一", "星期二", "星期三", "星期四", "星期五", "星期六"};
}  // namespace

std::string MainCaption(const GameState& g) {
    std::string c = g.GameTitle.asText();
    c += " ";
    c += g.ShopName.asText();
    c += "  资金";
    c += FormatMoney(g.Funds.asInt());
    c += "円 ";
    c += std::to_string(g.Year.asInt()) + "年 ";
    c += std::to_string(g.Month.asInt()) + "月 ";
    c += std::to_string(g.Day.asInt()) + "日 ";
    long long wd = g.Weekday.asInt();
    if (wd >= 0 && wd <= 6) c += kWeekdays[wd];
    long long h = g.Hour.asInt();
    c += h >= 12 ? "下午 " + std::to_string(h - 12) : "上午 " + std::to_string(h);
    c += "时";
    return c;
}

void MainTick(GameState& g, const TickWindow& w) {
    if (g_inTick) return;
    g_inTick = true;

    // 1. One draw thrown away.
    (void)g.Rnd();

    // 2. The status-bar message shows from the tick after it was set and is
    // blanked twenty ticks later.
    g.StatusTicks = g.StatusTicks.asInt() + 1;
    if (g.StatusTicks.asInt() == 1 && w.setStatusBar) w.setStatusBar(g.StatusText.asText());
    if (g.StatusTicks.asInt() == 20) {
        g.StatusText = "";
        g.StatusTicks = 0;
    }

    // 3. The caption, when something changed it.
    if (g.CaptionDirty.asInt() == 1) {
        g.CaptionDirty = 0;
        if (w.setCaption) w.setCaption(MainCaption(g));
    }

    g_inTick = false;
}
