// Generates the game's own artwork and sounds into the program's folder:
// Graphic/ (sprite sheets, floor pictures, backgrounds, toolbar faces,
// window icons, window pictures), the two sound effects and the help page.
// Everything is drawn here from code, so a build always makes the same files.
#include <QDir>
#include <QGuiApplication>
#include <cstdio>

#include "tools/assets/Assets.h"
#include "tools/assets/PictureDisasters.h"
#include "tools/assets/PictureEvents.h"
#include "tools/assets/PictureFurnishing.h"
#include "tools/assets/PictureShowcase.h"
#include "tools/assets/PictureStaff.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: qmassets OUTDIR\n");
        return 2;
    }
    QGuiApplication app(argc, argv);
    QDir out(QString::fromLocal8Bit(argv[1]));
    out.mkpath("Graphic");
    bool ok = MakeSpriteSheets(out) && MakePictures(out) && MakeStaffPictures(out) && MakeFurnishingPictures(out) &&
              MakeEventAndOrderingPictures(out) && MakeShowcasePictures(out) && MakeDisasterAndBankPictures(out) &&
              MakeSounds(out) && MakeHelp(out);
    return ok ? 0 : 1;
}
