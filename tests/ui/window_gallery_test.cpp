// Every built window once, opened on the busy shop as the player meets it:
// each carries its number as its object name ("Form21") and the game's icon
// (the floor view its own animated one), and no control of it lies outside
// its window or on the frame of its group box.
//
// With QM_WINDOW_SHOTS naming a folder, every window is also saved there as
// a PNG (a dialog with the title bar its window manager gives it), with two
// views of the whole screen: the scene window maximised, and
// the New Year's day report with the information window open.
// tools/screenshots-windows.sh runs this on a virtual display.
#include <gtest/gtest.h>

#include <QAbstractScrollArea>
#include <QAbstractSpinBox>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QMdiSubWindow>
#include <QScreen>
#include <QTest>
#include <algorithm>
#include <functional>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include "platform/Platform.h"
#include "ui/platform/Pictures.h"
#include "ui/platform/WindowRegistry.h"
#include "sim/NewDay.h"
#include "sim/ClerkMessages.h"
#include "tests/ui/ModalDriver.h"
#include "ui/main/MainWindow.h"
#include "ui/business/MonthReportDialog.h"
#include "ui/business/DayReportDialog.h"
#include "ui/shop/ShopInfoWindow.h"

namespace {

const QString kBusyShop = QStringLiteral(QM_PROGRAM_DIR "/fixtures/busy-shop.qmt");
// The highest number a window can have (the last of WindowOpen).
constexpr int kLastWindowNumber = 70;

// Where the pictures go, or empty when none are asked for.
QString ShotFolder() { return qEnvironmentVariable("QM_WINDOW_SHOTS"); }

void Save(const QPixmap& picture, const QString& name) {
    const QString folder = ShotFolder();
    if (folder.isEmpty()) return;
    QDir().mkpath(folder);
    EXPECT_TRUE(picture.save(folder + "/" + name + ".png")) << name.toStdString();
}

// The whole screen as the player sees it (on a virtual display, with its
// window manager's frames when one runs), or only the part that `window`
// covers with its frame.
void SaveScreen(const QString& name, const QWidget* window = nullptr) {
    if (ShotFolder().isEmpty()) return;
    QCoreApplication::processEvents();
    QTest::qWait(150);  // let the window manager draw its frames
    const QRect area = window ? window->frameGeometry() : QRect(0, 0, -1, -1);
    if (QScreen* s = QGuiApplication::primaryScreen())
        Save(s->grabWindow(0, area.x(), area.y(), area.width(), area.height()), name);
}

std::string Describe(const QWidget* w) {
    const QString name = w->objectName().isEmpty() ? QString::fromUtf8(w->metaObject()->className()) : w->objectName();
    return name.toStdString();
}

std::string Describe(const QRect& r) {
    return "(" + std::to_string(r.x()) + "," + std::to_string(r.y()) + " " + std::to_string(r.width()) + "x" +
           std::to_string(r.height()) + ")";
}

// Every shown control that is cut off by its parent's edge, or that lies
// inside a group box on its frame or title. A sheet larger than the viewport
// it scrolls in is clipped on purpose and skipped with its rows; so are the
// insides of Qt's own compound controls, and the stores kept wholly outside
// a window (pictures and a spare button the player never sees).
std::vector<std::string> Misplaced(QWidget* window) {
    std::vector<std::string> out;
    std::function<void(QWidget*)> walk = [&](QWidget* parent) {
        if (qobject_cast<QAbstractScrollArea*>(parent) || qobject_cast<QAbstractSpinBox*>(parent) ||
            qobject_cast<QComboBox*>(parent))
            return;
        auto* box = qobject_cast<QGroupBox*>(parent);
        const QRect inside = box ? box->contentsRect() : parent->rect();
        for (QWidget* c : parent->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            if (c->isWindow() || !c->isVisibleTo(window)) continue;
            const QRect r = c->geometry();
            if (r.width() > parent->width() || r.height() > parent->height()) continue;  // a scrolled sheet
            if (!parent->rect().intersects(r)) continue;                                   // a store
            if (!inside.contains(r))
                out.push_back(Describe(c) + " " + Describe(r) + " outside " + Describe(parent) + " " + Describe(inside));
            walk(c);
        }
    };
    walk(window);
    return out;
}

bool SameIcon(const QIcon& a, const QIcon& b) {
    return !a.isNull() && a.pixmap(16, 16).toImage() == b.pixmap(16, 16).toImage();
}

// The first floor spot (1..18, there at every shop size) whose kind is or
// is not empty.
int Spot(const GameState& g, bool empty) {
    for (int k = 1; k <= 18; ++k)
        if ((g.FacilitySlot.Kind[k].asInt() == 0) == empty) return k;
    return 1;
}

// A window of the table: a child window beside the game or a modal one,
// and what the game needs before it opens.
struct Shot {
    Window window;
    bool child = false;
    std::function<void(GameState&)> before = [](GameState&) {};
};

class WindowGallery : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(QFileInfo::exists(kBusyShop)) << "the busy-shop fixture is made by the build";
        main = std::make_unique<MainWindow>();
        main->resize(1000, 720);
        main->move(0, 0);
        main->show();
        ChooseFile(kBusyShop.toStdString());
        main->LoadGameCommand();
        // The game stands still: nothing the tick opens comes in between.
        Ui().SetClockEnabled(false);
    }
    void TearDown() override {
        UnloadAllForms();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        main.reset();
    }
    GameState& game() { return main->game(); }

    // Checks an open window and saves its picture.
    void Look(QWidget* w, Window window, bool child) {
        SCOPED_TRACE(WindowObjectName(window));
        EXPECT_EQ(w->objectName().toStdString(), WindowObjectName(window));
        if (child)
            QTest::qWait(250);  // child windows draw from their own timers
        else
            QCoreApplication::processEvents();
        if (window == Window::FloorView)
            EXPECT_FALSE(SameIcon(w->windowIcon(), GameIcon())) << "the floor view keeps its animated icon";
        else
            EXPECT_TRUE(SameIcon(w->windowIcon(), GameIcon()));
        QWidget* frame = w;
        if (auto* sub = qobject_cast<QMdiSubWindow*>(w->parentWidget())) {
            frame = sub;
            EXPECT_EQ(SameIcon(sub->windowIcon(), GameIcon()), window != Window::FloorView);
        }
        for (const std::string& m : Misplaced(w)) ADD_FAILURE() << m;
        const QString name = QString::fromStdString(WindowObjectName(window));
        if (frame->isWindow())
            SaveScreen(name, frame);
        else
            Save(frame->grab(), name);
    }

    std::unique_ptr<MainWindow> main;
};

}  // namespace

