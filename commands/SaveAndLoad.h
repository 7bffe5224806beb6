#pragma once
// The save and load commands once the player has chosen the file (the menu
// items and toolbar buttons, and `qmtool`'s verbs): the overwrite question
// and the error boxes around the saved-game file's own routines
// (savegame/SaveGame.h), which only say why they failed.
#include <string>

#include "state/GameState.h"

inline constexpr const char* kOverwriteQuestion = "要覆盖文件吗？";
inline constexpr const char* kWriteErrorText = "关闭文件时发生了错误，请再试一次。";
inline constexpr const char* kReadErrorTitle = "文件读取错误";
inline constexpr const char* kReadErrorText = "读取文件发生了错误。";

enum class SaveResult { Saved, Declined, Failed };

// Saves to `path`. An existing file is only replaced after the player agrees
// to overwrite it (WriteGameFile: only once the new file is complete, read
// back and on disk); a failure leaves the old file as it was and shows the
// write-error box. The game comes out of it as it went in.
SaveResult SaveGameTo(GameState& g, const std::string& path);

// Reads `path` into the game (ReadGameFile); a file that cannot be read
// shows the read-error box, leaves the game exactly as it was and returns
// false with the reason.
bool ReadGameFrom(GameState& g, const std::string& path, std::string* why = nullptr);

// The load: reads `path` and makes the game ready to run (LoadGameFile); a
// file that cannot be read shows the read-error box and changes nothing.
bool LoadGameFrom(GameState& g, const std::string& path, std::string* why = nullptr);
