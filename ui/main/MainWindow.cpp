#include "ui/main/MainWindow.h"

#include <QApplication>
#include <QCloseEvent>
#include <QMenuBar>
#include <QMdiSubWindow>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QStatusBar>
#include <QStyle>
#include <QVBoxLayout>

#include "commands/SaveAndLoad.h"
#include "platform/Platform.h"
#include "ui/kit/SteadyScrollBar.h"
#include "ui/main/StatusLine.h"
#include "ui/platform/ProgramDir.h"
#include "ui/platform/WindowRegistry.h"
#include "ui/platform/Pictures.h"
#include "ui/platform/QtPlatform.h"
#include "sim/MainTick.h"
#include "state/MainCaption.h"
#include "state/Ledger.h"
#include "savegame/LoadSave.h"
#include "state/NewGame.h"
#include "commands/CommandGates.h"
#include "commands/GameSpeed.h"

namespace {

MainWindow* g_instance = nullptr;

constexpr int kTwipsPerPixel = 15;

constexpr const char* kTitleStatus = "开始新游戏，或读取之前保存的游戏存档。";

// The menu tree, in the order shown. A row with an empty caption is a
// separator; `parent` is the menu the row stands in.
struct MenuRow {
    const char* parent;
    const char* name;
    const char* caption;
    bool submenu;
};
const MenuRow kMenuTree[] = {
    {"", "MMenu", "菜单(&M)", true},
    {"MMenu", "MNewGame", "开始新游戏(&N)", false},
    {"MMenu", "MMinasu03", "", false},
    {"MMenu", "MSave", "保存游戏(&S)", false},
    {"MMenu", "MLoad", "读取游戏(&L)", false},
    {"MMenu", "MMinasu02", "", false},
    {"MMenu", "MEnd", "结束游戏(&E)", false},

    {"", "MAction", "行动(&A)", true},
    {"MAction", "MNyuukaH", "进货调整(&H)", true},
    {"MNyuukaH", "MBookIn", "杂志进货(&I)", false},
    {"MNyuukaH", "MSyoseki", "书籍进货(&N)", false},
    {"MAction", "MTenin", "店员管理(&M)", true},
    {"MTenin", "MTeen", "雇用店员(&T)", false},
    {"MTenin", "MKaiko", "解雇店员(&O)", false},
    {"MTenin", "MTeninSetup", "店员设定(&S)", false},
    {"MAction", "MEigyouHousin", "经营方针(&E)", true},
    {"MEigyouHousin", "MEigyou", "服务内容(&E)", false},
    {"MEigyouHousin", "MTatiyomi", "站读对策(&T)", false},
    {"MEigyouHousin", "MHoken", "购买保险(&H)", false},
    {"MAction", "MSouzi", "清扫店铺(&C)", false},
    {"MAction", "MSenden", "宣传店铺(&P)", false},
    {"MAction", "MTakarakuzi", "购买宝物(&T)", false},
    {"MAction", "MGinkou", "前往银行(&G)", false},
    {"MAction", "MTaisin", "抗震施工(&T)", false},
    {"MAction", "MSyoubou", "叫消防车(&S)", false},
    {"MAction", "MKibo", "扩大规模(&K)", false},

    {"", "MInformation", "信息(&I)", true},
    {"MInformation", "MZaiko", "库存(&Z)", true},
    {"MZaiko", "MZssiInfo", "杂志库存(&Z)", false},
    {"MZaiko", "MSyosekiZaiko", "数据库存(&S)", false},
    {"MInformation", "MGurahu", "图表(&G)", true},
    {"MGurahu", "MRiekiGurahu", "店铺收支图表(&R)", false},
    {"MGurahu", "MBookGurahu", "书销售量图表(&G)", false},
    {"MInformation", "MGuest", "顾客的意见(&M)", false},
    {"MInformation", "MGRead", "阅读业界新闻(&R)", false},
    {"MInformation", "MNyuuka", "进货时间表(&N)", false},
    {"MInformation", "MTinfor", "店员信息(&T)", false},
    {"MInformation", "MRieki", "店铺收支(&S)", false},
    {"MInformation", "MBookInfo", "店铺信息(&B)", false},
    {"MInformation", "MBookSyousai", "店铺详细信息(&I)", false},

    {"", "MWindow", "窗口(&W)", true},
    {"MWindow", "MVisual", "场景窗口(&V)", false},
    {"MWindow", "MSwitch", "切换窗口(&W)", true},

    {"", "MSetup", "设定(&S)", true},
    {"MSetup", "MSound", "设定音效(&A)", true},
    {"MSound", "MSoundYes", "开(&Y)", false},
    {"MSound", "MSoundNo", "关(&N)", false},
    {"MSetup", "MKabegami", "设定壁纸(&K)", true},
    {"MKabegami", "MKabeTitle", "标题(&T)", false},
    {"MKabegami", "MKAbeMoyou", "花纹(&M)", false},
    {"MKabegami", "MKabeNothing", "无(&N)", false},
    {"MSetup", "MSSetup", "设定(&S)", false},
    {"MSetup", "MGameSpeed", "游戏速度(&G)", false},

    {"", "MHelp", "帮助(&H)", true},
    {"MHelp", "MHelpGame", "帮助(&H)", false},
    {"MHelp", "MMinasu01", "", false},
    {"MHelp", "MHelpVersion", "版本信息(&A)...", false},
};

// The toolbar, left to right: left edge in twips, the status-bar hint, and
// whether the command runs on the release (MouseUp) or on a completed click.
struct ButtonRow {
    const char* name;
    int leftTwips;
    const char* hint;
    bool onMouseUp;
};
const ButtonRow kToolbar[] = {
    {"BSave", 120, "保存游戏。", true},
    {"BLoad", 480, "读取游戏。", true},
    {"BZassi", 960, "选择进货的杂志。", true},
    {"BSyoseki", 1320, "进货书籍。", true},
    {"BSouzi", 1800, "清扫店铺。", true},
    {"BInT", 2160, "雇用店员。", true},
    {"BOutT", 2520, "解雇雇用的店员。", true},
    {"BOutT2", 2880, "进行店员的设定。", true},
    {"BTaishin", 3240, "进行店铺的抗震施工。", true},
    {"BKakudai", 3600, "扩大店铺的规模。", false},
    {"BSende", 3960, "进行店铺的宣传。", true},
    {"BNews", 4440, "阅读业界新闻。", false},
    {"BHuman", 4800, "询问顾客的意见。", false},
    {"BNyuuka", 5160, "显示进货杂志的库存。", false},
    {"BSZaiko", 5520, "显示书籍的库存。", false},
    {"BSK", 5880, "显示杂志和书籍的进货时间表。", false},
    {"BNyuuka2", 6240, "显示店铺的利润时间表。", false},
    {"BSZaiko2", 6600, "显示书籍的销售量时间表。", false},
    {"BRieki", 6960, "显示店铺的利润。", false},
    {"BStop", 7440, "停止时间进行。", false},
    {"BHelp", 7920, "显示帮助。", true},
};

// The order in which a new or loaded game shows every released face.
const char* const kReleaseOrder[] = {"BSouzi", "BLoad",  "BSave", "BHelp",    "BHuman", "BInT",     "BOutT",
                                     "BOutT2", "BZassi", "BNyuuka", "BRieki", "BSyoseki", "BSZaiko", "BTaishin",
                                     "BStop",  "BSende", "BNews", "BKakudai", "BSK", "BNyuuka2", "BSZaiko2"};

const char* const kGameMenus[] = {"MSave", "MAction", "MInformation", "MWindow", "MSetup"};

}  // namespace

