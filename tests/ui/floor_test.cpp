// The floor view: the masked blit, a small composed frame, and the window
// with its pictures, scroll bars and size rule.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMessageBox>
#include <QPainter>
#include <QTest>
#include <algorithm>
#include <memory>
#include <random>

#include "commands/StartNewGame.h"
#include "platform/Platform.h"
#include "platform/headless/HeadlessPlatform.h"
#include "ui/platform/WindowRegistry.h"
#include "ui/platform/Pictures.h"
#include "state/NewGame.h"
#include "state/SpritePool.h"
#include "floor/FloorPictures.h"
#include "ui/floor/FloorViewWindow.h"
#include "commands/CommandGates.h"
#include "ui/floor/FloorFrame.h"
#include "ui/floor/FloorTitleIcon.h"
#include "tests/ui/ModalDriver.h"
#include "tests/ui/WheelTurn.h"

namespace {

QImage Noise(QSize size, std::mt19937& rnd) {
    QImage img(size, QImage::Format_RGB32);
    for (int y = 0; y < size.height(); ++y) {
        auto* line = reinterpret_cast<quint32*>(img.scanLine(y));
        for (int x = 0; x < size.width(); ++x) line[x] = 0xFF000000u | (rnd() & 0xFFFFFFu);
    }
    return img;
}

QImage Solid(QSize size, QRgb c) {
    QImage img(size, QImage::Format_RGB32);
    img.fill(c);
    return img;
}

}  // namespace

TEST(FloorBlit, TallSpriteMatchesAndThenXorRasterOps) {
    std::mt19937 rnd(42);
    const QImage mask = Noise({64, 220}, rnd), colour = Noise({64, 220}, rnd);
    const QImage floor = Noise({80, 200}, rnd);
    struct Case {
        QPoint to;
        QRect src;
    };
    // A tall sprite inside the frame, and one that runs over its right and
    // bottom edges.
    for (const Case& c : {Case{{10, 20}, {5, 3, 40, 150}}, Case{{50, 90}, {0, 10, 48, 200}}}) {
        QImage ours = floor;
        BlitMasked(ours, c.to, mask, colour, c.src);
        QImage ref = floor;
        {
            QPainter p(&ref);
            p.setCompositionMode(QPainter::RasterOp_SourceAndDestination);
            p.drawImage(c.to, mask, c.src);
            p.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
            p.drawImage(c.to, colour, c.src);
        }
        int differ = 0;
        for (int y = 0; y < floor.height(); ++y)
            for (int x = 0; x < floor.width(); ++x) differ += ours.pixel(x, y) != ref.pixel(x, y);
        EXPECT_EQ(differ, 0) << c.to.x() << "," << c.to.y();
        EXPECT_NE(ours, floor);
    }
}

TEST(FloorBlit, AGreyMaskKeptInABytePerPixelDrawsTheSame) {
    std::mt19937 rnd(7);
    QImage mask({40, 120}, QImage::Format_RGB32);
    for (int y = 0; y < mask.height(); ++y)
        for (int x = 0; x < mask.width(); ++x) mask.setPixel(x, y, (rnd() & 1) ? qRgb(255, 255, 255) : qRgb(0, 0, 0));
    mask.setPixel(3, 3, qRgb(128, 128, 128));  // greys other than black and white are kept too
    const QImage colour = Noise(mask.size(), rnd), floor = Noise({50, 100}, rnd);
    const QImage grey = CompactMask(mask);
    ASSERT_EQ(grey.format(), QImage::Format_Grayscale8);
    for (const QRect& src : {QRect(0, 0, 40, 120), QRect(1, 2, 7, 30), QRect(3, 3, 5, 5)}) {
        QImage ours = floor, ref = floor;
        BlitMasked(ours, {2, 5}, grey, colour, src);
        BlitMasked(ref, {2, 5}, mask, colour, src);
        EXPECT_EQ(ours, ref) << src.x() << "," << src.y();
    }
    // A mask with colour in it stays as it is.
    mask.setPixel(0, 0, qRgb(255, 0, 0));
    EXPECT_EQ(CompactMask(mask).format(), QImage::Format_RGB32);
}

