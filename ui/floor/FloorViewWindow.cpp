#include "ui/floor/FloorViewWindow.h"

#include <QAbstractEventDispatcher>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <algorithm>
#include <utility>
#include <vector>

#include "commands/FloorViewClick.h"
#include "floor/FloorPictures.h"
#include "floor/FloorRenderer.h"
#include "ui/platform/Pictures.h"
#include "ui/platform/QtPlatform.h"
#include "ui/platform/WindowRegistry.h"
#include "ui/floor/FloorTitleIcon.h"
#include "ui/kit/SteadyScrollBar.h"
#include "ui/kit/WheelScroll.h"

namespace {

int MouseButtonCode(Qt::MouseButton b) {
    switch (b) {
    case Qt::LeftButton: return 1;
    case Qt::RightButton: return 2;
    case Qt::MiddleButton: return 4;
    default: return 0;
    }
}

int ShiftCode(Qt::KeyboardModifiers m) {
    return (m & Qt::ShiftModifier ? 1 : 0) | (m & Qt::ControlModifier ? 2 : 0) | (m & Qt::AltModifier ? 4 : 0);
}

}  // namespace

// ---- Graphic ----

FloorGraphic::FloorGraphic(FloorViewWindow* form) : QWidget(form), form_(form) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
}

void FloorGraphic::paintEvent(QPaintEvent* e) {
    // Only what needs painting, in strips: Qt hands an image draw of 96
    // rows or more to its thread pool, whose hand-over costs far more than
    // the copy itself (the pixels are the same either way).
    constexpr int kStripRows = 64;
    QPainter p(this);
    for (const QRect& r : e->region()) {
        const QRect area = r.intersected(form_->screen_.rect());
        for (int top = area.top(); top <= area.bottom(); top += kStripRows) {
            const QRect strip(area.left(), top, area.width(), std::min(kStripRows, area.bottom() - top + 1));
            p.drawImage(strip.topLeft(), form_->screen_, strip);
        }
    }
}

void FloorGraphic::mousePressEvent(QMouseEvent* e) {
    const QPoint at = e->position().toPoint();
    form_->Graphic_MouseDown(MouseButtonCode(e->button()), ShiftCode(e->modifiers()), at.x(), at.y());
}

void FloorGraphic::mouseMoveEvent(QMouseEvent* e) {
    const QPoint at = e->position().toPoint();
    form_->Graphic_MouseMove(MouseButtonCode(e->button()), ShiftCode(e->modifiers()), at.x(), at.y());
}

// ---- FloorViewWindow ----

