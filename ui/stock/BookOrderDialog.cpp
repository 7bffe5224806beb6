#include "ui/stock/BookOrderDialog.h"

#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>

#include "stock/BookOrders.h"
#include "ui/kit/Controls.h"
#include "ui/platform/WindowRegistry.h"

namespace os = order_sheet;

namespace {

OrderDialog::Setup BookOrderSetup() {
    return {.window = Window::BookOrder,
            .headingTop = 4,
            .headings = {{8, 135, "书籍名"}, {144, 47, "类型"}, {192, 47, "进货价"},
                         {240, 47, "零售价"}, {288, 39, "进货数"}, {330, 185, "简介"}},
            .listTop = 24, .columnX = {8, 136, 184, 232, 280, 320, 504}, .columnsFollowRows = false,
            .second = {137, 46}, .cost = {184, 46}, .price = {232, 46},
            .detailTop = 212, .nameHeading = "书籍名", .nameWidth = 145, .besideName = nullptr,
            .allSoldName = "Frame2", .allSoldAt = {198, 206},
            .adjusterHeading = "调整全部书籍的进货数", .adjusterTop = 312,
            .commands = {{{2, "书籍TOP10"}, {1, "进货"}, {3, "取消"}}},
            .selectedRow = &GameState::SelectedBookRow, .adjustHold = &GameState::BookAdjustHold};
}

}  // namespace

BookOrderDialog::BookOrderDialog(GameState& g) : OrderDialog(BookOrderSetup(), g) {
    setObjectName("Form21");
    setWindowTitle(QStringLiteral("书籍进货"));

    Label6 = {detail_.name,       detail_.stock,   detail_.description, detail_.copies, detail_.funds,
              allSold_.wholesale, allSold_.retail, allSold_.profit};
    Frame2 = allSold_.box;
    for (int k = 0; k < 8; ++k) Label6[k]->setObjectName(QStringLiteral("Label6_%1").arg(k));

    Frame1 = new QGroupBox(QStringLiteral("售完后"), this);
    Frame1->setObjectName("Frame1");
    Frame1->setGeometry(328, 206, 122, 70);
    os::ButtonFace(Frame1);
    Option1 = new QRadioButton(QStringLiteral("售完后继续进货"), Frame1);
    Option1->setObjectName("Option1");
    Option1->setGeometry(8, 20, 110, 18);
    Option2 = new QRadioButton(QStringLiteral("售完为止"), Frame1);
    Option2->setObjectName("Option2");
    Option2->setGeometry(8, 42, 110, 18);

    Label2_4 = os::Text(this, QStringLiteral("从决定进货日起3天后书将送达 >>"), QRect(190, 278, 262, 13),
                        Qt::AlignRight | Qt::AlignVCenter);
    Label2_4->setObjectName("Label2_4");

    MakeAdjusterAndCommands();
    connect(Option1, &QRadioButton::clicked, this, &BookOrderDialog::Option1_Click);
    connect(Option2, &QRadioButton::clicked, this, &BookOrderDialog::Option2_Click);

    Form_Load();
}

int BookOrderDialog::OpenCatalogue(GameState& g) { return OpenBookOrders(g); }

OrderCatalogue BookOrderDialog::Catalogue(GameState& g) { return BookOrderCatalogue(g); }

bool BookOrderDialog::StepAll(GameState& g) { return StepAllBookOrders(g); }

void BookOrderDialog::DisableTitleControls() {
    OrderDialog::DisableTitleControls();
    Frame1->setEnabled(false);
}

void BookOrderDialog::ShowDetail(int title) {
    const BookOrderDetail d = BookOrderDetailOf(game(), title);
    Label6[0]->setText(QText(d.name));
    Label6[1]->setText(QText(d.stock));
    Label6[2]->setText(QText(d.description));
    Option1->setChecked(d.keepReordering);
    Option2->setChecked(!d.keepReordering);
}

void BookOrderDialog::Option1_Click() {
    const int t = LookUpSelection();
    if (t >= 0) SetBookEditedReorder(game(), t, true);
}

void BookOrderDialog::Option2_Click() {
    const int t = LookUpSelection();
    if (t >= 0) SetBookEditedReorder(game(), t, false);
}

void BookOrderDialog::Command1_Click() {
    CommitBookOrders(game());
    accept();
}

void BookOrderDialog::Command2_Click() { ShowForm(Window::BookTopTen, game()); }

void BookOrderDialog::Command3_Click() { reject(); }
