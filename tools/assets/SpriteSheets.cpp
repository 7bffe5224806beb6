// The floor sprite sheet: Graphic/GraphicM.dat (mask) and Graphic/GraphicC.dat
// (colour), two plain pictures (ui/platform/PlainPicture.h) with one layout.
//
// The floor view draws a sprite by ANDing the mask rectangle onto the scene
// and then XORing the colour rectangle: where the mask is black the colour
// sheet's pixels replace the scene, where it is white the colour sheet is
// black and the scene stays. Every picture below is drawn on a transparent
// canvas; opaque pixels become mask black plus their colour, transparent ones
// mask white plus colour black.
//
// The game addresses pictures by fixed rectangles, listed in kRegions. After
// drawing, the sheet is checked: every rectangle inside the sheet, every
// rectangle and frame holding a picture, no two different pictures painting
// the same pixel, and the mask/colour convention. A failed check fails the
// build.
#include <QImage>
#include <QString>
#include <cstdio>
#include <map>
#include <set>
#include <vector>

#include "tools/assets/Assets.h"
#include "tools/assets/SpriteSheetArt.h"
#include "tools/assets/PictureKit.h"

namespace {

using namespace sheetart;

constexpr int kSheetW = 1170;
constexpr int kSheetH = 618;

enum class Art {
    Person,          // a = look: 112 x 128, 7 frames across, 4 headings down
    Cyclist,         // a = look: 128 x 64, 4 headings across, 2 frames down
    Fixture,         // a = fixture row, b = fill stage (3 full .. 0 empty): 130 x 51
    Scenery,         // a = shop size, b = layer; the piece stands at floor (fx, fy)
    Reused,          // shows pixels that another row draws (this piece stands at fx, fy)
    DoorLeaf,        // a = leaf 0 or 1
    DoorCover,
    DoorAwning,
    WallPost,
    Register,        // a = model 0..5, b = register place 1 or 2
    CounterMachine,  // a = machine row 0..3, b = service place 1 or 2
    Litter,
    Flame,           // a = frame 0 or 1
};

struct Region {
    const char* what;
    int x, y, w, h;
    Art art;
    int a = 0, b = 0;
    int fx = 0, fy = 0;
};

// Every rectangle of the sheet that the game uses.
const Region kRegions[] = {
    // ---- People: figure columns, 112 x Look; frames +0 stand, +16/+32 walk,
    // +48 browse (the cleaner: mop), +64 pay, +80 drink, +96 play; rows 0
    // up-left, 32 up-right, 64 down-right, 96 down-left.
    {"figures, look 0: young man", 0, 0, 112, 128, Art::Person, 0},
    {"figures, look 1: schoolboy", 112, 0, 112, 128, Art::Person, 1},
    {"figures, look 2: cleaner", 224, 0, 112, 128, Art::Person, 2},
    {"figures, look 3: young woman", 336, 0, 112, 128, Art::Person, 3},
    {"figures, look 4: office worker", 448, 0, 112, 128, Art::Person, 4},
    {"figures, look 5: schoolgirl", 560, 0, 112, 128, Art::Person, 5},
    {"figures, look 6: old man", 672, 0, 112, 128, Art::Person, 6},
    {"figures, look 7: child", 784, 0, 112, 128, Art::Person, 7},
    {"figures, look 8: robber", 896, 0, 112, 128, Art::Person, 8},

    // ---- Passers-by on bicycles, 32 wide: x = (heading - 1) x 32 + 128 x
    // Look, rows 283 and 315 (two pedalling frames).
    {"cyclists, look 0", 0, 283, 128, 64, Art::Cyclist, 0},
    {"cyclists, look 1", 128, 283, 128, 64, Art::Cyclist, 1},
    {"cyclists, look 2", 256, 283, 128, 64, Art::Cyclist, 2},
    {"cyclists, look 3", 384, 283, 128, 64, Art::Cyclist, 3},
    {"cyclists, look 4", 512, 283, 128, 64, Art::Cyclist, 4},
    {"cyclists, look 5", 640, 283, 128, 64, Art::Cyclist, 5},
    {"cyclists, look 6", 768, 283, 128, 64, Art::Cyclist, 6},
    {"cyclists, look 7", 896, 283, 128, 64, Art::Cyclist, 7},
    {"cyclists, look 8", 1024, 283, 128, 64, Art::Cyclist, 8},

    // ---- Fixtures as placed, and full shelves: x = 130 x row + facing offset
    // (facing 4: +0, 42 wide; facing 2: +42, 44 wide; facing 1: +86, 44 wide).
    {"fixture 0: 40-copy shelf, full", 0, 232, 130, 51, Art::Fixture, 0, 3},
    {"fixture 1: 60-copy shelf, full", 130, 232, 130, 51, Art::Fixture, 1, 3},
    {"fixture 2: wooden shelf on castors, full", 260, 232, 130, 51, Art::Fixture, 2, 3},
    {"fixture 3: 100-copy shelf, full", 390, 232, 130, 51, Art::Fixture, 3, 3},
    {"fixture 4: 120-copy shelf, full", 520, 232, 130, 51, Art::Fixture, 4, 3},
    {"fixture 5: 150-copy shelf, full", 650, 232, 130, 51, Art::Fixture, 5, 3},
    {"fixture 6: vending machine", 780, 232, 130, 51, Art::Fixture, 6, 3},
    {"fixture 7: claw machine", 910, 232, 130, 51, Art::Fixture, 7, 3},
    {"fixture 8: photo booth", 1040, 232, 130, 51, Art::Fixture, 8, 3},
    // ---- Emptier shelves: half full at 567, low at 516, empty at 465.
    {"fixture 0, half full", 0, 567, 130, 51, Art::Fixture, 0, 2},
    {"fixture 1, half full", 130, 567, 130, 51, Art::Fixture, 1, 2},
    {"fixture 2, half full", 260, 567, 130, 51, Art::Fixture, 2, 2},
    {"fixture 3, half full", 390, 567, 130, 51, Art::Fixture, 3, 2},
    {"fixture 4, half full", 520, 567, 130, 51, Art::Fixture, 4, 2},
    {"fixture 5, half full", 650, 567, 130, 51, Art::Fixture, 5, 2},
    {"fixture 0, low", 0, 516, 130, 51, Art::Fixture, 0, 1},
    {"fixture 1, low", 130, 516, 130, 51, Art::Fixture, 1, 1},
    {"fixture 2, low", 260, 516, 130, 51, Art::Fixture, 2, 1},
    {"fixture 3, low", 390, 516, 130, 51, Art::Fixture, 3, 1},
    {"fixture 4, low", 520, 516, 130, 51, Art::Fixture, 4, 1},
    {"fixture 5, low", 650, 516, 130, 51, Art::Fixture, 5, 1},
    {"fixture 0, empty", 0, 465, 130, 51, Art::Fixture, 0, 0},
    {"fixture 1, empty", 130, 465, 130, 51, Art::Fixture, 1, 0},
    {"fixture 2, empty", 260, 465, 130, 51, Art::Fixture, 2, 0},
    {"fixture 3, empty", 390, 465, 130, 51, Art::Fixture, 3, 0},
    {"fixture 4, empty", 520, 465, 130, 51, Art::Fixture, 4, 0},
    {"fixture 5, empty", 650, 465, 130, 51, Art::Fixture, 5, 0},

    // ---- Small shop, placed by a new game.
    {"small shop: counter, left end", 474, 128, 30, 34, Art::Scenery, 1, kCounter, 161, 98},
    {"small shop: counter, middle", 501, 136, 36, 41, Art::Scenery, 1, kCounter, 188, 106},
    {"small shop: counter, right end", 535, 151, 26, 31, Art::Scenery, 1, kCounter, 222, 121},
    {"small shop: glass front, left part", 518, 367, 158, 98, Art::Scenery, 1, kFront, 111, 92},
    {"small shop: glass front, right part", 676, 367, 206, 91, Art::Scenery, 1, kFront, 269, 143},
    // Also drawn as its left 17 columns at a second depth.
    {"wall left of the upper door, with pillar", 122, 128, 37, 48, Art::Scenery, 1, kBackWalls, 142, 45},
    {"wall right of the upper door, top corner, plant", 236, 128, 86, 59, Art::Scenery, 1, kBackWalls, 205, 3},
    {"door header with awning (both doors)", 352, 128, 42, 21, Art::DoorAwning},
    {"door leaf, first (both doors)", 394, 128, 16, 37, Art::DoorLeaf, 0},
    {"door leaf, second (both doors)", 410, 128, 16, 37, Art::DoorLeaf, 1},
    {"street fence bay (repeated along the street)", 426, 128, 16, 30, Art::WallPost},
    {"door shutter, shown while closed (both doors)", 442, 128, 32, 45, Art::DoorCover},

    // ---- Medium shop, placed by the first enlargement.
    {"medium shop: counter, first run", 32, 133, 38, 38, Art::Scenery, 2, kCounter, 161, 98},
    {"medium shop: counter, register 1", 70, 145, 23, 35, Art::Scenery, 2, kCounter, 199, 110},
    {"medium shop: counter, corner", 93, 145, 23, 35, Art::Scenery, 2, kCounter, 222, 110},
    {"medium shop: counter, second run", 56, 180, 60, 41, Art::Scenery, 2, kCounter, 185, 145},
    {"medium shop: counter, far end", 0, 195, 56, 37, Art::Scenery, 2, kCounter, 129, 160},
    {"medium shop: upper-left wall below the step", 159, 128, 34, 54, Art::Scenery, 2, kBackWalls, 114, 77},
    {"medium shop: wall right of the side door", 193, 128, 43, 59, Art::Scenery, 2, kBackWalls, 77, 131},
    {"medium shop: wall left of the side door", 322, 128, 30, 46, Art::Scenery, 2, kBackWalls, 21, 173},
    {"medium shop: front, left post", 882, 380, 24, 44, Art::Scenery, 2, kFront, 21, 193},
    {"medium shop: front, right post", 906, 380, 6, 35, Art::Scenery, 2, kFront, 469, 155},
    {"medium shop: glass front (small shop's right part)", 678, 368, 198, 90, Art::Reused, 0, 0, 99, 230},
    {"medium shop: glass front, left (the same, cut)", 678, 368, 110, 89, Art::Reused, 0, 0, 31, 196},

    // ---- Large shop, placed by the second enlargement.
    {"large shop: glass front, left corner", 0, 347, 66, 96, Art::Scenery, 3, kFront, 21, 185},
    {"large shop: glass front, bottom", 66, 347, 374, 94, Art::Scenery, 3, kFront, 87, 244},
    {"large shop: glass front, right", 440, 367, 78, 73, Art::Scenery, 3, kFront, 461, 223},

    // ---- Registers by model, at register place 1 and 2.
    {"register 0 (abacus), place 1", 116, 183, 14, 8, Art::Register, 0, 1},
    {"register 0 (abacus), place 2", 130, 183, 14, 8, Art::Register, 0, 2},
    {"register 1 (calculator), place 1", 116, 176, 12, 7, Art::Register, 1, 1},
    {"register 1 (calculator), place 2", 128, 176, 12, 7, Art::Register, 1, 2},
    {"register 2 (old register), place 1", 116, 191, 22, 21, Art::Register, 2, 1},
    {"register 2 (old register), place 2", 115, 212, 23, 18, Art::Register, 2, 2},
    {"register 3 (register), place 1", 192, 187, 22, 21, Art::Register, 3, 1},
    {"register 3 (register), place 2", 192, 208, 22, 18, Art::Register, 3, 2},
    {"register 4 (LCD register), place 1", 144, 182, 22, 19, Art::Register, 4, 1},
    {"register 4 (LCD register), place 2", 166, 182, 22, 19, Art::Register, 4, 2},
    {"register 5 (workstation), place 1", 138, 201, 28, 24, Art::Register, 5, 1},
    {"register 5 (workstation), place 2", 166, 201, 26, 21, Art::Register, 5, 2},

    // ---- Service machines on the counter, at service place 1 and 2.
    {"gum machine, place 1", 254, 187, 18, 21, Art::CounterMachine, 0, 1},
    {"gum machine, place 2", 236, 187, 18, 21, Art::CounterMachine, 0, 2},
    {"bun steamer, both places", 214, 187, 22, 26, Art::CounterMachine, 1, 1},
    {"manager's statue, place 1", 294, 187, 22, 33, Art::CounterMachine, 2, 1},
    {"manager's statue, place 2", 272, 187, 22, 33, Art::CounterMachine, 2, 2},
    {"CD and video rack, place 1", 252, 208, 16, 18, Art::CounterMachine, 3, 1},
    {"CD and video rack, place 2", 236, 208, 16, 18, Art::CounterMachine, 3, 2},

    // ---- Litter and fire.
    {"litter", 560, 128, 45, 30, Art::Litter},
    {"flames, frame 1", 605, 128, 62, 70, Art::Flame, 0},
    {"flames, frame 2", 667, 128, 62, 70, Art::Flame, 1},
};

QImage render(const Region& r, std::map<std::pair<int, int>, Scene>& scenes) {
    switch (r.art) {
    case Art::Person: return personColumn(r.a);
    case Art::Cyclist: return cyclistColumn(r.a);
    case Art::Fixture: return fixtureBlock(r.a, r.b);
    case Art::Scenery: {
        auto key = std::make_pair(r.a, r.b);
        auto it = scenes.find(key);
        if (it == scenes.end()) it = scenes.emplace(key, shopScene(r.a, r.b)).first;
        const Scene& s = it->second;
        return s.image.copy(r.fx - s.origin.x(), r.fy - s.origin.y(), r.w, r.h);
    }
    case Art::Reused: return {};
    case Art::DoorLeaf: return doorLeaf(r.a);
    case Art::DoorCover: return doorCover();
    case Art::DoorAwning: return doorAwning();
    case Art::WallPost: return wallPost();
    case Art::Register: return registerPicture(r.a, r.b, r.w, r.h);
    case Art::CounterMachine: return counterMachine(r.a, r.b, r.w, r.h);
    case Art::Litter: return litter();
    case Art::Flame: return flame(r.a);
    }
    return {};
}

// The frames inside a block that must each hold a picture.
std::vector<QRect> framesOf(const Region& r) {
    std::vector<QRect> out;
    switch (r.art) {
    case Art::Person:
        for (int row = 0; row < 4; ++row)
            for (int c = 0; c < 7; ++c) out.emplace_back(r.x + 16 * c, r.y + 32 * row, 16, 32);
        break;
    case Art::Cyclist:
        for (int row = 0; row < 2; ++row)
            for (int c = 0; c < 4; ++c) out.emplace_back(r.x + 32 * c, r.y + 32 * row, 32, 32);
        break;
    case Art::Fixture:
        out.emplace_back(r.x, r.y, 42, 51);
        out.emplace_back(r.x + 42, r.y, 44, 51);
        out.emplace_back(r.x + 86, r.y, 44, 51);
        break;
    default: out.emplace_back(r.x, r.y, r.w, r.h);
    }
    return out;
}

bool fail(const QString& message) {
    std::fprintf(stderr, "sprite sheet: %s\n", qPrintable(message));
    return false;
}

}  // namespace