FloorViewWindow::FloorViewWindow(GameState& g, QWidget* parent) : QWidget(parent), game_(g) {
    setObjectName(QString::fromStdString(WindowObjectName(Window::FloorView)));
    setWindowTitle(QStringLiteral("场景窗口"));
    // The scene fixes the window's largest size: its frame offers nothing
    // to maximise.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);

    Graphic = new FloorGraphic(this);
    HScroll1 = new SteadyScrollBar(Qt::Horizontal, this);
    VScroll1 = new SteadyScrollBar(Qt::Vertical, this);
    for (QScrollBar* bar : {HScroll1, VScroll1}) {
        bar->setMinimum(0);
        bar->setSingleStep(kScrollArrowStep);
        bar->setPageStep(kScrollPageStep);
    }
    Command1 = new QWidget(this);
    Command1->setAutoFillBackground(true);
    Command1->resize(kScrollBarThickness, kScrollBarThickness);

    connect(HScroll1, &QScrollBar::valueChanged, this, [this] { HScroll1_Change(); });
    connect(HScroll1, &QScrollBar::sliderMoved, this, [this] { HScroll1_Scroll(); });
    connect(VScroll1, &QScrollBar::valueChanged, this, [this] { VScroll1_Change(); });
    connect(VScroll1, &QScrollBar::sliderMoved, this, [this] { VScroll1_Scroll(); });
    WheelMovesBars(Graphic, VScroll1, HScroll1);

    for (int k = 0; k < kFloorIconFrames; ++k)
        Image1[k] = QPixmap::fromImage(LoadPicture(QStringLiteral("Graphic/Icon/Icon%1.png").arg(k), QSize(16, 16)));
    setWindowIcon(QIcon(Image1[0]));
    shownIcon_ = 0;

    // The view first opens as large as the scene; the first showing fits it
    // into the main window.
    const FloorScene scene = SceneOfShopSize(game().ShopSize.i());
    resize(scene.width, scene.height);

    // The game routines reach the open view through the platform.
    if (QtPlatform* qt = QtUi()) {
        connect(qt, &QtPlatform::loadShopGraphics, this, &FloorViewWindow::LoadShopGraphics);
        connect(qt, &QtPlatform::switchDayNightSheet, this, &FloorViewWindow::SwitchDayNightSheet);
        connect(qt, &QtPlatform::layOutFloorViewAgain, this, &FloorViewWindow::Form_Resize);
    }

    Form_Load();

    Timer1.setSingleShot(true);
    Timer1.setTimerType(Qt::PreciseTimer);
    connect(&Timer1, &QTimer::timeout, this, &FloorViewWindow::FrameDue);
    // The clock's ticks change the floor; whatever else the game does while
    // the view rests may change it too.
    if (QtPlatform* qt = QtUi()) connect(qt, &QtPlatform::ticksRan, this, &FloorViewWindow::ClockTicked);
    if (auto* loop = QAbstractEventDispatcher::instance())
        connect(loop, &QAbstractEventDispatcher::aboutToBlock, this, &FloorViewWindow::WakeIfChanged);
    // The first frame comes at the next start of the frame grid.
    const ClockTime now = Ui().Now();
    frameStart_ = FrameStartAt(now);
    nextFrame_ = NextFrameStart(frameStart_, now);
    ArmFrameTimer();
}

FloorViewWindow::~FloorViewWindow() { Disconnect(); }

void FloorViewWindow::Disconnect() {
    Timer1.stop();
    if (QtPlatform* qt = QtUi()) disconnect(qt, nullptr, this, nullptr);
}

void FloorViewWindow::closeEvent(QCloseEvent* e) {
    // Closed is gone for the game, even before the window is deleted.
    Disconnect();
    QWidget::closeEvent(e);
}

QWidget* FloorViewWindow::Frame() {
    if (auto* sub = qobject_cast<QMdiSubWindow*>(parentWidget())) return sub;
    return this;
}

QSize FloorViewWindow::sizeHint() const {
    const FloorScene scene = SceneOfShopSize(game().ShopSize.i());
    return QSize(scene.width, scene.height);
}

void FloorViewWindow::Form_Load() {
    GameState& g = game();
    // Placed at the top-left of the main window when it is first shown.
    g.ScrollX = 0;
    g.ScrollY = 0;
    HScroll1->setValue(0);
    VScroll1->setValue(0);

    const FloorScene scene = SceneOfShopSize(g.ShopSize.i());
    VScroll1->setMaximum(std::max(0, scene.height - height()));
    HScroll1->setMaximum(std::max(0, scene.width - width()));
    LayOutBars();

    sheets_ = LoadFloorSpriteSheets();
    LoadShopGraphics();
    SwitchDayNightSheet();
}

void FloorViewWindow::showEvent(QShowEvent* e) {
    QWidget::showEvent(e);
    if (shown_) return;
    shown_ = true;
    if (auto* sub = qobject_cast<QMdiSubWindow*>(parentWidget())) {
        sub->move(0, 0);
        // As large as the scene, as far as the main window's area allows.
        const FloorScene scene = SceneOfShopSize(game().ShopSize.i());
        frameExtra_ = sub->size() - size();
        QSize outer(scene.width + frameExtra_.width(), scene.height + frameExtra_.height());
        if (QMdiArea* area = sub->mdiArea()) outer = outer.boundedTo(area->viewport()->size());
        sub->resize(outer);
        sub->installEventFilter(this);
        titleIcon_ = new FloorTitleIcon(sub);
        titleIcon_->Show(Image1[std::max(shownIcon_, 0)]);
    }
    Form_Resize();
}

