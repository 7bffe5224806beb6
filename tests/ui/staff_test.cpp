// The staff windows (hire, dismissal, clerk settings, salaries), opened
// offscreen and driven through their controls.
#include <gtest/gtest.h>

#include "tests/TestShop.h"
#include "tests/ui/ModalDriver.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTest>
#include <QTimer>
#include <cstdio>
#include <functional>
#include <set>
#include <string>

#include "platform/headless/HeadlessPlatform.h"
#include "ui/kit/Controls.h"
#include "ui/shop/FireClerkDialog.h"
#include "ui/shop/ClerkSettingsDialog.h"
#include "ui/shop/SalaryDialog.h"
#include "ui/shop/HireClerkDialog.h"
#include "savegame/LoadSave.h"
#include "savegame/SaveGame.h"
#include "shop/Staff.h"
#include "state/NewGame.h"
#include "commands/GameSpeed.h"

namespace {


class StaffWindowTest : public ::testing::Test {
protected:
    void SetUp() override { StartClockUnpaused(game()); }
    GameState& game() { return *game_; }

    void Hire(int row) {
        game().TodayApplicants[0] = row;
        game().ApplicantTally = 1;
        ASSERT_TRUE(HireApplicant(game(), 0));
    }

    HeadlessPlatform ui;
    ScopedPlatform scoped{ui};
    std::unique_ptr<GameState> game_ = NewTestShop();
};

}  // namespace

TEST_F(StaffWindowTest, HireClerkPagesTheListAndPreviewsLooksWhileDragging) {
    GameState& g = game();
    HireClerkDialog f(game());
    f.show();
    const int n = g.ApplicantTally.i();
    ASSERT_GE(n, 6);
    ASSERT_LE(n, 11);
    EXPECT_EQ(f.HScroll1->minimum(), 0);
    EXPECT_EQ(f.HScroll1->maximum(), n - 1);

    for (int v : {0, n - 1, 1}) {
        f.HScroll1->setValue(v);
        const StaffCard c = ApplicantCard(g, g.TodayApplicants[v].i());
        EXPECT_EQ(f.Label[0]->text(), QText(c.name));
        EXPECT_EQ(f.Label[1]->text(), QText(c.age));
        EXPECT_EQ(f.Label[2]->text(), QText(c.intro));
        EXPECT_EQ(f.Label[3]->text(), QText(c.ability));
        EXPECT_EQ(f.Label[4]->text(), QText(c.salary));
        EXPECT_EQ(f.Shape[0]->width(), c.abilityValue.i());
    }

    // Every look an applicant can have has its drag picture.
    for (int look = 0; look <= 7; ++look) {
        g.Applicant.Look[g.TodayApplicants[2].i()] = look;
        f.HScroll1->setSliderDown(true);
        f.HScroll1->setValue(2);
        EXPECT_EQ(f.Image1[0]->pixmap().cacheKey(), f.Image1[look + 1]->pixmap().cacheKey()) << "look " << look;
        f.HScroll1->setSliderDown(false);  // the thumb dropped: the face again
        EXPECT_NE(f.Image1[0]->pixmap().cacheKey(), f.Image1[look + 1]->pixmap().cacheKey());
        f.HScroll1->setValue(1);
    }
    f.Command1->click();
    EXPECT_EQ(g.ClerkCount.asInt(), 0);
}