bool MakeSpriteSheets(const QDir& out) {
    const QRect sheetRect(0, 0, kSheetW, kSheetH);
    bool ok = true;
    for (const Region& r : kRegions)
        if (!sheetRect.contains(QRect(r.x, r.y, r.w, r.h)))
            ok = fail(QString("\"%1\" (%2, %3, %4 x %5) lies outside the %6 x %7 sheet")
                          .arg(r.what).arg(r.x).arg(r.y).arg(r.w).arg(r.h).arg(kSheetW).arg(kSheetH));
    if (!ok) return false;

    // Paint every picture into its rectangle, remembering who painted what.
    QImage art = canvas(kSheetW, kSheetH);
    std::vector<int> owner(size_t(kSheetW) * kSheetH, -1);
    std::map<std::pair<int, int>, Scene> scenes;
    std::set<std::pair<int, int>> clashes;
    const int count = int(sizeof kRegions / sizeof kRegions[0]);
    for (int i = 0; i < count; ++i) {
        const Region& r = kRegions[i];
        QImage pic = render(r, scenes);
        if (pic.isNull()) continue;
        if (pic.width() != r.w || pic.height() != r.h)
            return fail(QString("\"%1\" was drawn %2 x %3, expected %4 x %5").arg(r.what).arg(pic.width()).arg(pic.height()).arg(r.w).arg(r.h));
        for (int y = 0; y < r.h; ++y)
            for (int x = 0; x < r.w; ++x) {
                if (!opaque(pic, x, y)) continue;
                Rgb c = pic.pixel(x, y) | 0xFF000000u;
                int sx = r.x + x, sy = r.y + y;
                int& who = owner[size_t(sy) * kSheetW + sx];
                if (who >= 0 && (art.pixel(sx, sy) | 0xFF000000u) != c) {
                    clashes.insert({who, i});
                    continue;
                }
                art.setPixel(sx, sy, c);
                if (who < 0) who = i;
            }
    }
    for (auto [a, b] : clashes)
        ok = fail(QString("\"%1\" and \"%2\" paint the same pixels differently").arg(kRegions[a].what).arg(kRegions[b].what));

    for (const Region& r : kRegions)
        for (const QRect& f : framesOf(r)) {
            bool any = false;
            for (int y = f.top(); y <= f.bottom() && !any; ++y)
                for (int x = f.left(); x <= f.right() && !any; ++x) any = opaque(art, x, y);
            if (!any) ok = fail(QString("\"%1\": frame at (%2, %3) is empty").arg(r.what).arg(f.x()).arg(f.y()));
        }
    if (!ok) return false;

    // Split into the two sheets.
    QImage mask(kSheetW, kSheetH, QImage::Format_RGB32);
    QImage colour(kSheetW, kSheetH, QImage::Format_RGB32);
    for (int y = 0; y < kSheetH; ++y)
        for (int x = 0; x < kSheetW; ++x) {
            bool on = opaque(art, x, y);
            mask.setPixel(x, y, on ? 0xFF000000u : 0xFFFFFFFFu);
            colour.setPixel(x, y, on ? (art.pixel(x, y) | 0xFF000000u) : 0xFF000000u);
        }
    for (int y = 0; y < kSheetH; ++y)
        for (int x = 0; x < kSheetW; ++x) {
            QRgb m = mask.pixel(x, y) & 0xFFFFFFu, c = colour.pixel(x, y) & 0xFFFFFFu;
            if (m != 0 && m != 0xFFFFFFu) return fail(QString("mask pixel (%1, %2) is neither black nor white").arg(x).arg(y));
            if (m == 0xFFFFFFu && c != 0) return fail(QString("colour pixel (%1, %2) is not black under a white mask").arg(x).arg(y));
        }

    // Plain pictures: the floor view maps them rather than holding decoded
    // copies.
    return pic::SavePlain(mask, out, QStringLiteral("Graphic/GraphicM.dat")) &&
           pic::SavePlain(colour, out, QStringLiteral("Graphic/GraphicC.dat"));
}