// The commands behind the menu items and the toolbar buttons: one row per
// command, with the menu item and the button (if any) that run it.
struct MainCommands {
    using Run = void (*)(MainWindow& w);
    struct Row {
        const char* menuItem;
        const char* button;
        Run run;
    };
    static constexpr Row kRows[] = {
        {"MNewGame", nullptr, [](MainWindow& w) { w.MNewGame_Click(); }},
        {"MSave", "BSave", [](MainWindow& w) { w.SaveGameCommand(); }},
        {"MLoad", "BLoad", [](MainWindow& w) { w.LoadGameCommand(); }},
        {"MEnd", nullptr, [](MainWindow& w) { w.close(); }},
        {"MKibo", "BKakudai", [](MainWindow& w) { EnlargeShopCommand(w.game()); }},
        {"MBookIn", "BZassi", [](MainWindow& w) { OpenMagazineOrderDialog(w.game()); }},
        {"MSyoseki", "BSyoseki", [](MainWindow& w) { OpenBookOrderDialog(w.game()); }},
        {"MTeen", "BInT", [](MainWindow& w) { OpenHireClerkDialog(w.game()); }},
        {"MKaiko", "BOutT", [](MainWindow& w) { OpenFireClerkDialog(w.game()); }},
        {"MTeninSetup", "BOutT2", [](MainWindow& w) { OpenClerkSettingsDialog(w.game()); }},
        {"MSouzi", "BSouzi", [](MainWindow& w) { OpenCleaningDialog(w.game()); }},
        {"MTaisin", "BTaishin", [](MainWindow& w) { OpenQuakeProofingDialog(w.game()); }},
        {"MEigyou", nullptr, [](MainWindow& w) { ShowForm(Window::ShopServices, w.game()); }},
        {"MTatiyomi", nullptr, [](MainWindow& w) { ShowForm(Window::ReadingPolicy, w.game()); }},
        {"MGuest", "BHuman", [](MainWindow& w) { ShowForm(Window::CustomerOpinions, w.game()); }},
        {"MTinfor", nullptr, [](MainWindow& w) { ToggleReportWindow(Window::ClerkInfo, w.game()); }},
        {"MHoken", nullptr, [](MainWindow& w) { ShowForm(Window::Insurance, w.game()); }},
        {"MGinkou", nullptr, [](MainWindow& w) { OpenBankWindow(w.game()); }},
        {"MSyoubou", nullptr, [](MainWindow& w) { CallFireBrigade(w.game()); }},
        {"MZssiInfo", "BNyuuka", [](MainWindow& w) { ToggleMagazineStockWindow(w.game()); }},
        {"MSyosekiZaiko", "BSZaiko", [](MainWindow& w) { ToggleBookStockWindow(w.game()); }},
        {"MBookInfo", nullptr, [](MainWindow& w) { ToggleReportWindow(Window::ShopInfo, w.game()); }},
        {"MNyuuka", "BSK", [](MainWindow& w) { ToggleReportWindow(Window::DeliverySchedule, w.game()); }},
        {"MBookSyousai", nullptr, [](MainWindow& w) { ToggleReportWindow(Window::ShopDetails, w.game()); }},
        {"MRieki", "BRieki", [](MainWindow& w) { ToggleReportWindow(Window::Ledger, w.game()); }},
        {"MBookGurahu", "BSZaiko2", [](MainWindow& w) { ToggleReportWindow(Window::SalesChart, w.game()); }},
        {"MRiekiGurahu", "BNyuuka2", [](MainWindow& w) { ToggleReportWindow(Window::ProfitChart, w.game()); }},
        {"MGRead", "BNews", [](MainWindow& w) { ShowForm(Window::NewsIndex, w.game()); }},
        {"MSenden", "BSende", [](MainWindow& w) { ShowForm(Window::Advertising, w.game()); }},
        {"MVisual", nullptr, [](MainWindow& w) { w.MVisual_Click(); }},
        {"MSoundYes", nullptr, [](MainWindow& w) { w.SetSound(true); }},
        {"MSoundNo", nullptr, [](MainWindow& w) { w.SetSound(false); }},
        {"MKabeTitle", nullptr, [](MainWindow& w) { w.SetBackground("Graphic/Title.dat"); }},
        {"MKAbeMoyou", nullptr, [](MainWindow& w) { w.SetBackground("Graphic/Kabe.dat"); }},
        {"MKabeNothing", nullptr, [](MainWindow& w) { w.SetBackground("Graphic/Color.dat"); }},
        {"MSSetup", nullptr, [](MainWindow& w) { ShowForm(Window::Settings, w.game()); }},
        {"MGameSpeed", nullptr, [](MainWindow& w) { ShowForm(Window::GameSpeed, w.game()); }},
        {"MHelpGame", "BHelp", [](MainWindow& w) { w.MHelpGame_Click(); }},
        {"MHelpVersion", nullptr, [](MainWindow& w) { ShowForm(Window::Version, w.game()); }},
    };
};

