#include "ui/floor/Form1.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <algorithm>

#include "platform/qt/Forms.h"
#include "platform/qt/Pictures.h"
#include "state/TheGame.h"
#include "ui/floor/FloorClick.h"
#include "ui/floor/FloorPictures.h"
#include "ui/floor/FloorRenderer.h"

namespace {

Form1* g_openView = nullptr;

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

FloorGraphic::FloorGraphic(Form1* form) : QWidget(form), form_(form) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
}

void FloorGraphic::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.drawImage(0, 0, form_->screen_);
}

void FloorGraphic::mousePressEvent(QMouseEvent* e) {
    const QPoint at = e->position().toPoint();
    form_->Graphic_MouseDown(MouseButtonCode(e->button()), ShiftCode(e->modifiers()), at.x(), at.y());
}

void FloorGraphic::mouseMoveEvent(QMouseEvent* e) {
    const QPoint at = e->position().toPoint();
    form_->Graphic_MouseMove(MouseButtonCode(e->button()), ShiftCode(e->modifiers()), at.x(), at.y());
}

// ---- Form1 ----

Form1::Form1(QWidget* parent) : QWidget(parent) {
    setWindowTitle(QStringLiteral("场景窗口"));

    Graphic = new FloorGraphic(this);
    HScroll1 = new QScrollBar(Qt::Horizontal, this);
    VScroll1 = new QScrollBar(Qt::Vertical, this);
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

    for (int k = 0; k < kFloorIconFrames; ++k)
        Image1[k] = QIcon(QPixmap::fromImage(LoadPicture(QStringLiteral("Graphic/Icon/Icon%1.png").arg(k), QSize(16, 16))));
    setWindowIcon(Image1[0]);

    // The view first opens as large as the scene; the first showing fits it
    // into the main window.
    const FloorScene scene = SceneOfShopSize(Game().ShopSize.i());
    resize(scene.width, scene.height);

    // The game routines reach the open view through these.
    g_openView = this;
    SetFloorViewHooks({[this] { LoadShopGraphics(); }, [this] { SwitchDayNightSheet(); }, [this] { Form_Resize(); }});

    Form_Load();

    Timer1.setInterval(64);
    connect(&Timer1, &QTimer::timeout, this, [this] { Timer1_Timer(); });
    Timer1.start();
}

Form1::~Form1() { Disconnect(); }

void Form1::Disconnect() {
    Timer1.stop();
    if (g_openView == this) {
        g_openView = nullptr;
        ClearFloorViewHooks();
    }
}

void Form1::closeEvent(QCloseEvent* e) {
    // Closed is gone for the game, even before the window is deleted.
    Disconnect();
    QWidget::closeEvent(e);
}

QWidget* Form1::Frame() {
    if (auto* sub = qobject_cast<QMdiSubWindow*>(parentWidget())) return sub;
    return this;
}

QSize Form1::sizeHint() const {
    const FloorScene scene = SceneOfShopSize(Game().ShopSize.i());
    return QSize(scene.width, scene.height);
}

void Form1::Form_Load() {
    GameState& g = Game();
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

void Form1::showEvent(QShowEvent* e) {
    QWidget::showEvent(e);
    if (shown_) return;
    shown_ = true;
    if (auto* sub = qobject_cast<QMdiSubWindow*>(parentWidget())) {
        sub->move(0, 0);
        // As large as the scene, as far as the main window's area allows.
        const FloorScene scene = SceneOfShopSize(Game().ShopSize.i());
        const QSize extra = sub->size() - size();
        QSize outer(scene.width + extra.width(), scene.height + extra.height());
        if (QMdiArea* area = sub->mdiArea()) outer = outer.boundedTo(area->viewport()->size());
        sub->resize(outer);
    }
    Form_Resize();
}

void Form1::resizeEvent(QResizeEvent* e) {
    QWidget::resizeEvent(e);
    Form_Resize();
}

void Form1::Form_Resize() {
    QWidget* frame = Frame();
    if (frame->isMinimized()) return;

    const QSize extra = frame->size() - size();
    FloorLayoutInput in;
    in.shopSize = Game().ShopSize.i();
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

void Form1::ApplyLayout(const FloorLayout& layout) {
    GameState& g = Game();
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

void Form1::LayOutBars() {
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

void Form1::ResizeSurfaces() {
    const QSize inner = size().expandedTo(QSize(1, 1));
    if (composed_.size() != inner) {
        composed_ = QImage(inner, QImage::Format_RGB32);
        composed_.fill(Qt::black);
    }
    if (screen_.size() != inner) {
        // What was shown stays where it was until the next frame covers it.
        QImage next(inner, QImage::Format_RGB32);
        next.fill(Qt::black);
        if (!screen_.isNull()) CopyRect(screen_, QPoint(0, 0), next, QPoint(0, 0), screen_.size());
        screen_ = next;
    }
}

void Form1::HScroll1_Change() { Game().ScrollX = HScroll1->value(); }
// While the thumb is dragged the bar reports its position before its value.
void Form1::HScroll1_Scroll() { Game().ScrollX = HScroll1->sliderPosition(); }
void Form1::VScroll1_Change() { Game().ScrollY = VScroll1->value(); }
void Form1::VScroll1_Scroll() { Game().ScrollY = VScroll1->sliderPosition(); }

// Inspects the person or opens the window of the place under the pointer;
// the window is modal, so this returns once it has closed.
void Form1::Graphic_MouseDown(int Button, int, int X, int Y) { ClickFloor(Game(), Button, X, Y); }

void Form1::Graphic_MouseMove(int, int, int, int) {
    // Moving the mouse over the floor has no effect.
}

void Form1::Timer1_Timer() {
    QWidget* main = MainWidget();
    if (main && main->isMinimized()) return;  // no work at all while minimised

    GameState& g = Game();
    g.VisibleSpriteCount = 0;
    const int icon = AdvanceFloorIcon(g);
    if (icon >= 0) {
        setWindowIcon(Image1[icon]);
        if (QWidget* frame = Frame(); frame != this) frame->setWindowIcon(Image1[icon]);
    }

    ResizeSurfaces();
    const FloorViewport vp = ViewportOf(g, width(), height());
    ComposeFloorFrame(g, vp, BitMap, sheets_, composed_);
    PresentFloorFrame(NextFloorPresent(g), composed_, vp.viewWidth(), vp.viewHeight(), screen_);
    Graphic->update();
}

void Form1::LoadShopGraphics() {
    const GameState& g = Game();
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

void Form1::SwitchDayNightSheet() {
    switch (SheetAtHour(Game().Hour.i())) {
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
