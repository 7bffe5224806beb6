#pragma once
// The picture makers that MakePictures runs; each writes its files below
// `out` and returns false when one could not be written.
#include <QDir>

// Graphic/inside2.rle .. inside7.dat: the shop floor, day and night, per size.
bool MakeFloorPictures(const QDir& out);
// Graphic/Title.dat, Kabe.dat and Color.dat: the main window's backgrounds.
bool MakeBackdrops(const QDir& out);
// Graphic/Toolbar/<Name>_1.png and _2.png: released and pressed faces.
bool MakeToolbarFaces(const QDir& out);
// Graphic/Icon/Icon0.png .. Icon23.png: the floor view's animated icon;
// Graphic/Icon/Game16.png, Game32.png, Game48.png: the game's own icon.
bool MakeWindowIcons(const QDir& out);
// Graphic/Forms/Form<N>_<Control>.png: pictures kept in windows.
bool MakeFormPictures(const QDir& out);
// Graphic/Forms/Form62_Image1_<k>.png and Form10_Picture1.png: the reading
// policies and the customer's speech balloon.
bool MakePolicyAndVoicePictures(const QDir& out);
