#pragma once
// The saved-game file: GBK text with CR LF line ends, one fixed field order
// (see StateLayout), every variable in the form of its value's kind.
#include <string>
#include <string_view>

#include "state/GameState.h"

inline constexpr const char* kOverwriteQuestion = "要覆盖文件吗？";
inline constexpr const char* kWriteErrorText = "关闭文件时发生了错误，请再试一次。";
inline constexpr const char* kReadErrorTitle = "文件读取错误";
inline constexpr const char* kReadErrorText = "读取文件发生了错误。";

// The file's bytes for the state. False (with a reason for the tool and the
// tests) when a text holds a double quote, a text cannot be
// written in GBK, or a count is past its table's capacity.
bool SerializeGame(const GameState& g, std::string& bytes, std::string* why = nullptr);

// Reads the file's bytes into `into`, field by field. False with a reason
// when the bytes are not a whole, sound saved game; `into` is then partly
// overwritten, so callers read into a copy.
bool DeserializeGame(std::string_view bytes, GameState& into, std::string* why = nullptr);

enum class SaveResult { Saved, Declined, Failed };

// Saves to `path`. An existing file is only replaced after the player agrees
// to overwrite it, and only once the new file is complete: a failure leaves
// the old file as it was and shows the write-error box.
SaveResult WriteSaveFile(const GameState& g, const std::string& path);

// Loads `path` into the game. The running game is replaced only when the
// whole file was read and checked; otherwise the read-error box is shown and
// the game is left exactly as it was. Cells of the floor grid other than the
// last one, and the random generator, are not part of the file and stay.
bool ReadSaveFile(GameState& g, const std::string& path, std::string* why = nullptr);