bool FloorViewWindow::eventFilter(QObject* o, QEvent* e) {
    // The frame maximises itself once this event is through; the view then
    // gives the maximised state back.
    if (o == Frame() && e->type() == QEvent::WindowStateChange && Frame()->isMaximized())
        QMetaObject::invokeMethod(this, &FloorViewWindow::TakeLargestSize, Qt::QueuedConnection);
    return QWidget::eventFilter(o, e);
}

void FloorViewWindow::TakeLargestSize() {
    auto* sub = qobject_cast<QMdiSubWindow*>(Frame());
    if (!sub || !sub->isMaximized()) return;
    sub->showNormal();
    QMdiArea* area = sub->mdiArea();
    const QSize room = area ? area->viewport()->size() : sub->size();
    FloorLayoutInput in;
    in.shopSize = game().ShopSize.i();
    in.outerWidth = room.width();
    in.outerHeight = room.height();
    in.frameWidth = frameExtra_.width();
    in.frameHeight = frameExtra_.height();
    const FloorLayout largest = LayOutFloorView(in);
    const QSize outer(largest.outerWidth, largest.outerHeight);
    // Kept where it stood, moved in only as far as it must to fit.
    const QPoint at(std::clamp(sub->x(), 0, std::max(0, room.width() - outer.width())),
                    std::clamp(sub->y(), 0, std::max(0, room.height() - outer.height())));
    sub->setGeometry(QRect(at, outer));
}

void FloorViewWindow::resizeEvent(QResizeEvent* e) {
    QWidget::resizeEvent(e);
    Form_Resize();
}

void FloorViewWindow::Form_Resize() {
    QWidget* frame = Frame();
    if (frame->isMinimized()) return;

    const QSize extra = frame->size() - size();
    FloorLayoutInput in;
    in.shopSize = game().ShopSize.i();
    in.outerWidth = frame->width();
    in.outerHeight = frame->height();
    in.frameWidth = extra.width();
    in.frameHeight = extra.height();
    FloorLayout layout = LayOutFloorView(in);

    const QSize wanted(layout.outerWidth, layout.outerHeight);
    if (wanted != frame->size() && !resizing_ && !frame->isMaximized()) {
        // The new size runs this handler again and lays the window out;
        // only when the size could not be taken is the layout done here.
        resizing_ = true;
        frame->resize(wanted);
        resizing_ = false;
        if (frame->size() == wanted) return;
    }
    ApplyLayout(layout);
}

void FloorViewWindow::ApplyLayout(const FloorLayout& layout) {
    GameState& g = game();
    // Lowering a maximum below the bar's value moves the bar, and its change
    // handler carries the new value into the scroll offset.
    VScroll1->setMaximum(layout.vScrollMax);
    HScroll1->setMaximum(layout.hScrollMax);
    VScroll1->setVisible(layout.vScrollShown);
    HScroll1->setVisible(layout.hScrollShown);
    g.VScrollReserve = layout.vScrollReserve;
    g.HScrollReserve = layout.hScrollReserve;
    LayOutBars();
    ResizeSurfaces();
}

void FloorViewWindow::LayOutBars() {
    const int w = width(), h = height(), t = kScrollBarThickness;
    VScroll1->setGeometry(w - t, 0, t, std::max(0, h - t));
    HScroll1->setGeometry(0, h - t, std::max(0, w - t), t);
    Command1->setGeometry(w - t, h - t, t, t);
    Graphic->setGeometry(0, 0, w, h);
    Graphic->lower();
    VScroll1->raise();
    HScroll1->raise();
    Command1->raise();  // never hidden: covers the corner even without bars
}

void FloorViewWindow::ResizeSurfaces() {
    const QSize inner = size().expandedTo(QSize(1, 1));
    if (!composed_.isNull() && composed_.size() != inner) composed_ = QImage();
    if (screen_.size() != inner) {
        // What was shown stays where it was until the next frame covers it.
        QImage next(inner, QImage::Format_RGB32);
        next.fill(Qt::black);
        if (!screen_.isNull()) CopyRect(screen_, QPoint(0, 0), next, QPoint(0, 0), screen_.size());
        screen_ = next;
    }
}