TEST(FloorFrame, TheRegionOfThePlacesIsTheirUnion) {
    // Places scattered over a floor as walkers leave them: kept apart by a
    // pixel at least, as the changed area gives them; some side by side in
    // the same rows, some stacked in the same columns.
    for (unsigned seed = 1; seed <= 40; ++seed) {
        SCOPED_TRACE(seed);
        std::mt19937 rnd(seed);
        std::vector<QRect> places;
        const int tries = static_cast<int>(rnd() % 24);
        for (int k = 0; k < tries; ++k) {
            QRect r(static_cast<int>(rnd() % 400), static_cast<int>(rnd() % 300), 1 + static_cast<int>(rnd() % 40),
                    1 + static_cast<int>(rnd() % 50));
            if (k % 5 == 1) r.moveTop(places.back().top());       // the same rows
            if (k % 5 == 2) r.moveLeft(places.back().left());     // the same columns
            if (k % 7 == 3) r = places.back().translated(0, places.back().height() + 1 + static_cast<int>(rnd() % 3));
            const bool apart = std::none_of(places.begin(), places.end(),
                                            [&](const QRect& p) { return p.adjusted(-1, -1, 1, 1).intersects(r); });
            if (apart) places.push_back(r);
        }
        QRegion one_by_one;
        for (const QRect& r : places) one_by_one += r;
        const QRegion region = RegionOfPlaces(places);
        EXPECT_EQ(region, one_by_one);
        EXPECT_EQ(region.rectCount(), one_by_one.rectCount());
    }
    EXPECT_TRUE(RegionOfPlaces({}).isEmpty());
}

TEST(FloorFrame, SmallSceneComposesBackToFront) {
    // Floor picture: pixel (x, y) has the colour (x, y, 100).
    QImage bitmap(60, 40, QImage::Format_RGB32);
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 60; ++x) bitmap.setPixel(x, y, qRgb(x, y, 100));
    // Sheets: sprite A at (0, 0) all red; sprite B at (4, 0), green left
    // half, transparent right half.
    FloorSpriteSheets sheets{Solid({16, 8}, qRgb(255, 255, 255)), Solid({16, 8}, qRgb(0, 0, 0))};
    for (int y = 0; y < 4; ++y) {
        for (int x = 0; x < 4; ++x) {
            sheets.mask.setPixel(x, y, qRgb(0, 0, 0));
            sheets.colour.setPixel(x, y, qRgb(255, 0, 0));
        }
        for (int x = 4; x < 6; ++x) {
            sheets.mask.setPixel(x, y, qRgb(0, 0, 0));
            sheets.colour.setPixel(x, y, qRgb(0, 255, 0));
        }
    }
    auto g = std::make_unique<GameState>();
    SpawnSprite(*g, 10, 10, 0, 0, 4, 4, 10);  // A, slot 0, key 20: in front
    SpawnSprite(*g, 12, 12, 4, 0, 4, 4, 0);   // B, slot 1, key 12.001: behind
    SpawnSprite(*g, 100, 100, 0, 0, 4, 4, 0); // off the view
    FloorViewport vp;
    vp.scrollX = 5;
    vp.scrollY = 3;
    vp.innerWidth = 30;
    vp.innerHeight = 20;

    QImage graphic(30, 20, QImage::Format_RGB32), screen(30, 20, QImage::Format_RGB32);
    screen.fill(Qt::black);
    ComposeFloorFrame(*g, vp, bitmap, sheets, graphic);
    PresentFloorFrame(FloorPresent::Normal, graphic, vp.viewWidth(), vp.viewHeight(), screen);

    EXPECT_EQ(g->VisibleSpriteCount, Value(2));
    EXPECT_EQ(g->VisibleSprites[0], Value(1));
    EXPECT_EQ(g->VisibleSprites[1], Value(0));
    // A lands at (5, 7)..(8, 10), B at (7, 9)..(10, 12); A covers B's
    // upper-left quarter, B's right half lets the floor through.
    EXPECT_EQ(screen.pixel(0, 0), qRgb(5, 3, 100));
    EXPECT_EQ(screen.pixel(5, 7), qRgb(255, 0, 0));
    EXPECT_EQ(screen.pixel(8, 10), qRgb(255, 0, 0));
    EXPECT_EQ(screen.pixel(7, 9), qRgb(255, 0, 0));
    EXPECT_EQ(screen.pixel(8, 12), qRgb(0, 255, 0));
    EXPECT_EQ(screen.pixel(9, 9), qRgb(14, 12, 100));
    EXPECT_EQ(screen.pixel(29, 19), qRgb(34, 22, 100));
    int red = 0, green = 0;
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 30; ++x) {
            red += screen.pixel(x, y) == qRgb(255, 0, 0);
            green += screen.pixel(x, y) == qRgb(0, 255, 0);
        }
    EXPECT_EQ(red, 16);
    EXPECT_EQ(green, 4);

    // Scrolled by one column, shaken right: the frame moves 10 pixels right
    // and the strip it uncovers keeps the last frame.
    vp.scrollX = 6;
    ComposeFloorFrame(*g, vp, bitmap, sheets, graphic);
    PresentFloorFrame(FloorPresent::ShiftRight, graphic, vp.viewWidth(), vp.viewHeight(), screen);
    EXPECT_EQ(screen.pixel(2, 0), qRgb(7, 3, 100));    // kept
    EXPECT_EQ(screen.pixel(12, 0), qRgb(8, 3, 100));   // graphic (2, 0)
    EXPECT_EQ(screen.pixel(14, 7), qRgb(255, 0, 0));   // A's first column
    EXPECT_EQ(screen.pixel(29, 19), qRgb(25, 22, 100));
}

