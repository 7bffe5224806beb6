#include "ui/main/MDIForm1.h"

#include <QApplication>
#include <QCloseEvent>
#include <QMenuBar>
#include <QMdiSubWindow>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QStatusBar>
#include <QVBoxLayout>

#include "platform/GameClock.h"
#include "platform/Platform.h"
#include "platform/ProgramDir.h"
#include "platform/qt/Forms.h"
#include "platform/qt/Pictures.h"
#include "sim/MainTick.h"
#include "state/Ledger.h"
#include "state/LoadSave.h"
#include "state/NewGame.h"
#include "state/TheGame.h"
#include "ui/floor/ShopEnlargement.h"
#include "ui/main/CommandGates.h"
#include "ui/main/GameSpeed.h"

namespace {

MDIForm1* g_instance = nullptr;

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

std::string QuestionTitle() { return QuestionTitleFor(Game().GameTitle.asText()); }

void ShowTitleState() {
    if (g_instance) g_instance->ShowTitleState();
}

// ---- ImageButton ----

ImageButton::ImageButton(const QString& name, QWidget* parent) : QLabel(parent) {
    setObjectName(name);
    released_ = QPixmap::fromImage(LoadPicture("Graphic/Toolbar/" + name + "_1.png", QSize(23, 22)));
    pressedFace_ = QPixmap::fromImage(LoadPicture("Graphic/Toolbar/" + name + "_2.png", QSize(23, 22)));
    setFixedSize(23, 22);
    setMouseTracking(true);
}

void ImageButton::showReleased() {
    pressed_ = false;
    setPixmap(released_);
}

void ImageButton::showPressed() {
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

// ---- MDIForm1 ----

MDIForm1* MDIForm1::Instance() { return g_instance; }

MDIForm1::MDIForm1() {
    g_instance = this;
    setObjectName("MDIForm1");
    area_ = new QMdiArea(this);
    area_->setObjectName("MdiArea");
    Picture1 = new QWidget(this);
    Picture1->setObjectName("Picture1");
    status_ = new QLabel(this);
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

    connect(&Timer1, &QTimer::timeout, this, &MDIForm1::Timer1_Timer);
    Clock().changed = [this] { FollowClock(); };
    SetPauseFaceHandler([this](bool pressed) {
        ImageButton* b = buttons_["BStop"];
        if (pressed)
            b->showPressed();
        else
            b->showReleased();
    });
    MDIForm_Load();
}

MDIForm1::~MDIForm1() {
    Clock().changed = nullptr;
    SetPauseFaceHandler(nullptr);
    SetMainWindow(nullptr, nullptr);
    if (g_instance == this) g_instance = nullptr;
}

void MDIForm1::MDIForm_Load() {
    // 8500 x 6800 twips, centred on the screen.
    resize(8500 / kTwipsPerPixel, 6800 / kTwipsPerPixel);
    if (QScreen* s = QGuiApplication::primaryScreen()) {
        QRect avail = s->availableGeometry();
        move(avail.left() + (avail.width() - width()) / 2, avail.top() + (avail.height() - height()) / 2);
    }
    GameState& g = Game();
    InitProgramState(g);  // title, version and the start-up walls
    setWindowTitle(QString::fromStdString(g.GameTitle.asText() + " Version " + g.VersionText.asText()));
    SetGameMenusEnabled(false);
    setStatusBarText(QString::fromUtf8(kTitleStatus));
    SetBackground("Graphic/Title.dat");
    Picture1->hide();
    Clock().reset();
    SetSoundChecks();
}

void MDIForm1::BuildMenus() {
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

    auto on = [this](const char* name, std::function<void()> f) {
        connect(items_[QString::fromUtf8(name)], &QAction::triggered, this, [f] { f(); });
    };
    on("MNewGame", [this] { MNewGame_Click(); });
    on("MSave", [this] { SaveGameCommand(); });
    on("MLoad", [this] { LoadGameCommand(); });
    on("MEnd", [this] { close(); });
    on("MKibo", [] { EnlargeShopCommand(); });
    on("MBookIn", [] { OpenMagazineOrderDialog(Game()); });
    on("MSyoseki", [] { OpenBookOrderDialog(Game()); });
    on("MTeen", [] { OpenHireClerkDialog(Game()); });
    on("MKaiko", [] { OpenFireClerkDialog(Game()); });
    on("MTeninSetup", [] { OpenClerkSettingsDialog(Game()); });
    on("MSouzi", [] { OpenCleaningDialog(Game()); });
    on("MZssiInfo", [] { ToggleMagazineStockWindow(Game(), ToggleReportWindow); });
    on("MSyosekiZaiko", [] { ToggleBookStockWindow(Game(), ToggleReportWindow); });
    on("MBookInfo", [] { ToggleReportWindow(4); });
    on("MNyuuka", [] { ToggleReportWindow(59); });
    on("MBookSyousai", [] { ToggleReportWindow(41); });
    on("MVisual", [this] { MVisual_Click(); });
    on("MSoundYes", [this] {
        Game().SoundOn = 1;
        SetSoundChecks();
    });
    on("MSoundNo", [this] {
        Game().SoundOn = 0;
        SetSoundChecks();
    });
    on("MKabeTitle", [this] { SetBackground("Graphic/Title.dat"); });
    on("MKAbeMoyou", [this] { SetBackground("Graphic/Kabe.dat"); });
    on("MKabeNothing", [this] { SetBackground("Graphic/Color.dat"); });
    on("MSSetup", [] { ShowForm(55); });
    on("MGameSpeed", [] { ShowForm(28); });
    on("MHelpGame", [this] { MHelpGame_Click(); });
    on("MHelpVersion", [] { ShowForm(2); });
}

void MDIForm1::BuildToolbar() {
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
        b->mouseMove = [hint] {
            GameState& g = Game();
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
        std::function<void()> command;
        if (name == "BSave") command = [this] { SaveGameCommand(); };
        if (name == "BLoad") command = [this] { LoadGameCommand(); };
        if (name == "BKakudai") command = [] { EnlargeShopCommand(); };
        if (name == "BSK") command = [] { ToggleReportWindow(59); };
        if (name == "BZassi") command = [] { OpenMagazineOrderDialog(Game()); };
        if (name == "BSyoseki") command = [] { OpenBookOrderDialog(Game()); };
        if (name == "BInT") command = [] { OpenHireClerkDialog(Game()); };
        if (name == "BOutT") command = [] { OpenFireClerkDialog(Game()); };
        if (name == "BOutT2") command = [] { OpenClerkSettingsDialog(Game()); };
        if (name == "BSouzi") command = [] { OpenCleaningDialog(Game()); };
        if (name == "BNyuuka") command = [] { ToggleMagazineStockWindow(Game(), ToggleReportWindow); };
        if (name == "BSZaiko") command = [] { ToggleBookStockWindow(Game(), ToggleReportWindow); };
        if (name == "BHelp") command = [this] { MHelpGame_Click(); };
        bool onUp = row.onMouseUp;
        b->mouseUp = [b, onUp, command](Qt::MouseButton mb) {
            if (mb != Qt::LeftButton) return;
            b->showReleased();  // the face is back before the command runs
            if (onUp && command) command();
        };
        if (!onUp) b->click = [command] {
            if (command) command();
        };
    }
}

void MDIForm1::resizeEvent(QResizeEvent* e) {
    QMainWindow::resizeEvent(e);
    int w = std::max(width(), 12000 / kTwipsPerPixel);
    for (const char* n : {"Line1", "Line2"})
        if (auto* l = Picture1->findChild<QWidget*>(n)) l->resize(w, 1);
}

void MDIForm1::SetBackground(const QString& file) {
    background_ = file;
    QImage img = LoadPicture(file, QSize(64, 64));
    area_->setBackground(QBrush(QPixmap::fromImage(img)));
}

void MDIForm1::SetGameMenusEnabled(bool on) {
    for (const char* n : kGameMenus) items_[QString::fromUtf8(n)]->setEnabled(on);
}

void MDIForm1::SetSoundChecks() {
    bool soundOn = Game().SoundOn.asInt() == 1;
    items_["MSoundYes"]->setChecked(soundOn);
    items_["MSoundNo"]->setChecked(!soundOn);
}

QString MDIForm1::statusBarText() const { return status_->text(); }
void MDIForm1::setStatusBarText(const QString& text) { status_->setText(text); }

void MDIForm1::FollowClock() {
    const GameClock& c = Clock();
    if (c.ticking()) {
        if (Timer1.interval() != c.interval() || !Timer1.isActive()) Timer1.start(c.interval());
    } else {
        Timer1.stop();  // an interval of 0 never fires
    }
}

void MDIForm1::Timer1_Timer() {
    TickWindow w;
    w.setStatusBar = [this](const std::string& t) { setStatusBarText(QString::fromStdString(t)); };
    w.setCaption = [this](const std::string& t) { setWindowTitle(QString::fromStdString(t)); };
    MainTick(Game(), w);
}

void MDIForm1::EnterRunningState() {
    GameState& g = Game();
    for (const char* n : kReleaseOrder) buttons_[QString::fromUtf8(n)]->showReleased();
    SetGameMenusEnabled(true);
    Picture1->show();
    SetBackground("Graphic/Kabe.dat");
    StartClockUnpaused(g);
    SetSoundChecks();
    g.CaptionDirty = 1;
    setWindowTitle(QString::fromStdString(MainCaption(g)));
}

void MDIForm1::ShowTitleState() {
    SetGameMenusEnabled(false);
    Picture1->hide();
    UnloadAllForms();
    setStatusBarText(QString::fromUtf8(kTitleStatus));
    GameState& g = Game();
    setWindowTitle(QString::fromStdString(g.GameTitle.asText() + " Version " + g.VersionText.asText()));
    Clock().setEnabled(false);
}

void MDIForm1::MNewGame_Click() { ShowForm(3); }

void MDIForm1::SaveGameCommand() {
    // The clock stands still from the dialog until the file is written.
    ClockHold hold;
    std::string path = lastFile_;
    if (!Ui().ChooseSaveFile(path)) return;
    lastFile_ = path;
    WriteSaveFile(Game(), path);
}

void MDIForm1::LoadGameCommand() {
    ClockHold hold;
    std::string path = lastFile_.empty() ? "*.qmt" : lastFile_;
    if (!Ui().ChooseOpenFile(path)) return;
    lastFile_ = path;
    // A file that cannot be read has shown its box and changed nothing:
    // the running game or the title state stays as it was.
    if (!LoadGameFile(Game(), path)) return;
    UnloadAllForms();
    EnterRunningState();
    ShowForm(1);
    ShowForm(4);
}

void MDIForm1::MVisual_Click() {
    if (QWidget* w = OpenForm(1)) {
        QWidget* frame = w->parentWidget() ? w->parentWidget() : w;
        if (frame->isMinimized()) frame->showNormal();
    }
    ShowForm(1);
}

void MDIForm1::MHelpGame_Click() { Ui().ShowHelp(); }

void MDIForm1::BStop_MouseDown(Qt::MouseButton button) {
    if (button != Qt::LeftButton) return;
    TogglePause(Game());  // the face follows through the pause-face handler
}

bool MDIForm1::MDIForm_QueryUnload() {
    ClockHold hold;
    return Ui().MessageBox("结束游戏。", MsgStyle::Question, QuestionTitle()) == MsgAnswer::Yes;
}

void MDIForm1::closeEvent(QCloseEvent* e) {
    if (!MDIForm_QueryUnload()) {
        e->ignore();
        return;
    }
    e->accept();
    // The program ends at once, without saving: the event loop stops and no
    // other window gets to run its closing step.
    Clock().changed = nullptr;
    Timer1.stop();
    QCoreApplication::exit(0);
}