void FloorViewWindow::HScroll1_Change() { game().ScrollX = HScroll1->value(); }
// While the thumb is dragged the bar reports its position before its value.
void FloorViewWindow::HScroll1_Scroll() { game().ScrollX = HScroll1->sliderPosition(); }
void FloorViewWindow::VScroll1_Change() { game().ScrollY = VScroll1->value(); }
void FloorViewWindow::VScroll1_Scroll() { game().ScrollY = VScroll1->sliderPosition(); }

// Inspects the person or opens the window of the place under the pointer;
// the window is modal, so this returns once it has closed.
void FloorViewWindow::Graphic_MouseDown(int Button, int, int X, int Y) { ClickFloor(game(), Button, X, Y); }

void FloorViewWindow::Graphic_MouseMove(int, int, int, int) {
    // Moving the mouse over the floor has no effect.
}

void FloorViewWindow::Timer1_Timer() {
    QWidget* main = MainWidget();
    if (main && main->isMinimized()) return;  // no work at all while minimised

    GameState& g = game();
    g.VisibleSpriteCount = 0;
    ShowIcon(AdvanceFloorIcon(g));

    ResizeSurfaces();
    const FloorViewport vp = ViewportOf(g, width(), height());
    const int n = CullAndSortFloorSprites(g, vp);
    const FloorPresent how = NextFloorPresent(g);
    // A paused game, or a slow one between its ticks, would draw the frame
    // on the screen once more: only what differs from it is drawn.
    FloorFrameInputs inputs = FloorFrameInputsOf(g, n, vp, BitMap, sheets_, how);
    if (inputs == shownFrame_) {
        PresentIcon(false);
        return;
    }
    QRegion changed;
    if (how == FloorPresent::Normal) {
        // Drawn where it is shown, and only where it changed: the rest of
        // the frame on the screen is what this one would draw there.
        const std::vector<QRect> areas = ChangedFloorArea(shownFrame_, inputs);
        for (const QRect& area : areas) DrawFloorArea(g, n, vp, BitMap, sheets_, screen_, area);
        changed = RegionOfPlaces(areas);
    } else {
        // A shaken frame is drawn apart and shifted in, leaving the strip it
        // uncovers as the last frame showed it.
        if (composed_.isNull()) composed_ = QImage(screen_.size(), QImage::Format_RGB32);
        DrawFloorFrame(g, n, vp, BitMap, sheets_, composed_);
        PresentFloorFrame(how, composed_, vp.viewWidth(), vp.viewHeight(), screen_);
        changed = QRegion(0, 0, vp.viewWidth(), vp.viewHeight());
    }
    shownFrame_ = std::move(inputs);
    ++framesDrawn_;
    // Only the floor where it changed and can be seen is repainted: the
    // bars and the corner box over it, and whatever covers the view (the
    // main window's own scroll bars when the view reaches under them), keep
    // their pixels.
    // (Each cut of a region of many places is work of its own: only where
    // it takes something away.)
    QRegion floor = std::move(changed);
    if (floor.boundingRect().intersects(Command1->geometry())) floor -= QRegion(Command1->geometry());
    if (auto* sub = qobject_cast<QMdiSubWindow*>(Frame()); sub && sub->mdiArea()) {
        const QWidget* area = sub->mdiArea()->viewport();
        const QRect seen(Graphic->mapFrom(area, QPoint(0, 0)), area->size());
        if (!seen.contains(floor.boundingRect())) floor &= seen;
    }
    if (!floor.isEmpty()) Graphic->update(floor);
    PresentIcon(!floor.isEmpty());
}

void FloorViewWindow::FrameDue() {
    // This frame's start on the grid; the firings a rest skipped since the
    // last frame count for the icon alone: nothing else on the floor changed
    // meanwhile, or the rest would have ended.
    const ClockTime start = FrameStartAt(Ui().Now());
    int firings = 1;
    if (restFirings_ > 1)
        firings = std::clamp(static_cast<int>((start - frameStart_) / kFramePeriod), 1, restFirings_);
    frameStart_ = start;
    QWidget* main = MainWidget();
    const bool minimised = main && main->isMinimized();
    for (int i = 1; i < firings && !minimised; ++i) ShowIcon(AdvanceFloorIcon(game()));
    Timer1_Timer();
    PresentIcon(false);
    PlanNextFrame();
}