TEST_F(StaffWindowTest, HireClerkHiresThenGoesOnToTheSettingsWithTheClockHeld) {
    GameState& g = game();
    const auto funds = g.Funds.asInt();
    int hired = -1;
    bool settingsSeen = false;
    WhenModal([&](QWidget* w) {
        auto* f = qobject_cast<HireClerkDialog*>(w);
        ASSERT_NE(f, nullptr);
        f->HScroll1->setValue(1);
        hired = g.TodayApplicants[1].i();
        WhenModal([&](QWidget* next) {
            auto* s = qobject_cast<ClerkSettingsDialog*>(next);
            ASSERT_NE(s, nullptr) << "the settings follow a hire";
            EXPECT_FALSE(f->isVisible());
            EXPECT_FALSE(Ui().Clock().enabled());
            EXPECT_EQ(s->NLabel[0]->text(), QText(g.Applicant.Name[hired].asText()));
            settingsSeen = true;
            s->Command2->click();
        });
        f->Command2->click();
    });
    {
        HireClerkDialog dlg(game());
        dlg.exec();
    }

    ASSERT_TRUE(settingsSeen);
    EXPECT_EQ(g.Applicant.Employed[hired].asInt(), 1);
    EXPECT_EQ(g.Funds.asInt(), funds - g.Applicant.Salary[hired].asInt());
    EXPECT_EQ(g.ClerkRowCount.asInt(), 1);
    EXPECT_TRUE(Ui().Clock().ticking());
}

TEST_F(StaffWindowTest, HireClerkStillOffersAListAfterSixOpeningsWithoutAHire) {
    GameState& g = game();
    std::set<int> seen;
    bool offeredAgain = false;
    int hired = -1;
    for (int opening = 1; opening <= 7; ++opening) {
        SCOPED_TRACE(opening);
        WhenModal([&](QWidget* w) {
            auto* f = qobject_cast<HireClerkDialog*>(w);
            ASSERT_NE(f, nullptr);
            const int n = g.ApplicantTally.asInt();
            if (n < 1) {
                ADD_FAILURE() << "an empty list";
                f->Command1->click();
                return;
            }
            EXPECT_EQ(f->HScroll1->maximum(), n - 1);
            EXPECT_TRUE(f->Command2->isEnabled());
            // The applicant shown, and no words of the dialog's own.
            const StaffCard c = ApplicantCard(g, g.TodayApplicants[0].i());
            EXPECT_EQ(f->Label[0]->text(), QText(c.name));
            EXPECT_EQ(f->Label[2]->text(), QText(c.intro));
            for (int k = 0; k < n; ++k) offeredAgain |= !seen.insert(g.TodayApplicants[k].i()).second;
            if (opening < 7) {
                f->Command1->click();
                return;
            }
            hired = g.TodayApplicants[0].i();
            WhenModal([](QWidget* next) {
                auto* s = qobject_cast<ClerkSettingsDialog*>(next);
                ASSERT_NE(s, nullptr) << "the settings follow a hire";
                s->Command2->click();
            });
            f->Command2->click();
        });
        HireClerkDialog dlg(game());
        dlg.exec();
    }
    // On the way the pool ran dry and its applicants were offered again.
    EXPECT_TRUE(offeredAgain);
    ASSERT_GE(hired, 0);
    EXPECT_EQ(g.Applicant.Employed[hired].asInt(), 1);
    EXPECT_EQ(g.ClerkCount.asInt(), 1);

    const std::string path = ::testing::TempDir() + "qm_hired.qmt";
    std::string why;
    ASSERT_TRUE(WriteGameFile(g, path, &why)) << why;
    auto loaded = std::make_unique<GameState>();
    InitProgramState(*loaded);
    ASSERT_TRUE(LoadGameFile(*loaded, path, &why)) << why;
    std::remove(path.c_str());
    EXPECT_EQ(loaded->Applicant.Employed[hired].asInt(), 1);
}

