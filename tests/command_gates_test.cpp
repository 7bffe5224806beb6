// The commands shared by menu items and toolbar buttons: what each refuses
// with, and which window it opens otherwise.
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "commands/CommandGates.h"
#include "platform/headless/HeadlessPlatform.h"
#include "tests/TestShop.h"
#include "tests/TestSupport.h"

namespace {

class CommandGateTest : public ::testing::Test {
protected:
    void SetUp() override { g = NewTestShop(); }

    void Employ(std::initializer_list<int> rows) {
        for (int r : rows) g->Applicant.Employed[r] = 1;
        g->ClerkCount = static_cast<int>(rows.size());
    }

    // What one command did: the box it showed ("" for none) and the windows
    // it opened.
    struct Outcome {
        std::string text;
        std::vector<Window> windows;
    };
    Outcome Run(void (*gate)(GameState&)) {
        ui.shown.clear();
        ui.windowsShown.clear();
        gate(*g);
        Outcome o;
        EXPECT_LE(ui.shown.size(), 1u);
        if (!ui.shown.empty()) {
            o.text = ui.shown[0].text;
            EXPECT_EQ(ui.shown[0].style, MsgStyle::Information);
            EXPECT_EQ(ui.shown[0].title, "Quillmart");
            EXPECT_TRUE(ui.windowsShown.empty()) << "a refusal opens nothing";
        }
        o.windows = ui.windowsShown;
        return o;
    }

    std::unique_ptr<GameState> g;
    HeadlessPlatform ui;
    ScopedPlatform scoped{ui};
};

const std::vector<Window> kNone;

}  // namespace

TEST_F(CommandGateTest, HireGateByClerksAndShopSize) {
    std::vector<int> all;
    for (int i = 0; i < 40; ++i) all.push_back(i);
    const struct {
        std::vector<int> employed;
        int shopSize;
        const char* text;
        std::vector<Window> windows;
    } cases[] = {
        {{}, 1, "", {Window::HireClerk}},
        {{3}, 1, "  现在能雇用的人数为1人，\r想雇用的话请先解雇现有的店员。", kNone},
        {{3}, 2, "", {Window::HireClerk}},
        {{3, 20}, 2, "  能雇用的人数最多为2人，\r想雇用的话请先解雇现有的店员。", kNone},
        {{3, 20}, 1, "  能雇用的人数最多为2人，\r想雇用的话请先解雇现有的店员。", kNone},
        {all, 3, "没有能雇用的人。", kNone},
    };
    for (const auto& c : cases) {
        SetUp();
        for (int r : c.employed) g->Applicant.Employed[r] = 1;
        g->ShopSize = c.shopSize;
        g->ShopOpen = 1;  // not looked at
        // Nor are the drawn marks: the dialog offers them all again.
        for (int i = 0; i < 40; ++i) g->Applicant.Drawn[i] = 1;
        const Outcome o = Run(OpenHireClerkDialog);
        EXPECT_EQ(o.text, c.text) << c.employed.size() << " employed, size " << c.shopSize;
        EXPECT_EQ(o.windows, c.windows);
        // The applicants not employed are left listed, in row order.
        ASSERT_EQ(g->ApplicantTally.asInt(), 40 - static_cast<int>(c.employed.size()));
        if (c.employed.size() == 1) {
            EXPECT_EQ(g->TodayApplicants[2].asInt(), 2);
            EXPECT_EQ(g->TodayApplicants[3].asInt(), 4);
        }
    }
}

TEST_F(CommandGateTest, FireAndSettingsGatesNeedAClerk) {
    EXPECT_EQ(Run(OpenFireClerkDialog).text, "一位店员也没有。");
    EXPECT_EQ(Run(OpenClerkSettingsDialog).text, "没有雇用店员。");

    Employ({6});
    g->ShopOpen = 1;  // the dismissal dialog itself refuses while open
    EXPECT_EQ(Run(OpenFireClerkDialog).windows, std::vector<Window>{Window::FireClerk});
    EXPECT_EQ(g->ApplicantTally.asInt(), 1);
    EXPECT_EQ(Run(OpenClerkSettingsDialog).windows, std::vector<Window>{Window::ClerkSettings});
}

TEST_F(CommandGateTest, CleaningGate) {
    const struct {
        int shopOpen, cleaningOrdered;
        const char* text;
        std::vector<Window> windows;
    } cases[] = {
        {0, 0, "现在打烊中，请在打烊中营业中清扫。", kNone},
        {0, 1, "现在打烊中，请在打烊中营业中清扫。", kNone},  // the closed shop is told first
        {1, 1, "现在正在清扫中。", kNone},
        {1, 0, "", {Window::Upkeep}},
    };
    for (const auto& c : cases) {
        g->ShopOpen = c.shopOpen;
        g->CleaningOrdered = c.cleaningOrdered;
        g->UpkeepDialogMode = 0;
        const Outcome o = Run(OpenCleaningDialog);
        EXPECT_EQ(o.text, c.text) << "open " << c.shopOpen << ", ordered " << c.cleaningOrdered;
        EXPECT_EQ(o.windows, c.windows);
        EXPECT_EQ(g->UpkeepDialogMode.asInt(), c.windows.empty() ? 0 : 1);
    }
}

TEST_F(CommandGateTest, StockGates) {
    // A new game has nothing in stock and nothing on order.
    EXPECT_EQ(Run(ToggleMagazineStockWindow).text, "现在没有进货的杂志。");
    EXPECT_EQ(Run(ToggleBookStockWindow).text, "现在没有库存书籍。");
    EXPECT_EQ(g->BookStockRowCount.asInt(), 0);

    // Copies of an unlisted magazine do not count.
    g->Magazine.Listed[4] = 0;
    g->Magazine.Stock[4] = 12;
    EXPECT_EQ(Run(ToggleMagazineStockWindow).text, "现在没有进货的杂志。");

    // A standing order alone counts; so does a book still on its way.
    g->Magazine.StandingOrder[9] = 3;
    EXPECT_EQ(Run(ToggleMagazineStockWindow).windows, std::vector<Window>{Window::MagazineStock});
    g->Book.DaysToDelivery[30] = 2;
    g->Book.Stock[31] = 5;
    EXPECT_EQ(Run(ToggleBookStockWindow).windows, std::vector<Window>{Window::BookStock});
    EXPECT_EQ(g->BookStockRowCount.asInt(), 2);
}

TEST_F(CommandGateTest, OrderDialogsOpenWhateverTheState) {
    EXPECT_EQ(Run(OpenMagazineOrderDialog).windows, std::vector<Window>{Window::MagazineOrder});
    EXPECT_EQ(Run(OpenBookOrderDialog).windows, std::vector<Window>{Window::BookOrder});
}