class FloorViewTest : public ::testing::Test {
protected:
    void SetUp() override {
        NewGameStart start;
        ASSERT_TRUE(NewGameStart::FromDate(2026, 4, 1, 5, 3, start));
        game().GameTitle = kGameTitle;
        StartNewGame(game(), "测试书店", start);
        main_ = std::make_unique<QMainWindow>();
        area_ = new QMdiArea;
        main_->setCentralWidget(area_);
        main_->resize(1000, 800);
        main_->show();
        SetMainWindow(main_.get(), area_);
        ShowForm(Window::FloorView, game());
    }
    void TearDown() override {
        UnloadAllForms();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        SetMainWindow(nullptr, nullptr);
        main_.reset();
    }
    static FloorViewWindow* View() { return dynamic_cast<FloorViewWindow*>(OpenForm(Window::FloorView)); }
    static QMdiSubWindow* Sub() { return qobject_cast<QMdiSubWindow*>(View()->parentWidget()); }
    GameState& game() { return *game_; }

    std::unique_ptr<GameState> game_ = std::make_unique<GameState>();
    std::unique_ptr<QMainWindow> main_;
    QMdiArea* area_ = nullptr;
};

TEST_F(FloorViewTest, OpensWithTheSceneAndThePictureOfTheHour) {
    FloorViewWindow* view = View();
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(Sub()->pos(), QPoint(0, 0));
    EXPECT_EQ(view->windowTitle(), QStringLiteral("场景窗口"));
    // Room enough: the whole small scene, no bars.
    EXPECT_EQ(view->size(), QSize(505, 245));
    EXPECT_FALSE(view->VScroll1->isVisibleTo(view));
    EXPECT_FALSE(view->HScroll1->isVisibleTo(view));
    EXPECT_TRUE(view->Command1->isVisibleTo(view));
    EXPECT_EQ(game().VScrollReserve, Value(0));
    EXPECT_EQ(game().HScrollReserve, Value(0));

    // Hour 5: night. Missing or unreadable pictures still give a floor of
    // the scene's size.
    EXPECT_EQ(view->BitMapFile(), "Graphic/inside5.dat");
    EXPECT_EQ(view->BitMapPicture().size(), QSize(505, 245));
    game().Hour = 6;
    Ui().SwitchDayNightSheet(game());
    EXPECT_EQ(view->BitMapFile(), "Graphic/inside4.dat");
    game().Hour = 17;
    Ui().SwitchDayNightSheet(game());
    EXPECT_EQ(view->BitMapFile(), "Graphic/inside4.dat");
    game().Hour = 18;
    Ui().SwitchDayNightSheet(game());
    EXPECT_EQ(view->BitMapFile(), "Graphic/inside5.dat");

    // One firing draws the new game's scenery and steps the icon.
    view->Timer1_Timer();
    EXPECT_GT(game().VisibleSpriteCount.i(), 0);
    EXPECT_EQ(game().FloorIconTicks, Value(1));
    EXPECT_EQ(view->Presented().size(), QSize(505, 245));

    // Nothing at all while the main window is minimised.
    main_->setWindowState(Qt::WindowMinimized);
    view->Timer1_Timer();
    EXPECT_EQ(game().FloorIconTicks, Value(1));
}

