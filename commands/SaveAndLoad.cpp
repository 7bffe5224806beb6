#include "commands/SaveAndLoad.h"

#include <filesystem>
#include <system_error>

#include "platform/Platform.h"
#include "savegame/LoadSave.h"
#include "savegame/SaveGame.h"

namespace {

// The read-error box after a read that failed; the result passes through.
bool WithReadErrorBox(bool ok) {
    if (!ok) Ui().MessageBox(kReadErrorText, MsgStyle::Exclamation, kReadErrorTitle);
    return ok;
}

}  // namespace

SaveResult SaveGameTo(GameState& g, const std::string& path) {
    std::error_code ec;
    if (std::filesystem::exists(path, ec) &&
        Ui().MessageBox(kOverwriteQuestion, MsgStyle::OverwriteQuestion, "") != MsgAnswer::Yes)
        return SaveResult::Declined;
    if (WriteGameFile(g, path)) return SaveResult::Saved;
    Ui().MessageBox(kWriteErrorText, MsgStyle::Exclamation, "");
    return SaveResult::Failed;
}

bool ReadGameFrom(GameState& g, const std::string& path, std::string* why) {
    return WithReadErrorBox(ReadGameFile(g, path, why));
}

bool LoadGameFrom(GameState& g, const std::string& path, std::string* why) {
    return WithReadErrorBox(LoadGameFile(g, path, why));
}
