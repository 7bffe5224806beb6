#include "business/GameOver.h"

#include <array>
#include <vector>

namespace {

// The cause texts by GameOverReason 1..3, line by line.
const std::array<std::vector<const char*>, 3> kCauseLines = {{
    // 1: the funds fell below zero
    {"  您的店铺由于资金不足，无法继续", "营业了。", "  如果下次还要再开店的话，请避免", "此类事情的发生。"},
    // 2: the worst award at the quarterly ceremony
    {"  您的店铺目前经营状况非常糟糕，", "只能关门停业了。", "  如果下次还要再开店的话，请避免", "此类事情的发生。"},
    // 3: the manager was killed after refusing a robber
    {"  由于勒索遭拒，强盗大为恼怒，", "刺杀了店长。", "  之后经过搜查抓获了凶手，但是", "由于没有了店长，店铺只能关门",
     "停业了。"},
}};

}  // namespace

std::string GameOverText(const Value& reason) {
    long long r = reason.asInt();
    if (r < 1 || r > static_cast<long long>(kCauseLines.size())) return "";
    std::string text;
    for (const char* line : kCauseLines[r - 1]) {
        text += line;
        text += "\r\n";
    }
    return text;
}

void GameOverClosed(GameState& g) { g.GameRunning = 0; }

bool GrandPrizeCertificateDue(GameState& g) {
    if (g.GameOverReason.asInt() != 0) {
        g.GrandPrizePending = 0;
        return false;
    }
    return g.GrandPrizePending.asInt() != 0;
}
