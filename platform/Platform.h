#pragma once
// The one seam between the game and the screen. The game core reaches
// windows, message boxes, sounds, file dialogs, help, the status bar, the
// main caption, the floor view and the game timer only through this
// interface; the desktop build plugs in the Qt implementation, the tests
// and the headless tool the headless one.
#include <functional>
#include <optional>
#include <string>

#include "platform/ClockPace.h"
#include "platform/GameClock.h"
#include "platform/Window.h"

struct GameState;

// The box styles the game uses.
enum class MsgStyle {
    Information,        // OK, information icon, titled with the game title
    Question,           // Yes/No, question icon, No default
    OverwriteQuestion,  // Yes/No, question icon, No default, no title
    Exclamation,        // OK, exclamation icon
};

enum class MsgAnswer { Ok, Yes, No };

class Platform {
public:
    virtual ~Platform() = default;

    // ---- boxes, sounds, files, help ----

    // Shows a modal message box and returns the player's answer. The game
    // clock is held while it is up.
    virtual MsgAnswer MessageBox(const std::string& text, MsgStyle style, const std::string& title) = 0;
    // Plays a sound file below the program's folder ("Gold.wav") without
    // waiting for it.
    virtual void PlaySound(const std::string& file) = 0;
    // The open and save dialogs of saved games, holding the clock while
    // they are up. `path` comes in as the suggested file and goes out as
    // the chosen full path; false when the player cancels.
    virtual bool ChooseOpenFile(std::string& path) = 0;
    virtual bool ChooseSaveFile(std::string& path) = 0;
    // Shows the help page at its contents.
    virtual void ShowHelp() = 0;

    // ---- windows ----

    // Opens a window of the game `g` (a modal one returns when it has
    // closed). A window that is not built yet is skipped: false.
    virtual bool ShowWindow(Window w, GameState& g) = 0;
    // The command behind every menu item and toolbar button that shows a
    // report window: opens it when closed; when it is the active child,
    // minimises it (normal) or restores it (minimised); otherwise restores
    // or focuses it.
    virtual void ToggleReportWindow(Window w, GameState& g) = 0;
    // Closes every window of the running game `g`, before a new game
    // replaces it (the new-game dialog that asked for it stays until it is
    // done).
    virtual void CloseGameWindows(const GameState& g) = 0;

    // ---- the main window ----

    // The status bar's one line of text.
    virtual void SetStatusBar(const std::string& text) = 0;
    // The main window's caption.
    virtual void SetCaption(const std::string& text) = 0;
    // The pause button's face: pressed while paused.
    virtual void ShowPauseFace(bool pressed) = 0;
    // Returns the main window to its title state once the game `g` is over
    // (the game-over window's closing): the game menus disabled, the toolbar
    // hidden, every window of the game closed, the title's status text and
    // caption, and the clock switched off.
    virtual void ShowTitleState(GameState& g) = 0;

    // ---- the floor view (nothing happens while it is closed) ----

    // Loads the day and night floor pictures of ShopSize and shows the one
    // for the hour.
    virtual void LoadShopGraphics(const GameState& g) = 0;
    // Shows the day picture at hour 6 and the night picture at hour 18.
    virtual void SwitchDayNightSheet(const GameState& g) = 0;
    // Lays the floor view out again for ShopSize (after an enlargement).
    virtual void LayOutFloorViewAgain(const GameState& g) = 0;

    // ---- the game timer ----

    // The time the game clock and the floor view's frames keep: a steady
    // clock of the machine, which a test's platform may set instead.
    virtual ClockTime Now() const;

    const GameClock& Clock() const { return clock_; }
    void SetClockEnabled(bool on) { Change([&] { clock_.setEnabled(on); }); }
    void SetClockInterval(int ms) { Change([&] { clock_.setInterval(ms); }); }
    void HoldClock() { Change([&] { clock_.hold(); }); }
    void ReleaseClock() { Change([&] { clock_.release(); }); }
    void ResetClock() { Change([&] { clock_.reset(); }); }
    // Runs the ticks of the clock that are due by now, `tick` running one,
    // and returns how many ran (see ClockPace::RunDue).
    int RunDueTicks(const std::function<void()>& tick) { return pace_.RunDue(Now(), tick); }
    // When the clock wants to wake next to run its ticks; none while it
    // stands.
    std::optional<ClockTime> NextClockWake() const { return pace_.NextWake(); }

protected:
    // Called after every change of the clock, so the window side can
    // follow (the Qt main window wakes when the pace next asks).
    virtual void ClockChanged() {}

private:
    template <class F>
    void Change(F f) {
        f();
        pace_.Follow(clock_, Now());
        ClockChanged();
    }
    GameClock clock_;
    ClockPace pace_;
};

// The title of the game's Yes/No questions: 18 spaces, then the game title.
inline std::string QuestionTitleFor(const std::string& gameTitle) { return std::string(18, ' ') + gameTitle; }

// The saved-game dialogs' file types and suggested name.
inline constexpr const char* kSaveFileFilter = "所有文件 (*.*)|*.*|Quillmart文件 (*.qmt)|*.qmt|";
inline constexpr const char* kSaveFileDefaultName = "Game.qmt";
inline constexpr const char* kSaveFileDialogTitle = "Quillmart文件";

// The implementation in use. Asking for it before one is installed is a
// fault of the program, not a quiet headless run: it throws
// std::logic_error saying so (the desktop build installs the Qt platform at
// start-up; the headless tool and every test that reaches the screen
// install a headless one).
Platform& Ui();
// Installs `p` (null: none).
void SetPlatform(Platform* p);
// The platform installed, or null.
Platform* InstalledPlatform();

// Holds the game clock for a scope (a box, a dialog, a save).
class ClockHold {
public:
    explicit ClockHold(Platform& p = Ui()) : p_(p) { p_.HoldClock(); }
    ~ClockHold() { p_.ReleaseClock(); }
    ClockHold(const ClockHold&) = delete;
    ClockHold& operator=(const ClockHold&) = delete;

private:
    Platform& p_;
};
