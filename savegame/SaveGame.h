#pragma once
// The saved-game file: GBK text with CR LF line ends, one fixed field order
// (see StateLayout), every variable in the form of its value's kind. Every
// refusal says why; the boxes the player sees are the save and load
// commands' (commands/SaveAndLoad.h).
#include <cstddef>
#include <string>
#include <string_view>

#include "state/GameState.h"

// No saved game is larger: a busy shop's file is well under a megabyte, and
// a file past this is junk the loader refuses before reading it in.
inline constexpr std::size_t kLargestSaveFile = 16u * 1024 * 1024;

// The file's bytes for the state. False (with a reason for the tool and the
// tests) when a text holds a double quote, a text cannot be written in GBK,
// a number is not finite, a count is past its table's capacity, or the
// whole would be larger than a saved game may be.
bool SerializeGame(const GameState& g, std::string& bytes, std::string* why = nullptr);

// Reads the file's bytes into `into`, line by line and field by field. The
// bytes are taken only as this game writes them: the format line "006",
// each line holding exactly its fields, every value of the kind and within
// the range its field is declared with (StateLayout), a date that exists,
// a shop name the new game would take, nothing after the last line, and
// fields that agree with each other (GameAgreement).
// False with a reason (naming the line) otherwise; `into` is then exactly
// as it was (nothing is put in place until the whole file has passed).
bool DeserializeGame(std::string_view bytes, GameState& into, std::string* why = nullptr);

// True when the loader takes `bytes` (read into a fresh game made for it,
// which is then thrown away); false with the loader's reason. For bytes
// with no game at hand: a save reads its own back into the game it saves.
bool CheckSavedBytes(std::string_view bytes, std::string* why = nullptr);

// Writes the game to `path`, replacing what is there, only once the new file
// is complete, read back by the loader's own checks and on disk: a failure
// (or a file the loader would refuse, whose reason also goes to standard
// error) leaves the old file as it was and no temporary file behind, and
// says why. The read-back reads the file into `g` itself, as a load into it
// would, and puts every value back: the game comes out exactly as it went
// in, and no second game is made. A path that is a symbolic link writes the
// file the link points to and keeps the link; a loop of links is refused.
// The temporary file is named in a short form of its own beside the target
// (any name the file system takes can be saved to), and one that an earlier
// save of the same target left behind, killed before its rename, is removed.
bool WriteGameFile(GameState& g, const std::string& path, std::string* why = nullptr);

// What the name of every temporary file of a save of `target` starts with
// (a file name in the target's folder, the same for every save of a target
// of that name): ".qm-save-", 16 hex digits of a hash of the target's file
// name and "-"; 8 random letters or digits follow.
std::string TemporaryNamePrefix(const std::string& target);

// Reads `path` into the game. The running game is replaced only when the
// whole file was read and checked; otherwise (a folder, a device, a file
// larger than any saved game, a damaged or foreign file) it is left exactly
// as it was, and the reason says why. Cells of the floor grid other than the
// last one, and the random generator, are not part of the file and stay.
bool ReadGameFile(GameState& g, const std::string& path, std::string* why = nullptr);