TEST_F(StaffWindowTest, FireClerkDismissesOnlyAfterClosingAndYes) {
    GameState& g = game();
    Hire(4);
    Hire(9);
    g.Popularity = 60;
    g.Applicant.Look[9] = 98;  // no such face: the box stays blank

    FireClerkDialog f(game());
    f.show();
    ASSERT_EQ(f.List1->count(), 2);
    EXPECT_EQ(f.List1->item(0)->text(), QText(g.Applicant.Name[4].asText()));
    f.List1->setCurrentRow(1);
    EXPECT_EQ(f.Label[0]->text(), QText(g.Applicant.Name[9].asText()));
    EXPECT_EQ(f.Label[2]->text(), QStringLiteral("50/100"));
    EXPECT_EQ(f.Label[4]->text(), QStringLiteral("10万0000円"));
    const QImage face = f.Image1[0]->pixmap().toImage();
    ASSERT_FALSE(face.isNull());
    EXPECT_EQ(face.pixelColor(32, 32), QColor(Qt::white));

    g.ShopOpen = 1;
    f.Command2->click();
    ASSERT_EQ(ui.shown.size(), 1u);
    EXPECT_EQ(ui.shown[0].text, kDismissWhileOpenText);
    g.ShopOpen = 0;
    ui.answers = {MsgAnswer::No};
    f.Command2->click();
    EXPECT_TRUE(f.isVisible());
    EXPECT_EQ(g.ClerkCount.asInt(), 2);
    EXPECT_EQ(g.Popularity.asInt(), 60);

    f.Command2->click();  // Yes
    EXPECT_FALSE(f.isVisible());
    EXPECT_EQ(f.result(), QDialog::Accepted);
    EXPECT_EQ(g.Applicant.Employed[9].asInt(), 0);
    EXPECT_EQ(g.Popularity.asInt(), 55);
    EXPECT_EQ(g.ClerkCount.asInt(), 1);
}

TEST_F(StaffWindowTest, ClerkSettingsShowsStoresAndCancelsTheOrders) {
    GameState& g = game();
    Hire(12);
    {
        // A new game: no cleaning ordered, "一般" shown but greyed.
        ClerkSettingsDialog f(game());
        f.show();
        EXPECT_TRUE(f.Option[1]->isChecked());
        EXPECT_TRUE(f.Option[7]->isChecked());
        EXPECT_FALSE(f.Frame2->isEnabled());
        EXPECT_FALSE(f.Option[7]->isEnabled());
        EXPECT_EQ(f.NLabel[0]->text(), QText(g.Applicant.Name[12].asText()));
        EXPECT_EQ(f.KLabel[0]->text(), QStringLiteral("50/100"));
        EXPECT_EQ(f.TLabel[0]->text(), QStringLiteral("92/100"));
        EXPECT_EQ(f.MLabel[0]->text(), QStringLiteral("30万0000円"));
        EXPECT_EQ(f.Shape[0]->width(), 92);
        // With one clerk the second row is blank and its bars hidden.
        EXPECT_TRUE(f.NLabel[1]->text().isEmpty());
        EXPECT_TRUE(f.MLabel[1]->text().isEmpty());
        for (int s : {1, 6}) {
            EXPECT_FALSE(f.Shape[s]->isVisibleTo(&f));
            EXPECT_FALSE(f.Shape10[s]->isVisibleTo(&f));
        }
        f.Command1->click();
    }
    EXPECT_EQ(g.AutoCleanLevel.asInt(), 0);
    EXPECT_EQ(g.CleaningMethod.asInt(), 2);
    EXPECT_EQ(g.ClerkInfoDirty.asInt(), 1);

    {
        ClerkSettingsDialog f(game());
        f.show();
        f.Option[4]->click();  // "脏乱度在40以上时进行清扫"
        EXPECT_TRUE(f.Frame2->isEnabled());
        f.Option[8]->click();  // "仔细"
        f.Command1->click();
    }
    EXPECT_EQ(g.AutoCleanLevel.asInt(), 3);
    EXPECT_EQ(g.CleaningMethod.asInt(), 3);

    {
        ClerkSettingsDialog f(game());
        f.show();
        EXPECT_TRUE(f.Option[4]->isChecked());
        EXPECT_TRUE(f.Option[8]->isChecked());
        EXPECT_TRUE(f.Frame2->isEnabled());
        f.Option[2]->click();
        f.Option[6]->click();
        f.Command2->click();  // "取消"
    }
    EXPECT_EQ(g.AutoCleanLevel.asInt(), 3);
    EXPECT_EQ(g.CleaningMethod.asInt(), 3);

    {
        // "不清扫" greys the methods, but the method shown is still stored.
        ClerkSettingsDialog f(game());
        f.show();
        f.Option[1]->click();
        EXPECT_FALSE(f.Option[8]->isEnabled());
        EXPECT_TRUE(f.Option[8]->isChecked());
        f.Command1->click();
    }
    EXPECT_EQ(g.AutoCleanLevel.asInt(), 0);
    EXPECT_EQ(g.CleaningMethod.asInt(), 3);
}

