#include "ui/business/CampaignDialog.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <vector>

#include "business/Advertising.h"
#include "platform/Window.h"
#include "state/GameState.h"
#include "ui/kit/Controls.h"
#include "ui/kit/NoticeWindow.h"

namespace {

constexpr int kWidth = 330;
constexpr int kMargin = 8;
constexpr int kOptionHeight = 21;
constexpr const char* kRowCaptions[] = {"资金", "费用", "余额"};

// Each campaign's dialog: its window, caption, heading and frame, its
// options' captions, and its game side: an option click sets the price, OK
// books it (true) or hears a No (false), and the price chosen.
struct CampaignRow {
    Window window;
    const char* caption;
    const char* heading;
    const char* frame;
    std::vector<const char*> (*options)();
    void (*choose)(GameState& g, int option);
    bool (*order)(GameState& g, int option);
    Value GameState::*cost;
};

template <PrintCampaign C>
std::vector<const char*> Sizes() {
    std::vector<const char*> captions;
    for (const PrintSize& s : PrintSizes(C)) captions.push_back(s.caption);
    return captions;
}
template <PrintCampaign C>
void ChooseSize(GameState& g, int option) { ChoosePrintSize(g, C, option); }
template <PrintCampaign C>
bool OrderSize(GameState& g, int option) { return OrderPrintCampaign(g, C, option); }

template <FilmCampaign C>
std::vector<const char*> Makers() {
    std::vector<const char*> captions;
    for (const Producer& p : Producers(C)) captions.push_back(p.caption);
    return captions;
}
template <FilmCampaign C>
void ChooseMaker(GameState& g, int option) { ChooseProducer(g, C, option); }
template <FilmCampaign C>
bool OrderFilm(GameState& g, int option) { return OrderFilmCampaign(g, C, option); }

const CampaignRow kCampaigns[] = {
    {Window::Posters, "张贴海报", "== 张贴海报 ==", "张贴张数", Sizes<PrintCampaign::Posters>,
     ChooseSize<PrintCampaign::Posters>, OrderSize<PrintCampaign::Posters>, &GameState::PrintAdCost},
    {Window::Leaflets, "宣传册", "== 投放宣传册  ==", "送出数", Sizes<PrintCampaign::Leaflets>,
     ChooseSize<PrintCampaign::Leaflets>, OrderSize<PrintCampaign::Leaflets>, &GameState::PrintAdCost},
    {Window::TvAdvert, "电视广告", "== 制作电视广告 ==", "制作人", Makers<FilmCampaign::Tv>,
     ChooseMaker<FilmCampaign::Tv>, OrderFilm<FilmCampaign::Tv>, &GameState::BroadcastAdCost},
    {Window::PromoFilm, "制作宣传影片", "== 制作宣传影片 ==", "制作人", Makers<FilmCampaign::Film>,
     ChooseMaker<FilmCampaign::Film>, OrderFilm<FilmCampaign::Film>, &GameState::BroadcastAdCost},
};

}  // namespace

CampaignDialog::CampaignDialog(GameState& g, Campaign campaign) : ModalDialog(g), campaign_(campaign) {
    const CampaignRow& design = kCampaigns[static_cast<int>(campaign)];
    setObjectName(QString::fromStdString(WindowObjectName(design.window)));
    setWindowTitle(QString::fromUtf8(design.caption));
    setAutoFillBackground(true);

    Shape1[0] = notice_window::MakeHeadingBand(this, QRect(kMargin, kMargin, kWidth - 2 * kMargin, 22));
    Label3 = notice_window::MakeHeadingText(this, Shape1[0], "Label3", QString::fromUtf8(design.heading));

    const std::vector<const char*> captions = design.options();
    const int options = static_cast<int>(captions.size());
    Frame1 = new QGroupBox(QString::fromUtf8(design.frame), this);
    Frame1->setObjectName("Frame1");
    Frame1->setGeometry(kMargin, 38, kWidth - 2 * kMargin, 26 + options * kOptionHeight);
    auto* group = new QButtonGroup(this);
    for (int k = 1; k <= options; ++k) {
        auto* o = new QRadioButton(QString::fromUtf8(captions[k - 1]), Frame1);
        o->setObjectName(QStringLiteral("Option%1").arg(k));
        o->setGeometry(16, 20 + (k - 1) * kOptionHeight, kWidth - 2 * kMargin - 32, 20);
        group->addButton(o);
        connect(o, &QRadioButton::clicked, this, [this, k] { Option_Click(k); });
        Option[k] = o;
    }

    int y = Frame1->geometry().bottom() + 10;
    QLabel** values[] = {&FundsLabel, &CostLabel, &BalanceLabel};
    for (int r = 0; r < 3; ++r) {
        Label1[r] = new QLabel(QString::fromUtf8(kRowCaptions[r]), this);
        Label1[r]->setObjectName(QStringLiteral("Label1_%1").arg(r));
        Label1[r]->setGeometry(kMargin + 16, y, 60, 20);
        auto* v = new QLabel(this);
        v->setGeometry(kMargin + 80, y, kWidth - 2 * kMargin - 96, 20);
        v->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        *values[r] = v;
        y += 22;
    }
    FundsLabel->setObjectName("FundsLabel");
    CostLabel->setObjectName("CostLabel");
    BalanceLabel->setObjectName("BalanceLabel");

    y += 8;
    Command2 = NamedButton(this, "Command2", QStringLiteral("确定"), QRect(kWidth - kMargin - 172, y, 82, 28));
    Command1 = NamedButton(this, "Command1", QStringLiteral("取消"), QRect(kWidth - kMargin - 82, y, 82, 28));
    Command2->setDefault(true);
    connect(Command2, &QPushButton::clicked, this, &CampaignDialog::Command2_Click);
    connect(Command1, &QPushButton::clicked, this, &CampaignDialog::Command1_Click);
    setFixedSize(kWidth, y + 28 + kMargin);

    Form_Load();
}

void CampaignDialog::Form_Load() {
    // Centring happens as the dialog shows; the advertising dialog under it
    // already holds the clock.
    notice_window::PaintHeadingBand(Shape1[0]);
    Option[1]->setChecked(true);
    Option_Click(1);
}

int CampaignDialog::option() const {
    for (int k = 1; k < static_cast<int>(Option.size()); ++k)
        if (Option[k] && Option[k]->isChecked()) return k;
    return 1;
}

void CampaignDialog::Option_Click(int option) {
    kCampaigns[static_cast<int>(campaign_)].choose(game(), option);
    ShowCostRows();
}

void CampaignDialog::ShowCostRows() {
    const CostRows rows = AdCostRows(game(), game().*kCampaigns[static_cast<int>(campaign_)].cost);
    FundsLabel->setText(QText(rows.funds));
    CostLabel->setText(QText(rows.cost));
    BalanceLabel->setText(QText(rows.balance));
}

void CampaignDialog::Command2_Click() {
    if (kCampaigns[static_cast<int>(campaign_)].order(game(), option())) accept();
}

void CampaignDialog::Command1_Click() { reject(); }