// ---- ImageButton ----

ImageButton::ImageButton(const QString& name, QWidget* parent) : QLabel(parent) {
    setObjectName(name);
    setFixedSize(23, 22);
    setMouseTracking(true);
}

void ImageButton::LoadFaces() {
    // Read when a face is first shown: the strip stays hidden at the title,
    // so its pictures need not stand between the start and the first title.
    if (!released_.isNull()) return;
    const QString name = objectName();
    released_ = QPixmap::fromImage(LoadPicture("Graphic/Toolbar/" + name + "_1.png", QSize(23, 22)));
    pressedFace_ = QPixmap::fromImage(LoadPicture("Graphic/Toolbar/" + name + "_2.png", QSize(23, 22)));
}

void ImageButton::showReleased() {
    LoadFaces();
    pressed_ = false;
    setPixmap(released_);
}

void ImageButton::showPressed() {
    LoadFaces();
    pressed_ = true;
    setPixmap(pressedFace_);
}

void ImageButton::mousePressEvent(QMouseEvent* e) {
    if (mouseDown) mouseDown(e->button());
}

void ImageButton::mouseReleaseEvent(QMouseEvent* e) {
    bool inside = rect().contains(e->position().toPoint());
    if (mouseUp) mouseUp(e->button());
    // A click is a left press and release both on the button.
    if (e->button() == Qt::LeftButton && inside && click) click();
}

