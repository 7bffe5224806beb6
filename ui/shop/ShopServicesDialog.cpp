#include "ui/shop/ShopServicesDialog.h"

#include <QButtonGroup>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>

#include "ui/kit/Controls.h"
#include "ui/shop/HireClerkDialog.h"
#include "ui/kit/WheelScroll.h"

namespace {

constexpr int kWidth = 340;
constexpr int kHeight = 250;
constexpr int kViewTop = 30;
constexpr int kViewWidth = kWidth - 36;
constexpr int kScrollWidth = 16;
// Four rows share the list's full height.
constexpr int kRowHeight = kServiceListHeight / kShopServiceCount;

}  // namespace

ShopServicesDialog::ShopServicesDialog(GameState& g) : ModalDialog(g) {
    setObjectName("Form45");
    setWindowTitle(QString::fromUtf8(kShopServicesCaption));
    setFixedSize(kWidth, kHeight);

    Shape1 = MakeHeadingBand(this, kWidth);
    Label3 = MakeHeadingText(this, Shape1, QString::fromUtf8(kShopServicesHeading));

    ServiceView = new QWidget(this);
    ServiceView->setObjectName("ServiceView");
    ServiceView->setGeometry(10, kViewTop, kViewWidth, kServiceListVisibleHeight);
    ServiceList = new QWidget(ServiceView);
    ServiceList->setObjectName("ServiceList");
    ServiceList->setGeometry(0, 0, kViewWidth, kServiceListHeight);

    for (int k = 0; k < kShopServiceCount; ++k) {
        const ShopServiceRow& row = kShopServices[k];
        Frame[k] = new QGroupBox(QString::fromUtf8(row.caption), ServiceList);
        Frame[k]->setGeometry(0, k * kRowHeight, kViewWidth, kRowHeight - 4);
        // Each frame's two options choose between themselves only.
        auto* pair = new QButtonGroup(Frame[k]);
        for (int side = 0; side < 2; ++side) {
            auto* o = new QRadioButton(QString::fromUtf8(side == 0 ? row.onCaption : row.offCaption), Frame[k]);
            o->setObjectName(QStringLiteral("Option%1").arg(2 * k + 1 + side));
            o->setGeometry(10 + 76 * side, 18, 74, 18);
            pair->addButton(o);
            Option[2 * k + 1 + side] = o;
        }
        auto* fee = MakeCaption(Frame[k], QString::fromUtf8(kServiceFeeText), QRect(170, 18, kViewWidth - 180, 18));
        fee->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        MakeCaption(Frame[k], QString::fromUtf8(row.incomeText), QRect(12, 36, kViewWidth - 24, 16));
    }

    VScroll1 = new QScrollBar(Qt::Vertical, this);
    VScroll1->setObjectName("VScroll1");
    VScroll1->setGeometry(10 + kViewWidth + 2, kViewTop, kScrollWidth, kServiceListVisibleHeight);
    VScroll1->setMinimum(0);
    VScroll1->setSingleStep(kRowHeight / 4);
    VScroll1->setPageStep(kServiceListVisibleHeight);
    connect(VScroll1, &QScrollBar::valueChanged, this, [this] { VScroll1->isSliderDown() ? VScroll1_Scroll() : VScroll1_Change(); });
    WheelMovesBars(ServiceView, VScroll1);

    Command1 = NamedButton(this, "Command1", QStringLiteral("确定"), QRect(kWidth - 186, kHeight - 36, 84, 25));
    Command1->setDefault(true);
    Command2 = NamedButton(this, "Command2", QStringLiteral("取消"), QRect(kWidth - 94, kHeight - 36, 84, 25));
    connect(Command1, &QPushButton::clicked, this, &ShopServicesDialog::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &ShopServicesDialog::Command2_Click);

    Form_Load();
}

void ShopServicesDialog::Form_Load() {
    // Centring and holding the clock happen as the dialog shows.
    const std::array<bool, kShopServiceCount> on = OfferedServices(game());
    for (int k = 0; k < kShopServiceCount; ++k) Option[2 * k + (on[k] ? 1 : 2)]->setChecked(true);

    // Below star level 3 the list is cut to what shows: the book-token row
    // is out of reach and nothing scrolls.
    const ServiceListLayout layout = ServiceListFor(game());
    ServiceList->resize(ServiceList->width(), layout.listHeight);
    Frame[kShopServiceCount - 1]->setVisible(layout.bookTokensShown);
    VScroll1->setMaximum(layout.scrollMax);
    VScroll1->setEnabled(layout.scrollMax > 0);
}

void ShopServicesDialog::MoveList() { ServiceList->move(0, -VScroll1->value()); }
void ShopServicesDialog::VScroll1_Change() { MoveList(); }
void ShopServicesDialog::VScroll1_Scroll() { MoveList(); }

void ShopServicesDialog::Command1_Click() {
    std::array<bool, kShopServiceCount> on{};
    for (int k = 0; k < kShopServiceCount; ++k) on[k] = Option[2 * k + 1]->isChecked();
    ApplyShopServices(game(), on);
    accept();
}

void ShopServicesDialog::Command2_Click() { reject(); }
