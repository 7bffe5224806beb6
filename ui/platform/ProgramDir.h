#pragma once
// The program's folder: pictures, sounds and the help page lie below it.
// Only the window side reads files there; the game core never does, and
// holds no state of its own beside the game it is handed.
#include <string>

const std::string& ProgramDir();
void SetProgramDir(const std::string& dir);
// A file below the program's folder, from a path like "Graphic/Kabe.dat".
std::string ProgramFile(const std::string& relative);
