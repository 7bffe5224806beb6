#include "business/CeremonyScript.h"
#include "state/Counters.h"

#include <algorithm>
#include <cstdint>
#include <initializer_list>
#include <utility>

#include "state/TableRows.h"

namespace {

// What a step does at every tick while the script stands on it.
enum class StepAction {
    Line,          // sets the line
    Reveal,        // ranks the award and spins the roulette towards its winner
    Result,        // names the winner on the board and flags an award won
    WorstReveal,   // the roulette ends on the player's shop or on "无"
    WorstVerdict,  // the worst award goes to the player's shop or to nobody
    Finale,        // the last line; "结束" is enabled and the script locks
};

// The script. In the lines, {N} is the ceremony number, {W} the winner's
// name (the shop in AwardOrder(0)), {P} the player's shop and {S} the
// winner's sales score; `other` is the verdict's line when nobody gets the
// worst award.
struct StepRow {
    StepAction action;
    AwardKind award;
    const char* line;
    const char* other;
};
constexpr StepRow kSteps[kCeremonySteps] = {
    {StepAction::Line, AwardKind::Facility, "大家好。第{N}回 全日本 书店评选开始了。", nullptr},  // 0
    {StepAction::Line, AwardKind::Facility, "现在就让我们立刻发表设施奖吧。这个奖项将颁给设施最好的店铺。", nullptr},
    {StepAction::Line, AwardKind::Facility, "那么，第{N}回 的设施奖获得者是……", nullptr},
    {StepAction::Reveal, AwardKind::Facility, " ", nullptr},
    {StepAction::Result, AwardKind::Facility, "{W}。{W}获得150万円的奖金。", nullptr},
    {StepAction::Line, AwardKind::Effort, "那么，接下来是努力奖。这个奖项将颁给最近3个月内最努力的店铺。", nullptr},  // 5
    {StepAction::Line, AwardKind::Effort, "那么，第{N}回 的努力奖是……", nullptr},
    {StepAction::Reveal, AwardKind::Effort, " ", nullptr},
    {StepAction::Result, AwardKind::Effort, "{W}。{W}获得180万円的奖金。", nullptr},
    {StepAction::Line, AwardKind::Sales, "接下来是销售奖。这个奖项将颁给最近3个月内售出书刊最多的店铺。", nullptr},
    {StepAction::Line, AwardKind::Sales, "那么，第{N}回 的销售奖是……", nullptr},  // 10
    {StepAction::Reveal, AwardKind::Sales, " ", nullptr},
    {StepAction::Result, AwardKind::Sales, "{W}。{W}，{S}册销售量。这家店获得180万円奖金。", nullptr},
    {StepAction::Line, AwardKind::Cleaning, "接下来是清扫奖。这个奖项将颁给最近3个月内最整洁的店铺。", nullptr},
    {StepAction::Line, AwardKind::Cleaning, "那么，第{N}回 的清扫奖是……", nullptr},
    {StepAction::Reveal, AwardKind::Cleaning, " ", nullptr},  // 15
    {StepAction::Result, AwardKind::Cleaning, "{W}。{W}获得200万円的奖金。", nullptr},
    {StepAction::Line, AwardKind::Worst, "那么，颁发大赏之前将先发表粗恶奖。这个奖项将颁给最近3个月内最脏乱，", nullptr},
    {StepAction::Line, AwardKind::Worst, "顾客的评价很差的店铺。被选中的店铺将强制停止营业……", nullptr},
    {StepAction::Line, AwardKind::Worst, "那么，第{N}回 的粗恶奖是……", nullptr},
    {StepAction::WorstReveal, AwardKind::Worst, " ", nullptr},  // 20
    {StepAction::WorstVerdict, AwardKind::Worst, "{P}。{P}停止营业……", "这次没有店铺获得粗恶奖，真不错。"},
    {StepAction::Line, AwardKind::Grand, "最后，终于到了大奖发表的时候了。", nullptr},
    {StepAction::Line, AwardKind::Grand, "大奖将颁给最近3个月各方面都是最优秀的店铺。", nullptr},
    {StepAction::Line, AwardKind::Grand, "那么，第{N}回 的大奖是……", nullptr},
    {StepAction::Reveal, AwardKind::Grand, " ", nullptr},  // 25
    {StepAction::Result, AwardKind::Grand, "{W}。{W}获得1000万円的奖金。", nullptr},
    {StepAction::Line, AwardKind::Grand, "最后再次恭喜{W}获得了大奖。", nullptr},
    {StepAction::Line, AwardKind::Grand, "这次各项奖项都已颁发完毕，希望大家继续努力，争取下次获得大奖吧。", nullptr},
    {StepAction::Finale, AwardKind::Grand, "那么，3个月后再会。", nullptr},
};

// A talking face shows frame 1 and frame 2 in turn.
constexpr int kRestingFrame = 1;
constexpr int kLastFrame = 2;

int ShopRows(const GameState& g) {
    return RowsInUse(g.BookshopCount, g.Bookshop.Name);
}

std::string ShopName(const GameState& g, int row) {
    if (row < 0 || row >= static_cast<int>(g.Bookshop.Name.size())) return "";
    return g.Bookshop.Name[row].asText();
}

int BoardIndexOf(AwardKind award) {
    for (const BoardRow& r : kBoard)
        if (r.award == award) return r.index;
    return 0;
}

using Field = std::pair<const char*, std::string>;

std::string Fill(const char* text, std::initializer_list<Field> fields) {
    std::string s = text;
    for (const Field& f : fields) {
        const std::string key = std::string("{") + f.first + "}";
        for (std::size_t at = s.find(key); at != std::string::npos; at = s.find(key, at + f.second.size()))
            s.replace(at, key.size(), f.second);
    }
    return s;
}

std::string LineOf(const GameState& g, const char* text) {
    const int winner = g.AwardOrder[0].i();
    return Fill(text, {{"N", g.AwardRound.asText()},
                       {"W", ShopName(g, winner)},
                       {"P", ShopName(g, 0)},
                       {"S", winner >= 0 && winner < static_cast<int>(g.Bookshop.AwardSales.size())
                                 ? g.Bookshop.AwardSales[winner].asText()
                                 : std::string()}});
}

// One tick of a roulette: a random shop's name until it has shown its
// names, then the result.
void SpinRoulette(GameState& g, CeremonyShow& show, const std::string& result) {
    if (g.RouletteTicks.asInt() >= kRouletteNames) {
        show.spotlight = result;
        return;
    }
    CountUp(g.RouletteTicks);
    show.spotlight = ShopName(g, g.RndInt(ShopRows(g)));
}

const StepRow& CurrentStep(const GameState& g) {
    return kSteps[std::clamp(g.CeremonyStep.i(), 0, kCeremonyLastStep)];
}

void Act(GameState& g, CeremonyShow& show, const StepRow& step) {
    switch (step.action) {
    case StepAction::Line: g.TypeText = LineOf(g, step.line); break;
    case StepAction::Reveal: {
        const int winner = RankAward(g, step.award);
        g.TypeText = step.line;
        SpinRoulette(g, show, ShopName(g, winner));
        break;
    }
    case StepAction::Result: {
        // Ranked again here, so a result never reads a stale order.
        const int winner = RankAward(g, step.award);
        const int at = BoardIndexOf(step.award);
        show.spotlight.clear();
        show.board[at] = ShopName(g, winner);
        show.boardRed[at] = winner == 0;
        g.TypeText = LineOf(g, step.line);
        if (winner == 0) g.AwardWon[static_cast<int>(step.award)] = 1;
        break;
    }
    case StepAction::WorstReveal:
        g.TypeText = step.line;
        SpinRoulette(g, show, WorstAwardCandidate(g) ? ShopName(g, 0) : kNoWinner);
        break;
    case StepAction::WorstVerdict: {
        const int at = BoardIndexOf(AwardKind::Worst);
        show.spotlight.clear();
        if (WorstAwardVerdict(g)) {
            show.board[at] = ShopName(g, 0);
            show.boardRed[at] = true;
            g.AwardWon[static_cast<int>(AwardKind::Worst)] = 1;
            g.TypeText = LineOf(g, step.line);
        } else {
            show.board[at] = kNoWinner;
            show.boardRed[at] = false;
            g.TypeText = step.other;
        }
        break;
    }
    case StepAction::Finale:
        show.closeEnabled = true;
        g.CeremonyLock = 1;
        g.TypeText = step.line;
        break;
    }
}

bool IsRoulette(const StepRow& step) {
    return step.action == StepAction::Reveal || step.action == StepAction::WorstReveal;
}

}  // namespace

