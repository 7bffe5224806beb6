#pragma once
// The desktop side of the platform seam: Qt message boxes, sounds, file
// dialogs and the help window.
#include <QHash>
#include <QPointer>
#include <QString>

#include "platform/Platform.h"

class QSoundEffect;
class QTextBrowser;

class QtPlatform : public Platform {
public:
    MsgAnswer MessageBox(const std::string& text, MsgStyle style, const std::string& title) override;
    void PlaySound(const std::string& file) override;
    bool ChooseOpenFile(std::string& path) override;
    bool ChooseSaveFile(std::string& path) override;
    void ShowHelp() override;
    bool ShowWindow(int form) override;

private:
    QHash<QString, QSoundEffect*> sounds_;
    QPointer<QTextBrowser> help_;
};

// The game's Chinese font, pinned so Simplified Chinese glyphs are used
// whatever the locale.
QFont GameFont(int pointSize = 9);
// Sets the application font and the Chinese captions of standard buttons.
void SetUpApplicationLook();
