#pragma once
// A platform without a screen, for tests and the headless tool: every
// message box is recorded and answered from a script (then by its plain
// default), every window by the test's own answer or by the window's
// headless answer, and what the main window would show is kept. The records
// keep the latest events only (see Remember), so that a headless run of
// many game years stays small.
#include <cstddef>
#include <deque>
#include <functional>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "platform/Platform.h"
#include "platform/WindowDefaults.h"

// Appends to a record; once it holds `kRecordLimit` events it forgets the
// older half first. A test sees every event of its own short run, a run of
// years keeps memory flat.
inline constexpr std::size_t kRecordLimit = 4096;
template <typename T>
void Remember(std::vector<T>& record, T event) {
    if (record.size() >= kRecordLimit)
        record.erase(record.begin(), record.begin() + static_cast<std::ptrdiff_t>(kRecordLimit / 2));
    record.push_back(std::move(event));
}

class HeadlessPlatform : public Platform {
public:
    struct Shown {
        std::string text;
        MsgStyle style;
        std::string title;
    };

    // `defaults` answers the windows a test does not answer itself; without
    // it, windows are skipped as if not built.
    explicit HeadlessPlatform(WindowDefaults defaults = {}) : defaults_(defaults) {}

    MsgAnswer MessageBox(const std::string& text, MsgStyle style, const std::string& title) override;
    void PlaySound(const std::string& file) override { Remember(sounds, file); }
    // The next file dialog answers with this path; an empty path cancels.
    bool ChooseOpenFile(std::string& path) override { return Choose(path); }
    bool ChooseSaveFile(std::string& path) override { return Choose(path); }
    void ShowHelp() override { ++helpShown; }
    // Records the window and answers it: with the test's own answer for that
    // window when there is one, else with the window's headless answer.
    bool ShowWindow(Window w, GameState& g) override;
    // Without windows to minimise or focus, a toggle opens the window.
    void ToggleReportWindow(Window w, GameState& g) override { ShowWindow(w, g); }
    void CloseGameWindows(const GameState&) override {
        ++gameWindowsClosed;
        if (onCloseGameWindows) onCloseGameWindows();
    }
    void SetStatusBar(const std::string& text) override { Remember(statusBar, text); }
    void SetCaption(const std::string& text) override { Remember(captions, text); }
    void ShowPauseFace(bool pressed) override { Remember(pauseFaces, pressed); }
    // The title state as the game sees it: the clock switched off.
    void ShowTitleState(GameState&) override {
        ++titleStates;
        SetClockEnabled(false);
    }
    // The time stands where the test set it (`now`).
    ClockTime Now() const override { return now; }
    void LoadShopGraphics(const GameState&) override { ++floorLoads; }
    void SwitchDayNightSheet(const GameState&) override { ++floorSwitches; }
    void LayOutFloorViewAgain(const GameState&) override { ++floorLayouts; }

    std::map<Window, std::function<void(GameState&)>> windowAnswers;
    std::vector<Window> windowsShown;        // the latest windows asked for
    std::map<Window, long long> timesShown;  // every window asked for, counted
    int gameWindowsClosed = 0;               // times the game's windows were closed
    int titleStates = 0;                     // times the title state was shown
    ClockTime now{};                         // the time the clock keeps; a test moves it on
    // Called when the game's windows are closed (a test looks at the game then).
    std::function<void()> onCloseGameWindows;

    std::deque<std::string> files;
    std::vector<std::string> sounds;
    int helpShown = 0;
    std::vector<std::string> statusBar;
    std::vector<std::string> captions;
    std::vector<bool> pauseFaces;
    int floorLoads = 0, floorSwitches = 0, floorLayouts = 0;

    // Answers for the next boxes, in order; an empty script answers Yes to a
    // question and OK to anything else.
    std::deque<MsgAnswer> answers;
    std::vector<Shown> shown;
    // Called for every box shown (the headless tool prints them).
    std::function<void(const Shown&)> onShow;
    // Called after every change of the game clock.
    std::function<void()> onClockChanged;

protected:
    void ClockChanged() override {
        if (onClockChanged) onClockChanged();
    }

private:
    bool Choose(std::string& path) {
        ClockHold hold(*this);
        if (files.empty()) return false;
        path = files.front();
        files.pop_front();
        return !path.empty();
    }
    WindowDefaults defaults_;
};

// Installs a platform for the lifetime of the object (tests).
class ScopedPlatform {
public:
    explicit ScopedPlatform(Platform& p);
    ~ScopedPlatform();
    ScopedPlatform(const ScopedPlatform&) = delete;
    ScopedPlatform& operator=(const ScopedPlatform&) = delete;

private:
    Platform* previous_;
};