void ImageButton::mouseMoveEvent(QMouseEvent*) {
    if (mouseMove) mouseMove();
}

void ImageButton::enterEvent(QEnterEvent*) {
    if (mouseMove) mouseMove();
}

// ---- MainWindow ----

MainWindow* MainWindow::Instance() { return g_instance; }

MainWindow::MainWindow() {
    g_instance = this;
    setObjectName("MDIForm1");
    setWindowIcon(GameIcon());
    area_ = new QMdiArea(this);
    area_->setObjectName("MdiArea");
    area_->setHorizontalScrollBar(new SteadyScrollBar(Qt::Horizontal));
    area_->setVerticalScrollBar(new SteadyScrollBar(Qt::Vertical));
    Picture1 = new QWidget(this);
    Picture1->setObjectName("Picture1");
    status_ = new StatusLine(this);
    statusBar()->addWidget(status_, 1);

    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(Picture1);
    layout->addWidget(area_, 1);
    setCentralWidget(central);
    SetMainWindow(this, area_);

    BuildMenus();
    BuildToolbar();

    Timer1.setSingleShot(true);
    Timer1.setTimerType(Qt::PreciseTimer);
    connect(&Timer1, &QTimer::timeout, this, &MainWindow::RunDueTicks);
    if (QtPlatform* qt = QtUi()) {
        qt->SetLiveGame(game_.get());
        connect(qt, &QtPlatform::titleStateWanted, this, &MainWindow::ShowTitleState);
        connect(qt, &QtPlatform::clockChanged, this, &MainWindow::FollowClock);
        connect(qt, &QtPlatform::pauseFaceChanged, this, &MainWindow::ShowPauseFace);
        connect(qt, &QtPlatform::statusBarChanged, this, &MainWindow::setStatusBarText);
        connect(qt, &QtPlatform::captionChanged, this, [this](const QString& c) { setWindowTitle(c); });
    }
    MDIForm_Load();
}

MainWindow::~MainWindow() {
    if (QtPlatform* qt = QtUi()) {
        disconnect(qt, nullptr, this, nullptr);
        qt->SetLiveGame(nullptr);
    }
    SetMainWindow(nullptr, nullptr);
    if (g_instance == this) g_instance = nullptr;
}

void MainWindow::MDIForm_Load() {
    // 8500 x 6800 twips, centred on the screen.
    resize(8500 / kTwipsPerPixel, 6800 / kTwipsPerPixel);
    if (QScreen* s = QGuiApplication::primaryScreen()) {
        QRect avail = s->availableGeometry();
        move(avail.left() + (avail.width() - width()) / 2, avail.top() + (avail.height() - height()) / 2);
    }
    GameState& g = game();
    InitProgramState(g);  // title, version and the start-up walls
    setWindowTitle(QString::fromStdString(g.GameTitle.asText() + " Version " + g.VersionText.asText()));
    SetGameMenusEnabled(false);
    setStatusBarText(QString::fromUtf8(kTitleStatus));
    SetBackground("Graphic/Title.dat");
    Picture1->hide();
    Ui().ResetClock();
    SetSoundChecks();
}