TEST_F(FloorViewTest, SizeRuleAndScrolling) {
    FloorViewWindow* view = View();
    QMdiSubWindow* sub = Sub();
    const QSize frame = sub->size() - view->size();

    // Too large: back to the scene, bars hidden.
    sub->resize(900, 700);
    EXPECT_EQ(view->size(), QSize(505, 245));
    EXPECT_EQ(game().VScrollReserve, Value(0));

    // Smaller than the scene: both bars, their ranges from the inner size.
    sub->resize(QSize(400, 200) + frame);
    ASSERT_EQ(view->size(), QSize(400, 200));
    EXPECT_TRUE(view->VScroll1->isVisibleTo(view));
    EXPECT_TRUE(view->HScroll1->isVisibleTo(view));
    EXPECT_EQ(view->VScroll1->maximum(), 45);
    EXPECT_EQ(view->HScroll1->maximum(), 105);
    EXPECT_EQ(game().VScrollReserve, Value(17));
    EXPECT_EQ(game().HScrollReserve, Value(17));
    EXPECT_EQ(view->VScroll1->geometry(), QRect(400 - 17, 0, 17, 200 - 17));
    EXPECT_EQ(view->HScroll1->geometry(), QRect(0, 200 - 17, 400 - 17, 17));
    EXPECT_EQ(view->Command1->geometry(), QRect(400 - 17, 200 - 17, 17, 17));

    // The bars drive the scroll offsets; a shrinking range pulls them back.
    view->HScroll1->setValue(100);
    view->VScroll1->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    EXPECT_EQ(game().ScrollX, Value(100));
    EXPECT_EQ(game().ScrollY, Value(10));
    sub->resize(QSize(480, 240) + frame);
    EXPECT_EQ(game().ScrollX, Value(25));
    EXPECT_EQ(game().ScrollY, Value(5));

    // Dragging the thumb moves the view during the drag, not on release.
    view->HScroll1->setTracking(false);
    view->HScroll1->setSliderDown(true);
    view->HScroll1->setSliderPosition(12);
    EXPECT_EQ(game().ScrollX, Value(12));
    view->HScroll1->setSliderDown(false);
    EXPECT_EQ(game().ScrollX, Value(12));

    // Dragged below the minimum: at least 2000 twips outside.
    sub->resize(100, 100);
    EXPECT_GE(sub->width(), kMinOuterSize);
    EXPECT_GE(sub->height(), kMinOuterSize);
    EXPECT_EQ(view->VScroll1->maximum(), 245 - view->height());
}

// The wheel over the floor turns the vertical bar, or the horizontal one
// when the window is as tall as the scene; it moves the view as the bar's
// arrows do.
TEST_F(FloorViewTest, TheWheelOverTheFloorTurnsItsBars) {
    FloorViewWindow* view = View();
    QMdiSubWindow* sub = Sub();
    const QSize frame = sub->size() - view->size();
    const int notch = std::min(QApplication::wheelScrollLines() * kScrollArrowStep, kScrollPageStep);

    sub->resize(QSize(400, 200) + frame);
    TurnWheel(view->Graphic, -1);
    EXPECT_EQ(game().ScrollY, Value(notch));
    EXPECT_EQ(game().ScrollX, Value(0));

    sub->resize(QSize(400, 245) + frame);
    ASSERT_FALSE(view->VScroll1->isVisibleTo(view));
    TurnWheel(view->Graphic, -1);
    EXPECT_EQ(game().ScrollX, Value(notch));
    EXPECT_EQ(game().ScrollY, Value(0));
    TurnWheel(view->Graphic, 1);
    EXPECT_EQ(game().ScrollX, Value(0));
}