std::string CeremonyCaption(const GameState& g) { return "第" + g.AwardRound.asText() + "回 全日本 书店评选"; }
std::string CeremonyTitle(const GameState& g) { return "== 第" + g.AwardRound.asText() + "回评选 =="; }

int TypedLength(const std::string& text) {
    int n = 0;
    for (unsigned char c : text)
        if ((c & 0xC0) != 0x80) ++n;  // count UTF-8 lead bytes
    return n;
}

std::string TypedPart(const std::string& text, int chars) {
    if (chars <= 0) return "";
    int seen = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if ((static_cast<unsigned char>(text[i]) & 0xC0) == 0x80) continue;
        if (seen == chars) return text.substr(0, i);
        ++seen;
    }
    return text;
}

void CeremonyStarts(GameState& g) {
    CeremonyOpened(g);
    g.TypePos = 0;
    g.RouletteTicks = 0;
}

void CeremonyTick(GameState& g, CeremonyShow& show) {
    Act(g, show, CurrentStep(g));

    const std::string text = g.TypeText.asText();
    const int length = TypedLength(text);
    if (g.TypePos.asInt() <= length) g.TypePos = g.TypePos.asInt() + 1;
    show.speech = TypedPart(text, g.TypePos.i());

    show.faceFrame = kRestingFrame;
    if (g.TypePos.asInt() >= length) {
        if (g.CeremonyLock.asInt() != 1) show.prompt = kCeremonyPrompt;
        return;
    }
    // Still typing: the mouth moves. The count is taken whole: a file may
    // hold any count of its range there, and one past the frames starts the
    // talking afresh.
    const std::int64_t next = g.BlinkTicks.asInt() + 1;
    const int frame = next < kRestingFrame || next > kLastFrame ? kRestingFrame : static_cast<int>(next);
    show.faceFrame = frame;
    g.BlinkTicks = frame == kLastFrame ? 0 : frame;
    show.prompt.clear();
}