TEST_F(StaffWindowTest, SalaryHeldArrowsAndTheSettingsRowAfterConfirming) {
    GameState& g = game();
    Hire(3);
    Hire(8);  // 赤座 稔明, 210,000 円: list position 1
    g.Applicant.Salary[8] = 200'000;

    ClerkSettingsDialog settings(game());
    settings.show();
    bool seen = false;
    WhenModal([&](QWidget* w) {
        auto* f = qobject_cast<SalaryDialog*>(w);
        ASSERT_NE(f, nullptr);
        EXPECT_TRUE(f->Timer1.isActive());
        EXPECT_EQ(f->Timer1.interval(), 75);
        ASSERT_EQ(f->List1->count(), 2);
        f->List1->setCurrentRow(1);
        EXPECT_EQ(f->Label[4]->text(), QStringLiteral("20万0000円"));

        // The right button does not press an arrow.
        QTest::mousePress(f->ButtonU[0], Qt::RightButton);
        f->Timer1_Timer();
        EXPECT_EQ(f->Label[4]->text(), QStringLiteral("20万0000円"));
        QTest::mouseRelease(f->ButtonU[0], Qt::RightButton);

        QTest::mousePress(f->ButtonU[0], Qt::LeftButton);
        EXPECT_EQ(f->ButtonU[0]->pixmap().cacheKey(), f->ButtonU[2]->pixmap().cacheKey());
        for (int t = 0; t < 10; ++t) f->Timer1_Timer();
        EXPECT_EQ(f->Label[4]->text(), QStringLiteral("21万0000円"));
        QTest::mouseRelease(f->ButtonU[0], Qt::LeftButton);
        EXPECT_EQ(f->ButtonU[0]->pixmap().cacheKey(), f->ButtonU[1]->pixmap().cacheKey());
        f->Timer1_Timer();
        EXPECT_EQ(f->Label[4]->text(), QStringLiteral("21万0000円"));

        // The other clerk, down by one small step.
        f->List1->setCurrentRow(0);
        QTest::mousePress(f->ButtonD[0], Qt::LeftButton);
        f->Timer1_Timer();
        QTest::mouseRelease(f->ButtonD[0], Qt::LeftButton);
        EXPECT_EQ(f->Label[4]->text(), QStringLiteral("39万9000円"));
        EXPECT_EQ(g.Applicant.Salary[8].asInt(), 200'000) << "pending until confirmed";
        seen = true;
        f->Command1->click();
    });
    settings.Command3->click();

    ASSERT_TRUE(seen);
    EXPECT_EQ(g.Applicant.Salary[8].asInt(), 210'000);
    EXPECT_EQ(g.Applicant.Salary[3].asInt(), 399'000);
    EXPECT_EQ(settings.MLabel[0]->text(), QStringLiteral("39万9000円"));
    EXPECT_EQ(settings.MLabel[1]->text(), QStringLiteral("21万0000円"));
    EXPECT_TRUE(settings.isVisible());

    // "取消" drops whatever was pending.
    WhenModal([&](QWidget* w) {
        auto* f = qobject_cast<SalaryDialog*>(w);
        ASSERT_NE(f, nullptr);
        QTest::mousePress(f->ButtonU[0], Qt::LeftButton);
        for (int t = 0; t < 5; ++t) f->Timer1_Timer();
        QTest::mouseRelease(f->ButtonU[0], Qt::LeftButton);
        f->Command2->click();
    });
    settings.Command3->click();
    EXPECT_EQ(g.Applicant.Salary[3].asInt(), 399'000);
    EXPECT_EQ(settings.MLabel[0]->text(), QStringLiteral("39万9000円"));
}