TEST_F(FloorViewTest, MaximisedTakesTheLargestSizeOfItsShopSize) {
    for (int size = 1; size <= 3; ++size) {
        SCOPED_TRACE(size);
        game().ShopSize = size;
        Ui().LoadShopGraphics(game());
        Ui().LayOutFloorViewAgain(game());
        FloorViewWindow* view = View();
        QMdiSubWindow* sub = Sub();
        sub->setGeometry(40, 30, 300, 200);
        sub->showMaximized();
        QCoreApplication::processEvents();
        // A normal window as large as the scene: no empty area beside it.
        const FloorScene scene = SceneOfShopSize(size);
        EXPECT_FALSE(sub->isMaximized());
        EXPECT_EQ(view->size(), QSize(scene.width, scene.height));
        EXPECT_FALSE(view->VScroll1->isVisibleTo(view));
        EXPECT_FALSE(view->HScroll1->isVisibleTo(view));
        EXPECT_EQ(sub->pos(), QPoint(40, 30));
    }

    // In a main window too small for the scene it fills the area and
    // scrolls over the rest.
    main_->resize(450, 300);
    QCoreApplication::processEvents();
    Sub()->showMaximized();
    QCoreApplication::processEvents();
    EXPECT_FALSE(Sub()->isMaximized());
    EXPECT_EQ(Sub()->geometry(), area_->viewport()->rect());
    EXPECT_TRUE(View()->HScroll1->isVisibleTo(View()));
    EXPECT_TRUE(View()->VScroll1->isVisibleTo(View()));
}

TEST_F(FloorViewTest, AMaximisedWindowLeavesTheNextOnesAtTheirOwnSize) {
    ShowForm(Window::ShopInfo, game());
    auto* info = qobject_cast<QMdiSubWindow*>(OpenForm(Window::ShopInfo)->parentWidget());
    info->showMaximized();
    ASSERT_TRUE(info->isMaximized());
    ShowForm(Window::ShopDetails, game());
    auto* details = qobject_cast<QMdiSubWindow*>(OpenForm(Window::ShopDetails)->parentWidget());
    QCoreApplication::processEvents();
    EXPECT_FALSE(details->isMaximized());
    // Bringing another window forward does not maximise it either.
    area_->setActiveSubWindow(info);
    area_->setActiveSubWindow(Sub());
    EXPECT_FALSE(Sub()->isMaximized());
}

// Answers the next question box with Yes.
void AnswerYes() {
    WhenModal([](QWidget* w) {
        auto* box = qobject_cast<QMessageBox*>(w);
        ASSERT_NE(box, nullptr);
        box->button(QMessageBox::Yes)->click();
    });
}

TEST_F(FloorViewTest, EnlargementReloadsAndLaysOutAgain) {
    FloorViewWindow* view = View();
    game().Hour = 12;
    AnswerYes();
    EnlargeShopCommand(game());
    EXPECT_EQ(game().ShopSize, Value(2));
    EXPECT_EQ(view->BitMapFile(), "Graphic/inside6.dat");
    EXPECT_EQ(view->Image3File(), "Graphic/inside7.dat");
    EXPECT_EQ(view->BitMapPicture().size(), QSize(498, 332));
    // The medium scene is narrower and taller than the small one.
    EXPECT_EQ(view->width(), 498);
    EXPECT_EQ(game().HScrollReserve, Value(0));
    EXPECT_EQ(game().VScrollReserve, Value(17));
    EXPECT_TRUE(view->VScroll1->isVisibleTo(view));
    EXPECT_EQ(view->VScroll1->maximum(), 332 - view->height());

    // Once the view is closed the routines reach nothing.
    CloseForm(Window::FloorView);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(OpenForm(Window::FloorView), nullptr);
    game().Hour = 20;
    AnswerYes();
    EnlargeShopCommand(game());
    EXPECT_EQ(game().ShopSize, Value(3));
}

namespace {

// Counts the events of one type that reach the watched objects.
class EventTally : public QObject {
public:
    EventTally(QEvent::Type type, std::initializer_list<QObject*> watched) : type_(type) {
        for (QObject* o : watched) o->installEventFilter(this);
    }
    int count = 0;

protected:
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == type_) ++count;
        return false;
    }