TEST_F(WindowGallery, EveryWindowCarriesTheGameIconAndKeepsItsControlsInside) {
    EXPECT_TRUE(SameIcon(main->windowIcon(), GameIcon()));
    const Shot shots[] = {
        {Window::FloorView, true},
        {Window::ShopInfo, true},
        {Window::ShopDetails, true},
        {Window::MagazineStock, true},
        {Window::BookStock, true},
        {Window::DeliverySchedule, true},
        {Window::ClerkPopup, true,
         [](GameState& g) {
             g.ShowClerkMessages = 1;
             QueueClerkMessage(g, "书架装满了。");
         }},
        {Window::Version},
        {Window::NewGame},
        {Window::GameSpeed},
        {Window::Settings},
        {Window::MagazineOrder},
        {Window::BookOrder},
        {Window::MagazineTopTen},
        {Window::BookTopTen},
        {Window::PlaceFacility, false, [](GameState& g) { g.SelectedSlot = Spot(g, true); }},
        {Window::FacilityInfo, false, [](GameState& g) { g.SelectedSlot = Spot(g, false); }},
        {Window::BuyRegister, false, [](GameState& g) { g.SelectedRegisterSlot = 2; }},
        {Window::RegisterInfo, false, [](GameState& g) { g.SelectedRegisterSlot = 1; }},
        {Window::BuyService, false, [](GameState& g) { g.SelectedServiceSlot = 2; }},
        {Window::ServiceInfo, false, [](GameState& g) { g.SelectedServiceSlot = 1; }},
        {Window::HireClerk},
        {Window::FireClerk},
        {Window::ClerkSettings},
        {Window::Salary},
        {Window::PersonPopup, false,
         [](GameState& g) {
             g.ClickedPersonSlot = 0;
             g.ClickedPersonKind = 2;
         }},
        {Window::Complaint},
        {Window::MonthReport},
        {Window::DayReport},
        {Window::VisitorNotice},
        {Window::StarPromotion},
        {Window::GrandPrize},
        {Window::ClerkInfo, true},
        {Window::Ledger, true},
        {Window::SalesChart, true},
        {Window::ProfitChart, true},
        {Window::Upkeep, false, [](GameState& g) { g.UpkeepDialogMode = 1; }},
        {Window::ShopServices},
        {Window::ReadingPolicy},
        {Window::CustomerOpinions},
        {Window::Insurance},
        {Window::Bank},
        {Window::Borrow},
        {Window::LoanRepayment, false,
         [](GameState& g) {
             g.Loan.Amount[0] = 1000000;
             g.DueLoanSlot = 0;
         }},
        {Window::Robbery, false, [](GameState& g) { g.RobberyDemand = 500000; }},
        {Window::InsurancePayout, false, [](GameState& g) { g.PayoutKind = 1; }},
        // Without the earthquake insurance its closing opens no payout.
        {Window::Earthquake},
        {Window::QuakeDamage, false, [](GameState& g) { g.InsuranceJoined[1] = 0; }},
        {Window::FireDiscovered},
        {Window::FireOut},
        {Window::FireBrigade},
        {Window::AwardNotice},
        {Window::AwardCeremony},
        {Window::NewsIndex},
        {Window::ShopOfMonthNews},
        {Window::IndustryNews},
        {Window::HeadlineNews},
        {Window::Advertising},
        {Window::Posters},
        {Window::Leaflets},
        {Window::TvAdvert},
        {Window::PromoFilm},
        {Window::GameOver, false, [](GameState& g) { g.GameOverReason = 1; }},
    };
    // The table holds every window the game builds.
    for (int number = 0; number <= kLastWindowNumber; ++number) {
        const auto w = static_cast<Window>(number);
        if (!IsWindowBuilt(w)) continue;
        const bool listed =
            std::any_of(std::begin(shots), std::end(shots), [w](const Shot& s) { return s.window == w; });
        EXPECT_TRUE(listed) << WindowObjectName(w) << " is built but not in the gallery";
    }
    for (const Shot& s : shots) {
        ASSERT_TRUE(IsWindowBuilt(s.window)) << WindowObjectName(s.window);
        s.before(game());
        if (s.child) {
            ShowForm(s.window, game());
            QWidget* open = OpenForm(s.window);
            ASSERT_NE(open, nullptr) << WindowObjectName(s.window);
            Look(open, s.window, true);
            continue;
        }
        bool looked = false;
        WhenModal([&](QWidget* w) {
            looked = true;
            Look(w, s.window, false);
            static_cast<QDialog*>(w)->reject();
        });
        ShowForm(s.window, game());
        EXPECT_TRUE(looked) << WindowObjectName(s.window);
    }
}

