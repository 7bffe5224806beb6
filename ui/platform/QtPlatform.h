#pragma once
// The desktop side of the platform seam: Qt message boxes, sounds, file
// dialogs, the help window and the game's windows. What the main window and
// the floor view show (status bar, caption, pause face, title state, game
// timer, floor pictures) goes out as signals, which those windows follow
// while they are open.
#include <QHash>
#include <QObject>
#include <QPointer>
#include <QString>
#include <chrono>
#include <optional>
#include <string>

#include "platform/Platform.h"

class QTextBrowser;

// At the top speed the funds change the caption at nearly every wake of the
// clock, fifteen times a second, and every caption is a round of requests
// to the window manager (its text converted for the older property too):
// it is told at most this often while the clock runs, time enough to read
// the funds and the date.
inline constexpr std::chrono::milliseconds kCaptionPeriod{500};

class QtPlatform : public QObject, public Platform {
    Q_OBJECT
public:
    MsgAnswer MessageBox(const std::string& text, MsgStyle style, const std::string& title) override;
    void PlaySound(const std::string& file) override;
    // Whether the sound module beside the program is there to play them.
    static bool CanPlaySounds();
    bool ChooseOpenFile(std::string& path) override;
    bool ChooseSaveFile(std::string& path) override;
    void ShowHelp() override;
    bool ShowWindow(Window w, GameState& g) override;
    void ToggleReportWindow(Window w, GameState& g) override;
    void CloseGameWindows(const GameState& g) override;
    void SetStatusBar(const std::string& text) override;
    void SetCaption(const std::string& text) override;
    void ShowPauseFace(bool pressed) override { emit pauseFaceChanged(pressed); }
    void LoadShopGraphics(const GameState&) override { emit loadShopGraphics(); }
    void SwitchDayNightSheet(const GameState&) override { emit switchDayNightSheet(); }
    void LayOutFloorViewAgain(const GameState&) override { emit layOutFloorViewAgain(); }
    void ShowTitleState(GameState& g) override {
        if (!IsLive(g)) return;
        captionPending_ = false;  // the title state has a caption and a status text of its own
        statusPending_ = false;
        emit titleStateWanted();
    }
    // While the game clock runs a batch of ticks, the status text and the
    // caption they set are shown once: after the batch, or before a window
    // or box that one of them opens (a sale sets the status text, and a
    // batch holds several ticks). After the batch it waits while the caption shown is
    // younger than kCaptionPeriod and a later wake of the clock comes
    // within that period to show it; a change of the clock (a pause, a
    // window holding it) shows it at once.
    void TicksRunning(bool running);
    // The game clock has run ticks: the floor view draws the frame that is
    // due, and the report windows look at their redraw flags.
    void TicksRan() { emit ticksRan(); }

    // The one live game of the program, owned by the main window: every
    // window the game opens must be one of its windows.
    void SetLiveGame(const GameState* g) { live_ = g; }

signals:
    void statusBarChanged(const QString& text);
    void captionChanged(const QString& text);
    void pauseFaceChanged(bool pressed);
    void clockChanged();
    void loadShopGraphics();
    void switchDayNightSheet();
    void layOutFloorViewAgain();
    void titleStateWanted();
    void ticksRan();

protected:
    void ClockChanged() override;

private:
    bool IsLive(const GameState& g) const;
    void ShowPendingCaption();
    void ShowPendingStatus();
    // Both, before a window or a box comes up.
    void ShowPending() {
        ShowPendingStatus();
        ShowPendingCaption();
    }
    bool ticksRunning_ = false;
    bool captionPending_ = false;
    bool statusPending_ = false;
    std::string status_;
    std::optional<ClockTime> captionShownAt_;
    QString caption_;
    QPointer<QTextBrowser> help_;
    const GameState* live_ = nullptr;
};

// The Qt platform in use, or null when the one installed is another kind
// (the window tests run on the headless one).
QtPlatform* QtUi();

// The game's Chinese font, pinned so Simplified Chinese glyphs are used
// whatever the locale.
QFont GameFont(int pointSize = 9);
// Sets the game's style (GameStyle.h), the application font, the Chinese
// captions of standard buttons and the game's icon (read from the program's
// folder, so set that first).
void SetUpApplicationLook();