private:
    QEvent::Type type_;
};

}  // namespace

TEST_F(FloorViewTest, DrawsAFrameOnceAndRepaintsOnlyTheFloor) {
    FloorViewWindow* view = View();
    view->Timer1.stop();  // the test fires the frames itself, however slow the machine
    QMdiSubWindow* sub = Sub();
    sub->resize(QSize(400, 200) + (sub->size() - view->size()));
    ASSERT_TRUE(view->VScroll1->isVisibleTo(view));
    QApplication::processEvents();

    EventTally floorPaints(QEvent::Paint, {view->Graphic});
    EventTally otherPaints(QEvent::Paint, {view->HScroll1, view->VScroll1, view->Command1});
    view->Timer1_Timer();
    QApplication::processEvents();
    EXPECT_EQ(view->FramesDrawn(), 1);
    EXPECT_EQ(floorPaints.count, 1);
    EXPECT_EQ(otherPaints.count, 0) << "the bars and the corner box are not repainted with the floor";

    // Nothing moved: the frame on the screen stays, the icon still steps.
    view->Timer1_Timer();
    QApplication::processEvents();
    EXPECT_EQ(view->FramesDrawn(), 1);
    EXPECT_EQ(floorPaints.count, 1);
    EXPECT_EQ(game().FloorIconTicks, Value(2));
    EXPECT_GT(game().VisibleSpriteCount.i(), 0) << "the visible list is still made on every firing";

    // One sprite moves: a new frame.
    const QImage before = view->Presented();
    const int slot = game().VisibleSprites[0].i();
    game().Sprite.Y[slot] = game().Sprite.Y[slot].asInt() + 3;
    view->Timer1_Timer();
    QApplication::processEvents();
    EXPECT_EQ(view->FramesDrawn(), 2);
    EXPECT_EQ(floorPaints.count, 2);
    EXPECT_NE(view->Presented(), before);
}

TEST_F(FloorViewTest, TheIconRepaintsItsOwnPixelsAndNotTheTitleBar) {
    FloorViewWindow* view = View();
    view->Timer1.stop();  // the test fires the frames itself, however slow the machine
    QApplication::processEvents();
    FloorTitleIcon* icon = view->TitleIcon();
    ASSERT_NE(icon, nullptr);
    // Where the title bar shows an icon: at its left, above the view.
    const QRect place = icon->geometry();
    EXPECT_TRUE(icon->isVisible());
    EXPECT_EQ(place.size(), QSize(16, 16));
    EXPECT_LT(place.bottom(), view->geometry().top());
    EXPECT_LT(place.left(), Sub()->width() / 4);

    EventTally iconPaints(QEvent::Paint, {icon});
    EventTally titleBar(QEvent::Paint, {Sub()});
    EventTally iconChanges(QEvent::WindowIconChange, {Sub()});
    // One cycle of 75 firings shows frames 0..23 up, 23..0 down, then 0, 7,
    // 15, 23; the first frame of each run is the one already shown. The
    // sprites stand still, so the floor is not drawn again either.
    view->Timer1_Timer();
    QApplication::processEvents();
    const int frames = view->FramesDrawn();
    iconPaints.count = titleBar.count = 0;
    const QImage first = icon->Shown().toImage();
    for (int i = 1; i < 75; ++i) {
        view->Timer1_Timer();
        QApplication::processEvents();
    }
    EXPECT_EQ(iconPaints.count, 23 + 23 + 3);
    EXPECT_EQ(titleBar.count, 0);
    EXPECT_EQ(iconChanges.count, 0);
    EXPECT_EQ(view->FramesDrawn(), frames);
    // The cycle ends on frame 23; the next one starts again at frame 0.
    EXPECT_NE(icon->Shown().toImage(), first);
    view->Timer1_Timer();
    EXPECT_EQ(icon->Shown().toImage(), first);
}