void MainWindow::BuildMenus() {
    for (const MenuRow& row : kMenuTree) {
        QString name = QString::fromUtf8(row.name);
        QString caption = QString::fromUtf8(row.caption);
        if (row.submenu) {
            QMenu* m = row.parent[0] == '\0' ? menuBar()->addMenu(caption)
                                             : menus_.value(QString::fromUtf8(row.parent))->addMenu(caption);
            m->setObjectName(name);
            m->menuAction()->setObjectName(name);
            menus_[name] = m;
            items_[name] = m->menuAction();
            continue;
        }
        QMenu* parent = menus_.value(QString::fromUtf8(row.parent));
        QAction* a = caption.isEmpty() ? parent->addSeparator() : parent->addAction(caption);
        a->setObjectName(name);
        items_[name] = a;
    }
    items_["MTakarakuzi"]->setEnabled(false);  // never enabled
    items_["MSoundYes"]->setCheckable(true);
    items_["MSoundNo"]->setCheckable(true);

    // The window list of the child windows.
    QMenu* list = menus_["MSwitch"];
    connect(list, &QMenu::aboutToShow, this, [this, list] {
        list->clear();
        for (QMdiSubWindow* sub : area_->subWindowList()) {
            QAction* a = list->addAction(sub->windowTitle());
            a->setCheckable(true);
            a->setChecked(sub == area_->activeSubWindow());
            connect(a, &QAction::triggered, this, [this, sub] { area_->setActiveSubWindow(sub); });
        }
    });

    for (const MainCommands::Row& row : MainCommands::kRows) {
        QString name = QString::fromUtf8(row.menuItem);
        connect(items_[name], &QAction::triggered, this, [this, name] { RunCommand(name); });
    }
}

void MainWindow::RunCommand(const QString& name) {
    for (const MainCommands::Row& row : MainCommands::kRows) {
        if (name == QString::fromUtf8(row.menuItem) || (row.button && name == QString::fromUtf8(row.button))) {
            row.run(*this);
            return;
        }
    }
}

void MainWindow::BuildToolbar() {
    Picture1->setFixedHeight(405 / kTwipsPerPixel);
    Picture1->setAutoFillBackground(true);
    QPalette pal = Picture1->palette();
    pal.setColor(QPalette::Window, QColor(0xC0, 0xC0, 0xC0));
    Picture1->setPalette(pal);
    // The etched separator along the strip's top edge: a grey line and a
    // white one below it, as wide as the window.
    auto* line1 = new QWidget(Picture1);
    line1->setObjectName("Line1");
    line1->setAutoFillBackground(true);
    QPalette p1 = line1->palette();
    p1.setColor(QPalette::Window, QColor(0x80, 0x80, 0x80));
    line1->setPalette(p1);
    auto* line2 = new QWidget(Picture1);
    line2->setObjectName("Line2");
    line2->setAutoFillBackground(true);
    QPalette p2 = line2->palette();
    p2.setColor(QPalette::Window, Qt::white);
    line2->setPalette(p2);
    line1->setGeometry(0, 0, 12000 / kTwipsPerPixel, 1);
    line2->setGeometry(0, 1, 12000 / kTwipsPerPixel, 1);

    for (const ButtonRow& row : kToolbar) {
        QString name = QString::fromUtf8(row.name);
        auto* b = new ImageButton(name, Picture1);
        b->move(row.leftTwips / kTwipsPerPixel, 60 / kTwipsPerPixel);
        buttons_[name] = b;
        std::string hint = row.hint;
        b->mouseMove = [this, hint] {
            GameState& g = game();
            g.StatusTicks = 0;
            g.StatusText = hint;
        };
        if (name == "BStop") {
            b->mouseDown = [this](Qt::MouseButton mb) { BStop_MouseDown(mb); };
            continue;
        }
        b->mouseDown = [b](Qt::MouseButton mb) {
            if (mb == Qt::LeftButton) b->showPressed();
        };
        std::function<void()> command = [this, name] { RunCommand(name); };
        bool onUp = row.onMouseUp;
        b->mouseUp = [b, onUp, command](Qt::MouseButton mb) {
            if (mb != Qt::LeftButton) return;
            b->showReleased();  // the face is back before the command runs
            if (onUp) command();
        };
        if (!onUp) b->click = command;
    }
}

void MainWindow::resizeEvent(QResizeEvent* e) {
    QMainWindow::resizeEvent(e);
    int w = std::max(width(), 12000 / kTwipsPerPixel);
    for (const char* n : {"Line1", "Line2"})
        if (auto* l = Picture1->findChild<QWidget*>(n)) l->resize(w, 1);
}

void MainWindow::SetBackground(const QString& file) {
    background_ = file;
    // The area draws straight from the picture: the title picture is large,
    // and read from where it lies in memory rather than copied.
    area_->setBackground(QBrush(LoadPicture(file, QSize(64, 64))));
}

void MainWindow::SetGameMenusEnabled(bool on) {
    for (const char* n : kGameMenus) items_[QString::fromUtf8(n)]->setEnabled(on);
}

void MainWindow::SetSound(bool on) {
    game().SoundOn = on ? 1 : 0;
    SetSoundChecks();
}

void MainWindow::ShowPauseFace(bool pressed) {
    ImageButton* b = buttons_["BStop"];
    if (pressed)
        b->showPressed();
    else
        b->showReleased();
}

