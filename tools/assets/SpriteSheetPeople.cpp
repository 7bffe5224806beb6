// People on the floor. Every look has one column of 16 x 32 frames:
//
//   column x (+ 112 x look):  0 stand   16 step A   32 step B   48 browse / mop
//                             64 pay    80 drink    96 play a machine
//   row y:                    0 up-left 32 up-right 64 down-right 96 down-left
//
// Walking shows stand, step A, stand, step B. People walking up show their
// back, people walking down their face. A figure is drawn facing right and
// mirrored for the two left-hand headings.
//
// Passers-by may ride bicycles instead: one 128 x 64 block per look, four
// 32-pixel headings across (up-left, up-right, down-right, down-left) and two
// pedalling frames down.
#include "tools/assets/SpriteSheetArt.h"

namespace sheetart {
namespace {

enum class Hair { Short, Spiky, Long, Bob, Cap, Bald, Mask };
enum class Wear { Jacket, Uniform, Overalls, Dress, Suit, Sailor, Cardigan, Tee, Stripes };
enum class Legs { Trousers, Skirt, Shorts };
enum class Carry { Nothing, Mop, Cane, Sack, Briefcase, Handbag };

struct Look {
    Rgb skin, hair, top, accent, bottom, shoes;
    Hair hair_;
    Wear wear;
    Legs legs;
    Carry carry;
    Rgb cap;      // cap colour, for Hair::Cap
    bool child;   // drawn three pixels shorter
    Rgb bike;     // frame colour when the look rides a bicycle
};

constexpr Rgb kSkin = rgb(244, 204, 164);
constexpr Rgb kSkinTan = rgb(226, 178, 132);
constexpr Rgb kEye = rgb(40, 30, 30);

// The nine looks. 2 is the cleaning contractor and 8 the robber; the others
// are shoppers and clerks.
const Look kLooks[9] = {
    // 0: young man, brown spiky hair, green jacket over a white shirt, jeans
    {kSkin, rgb(120, 72, 36), rgb(52, 150, 84), rgb(246, 246, 240), rgb(62, 96, 168), rgb(96, 60, 40),
     Hair::Spiky, Wear::Jacket, Legs::Trousers, Carry::Nothing, 0, false, rgb(214, 48, 48)},
    // 1: schoolboy, black hair, navy uniform with gold buttons
    {kSkin, rgb(28, 28, 36), rgb(34, 44, 92), rgb(236, 196, 64), rgb(30, 36, 66), rgb(24, 24, 24),
     Hair::Short, Wear::Uniform, Legs::Trousers, Carry::Nothing, 0, false, rgb(60, 110, 220)},
    // 2: cleaner, teal cap, pale shirt, light-blue overalls, mop
    {kSkin, rgb(70, 44, 30), rgb(222, 226, 230), rgb(250, 200, 60), rgb(96, 160, 214), rgb(60, 60, 64),
     Hair::Cap, Wear::Overalls, Legs::Trousers, Carry::Mop, rgb(30, 128, 136), false, rgb(60, 170, 90)},
    // 3: young woman, long chestnut hair, red dress, handbag
    {kSkin, rgb(150, 78, 38), rgb(214, 52, 66), rgb(250, 236, 150), rgb(214, 52, 66), rgb(130, 28, 40),
     Hair::Long, Wear::Dress, Legs::Skirt, Carry::Handbag, 0, false, rgb(240, 140, 40)},
    // 4: office worker, grey suit, red tie, briefcase
    {kSkin, rgb(36, 34, 34), rgb(104, 110, 126), rgb(210, 40, 40), rgb(88, 94, 108), rgb(24, 24, 24),
     Hair::Short, Wear::Suit, Legs::Trousers, Carry::Briefcase, 0, false, rgb(190, 196, 206)},
    // 5: schoolgirl, black bob, white sailor top, navy skirt, white socks
    {kSkin, rgb(24, 22, 30), rgb(244, 244, 248), rgb(36, 48, 120), rgb(44, 52, 110), rgb(110, 62, 32),
     Hair::Bob, Wear::Sailor, Legs::Skirt, Carry::Nothing, 0, false, rgb(240, 120, 170)},
    // 6: old man, grey fringe, brown cardigan, beige trousers, walking stick
    {kSkinTan, rgb(214, 214, 210), rgb(150, 104, 62), rgb(238, 226, 190), rgb(204, 184, 140), rgb(98, 62, 40),
     Hair::Bald, Wear::Cardigan, Legs::Trousers, Carry::Cane, 0, false, rgb(40, 150, 150)},
    // 7: child, red cap, yellow T-shirt, blue shorts, white trainers
    {kSkin, rgb(110, 66, 34), rgb(252, 212, 56), rgb(226, 44, 44), rgb(50, 96, 210), rgb(244, 244, 244),
     Hair::Cap, Wear::Tee, Legs::Shorts, Carry::Nothing, rgb(226, 44, 44), true, rgb(250, 210, 40)},
    // 8: robber, black balaclava, striped shirt, loot sack
    {kSkin, rgb(32, 32, 38), rgb(30, 30, 34), rgb(236, 236, 236), rgb(30, 30, 36), rgb(18, 18, 18),
     Hair::Mask, Wear::Stripes, Legs::Trousers, Carry::Sack, 0, false, rgb(40, 40, 44)},
};

enum class Pose { Stand, StepA, StepB, Browse, Pay, Drink, Play };

constexpr Rgb kBookCover = rgb(52, 96, 200);
constexpr Rgb kPage = rgb(250, 250, 244);
constexpr Rgb kWood = rgb(196, 150, 92);
constexpr Rgb kMopHead = rgb(232, 232, 222);
constexpr Rgb kSack = rgb(208, 184, 136);
constexpr Rgb kMoney = rgb(132, 200, 112);
constexpr Rgb kCan = rgb(220, 40, 40);

// ---- Heads ----------------------------------------------------------------

// Head occupies columns dx+4 .. dx+11 and rows top .. top+9, facing right.
void head(QImage& im, const Look& L, bool back, int dx, int top) {
    auto P = [&](int x, int y, Rgb c) { put(im, dx + x, top + y, c); };
    auto F = [&](int x, int y, int w, int h, Rgb c) { fill(im, dx + x, top + y, w, h, c); };

    // Skull: 8 x 10 with the four corners rounded off.
    F(4, 1, 8, 8, L.skin);
    F(5, 0, 6, 10, L.skin);

    Rgb hair = L.hair;
    switch (L.hair_) {
    case Hair::Mask:
        F(4, 1, 8, 8, hair);
        F(5, 0, 6, 10, hair);
        if (!back) {
            F(6, 4, 6, 2, L.skin);  // eye slit
            P(8, 4, kEye);
            P(10, 4, kEye);
        } else {
            P(7, 0, shade(hair, 160));  // the knot of the balaclava
        }
        return;
    case Hair::Bald:
        if (back) {
            F(4, 3, 8, 4, hair);
            P(11, 4, L.skin);
        } else {
            F(4, 3, 2, 4, hair);  // fringe round the back of the head
            P(11, 3, hair);
        }
        break;
    case Hair::Cap:
        F(5, 0, 6, 1, L.cap);
        F(4, 1, 8, 2, L.cap);
        P(7, 0, shade(L.cap, 70));
        if (back) {
            F(4, 3, 8, 5, hair);
            P(11, 5, L.skin);
            P(3, 2, L.cap);  // peak seen from behind points away
        } else {
            F(12, 2, 2, 1, shade(L.cap, 80));  // peak towards the walking side
            F(4, 3, 2, 3, hair);
        }
        break;
    case Hair::Short:
    case Hair::Spiky:
    case Hair::Bob:
    case Hair::Long:
        F(5, 0, 6, 1, hair);
        F(4, 1, 8, 2, hair);
        if (L.hair_ == Hair::Spiky) {
            P(5, -1, hair);
            P(7, -1, hair);
            P(9, -1, hair);
            P(11, 0, hair);
        }
        if (back) {
            int bottom = L.hair_ == Hair::Long ? 12 : L.hair_ == Hair::Bob ? 8 : 7;
            F(4, 3, 8, bottom - 2, hair);
            F(5, 9, 6, bottom - 8, hair);
            if (L.hair_ == Hair::Short || L.hair_ == Hair::Spiky) P(11, 5, L.skin);  // ear
        } else {
            F(4, 3, 2, 4, hair);  // back of the head
            F(6, 3, 4, 1, hair);  // fringe
            if (L.hair_ == Hair::Bob) {
                F(4, 3, 2, 6, hair);
                P(11, 3, hair);
                P(11, 4, hair);
                F(6, 3, 6, 1, hair);
            }
            if (L.hair_ == Hair::Long) {
                F(4, 3, 2, 9, hair);
                P(6, 9, hair);
                P(11, 3, hair);
            }
        }
        break;
    }
    if (!back) {
        P(8, 5, kEye);
        P(10, 5, kEye);
        P(10, 7, shade(L.skin, 82));  // mouth
    }
}

// ---- Figures --------------------------------------------------------------

struct Arm {
    int handX, handY;
};

QImage figure(const Look& L, bool back, Pose pose) {
    QImage im = canvas(16, 32);
    const int hy = L.child ? 5 : 2;    // top of the head
    const int ty = hy + 10;            // top of the torso
    const int legTop = 22;

    // Legs and shoes: stand together, or stride with one foot lifted.
    struct Leg { int x, lift; };
    Leg legs[2] = {{6, 0}, {8, 0}};
    if (pose == Pose::StepA) legs[0] = {5, 1}, legs[1] = {9, 0};
    if (pose == Pose::StepB) legs[0] = {5, 0}, legs[1] = {9, 1};
    for (int i = 0; i < 2; ++i) {
        const Leg& g = legs[i];
        int bottom = 29 - g.lift;
        for (int y = legTop; y <= bottom; ++y) {
            Rgb c = L.bottom;
            if (L.legs == Legs::Skirt && y >= 25) c = L.skin;
            if (L.legs == Legs::Shorts && y >= 24) c = L.skin;
            if (L.hair_ == Hair::Bob && y >= 27) c = rgb(248, 248, 248);  // knee socks
            fill(im, g.x, y, 2, 1, i == 0 ? shade(c, 88) : c);  // the far leg a shade darker
        }
        Rgb shoe = (i == 0) ? shade(L.shoes, 85) : L.shoes;
        fill(im, g.x, 30 - g.lift, 2, 2, shoe);
        if (!back) put(im, g.x + 2, 31 - g.lift, shoe);  // toes point the walking way
    }

    // Torso.
    fill(im, 5, ty, 6, legTop - ty, L.top);
    if (L.legs != Legs::Skirt) fill(im, 5, 21, 6, 1, shade(L.bottom, 80));  // belt
    if (L.wear == Wear::Stripes)
        for (int y = ty; y < 21; y += 2) fill(im, 4, y, 8, 1, L.accent);

    // Arms: sleeves in columns 4 and 11, hands at the bottom. Walking swings
    // them a pixel against the legs.
    Arm left{4, 20}, right{11, 20};
    if (pose == Pose::StepA) left.handY = 19, right.handY = 21;
    if (pose == Pose::StepB) left.handY = 21, right.handY = 19;
    auto sleeve = [&](int x, int y) {
        Rgb c = L.top;
        if (L.wear == Wear::Stripes && (y - ty) % 2 == 0) c = L.accent;
        put(im, x, y, c);
    };
    auto plainArm = [&](const Arm& a) {
        for (int y = ty + 1; y < a.handY; ++y) sleeve(a.handX, y);
        put(im, a.handX, a.handY, L.skin);
    };

    // Clothing details on the front.
    if (!back) {
        switch (L.wear) {
        case Wear::Jacket:
            fill(im, 7, ty, 2, 8, L.accent);
            put(im, 6, ty, shade(L.top, 80));
            break;
        case Wear::Uniform:
            fill(im, 6, ty, 4, 1, shade(L.top, 70));
            put(im, 8, ty + 2, L.accent);
            put(im, 8, ty + 4, L.accent);
            put(im, 8, ty + 6, L.accent);
            break;
        case Wear::Overalls:
            fill(im, 6, ty + 3, 5, 21 - ty - 3, L.bottom);
            put(im, 6, ty, L.bottom), put(im, 6, ty + 1, L.bottom), put(im, 6, ty + 2, L.bottom);
            put(im, 9, ty, L.bottom), put(im, 9, ty + 1, L.bottom), put(im, 9, ty + 2, L.bottom);
            put(im, 8, ty + 4, L.accent);  // buckle
            break;
        case Wear::Dress:
            fill(im, 7, ty, 3, 1, L.skin);
            fill(im, 5, 18, 6, 1, L.accent);
            break;
        case Wear::Suit:
            fill(im, 7, ty, 3, 3, rgb(248, 248, 248));
            fill(im, 8, ty + 1, 1, 6, L.accent);
            put(im, 8, ty, L.accent);
            break;
        case Wear::Sailor:
            fill(im, 5, ty, 6, 2, L.accent);
            fill(im, 7, ty, 2, 1, L.skin);
            fill(im, 7, ty + 2, 2, 2, rgb(220, 40, 50));  // scarf
            break;
        case Wear::Cardigan:
            fill(im, 7, ty, 2, 4, L.accent);
            put(im, 8, ty + 5, shade(L.top, 70));
            put(im, 8, ty + 7, shade(L.top, 70));
            break;
        case Wear::Tee:
            fill(im, 5, ty + 3, 6, 1, L.accent);
            break;
        case Wear::Stripes:
            break;
        }
    } else {
        if (L.wear == Wear::Overalls) {
            fill(im, 5, ty + 4, 6, 21 - ty - 4, L.bottom);
            for (int k = 0; k < 4; ++k) put(im, 6 + k, ty + k, L.bottom), put(im, 9 - k, ty + k, L.bottom);
        }
        if (L.wear == Wear::Sailor) fill(im, 5, ty, 6, 3, L.accent);
        if (L.hair_ == Hair::Long) fill(im, 5, ty, 6, 2, L.hair);
    }

    // Skirt over the hips.
    if (L.legs == Legs::Skirt) {
        fill(im, 5, 19, 6, 2, L.bottom);
        fill(im, 4, 21, 8, 3, L.bottom);
        if (L.wear == Wear::Sailor)
            for (int x = 5; x < 12; x += 2) fill(im, x, 21, 1, 3, shade(L.bottom, 75));  // pleats
    }

    // Things carried behind the body come first.
    if (L.carry == Carry::Sack) {
        if (back) {
            ellipse(im, 8, 16.5, 3.6, 4.6, kSack);
            fill(im, 7, 11, 2, 2, shade(kSack, 70));
            put(im, 9, 15, shade(kSack, 80)), put(im, 6, 18, shade(kSack, 80));
        } else {
            ellipse(im, 2.8, 13, 2.6, 4.0, kSack);
            put(im, 4, 10, shade(kSack, 70));
        }
    }
    if (L.carry == Carry::Handbag && pose != Pose::Play) {
        vrun(im, 3, ty + 1, 17, shade(L.accent, 60));
        fill(im, 2, 18, 3, 3, L.accent);
        put(im, 3, 19, shade(L.accent, 80));
    }

    head(im, L, back, 0, hy);

    // Arms and whatever the hands hold.
    switch (pose) {
    case Pose::Stand:
    case Pose::StepA:
    case Pose::StepB:
        plainArm(left);
        if (L.carry == Carry::Mop) {
            vrun(im, 12, hy + 3, 26, kWood);
            fill(im, 11, 27, 4, 3, kMopHead);
            put(im, 11, 30, kMopHead), put(im, 13, 30, kMopHead);
        }
        if (L.carry == Carry::Cane) {
            vrun(im, 12, 20, 31, rgb(120, 76, 40));
            put(im, 11, 19, rgb(120, 76, 40));
        }
        plainArm(right);
        if (L.carry == Carry::Briefcase) {
            fill(im, 10, right.handY + 1, 4, 3, rgb(120, 72, 36));
            put(im, 11, right.handY + 2, rgb(212, 170, 60));
        }
        break;
    case Pose::Browse:
        plainArm(left);
        if (L.carry == Carry::Mop) {
            // Mopping: the mop pushed out in front, both hands on the stick.
            line(im, {9, hy + 5}, {14, 27}, kWood);
            fill(im, 12, 27, 4, 3, kMopHead);
            put(im, 12, 30, kMopHead), put(im, 14, 30, kMopHead), put(im, 15, 26, kMopHead);
            for (int y = ty + 1; y < ty + 4; ++y) sleeve(11, y);
            put(im, 11, ty + 4, L.skin);
            put(im, 12, ty + 7, L.skin);
            sleeve(11, ty + 5), sleeve(11, ty + 6);
            break;
        }
        if (!back) {
            // An open book held up in front of the chest.
            for (int y = ty + 1; y < ty + 4; ++y) sleeve(4, y), sleeve(11, y);
            fill(im, 6, ty + 2, 6, 4, kBookCover);
            fill(im, 7, ty + 2, 4, 3, kPage);
            vrun(im, 9, ty + 2, ty + 4, shade(kPage, 75));
            put(im, 5, ty + 4, L.skin), put(im, 12, ty + 4, L.skin);
        } else {
            // Reaching up to the shelf.
            sleeve(11, ty + 1), sleeve(12, ty), sleeve(12, ty - 1);
            put(im, 13, ty - 2, L.skin);
            fill(im, 13, ty - 6, 2, 4, kBookCover);
        }
        break;
    case Pose::Pay:
        plainArm(left);
        sleeve(11, ty + 2), sleeve(12, ty + 3);
        put(im, 13, ty + 3, L.skin);
        fill(im, 13, ty + 1, 2, 2, kMoney);
        put(im, 14, ty + 1, shade(kMoney, 70));
        break;
    case Pose::Drink:
        plainArm(left);
        sleeve(11, ty + 1), sleeve(12, ty), sleeve(12, ty - 1);
        put(im, 12, ty - 2, L.skin);
        fill(im, back ? 12 : 11, ty - 6, 2, 4, kCan);
        put(im, back ? 12 : 11, ty - 6, rgb(220, 220, 226));
        break;
    case Pose::Play:
        // Both hands out on the machine's controls; the far arm is behind
        // the body, only its hand shows beyond the near one.
        for (int y = ty + 1; y < ty + 4; ++y) sleeve(4, y);
        sleeve(11, ty + 1), sleeve(11, ty + 2), sleeve(12, ty + 3);
        put(im, 13, ty + 3, L.skin);
        sleeve(12, ty + 5);
        put(im, 13, ty + 5, L.skin);
        break;
    }

    outline(im, kInk);
    return im;
}

// ---- Cyclists -------------------------------------------------------------

void wheel(QImage& im, double cx, double cy) {
    const double rx = 4.2, ry = 4.6;
    for (int y = int(cy - ry) - 1; y <= int(cy + ry) + 1; ++y)
        for (int x = int(cx - rx) - 1; x <= int(cx + rx) + 1; ++x) {
            double dx = (x + 0.5 - cx) / rx, dy = (y + 0.5 - cy) / ry;
            double d = dx * dx + dy * dy;
            if (d <= 1.0 && d >= 0.42) put(im, x, y, rgb(40, 40, 46));
        }
    put(im, int(cx), int(cy), rgb(180, 180, 188));
}

void thickLine(QImage& im, QPoint a, QPoint b, Rgb c) {
    line(im, a, b, c);
    line(im, a + QPoint(1, 0), b + QPoint(1, 0), c);
}

// A rider heading down-right (front view) or up-right (back view).
QImage cyclist(const Look& L, bool back, int frame) {
    QImage im = canvas(32, 32);
    const QPoint rear = back ? QPoint(8, 27) : QPoint(8, 22);
    const QPoint front = back ? QPoint(24, 21) : QPoint(24, 26);
    const QPoint crank = back ? QPoint(15, 25) : QPoint(15, 24);
    const QPoint seat = back ? QPoint(12, 18) : QPoint(12, 16);
    const QPoint stem = back ? QPoint(21, 15) : QPoint(21, 16);
    const QPoint grip = stem + QPoint(1, -2);

    // Pedals go round: frame 0 near foot down, frame 1 near foot up.
    QPoint nearPedal = crank + (frame == 0 ? QPoint(1, 3) : QPoint(3, -1));
    QPoint farPedal = crank + (frame == 0 ? QPoint(-1, -3) : QPoint(-3, 1));
    QPoint hip = seat + QPoint(1, -1);

    auto leg = [&](QPoint pedal, Rgb c, Rgb shoe) {
        QPoint knee = QPoint((hip.x() + pedal.x()) / 2 + 3, (hip.y() + pedal.y()) / 2 - 2);
        Rgb lower = (L.legs == Legs::Trousers) ? c : L.skin;
        thickLine(im, hip, knee, c);
        line(im, knee, pedal, lower);
        line(im, knee + QPoint(1, 0), pedal + QPoint(1, 0), lower);
        fill(im, pedal.x(), pedal.y(), 3, 1, shoe);
    };

    // Back to front: far leg, wheels and frame, body, near leg, arm, head.
    leg(farPedal, shade(L.bottom, 75), shade(L.shoes, 80));
    wheel(im, rear.x(), rear.y());
    wheel(im, front.x(), front.y());
    line(im, rear, crank, L.bike);
    line(im, seat, crank, L.bike);
    line(im, crank, stem + QPoint(0, 2), L.bike);
    line(im, seat + QPoint(1, 0), stem, L.bike);
    line(im, stem, front, shade(L.bike, 80));
    fill(im, seat.x() - 1, seat.y() - 1, 3, 1, rgb(40, 36, 36));  // saddle
    fill(im, grip.x() - 1, grip.y(), 3, 1, rgb(60, 60, 64));       // handlebar

    // The body leans forward from the saddle towards the bars.
    const int headDx = 5, headTop = back ? 3 : 1;
    const int torsoTop = headTop + 10;
    for (int y = torsoTop; y <= seat.y() - 1; ++y) {
        int lean = (seat.y() - 1 - y) / 2;
        Rgb c = L.top;
        if (L.wear == Wear::Stripes && (y - torsoTop) % 2 == 0) c = L.accent;
        fill(im, 9 + lean, y, 6, 1, c);
    }
    if (!back && (L.wear == Wear::Jacket || L.wear == Wear::Suit || L.wear == Wear::Cardigan)) vrun(im, 13, torsoTop, torsoTop + 2, L.accent);
    if (!back && L.wear == Wear::Sailor) fill(im, 11, torsoTop, 4, 1, L.accent);
    if (L.legs == Legs::Skirt) fill(im, 9, seat.y() - 2, 6, 2, L.bottom);
    if (L.carry == Carry::Sack && back) ellipse(im, 11, torsoTop + 3, 3, 3.5, kSack);
    leg(nearPedal, L.bottom, L.shoes);
    Rgb sleeveColour = L.wear == Wear::Stripes ? L.accent : L.top;
    line(im, QPoint(14, torsoTop + 1), grip + QPoint(-1, 0), sleeveColour);
    line(im, QPoint(14, torsoTop + 2), grip + QPoint(-1, 1), sleeveColour);
    put(im, grip.x(), grip.y(), L.skin);
    head(im, L, back, headDx, headTop);

    outline(im, kInk);
    return im;
}

}  // namespace

QImage personColumn(int look) {
    const Look& L = kLooks[look];
    QImage col = canvas(112, 128);
    const Pose poses[7] = {Pose::Stand, Pose::StepA, Pose::StepB, Pose::Browse, Pose::Pay, Pose::Drink, Pose::Play};
    for (int c = 0; c < 7; ++c) {
        QImage up = figure(L, true, poses[c]);
        QImage down = figure(L, false, poses[c]);
        blit(col, mirrored(up), 16 * c, 0);      // up-left
        blit(col, up, 16 * c, 32);               // up-right
        blit(col, down, 16 * c, 64);             // down-right
        blit(col, mirrored(down), 16 * c, 96);   // down-left
    }
    return col;
}

QImage cyclistColumn(int look) {
    const Look& L = kLooks[look];
    QImage col = canvas(128, 64);
    for (int frame = 0; frame < 2; ++frame) {
        QImage up = cyclist(L, true, frame);
        QImage down = cyclist(L, false, frame);
        blit(col, mirrored(up), 0, 32 * frame);
        blit(col, up, 32, 32 * frame);
        blit(col, down, 64, 32 * frame);
        blit(col, mirrored(down), 96, 32 * frame);
    }
    return col;
}

}  // namespace sheetart
