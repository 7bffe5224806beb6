// The toolbar's 21 picture buttons: a released and a pressed face each,
// 23 x 22 pixels on the strip's light grey. The icons are hand-set pixel art
// (16 x 16), so they stay crisp at this size; a small badge in the corner
// tells the ordering and staff buttons apart (plus: buy or hire, minus: fire,
// cog: settings).
#include <QPainter>
#include <cstdio>
#include <cstring>

#include "tools/assets/PictureKit.h"
#include "tools/assets/PictureMakers.h"

namespace {

constexpr int kFaceW = 23, kFaceH = 22;
constexpr int kIcon = 16;
constexpr int kIconX = 3, kIconY = 3;  // where the icon sits on a released face
const QColor kFace(0xc0, 0xc0, 0xc0);  // the toolbar strip's colour

const pic::Palette kInk = {
    {'k', QColor(0x00, 0x00, 0x00)}, {'d', QColor(0x40, 0x40, 0x40)}, {'G', QColor(0x80, 0x80, 0x80)},
    {'g', QColor(0xc0, 0xc0, 0xc0)}, {'w', QColor(0xff, 0xff, 0xff)}, {'l', QColor(0xff, 0xf4, 0xd0)},
    {'r', QColor(0xe0, 0x28, 0x20)}, {'R', QColor(0x90, 0x10, 0x10)}, {'b', QColor(0x28, 0x60, 0xd8)},
    {'B', QColor(0x10, 0x30, 0x80)}, {'c', QColor(0x88, 0xcc, 0xff)}, {'y', QColor(0xff, 0xe0, 0x30)},
    {'Y', QColor(0xc8, 0x94, 0x00)}, {'o', QColor(0xff, 0x90, 0x20)}, {'n', QColor(0xa8, 0x68, 0x30)},
    {'N', QColor(0x60, 0x34, 0x10)}, {'e', QColor(0x30, 0xb8, 0x30)}, {'E', QColor(0x10, 0x70, 0x10)},
    {'s', QColor(0xff, 0xcc, 0xa0)}, {'h', QColor(0x50, 0x30, 0x18)}, {'p', QColor(0xe0, 0x40, 0xa0)},
    {'v', QColor(0x80, 0x40, 0xc0)}, {'t', QColor(0x20, 0xa0, 0xa0)},
};

// Badges, 7 x 7, laid over the icon's lower right corner.
const pic::PixelArt kPlus = {{
    "..kkk..",
    "..kek..",
    "kkkekkk",
    "keeeeek",
    "kkkekkk",
    "..kek..",
    "..kkk..",
}};
const pic::PixelArt kMinus = {{
    ".......",
    ".......",
    "kkkkkkk",
    "krrrrrk",
    "kkkkkkk",
    ".......",
    ".......",
}};
const pic::PixelArt kCog = {{
    "..k.k..",
    ".kdkdk.",
    "kdddddk",
    ".ddgdd.",
    "kdddddk",
    ".kdkdk.",
    "..k.k..",
}};
const pic::PixelArt kCoins = {{
    ".kkkkk.",
    "kyyyyyk",
    "kYYYYYk",
    "kyyyyyk",
    "kYYYYYk",
    "kyyyyyk",
    "kYYYYYk",
    ".kkkkk.",
}};
const pic::PixelArt kBubble = {{
    ".kkkkk.",
    "kwwwwwk",
    "kwkwkwk",
    "kwwwwwk",
    ".kkkkk.",
    ".kk....",
    "k......",
}};

// Head and shoulders of a person; 'S' is the shirt, blue for a clerk and
// green for a customer.
const pic::PixelArt kPerson = {{
    "................",
    "....kkkkk.......",
    "...khhhhhk......",
    "..khhhhhhhk.....",
    "..khssssshk.....",
    "..ksksssksk.....",
    "..ksssssssk.....",
    "...ksssssk......",
    "....kkkkk.......",
    "..kkSSSSSkk.....",
    ".kSSSwSwSSSk....",
    ".kSSSSwSSSSk....",
    ".kSSSSwSSSSk....",
    ".kSSSSSSSSSk....",
    ".kkkkkkkkkkk....",
    "................",
}};

struct Button {
    const char* name;
    pic::PixelArt icon;
    const pic::PixelArt* badge;  // null for none
    int badgeX, badgeY;
    char shirt = 'b';  // the ink of a person's shirt
};

const Button kButtons[] = {
    {"BSave",  // save the game: a floppy disk
     {{
         "................",
         ".kkkkkkkkkkkkkk.",
         ".kbbkGGGGGGkbbk.",
         ".kbbkGGGddGkbbk.",
         ".kbbkGGGddGkbbk.",
         ".kbbkGGGGGGkbbk.",
         ".kbbbkkkkkkbbbk.",
         ".kbbbbbbbbbbbbk.",
         ".kbbwwwwwwwwbbk.",
         ".kbbwkkkkkkwbbk.",
         ".kbbwwwwwwwwbbk.",
         ".kbbwkkkkkkwbbk.",
         ".kbbwwwwwwwwbbk.",
         ".kkkkkkkkkkkkkk.",
         "................",
         "................",
     }},
     nullptr, 0, 0},
    {"BLoad",  // load a game: an open folder
     {{
         "................",
         "................",
         ".kkkk...........",
         "kYYYYk..........",
         "kYYYYYkkkkkkk...",
         "kYYYYYYYYYYYYk..",
         "kYYYkkkkkkkkkkkk",
         "kYYkyyyyyyyyyyyk",
         "kYYkyyyyyyyyyyk.",
         "kYkyyyyyyyyyyyk.",
         "kYkyyyyyyyyyyk..",
         "kkyyyyyyyyyyyk..",
         "kkyyyyyyyyyyk...",
         "kkkkkkkkkkkkk...",
         "................",
         "................",
     }},
     nullptr, 0, 0},
    {"BZassi",  // choose the magazines to stock: a magazine and a plus
     {{
         ".kkkkkkkkkkk....",
         ".krrrrrrrrrk....",
         ".krwwrwrwwrk....",
         ".krrrrrrrrrk....",
         ".kccchhhccck....",
         ".kcchhhhhcck....",
         ".kcchssshcck....",
         ".kccssssscck....",
         ".kcccpppccck....",
         ".kccpppppcck....",
         ".kcpppppppck....",
         ".kwwwwwwwwwk....",
         ".kwkkwkwkkwk....",
         ".kwwwwwwwwwk....",
         ".kkkkkkkkkkk....",
         "................",
     }},
     &kPlus, 9, 9},
    {"BSyoseki",  // order books: a book and a plus
     {{
         "................",
         "..kkkkkkkkkkk...",
         "..kBbbbbbbbbk...",
         "..kBbyyyyyybk...",
         "..kBbyYYYYybk...",
         "..kBbyyyyyybk...",
         "..kBbbbbbbbbk...",
         "..kBbbbbbbbbk...",
         "..kBbbbbbbbbk...",
         "..kBbbbbbbbbk...",
         "..kBbbbbbbbbk...",
         "..kBbbbbbbbbk...",
         "..kBwwwwwwwwk...",
         "..kkkkkkkkkkk...",
         "................",
         "................",
     }},
     &kPlus, 9, 9},
    {"BSouzi",  // clean the shop: a broom
     {{
         "..............kk",
         ".............knk",
         "............knk.",
         "...........knk..",
         "..........knk...",
         ".........knk....",
         "........knk.....",
         "......kkkkk.....",
         ".....kRRRRk.....",
         "....kyyyyyk.....",
         "...kyYyYyyk.....",
         "..kyyYyYyk......",
         ".kyYyyYyyk....w.",
         ".kyyYyyYk....w.w",
         ".kkkkkkk......w.",
         "................",
     }},
     nullptr, 0, 0},
    {"BInT", kPerson, &kPlus, 9, 9, 'b'},    // hire a clerk
    {"BOutT", kPerson, &kMinus, 9, 9, 'b'},  // dismiss a clerk
    {"BOutT2", kPerson, &kCog, 9, 9, 'b'},   // clerk settings
    {"BTaishin",  // earthquake proofing: a braced house that shakes
     {{
         "................",
         ".......kk.......",
         "......krrk......",
         ".....krrrrk.....",
         "....krrrrrrk....",
         "...krrrrrrrrk...",
         "..kkkkkkkkkkkk..",
         "...knwwwwwwnk...",
         ".d.kwnwwwwnwk.d.",
         "d..kwwnwwnwwk..d",
         ".d.kwwwnnwwwk.d.",
         "d..kwwnwwnwwk..d",
         ".d.kwnwwwwnwk.d.",
         "...knwwwwwwnk...",
         "..kkkkkkkkkkkk..",
         "................",
     }},
     nullptr, 0, 0},
    {"BKakudai",  // enlarge the shop: a house with arrows pointing outwards
     {{
         "................",
         "................",
         "................",
         ".......kk.......",
         "......krrk......",
         ".....krrrrk.....",
         "....kkkkkkkk....",
         "..E..kwwwwk..E..",
         ".EE..kwbbwk..EE.",
         "EEEEEkwbbwkEEEEE",
         ".EE..kwwwwk..EE.",
         "..E..kwnnwk..E..",
         ".....kwnnwk.....",
         ".....kkkkkk.....",
         "................",
         "................",
     }},
     nullptr, 0, 0},
    {"BSende",  // advertise: a megaphone
     {{
         "................",
         "................",
         "..........kk....",
         "........kkrk..d.",
         "......kkrrrk.d..",
         "..kkkkrrrrrk....",
         ".kGGkrrrrrrk.ddd",
         ".kGGkrrrrrrk....",
         ".kGGkrrrrrrk....",
         "..kkkkrrrrrk....",
         "...k..kkrrrk.d..",
         "...k....kkrk..d.",
         "...kk.....kk....",
         "................",
         "................",
         "................",
     }},
     nullptr, 0, 0},
    {"BNews",  // the trade news: a newspaper
     {{
         "................",
         ".kkkkkkkkkkkkk..",
         ".kwwwwwwwwwwwk..",
         ".kwkkkkkkkkkwk..",
         ".kwwwwwwwwwwwk..",
         ".kwbbbbwkkkkwk..",
         ".kwbccbwwwwwwk..",
         ".kwbbbbwkkkkwk..",
         ".kwwwwwwwwwwwk..",
         ".kwkkkkwkkkkwk..",
         ".kwwwwwwwwwwwk..",
         ".kwkkkkwkkkkwkk.",
         ".kwwwwwwwwwwwkGk",
         ".kkkkkkkkkkkkkGk",
         "..kGGGGGGGGGGGGk",
         "...kkkkkkkkkkkkk",
     }},
     nullptr, 0, 0},
    {"BHuman", kPerson, &kBubble, 9, 0, 'e'},  // ask the customers
    {"BNyuuka",  // magazine stock: a pile of magazines
     {{
         "................",
         "................",
         "..kkkkkkkkkk....",
         "..krrrrrrrrk....",
         "..kwwwwwwwwk....",
         "...kkkkkkkkkk...",
         "...kbbbbbbbbk...",
         "...kwwwwwwwwk...",
         "..kkkkkkkkkk....",
         "..keeeeeeeek....",
         "..kwwwwwwwwk....",
         "...kkkkkkkkkk...",
         "...kppppppppk...",
         "...kwwwwwwwwk...",
         "...kkkkkkkkkk...",
         "................",
     }},
     nullptr, 0, 0},
    {"BSZaiko",  // book stock: a bookcase
     {{
         "................",
         "kkkkkkkkkkkkkkkk",
         "kNrrbbyyeeppbbNk",
         "kNrrbbyyeeppbbNk",
         "kNrwbbyYeewpbwNk",
         "kNrrbbyyeeppbbNk",
         "kNrrbbyyeeppbbNk",
         "knnnnnnnnnnnnnnk",
         "kNeebbrrNyyvvbNk",
         "kNeebbrrNyyvvbNk",
         "kNewbbrwNyYvvwNk",
         "kNeebbrrNyyvvbNk",
         "kNeebbrrNyyvvbNk",
         "knnnnnnnnnnnnnnk",
         "kkkkkkkkkkkkkkkk",
         "................",
     }},
     nullptr, 0, 0},
    {"BSK",  // the delivery schedule: a calendar
     {{
         "................",
         "...k..k..k..k...",
         ".kkGkkGkkGkkGkk.",
         ".krrrrrrrrrrrrk.",
         ".krrrrrrrrrrrrk.",
         ".kwwwwwwwwwwwwk.",
         ".kwGwGwGwGwGwwk.",
         ".kwwwwwwwwwwwwk.",
         ".kwGwGwGwrrrwwk.",
         ".kwwwwwwwrrrwwk.",
         ".kwGwGwGwrrrwwk.",
         ".kwwwwwwwwwwwwk.",
         ".kwGwGwGwGwGwwk.",
         ".kwwwwwwwwwwwwk.",
         ".kkkkkkkkkkkkkk.",
         "................",
     }},
     nullptr, 0, 0},
    {"BNyuuka2",  // the shop's profit over time: a rising line chart
     {{
         "kkkkkkkkkkkkkkkk",
         "kwwwwwwwwwwwwwwk",
         "kwkwwwwwwwwwwrwk",
         "kwkwwwwwwwwwrrwk",
         "kwkwwwwwwwwrrwwk",
         "kwkwwwwwwwrrwwwk",
         "kwkwwwrwwrrwwwwk",
         "kwkwwrrrrrwwwwwk",
         "kwkwrrwrrwwwwwwk",
         "kwkrrwwwwwwwwwwk",
         "kwkrwwwwwwwwwwwk",
         "kwkwwwwwwwwwwwwk",
         "kwkkkkkkkkkkkkwk",
         "kwwwwwwwwwwwwwwk",
         "kkkkkkkkkkkkkkkk",
         "................",
     }},
     nullptr, 0, 0},
    {"BSZaiko2",  // book sales over time: a bar chart
     {{
         "kkkkkkkkkkkkkkkk",
         "kwwwwwwwwwwwwwwk",
         "kwkwwwwwwwwwbbwk",
         "kwkwwwwwwwwwbbwk",
         "kwkwwwwwwbbwbbwk",
         "kwkwwwwwwbbwbbwk",
         "kwkwwwbbwbbwbbwk",
         "kwkwwwbbwbbwbbwk",
         "kwkbbwbbwbbwbbwk",
         "kwkbbwbbwbbwbbwk",
         "kwkbbwbbwbbwbbwk",
         "kwkbbwbbwbbwbbwk",
         "kwkkkkkkkkkkkkwk",
         "kwwwwwwwwwwwwwwk",
         "kkkkkkkkkkkkkkkk",
         "................",
     }},
     nullptr, 0, 0},
    {"BRieki",  // the profit statement: a ledger and a pile of coins
     {{
         "................",
         ".kkkkkkkkkkk....",
         ".kwwwwwwwwwk....",
         ".kwkkkkkkkwk....",
         ".kwwwwwwwwwk....",
         ".kwkkkwkkkwk....",
         ".kwwwwwwwwwk....",
         ".kwkkkwkkkwk....",
         ".kwwwwwwwwwk....",
         ".kwkkkwkkkwk....",
         ".kwwwwwwwwwk....",
         ".kwkkkwkkkwk....",
         ".kwwwwwwwwwk....",
         ".kkkkkkkkkkk....",
         "................",
         "................",
     }},
     &kCoins, 9, 7},
    {"BStop",  // stop the clock: a pause sign
     {{
         "................",
         ".....kkkkkk.....",
         "...kkoooooookk..",
         "..koooooooooook.",
         "..koowwoowwoook.",
         ".kooowwoowwooook",
         ".kooowwoowwooook",
         ".kooowwoowwooook",
         ".kooowwoowwooook",
         ".kooowwoowwooook",
         ".kooowwoowwooook",
         "..koowwoowwoook.",
         "..koooooooooook.",
         "...kkoooooookk..",
         ".....kkkkkk.....",
         "................",
     }},
     nullptr, 0, 0},
    {"BHelp",  // help: a question mark
     {{
         "................",
         ".....kkkkkk.....",
         "...kkbbbbbbkk...",
         "..kbbbwwwwbbbk..",
         "..kbbwwbbwwbbk..",
         ".kbbbwwbbwwbbbk.",
         ".kbbbbbbbwwbbbk.",
         ".kbbbbbbwwbbbbk.",
         ".kbbbbbwwbbbbbk.",
         ".kbbbbbwwbbbbbk.",
         ".kbbbbbbbbbbbbk.",
         "..kbbbbwwbbbbk..",
         "..kbbbbwwbbbbk..",
         "...kkbbbbbbkk...",
         ".....kkkkkk.....",
         "................",
     }},
     nullptr, 0, 0},
};

bool CheckArt(const char* name, const pic::PixelArt& art, int w, int h) {
    bool ok = static_cast<int>(art.rows.size()) == h;
    for (const char* row : art.rows) ok = ok && static_cast<int>(std::strlen(row)) == w;
    if (!ok) std::fprintf(stderr, "qmassets: the icon %s is not %d x %d\n", name, w, h);
    return ok;
}

// The raised edge of a released button, or the sunken edge of a pressed one.
void Bevel(QImage& img, bool pressed) {
    const QColor light(0xff, 0xff, 0xff), soft(0xdf, 0xdf, 0xdf), mid(0x80, 0x80, 0x80), dark(0x40, 0x40, 0x40);
    const QColor outerTL = pressed ? dark : light, innerTL = pressed ? mid : soft;
    const QColor outerBR = pressed ? light : dark, innerBR = pressed ? soft : mid;
    const int w = img.width(), h = img.height();
    for (int x = 0; x < w; ++x) {
        img.setPixelColor(x, 0, outerTL);
        img.setPixelColor(x, h - 1, outerBR);
    }
    for (int y = 0; y < h; ++y) {
        img.setPixelColor(0, y, outerTL);
        img.setPixelColor(w - 1, y, outerBR);
    }
    for (int x = 1; x < w - 1; ++x) {
        img.setPixelColor(x, 1, innerTL);
        img.setPixelColor(x, h - 2, innerBR);
    }
    for (int y = 1; y < h - 1; ++y) {
        img.setPixelColor(1, y, innerTL);
        img.setPixelColor(w - 2, y, innerBR);
    }
    img.setPixelColor(w - 1, 0, pressed ? dark : light);
    img.setPixelColor(0, h - 1, pressed ? dark : light);
}

QImage Face(const Button& b, bool pressed) {
    QImage img = pic::Blank(kFaceW, kFaceH, kFace);
    // A pressed button shows its icon one pixel down and to the right.
    const int x = kIconX + (pressed ? 1 : 0), y = kIconY + (pressed ? 1 : 0);
    pic::Palette ink = kInk;
    ink['S'] = kInk.at(b.shirt);
    pic::Paint(img, x, y, b.icon, ink);
    if (b.badge) pic::Paint(img, x + b.badgeX, y + b.badgeY, *b.badge, ink);
    Bevel(img, pressed);
    return img;
}

}  // namespace

bool MakeToolbarFaces(const QDir& out) {
    bool ok = CheckArt("plus", kPlus, 7, 7) && CheckArt("minus", kMinus, 7, 7) && CheckArt("cog", kCog, 7, 7) &&
              CheckArt("bubble", kBubble, 7, 7) && CheckArt("coins", kCoins, 7, 8);
    for (const Button& b : kButtons) {
        if (!CheckArt(b.name, b.icon, kIcon, kIcon)) {
            ok = false;
            continue;
        }
        const QString base = QStringLiteral("Graphic/Toolbar/") + QString::fromLatin1(b.name);
        ok = ok && pic::Save(Face(b, false), out, base + QStringLiteral("_1.png")) &&
             pic::Save(Face(b, true), out, base + QStringLiteral("_2.png"));
    }
    return ok;
}
