#pragma once
// The seam between the game and the windowing system. The game core calls
// only this interface; the desktop build plugs in the Qt implementation, the
// tests and the headless tool a scripted one.
#include <string>

// The box styles the game uses; the numbers are the style codes the game's
// texts are written for.
enum class MsgStyle {
    Information = 64,         // OK, information icon, titled with the game title
    Question = 548,           // Yes/No, question icon, No default
    OverwriteQuestion = 292,  // Yes/No, question icon, No default, no title
    Exclamation = 48,         // OK, exclamation icon
};

enum class MsgAnswer { Ok, Yes, No };

class Platform {
public:
    virtual ~Platform() = default;
    // Shows a modal message box and returns the player's answer. The game
    // clock is held while it is up.
    virtual MsgAnswer MessageBox(const std::string& text, MsgStyle style, const std::string& title) = 0;
    // Plays a sound file below the program's folder ("Gold.wav") without
    // waiting for it.
    virtual void PlaySound(const std::string& file) = 0;
    // The open and save dialogs of saved games. `path` comes in as the
    // suggested file and goes out as the chosen full path; false when the
    // player cancels.
    virtual bool ChooseOpenFile(std::string& path) = 0;
    virtual bool ChooseSaveFile(std::string& path) = 0;
    // Shows the help page at its contents.
    virtual void ShowHelp() = 0;
    // Opens the game's window number `form` (a modal one returns when it
    // has closed). A window that is not built yet is skipped: false.
    virtual bool ShowWindow(int form) = 0;
};

// The title of the game's Yes/No questions: 18 spaces, then the game title.
inline std::string QuestionTitleFor(const std::string& gameTitle) { return std::string(18, ' ') + gameTitle; }

// The saved-game dialogs' file types and suggested name.
inline constexpr const char* kSaveFileFilter = "所有文件 (*.*)|*.*|Quillmart文件 (*.qmt)|*.qmt|";
inline constexpr const char* kSaveFileDefaultName = "Game.qmt";
inline constexpr const char* kSaveFileDialogTitle = "Quillmart文件";

// The implementation in use. Never null: until one is installed, a headless
// one that answers every box with its default (OK / Yes) is used.
Platform& Ui();
void SetPlatform(Platform* p);
