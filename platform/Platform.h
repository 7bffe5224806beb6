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
    // Shows a modal message box and returns the player's answer.
    virtual MsgAnswer MessageBox(const std::string& text, MsgStyle style, const std::string& title) = 0;
};

// The implementation in use. Never null: until one is installed, a headless
// one that answers every box with its default (OK / Yes) is used.
Platform& Ui();
void SetPlatform(Platform* p);