TEST_F(FloorViewTest, WithTheClockStillTheViewRestsUntilItsIconOrTheFloorChanges) {
    FloorViewWindow* view = View();
    ASSERT_FALSE(Ui().Clock().ticking());
    view->Timer1.stop();
    auto* loop = QAbstractEventDispatcher::instance();
    // The icon's first run ends on frame 23 at the 24th firing; the next new
    // frame, 22, comes at the 7th firing after the 25th.
    for (int i = 0; i < 24; ++i) view->Timer1_Timer();
    const int frames = view->FramesDrawn();
    view->FrameDue();
    EXPECT_GT(view->Timer1.remainingTime(), 5 * 64);
    emit loop->aboutToBlock();  // something else ran and changed nothing
    EXPECT_GT(view->Timer1.remainingTime(), 5 * 64);

    // A sprite moves: the next frame comes at the frame's usual pace and
    // draws it.
    const int slot = game().VisibleSprites[0].i();
    game().Sprite.X[slot] = game().Sprite.X[slot].asInt() + 2;
    emit loop->aboutToBlock();
    EXPECT_LE(view->Timer1.remainingTime(), 64);
    view->FrameDue();
    EXPECT_EQ(view->FramesDrawn(), frames + 1);
    EXPECT_EQ(game().FloorIconTicks, Value(26));
    view->Timer1.stop();
}

TEST_F(FloorViewTest, FramesStartEvery64MsFromThePreviousStart) {
    using namespace std::chrono_literals;
    FloorViewWindow* view = View();
    // The view's time from a platform whose clock ticks (so the view never
    // rests) and whose time the test sets.
    HeadlessPlatform timed;
    ScopedPlatform use(timed);
    timed.SetClockEnabled(true);
    timed.SetClockInterval(10);
    struct Case {
        const char* what;
        ClockTime::duration late;  // after the frame's start
        int nextInMs;
    };
    const Case cases[] = {
        {"on time", 0ms, 64},
        {"30 ms late: the next still at its start", 30ms, 34},
    };
    ClockTime start = ClockTime{} + 6400ms;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        timed.now = start - kFramePeriod;  // the frame before, on time
        view->FrameDue();
        timed.now = start + c.late;
        view->FrameDue();
        EXPECT_NEAR(view->Timer1.remainingTime(), c.nextInMs, 6);
        start += 10 * kFramePeriod;
    }
    view->Timer1.stop();
}

TEST_F(FloorViewTest, DrawingOnlyWhatChangedGivesTheWholeFrame) {
    FloorViewWindow* view = View();
    view->Timer1.stop();
    GameState& g = game();
    // Two sprites on one spot, to swap their order without moving them.
    const int under = SpawnSprite(g, 100, 60, 0, 0, 40, 40, 0);
    const int over = SpawnSprite(g, 110, 70, 64, 0, 40, 40, 5);
    ASSERT_GE(under, 0);
    ASSERT_GE(over, 0);
    const FloorSpriteSheets sheets = LoadFloorSpriteSheets();
    view->Timer1_Timer();
    std::mt19937 rnd(23);
    for (int frame = 0; frame < 40; ++frame) {
        SCOPED_TRACE(frame);
        switch (frame % 4) {
        case 0: {  // a few sprites move or change their picture
            for (int k = 0; k < 3; ++k) {
                const int slot = g.DrawList[static_cast<int>(rnd() % g.DrawListCount.i())].i();
                g.Sprite.X[slot] = g.Sprite.X[slot].asInt() + static_cast<int>(rnd() % 7) - 3;
                g.Sprite.SrcY[slot] = g.Sprite.SrcY[slot].asInt() == 0 ? 32 : 0;
            }
            break;
        }
        case 1: std::swap(g.Sprite.Depth[under], g.Sprite.Depth[over]); break;
        case 2: RemoveSprite(g, over); break;
        case 3: {
            const int again = SpawnSprite(g, 110 + frame, 70, 64, 0, 40, 40, 5);
            ASSERT_EQ(again, over);
            break;
        }
        }
        view->Timer1_Timer();
        const FloorViewport vp = ViewportOf(g, view->width(), view->height());
        QImage whole(view->Presented().size(), QImage::Format_RGB32);
        whole.fill(Qt::black);
        ComposeFloorFrame(g, vp, view->BitMapPicture(), sheets, whole);
        const QRect shown(0, 0, vp.viewWidth(), vp.viewHeight());
        ASSERT_EQ(view->Presented().copy(shown), whole.copy(shown));
    }
}
