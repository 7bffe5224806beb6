#pragma once
// The parts of the asset generator; each writes its files below `out` and
// returns false when a file could not be written.
#include <QDir>

// Graphic/GraphicM.dat (mask) and Graphic/GraphicC.dat (colour).
bool MakeSpriteSheets(const QDir& out);
// Floor pictures, backgrounds, toolbar faces, window icons, window pictures.
bool MakePictures(const QDir& out);
// Gold.wav and Machine.wav.
bool MakeSounds(const QDir& out);
// The help page shown by the help command.
bool MakeHelp(const QDir& out);