void FloorViewWindow::ClockTicked() {
    // The clock wakes on the frames' starts and runs its ticks first: the
    // frame of this start is drawn now, with them, in the same wake. A tick
    // between two starts waits for the next frame, which a rest no longer
    // puts off.
    if (nextFrame_ <= Ui().Now() + kWakeEarly) {
        FrameDue();
        return;
    }
    WakeIfChanged();
}

void FloorViewWindow::PlanNextFrame() {
    // A frame every 64 ms while the clock runs or the floor shakes. Else the
    // floor stands still, and the view rests until its icon changes (or,
    // minimised, a while), unless something changes the floor before.
    restFirings_ = 1;
    GameState& g = game();
    if (!Ui().Clock().ticking() && g.QuakeShake.asInt() == 0) {
        QWidget* main = MainWidget();
        const bool minimised = main && main->isMinimized();
        restFirings_ = minimised ? kMinimisedRest : FloorIconFiringsToChange(g, shownIcon_);
    }
    resting_ = restFirings_ > 1;
    if (resting_) restingOn_ = RestKey();
    nextFrame_ = NextFrameStart(frameStart_ + (restFirings_ - 1) * kFramePeriod, Ui().Now());
    ArmFrameTimer();
}

void FloorViewWindow::ArmFrameTimer() {
    const auto wait = std::chrono::ceil<std::chrono::milliseconds>(nextFrame_ - Ui().Now());
    Timer1.start(std::max<int>(0, static_cast<int>(wait.count())));
}

std::vector<std::int64_t> FloorViewWindow::RestKey() {
    QWidget* main = MainWidget();
    std::vector<std::int64_t> key = FloorInputsKey(game(), ViewportOf(game(), width(), height()), BitMap, sheets_);
    key.push_back(main && main->isMinimized());
    return key;
}

void FloorViewWindow::WakeIfChanged() {
    if (!resting_ || !Timer1.isActive()) return;
    if (!Ui().Clock().ticking() && RestKey() == restingOn_) return;
    // The next frame comes at the next start of the grid.
    resting_ = false;
    nextFrame_ = NextFrameStart(FrameStartAt(Ui().Now()), Ui().Now());
    ArmFrameTimer();
}

void FloorViewWindow::ShowIcon(int icon) {
    if (icon < 0 || icon == shownIcon_) return;
    shownIcon_ = icon;
    iconPending_ = true;
}

void FloorViewWindow::PresentIcon(bool withFloor) {
    if (!iconPending_) return;
    iconPending_ = false;
    // Inside the main window the picture over the title bar shows it, with
    // the floor's paint or, alone, at once (no paint request to wake the game
    // for); a view of its own (benchmarks) has the system draw its icon.
    if (titleIcon_)
        titleIcon_->Show(Image1[shownIcon_], !withFloor);
    else
        Frame()->setWindowIcon(QIcon(Image1[shownIcon_]));
}

void FloorViewWindow::LoadShopGraphics() {
    const GameState& g = game();
    if (const FloorPictureFiles* files = FloorPicturesOfSize(g.ShopSize.i())) {
        const FloorScene scene = SceneOfShopSize(g.ShopSize.i());
        const QSize needed(scene.width, scene.height);
        Image2 = LoadFloorPicture(files->day, needed);
        image2File_ = QString::fromUtf8(files->day);
        Image3 = LoadFloorPicture(files->night, needed);
        image3File_ = QString::fromUtf8(files->night);
    }
    if (SheetAfterLoading(g.Hour.i()) == FloorSheet::Day) {
        BitMap = Image2;
        bitmapFile_ = image2File_;
    } else {
        BitMap = Image3;
        bitmapFile_ = image3File_;
    }
}

void FloorViewWindow::SwitchDayNightSheet() {
    switch (SheetAtHour(game().Hour.i())) {
    case FloorSheet::Day:
        BitMap = Image2;
        bitmapFile_ = image2File_;
        break;
    case FloorSheet::Night:
        BitMap = Image3;
        bitmapFile_ = image3File_;
        break;
    case FloorSheet::Unchanged: break;
    }
}