void MainWindow::SetSoundChecks() {
    bool soundOn = game().SoundOn.asInt() == 1;
    items_["MSoundYes"]->setChecked(soundOn);
    items_["MSoundNo"]->setChecked(!soundOn);
}

QString MainWindow::statusBarText() const { return status_->text(); }
void MainWindow::setStatusBarText(const QString& text) { status_->setText(text); }

void MainWindow::FollowClock() { WakeClockLater(); }

void MainWindow::RunDueTicks() {
    // A tick that opens a window runs that window's loop from here, outside
    // any frame: the floor view goes on drawing its frames meanwhile.
    QtPlatform* qt = QtUi();
    if (qt) qt->TicksRunning(true);
    const int ran = Ui().RunDueTicks([this] { Timer1_Timer(); });
    if (qt) {
        qt->TicksRunning(false);
        if (ran > 0) qt->TicksRan();
    }
    WakeClockLater();
}

void MainWindow::WakeClockLater() {
    const std::optional<ClockTime> wake = Ui().NextClockWake();
    if (!wake) {
        Timer1.stop();  // held, off or an interval of 0: nothing wakes
        return;
    }
    const auto wait = std::chrono::ceil<std::chrono::milliseconds>(*wake - Ui().Now());
    Timer1.start(std::max<int>(0, static_cast<int>(wait.count())));
}

void MainWindow::Timer1_Timer() { MainTick(game()); }

void MainWindow::EnterRunningState() {
    GameState& g = game();
    for (const char* n : kReleaseOrder) buttons_[QString::fromUtf8(n)]->showReleased();
    SetGameMenusEnabled(true);
    Picture1->show();
    SetBackground("Graphic/Kabe.dat");
    StartClockUnpaused(g);
    SetSoundChecks();
    g.CaptionDirty = 1;
    setWindowTitle(QString::fromStdString(MainCaption(g)));
}

void MainWindow::ShowTitleState() {
    SetGameMenusEnabled(false);
    Picture1->hide();
    UnloadAllForms();
    setStatusBarText(QString::fromUtf8(kTitleStatus));
    GameState& g = game();
    setWindowTitle(QString::fromStdString(g.GameTitle.asText() + " Version " + g.VersionText.asText()));
    Ui().SetClockEnabled(false);
}

void MainWindow::MNewGame_Click() { ShowForm(Window::NewGame, game()); }

void MainWindow::SaveGameCommand() {
    // The clock stands still from the dialog until the file is written.
    ClockHold hold;
    std::string path = lastFile_;
    if (!Ui().ChooseSaveFile(path)) return;
    lastFile_ = path;
    SaveGameTo(game(), path);
}

void MainWindow::LoadGameCommand() {
    ClockHold hold;
    std::string path = lastFile_.empty() ? "*.qmt" : lastFile_;
    if (!Ui().ChooseOpenFile(path)) return;
    lastFile_ = path;
    // A file that cannot be read has shown its box and changed nothing:
    // the running game or the title state stays as it was.
    if (!LoadGameFrom(game(), path)) return;
    UnloadAllForms();
    EnterRunningState();
    ShowForm(Window::FloorView, game());
    ShowForm(Window::ShopInfo, game());
}

void MainWindow::MVisual_Click() {
    if (QWidget* w = OpenForm(Window::FloorView)) {
        QWidget* frame = w->parentWidget() ? w->parentWidget() : w;
        if (frame->isMinimized()) frame->showNormal();
    }
    ShowForm(Window::FloorView, game());
}

void MainWindow::MHelpGame_Click() { Ui().ShowHelp(); }

void MainWindow::BStop_MouseDown(Qt::MouseButton button) {
    if (button != Qt::LeftButton) return;
    TogglePause(game());  // the face follows through the platform
}

bool MainWindow::MDIForm_QueryUnload() {
    ClockHold hold;
    return Ui().MessageBox("结束游戏。", MsgStyle::Question, QuestionTitleFor(game().GameTitle.asText())) ==
           MsgAnswer::Yes;
}

void MainWindow::closeEvent(QCloseEvent* e) {
    if (!MDIForm_QueryUnload()) {
        e->ignore();
        return;
    }
    e->accept();
    // The program ends at once, without saving: the event loop stops and no
    // other window gets to run its closing step.
    if (QtPlatform* qt = QtUi()) disconnect(qt, nullptr, this, nullptr);
    Timer1.stop();
    QCoreApplication::exit(0);
}
