#include "platform/headless/HeadlessPlatform.h"

#include "platform/GameClock.h"
#include "platform/WindowDefaults.h"

namespace {
HeadlessPlatform& DefaultPlatform() {
    static HeadlessPlatform p;
    return p;
}
Platform* g_current = nullptr;
}  // namespace

Platform& Ui() { return g_current ? *g_current : DefaultPlatform(); }
void SetPlatform(Platform* p) { g_current = p; }

MsgAnswer HeadlessPlatform::MessageBox(const std::string& text, MsgStyle style, const std::string& title) {
    ClockHold hold;  // the game stands still while any box is up
    shown.push_back({text, style, title});
    if (onShow) onShow(shown.back());
    if (!answers.empty()) {
        MsgAnswer a = answers.front();
        answers.pop_front();
        return a;
    }
    bool question = style == MsgStyle::Question || style == MsgStyle::OverwriteQuestion;
    return question ? MsgAnswer::Yes : MsgAnswer::Ok;
}

ScopedPlatform::ScopedPlatform(Platform& p) : previous_(g_current) { SetPlatform(&p); }
ScopedPlatform::~ScopedPlatform() { SetPlatform(previous_); }

bool HeadlessPlatform::ShowWindow(int form) {
    windowsShown.push_back(form);
    auto it = windowAnswers.find(form);
    if (it != windowAnswers.end()) {
        it->second();
        return true;
    }
    if (const WindowDefault* d = FindWindowDefault(form)) {
        (*d)();
        return true;
    }
    return false;
}