void CeremonyAdvance(GameState& g) {
    if (g.CeremonyLock.asInt() == 1) return;
    // A step acts at its ticks; until its first tick has run, its line is not
    // up yet, and a click (or a held key repeating faster than the ticks)
    // must not pass over it, or an award won there would never be flagged.
    if (g.TypePos.asInt() == 0) return;
    const int length = TypedLength(g.TypeText.asText());
    if (g.TypePos.asInt() >= length) {
        g.RouletteTicks = 0;
        g.TypePos = 0;
        g.CeremonyStep = g.CeremonyStep.asInt() + 1;
    } else if (g.RouletteTicks.asInt() != 0) {
        g.RouletteTicks = kRouletteSkipped;
    } else {
        g.TypePos = length;
    }
}

bool CeremonyWaitsForClick(const GameState& g) {
    if (g.CeremonyLock.asInt() == 1 || g.TypePos.asInt() == 0) return false;
    if (g.TypePos.asInt() < TypedLength(g.TypeText.asText())) return false;
    return !IsRoulette(CurrentStep(g)) || g.RouletteTicks.asInt() >= kRouletteNames;
}

void ClickThroughCeremony(GameState& g, CeremonyShow& show) {
    // Thirty lines end within a few thousand ticks; the bound only keeps a
    // damaged state from spinning for ever.
    constexpr int kMostTicks = 100000;
    for (int t = 0; t < kMostTicks && g.CeremonyLock.asInt() != 1; ++t) {
        CeremonyTick(g, show);
        if (CeremonyWaitsForClick(g)) CeremonyAdvance(g);
    }
}