TEST_F(WindowGallery, MaximisedSceneAndTheNewYearReport) {
    auto* scene = qobject_cast<QMdiSubWindow*>(OpenForm(Window::FloorView)->parentWidget());
    ASSERT_NE(scene, nullptr);
    scene->showMaximized();
    QCoreApplication::processEvents();
    SaveScreen("screen-1-scene-maximised");
    EXPECT_FALSE(scene->isMaximized());

    // The last hour of the year: the month report shows the closing month's
    // last day, then the day report the new year's first; the information
    // window shows the new day all along.
    GameState& g = game();
    g.Year = 2026;
    g.Month = 12;
    g.Day = 31;
    g.Weekday = 4;
    g.ReportManualClose = 1;
    auto* info = dynamic_cast<ShopInfoWindow*>(OpenForm(Window::ShopInfo));
    ASSERT_NE(info, nullptr);
    std::vector<QString> dates;
    auto infoDate = [info, &g] {
        // The window redraws from its own timer, which takes the flag down.
        g.ShopInfoDirty = 1;
        for (int waited = 0; g.ShopInfoDirty.asInt() == 1 && waited < 5000; waited += 20) QTest::qWait(20);
        return info->YearLabel->text() + "/" + info->MonthLabel->text() + "/" + info->DayLabel->text() + " " +
               info->WeekdayLabel->text();
    };
    // The quarter's award notice comes first; its ceremony is another
    // test's business, so it is put away unanswered.
    std::function<void(QWidget*)> answer = [&](QWidget* w) {
        if (qobject_cast<MonthReportDialog*>(w)) {
            dates.push_back(infoDate());
            dates.push_back(main->windowTitle());
            SaveScreen("screen-2-month-report");
            WhenModal(answer);
        } else if (qobject_cast<DayReportDialog*>(w)) {
            dates.push_back(infoDate());
            dates.push_back(main->windowTitle());
            SaveScreen("screen-3-new-year-report");
        } else {
            WhenModal(answer);
        }
        static_cast<QDialog*>(w)->reject();
    };
    WhenModal(answer);
    StartNewDay(g);
    ASSERT_EQ(dates.size(), 4u);
    EXPECT_EQ(dates[0], QStringLiteral("2027/1/1 星期五"));
    EXPECT_TRUE(dates[1].contains(QStringLiteral("2026年 12月 31日 星期四"))) << dates[1].toStdString();
    EXPECT_EQ(dates[2], QStringLiteral("2027/1/1 星期五"));
    EXPECT_TRUE(dates[3].contains(QStringLiteral("2027年 1月 1日 星期五"))) << dates[3].toStdString();
}
