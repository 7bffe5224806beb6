#include "platform/headless/HeadlessPlatform.h"

MsgAnswer HeadlessPlatform::MessageBox(const std::string& text, MsgStyle style, const std::string& title) {
    ClockHold hold(*this);  // the game stands still while any box is up
    Remember(shown, Shown{text, style, title});
    if (onShow) onShow(shown.back());
    if (!answers.empty()) {
        MsgAnswer a = answers.front();
        answers.pop_front();
        return a;
    }
    bool question = style == MsgStyle::Question || style == MsgStyle::OverwriteQuestion;
    return question ? MsgAnswer::Yes : MsgAnswer::Ok;
}

ScopedPlatform::ScopedPlatform(Platform& p) : previous_(InstalledPlatform()) { SetPlatform(&p); }
ScopedPlatform::~ScopedPlatform() { SetPlatform(previous_); }

bool HeadlessPlatform::ShowWindow(Window w, GameState& g) {
    Remember(windowsShown, w);
    ++timesShown[w];
    auto it = windowAnswers.find(w);
    if (it != windowAnswers.end()) {
        it->second(g);
        return true;
    }
    for (const WindowDefault& d : defaults_) {
        if (d.window != w) continue;
        d.answer(g);
        return true;
    }
    return false;
}
