#include "ui/shop/HireClerkDialog.h"

#include <algorithm>

#include <QFrame>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QScrollBar>

#include "platform/GameClock.h"
#include "ui/platform/Pictures.h"
#include "shop/ShopInfo.h"
#include "shop/Staff.h"
#include "platform/Platform.h"
#include "ui/platform/WindowRegistry.h"

// ---- pieces shared by the staff windows ----

namespace {
const QColor kHeadingBlue(0, 128, 255);
constexpr int kHeadingHeight = 25;
}  // namespace

QFrame* MakeHeadingBand(QWidget* parent, int width) {
    auto* band = new QFrame(parent);
    band->setGeometry(0, 0, width, kHeadingHeight);
    band->setAutoFillBackground(true);
    QPalette p = band->palette();
    p.setColor(QPalette::Window, kHeadingBlue);
    band->setPalette(p);
    return band;
}

QLabel* MakeHeadingText(QWidget* parent, const QFrame* band, const QString& text) {
    auto* label = new QLabel(text, parent);
    label->setGeometry(band->geometry());
    label->setAlignment(Qt::AlignCenter);
    QPalette p = label->palette();
    p.setColor(QPalette::WindowText, Qt::white);
    label->setPalette(p);
    return label;
}

QLabel* MakeCaption(QWidget* parent, const QString& text, QRect at) {
    auto* label = new QLabel(text, parent);
    label->setGeometry(at);
    return label;
}

QLabel* MakeValueLabel(QWidget* parent, QRect at) {
    auto* label = new QLabel(parent);
    label->setGeometry(at);
    return label;
}

QFrame* MakeBar(QWidget* parent, QRect at) {
    auto* bar = new QFrame(parent);
    bar->setAutoFillBackground(true);
    QPalette p = bar->palette();
    p.setColor(QPalette::Window, kHeadingBlue);
    bar->setPalette(p);
    bar->setGeometry(at.x(), at.y(), 0, at.height());
    return bar;
}

QFrame* MakeBarFrame(QWidget* parent, QRect at) {
    auto* frame = new QFrame(parent);
    frame->setFrameShape(QFrame::Box);
    frame->setLineWidth(1);
    frame->setAttribute(Qt::WA_TransparentForMouseEvents);
    frame->setGeometry(at);
    frame->raise();
    return frame;
}

void SetBarWidth(QFrame* bar, const QFrame* frame, const Value& value) {
    bar->resize(GaugeBarWidth(value, frame->width()), bar->height());
}

QLabel* MakeFaceBox(QWidget* parent, QPoint at) {
    auto* box = new QLabel(parent);
    box->setGeometry(at.x(), at.y(), kFaceBoxSize, kFaceBoxSize);
    box->setScaledContents(true);
    return box;
}

void ShowFace(QLabel* box, const std::string& picture) {
    box->setPixmap(QPixmap::fromImage(
        LoadPicture(QString::fromStdString(picture), QSize(kFaceBoxSize, kFaceBoxSize))));
}

// ---- the hire dialog ----

namespace {

constexpr int kWidth = 320;
constexpr int kHeight = 256;
constexpr int kLookIconSize = 16;
constexpr int kDecorationSize = 64;

QString LookIconPicture(int index) { return QStringLiteral("Graphic/Forms/Form7_Image1_%1.png").arg(index); }

QFrame* MakeLine(QWidget* parent, int y) {
    auto* line = new QFrame(parent);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    line->setGeometry(8, y, kWidth - 16, 2);
    return line;
}

}  // namespace

HireClerkDialog::HireClerkDialog(GameState& g) : ModalDialog(g) {
    setObjectName(QString::fromStdString(WindowObjectName(Window::HireClerk)));
    setWindowTitle(QStringLiteral("雇用店员"));
    setFixedSize(kWidth, kHeight);

    Shape1[0] = MakeHeadingBand(this, kWidth);
    Label3 = MakeHeadingText(this, Shape1[0], QStringLiteral("== 雇用店员 =="));

    Image1[0] = MakeFaceBox(this, QPoint(16, 36));
    Image1[0]->setFrameShape(QFrame::Panel);
    Image1[0]->setFrameShadow(QFrame::Sunken);
    // The look pictures for the drag preview, one for every look (0..7).
    for (int k = 1; k < static_cast<int>(Image1.size()); ++k) {
        Image1[k] = new QLabel(this);
        Image1[k]->setPixmap(
            QPixmap::fromImage(LoadPicture(LookIconPicture(k), QSize(kLookIconSize, kLookIconSize))));
        Image1[k]->hide();
    }

    Label[2] = MakeValueLabel(this, QRect(90, 36, 214, kFaceBoxSize));
    Label[2]->setWordWrap(true);
    Label[2]->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Label[2]->setFrameShape(QFrame::Panel);
    Label[2]->setFrameShadow(QFrame::Sunken);
    Label[2]->setMargin(4);
    Label[2]->setAutoFillBackground(true);
    QPalette white = Label[2]->palette();
    white.setColor(QPalette::Window, Qt::white);
    Label[2]->setPalette(white);

    Line1 = MakeLine(this, 110);

    const QString captions[] = {QStringLiteral("姓名"), QStringLiteral("年龄"), QStringLiteral("能力"),
                                QStringLiteral("薪资")};
    for (int k = 0; k < 4; ++k) Label1[k] = MakeCaption(this, captions[k], QRect(20, 120 + 22 * k, 40, 18));
    Label[0] = MakeValueLabel(this, QRect(64, 120, 160, 18));
    Label[1] = MakeValueLabel(this, QRect(64, 142, 80, 18));
    Label[3] = MakeValueLabel(this, QRect(64, 164, 52, 18));
    Label[4] = MakeValueLabel(this, QRect(64, 186, 160, 18));
    Shape[0] = MakeBar(this, QRect(118, 168, 100, 10));
    Shape10[0] = MakeBarFrame(this, QRect(118, 168, 100, 10));

    Image2 = new QLabel(this);
    Image2->setGeometry(kWidth - 16 - kDecorationSize, 122, kDecorationSize, kDecorationSize);
    Image2->setPixmap(QPixmap::fromImage(
        LoadPicture(QStringLiteral("Graphic/Forms/Form7_Image2.png"), QSize(kDecorationSize, kDecorationSize))));

    Line2 = MakeLine(this, 212);

    HScroll1 = new QScrollBar(Qt::Horizontal, this);
    HScroll1->setGeometry(16, 224, 136, 17);
    HScroll1->setMinimum(0);
    HScroll1->setSingleStep(1);
    HScroll1->setPageStep(1);

    Command2 = new QPushButton(QStringLiteral("雇用"), this);
    Command2->setGeometry(162, 220, 70, 25);
    Command2->setDefault(true);
    Command1 = new QPushButton(QStringLiteral("关闭"), this);
    Command1->setGeometry(238, 220, 70, 25);
    connect(Command2, &QPushButton::clicked, this, &HireClerkDialog::Command2_Click);
    connect(Command1, &QPushButton::clicked, this, &HireClerkDialog::Command1_Click);

    Form_Load();
    // A drag shows the look picture; the thumb's release or an arrow click
    // shows the face.
    connect(HScroll1, &QScrollBar::valueChanged, this, [this] {
        if (HScroll1->isSliderDown())
            HScroll1_Scroll();
        else
            HScroll1_Change();
    });
    connect(HScroll1, &QScrollBar::sliderReleased, this, &HireClerkDialog::HScroll1_Change);
}

void HireClerkDialog::Form_Load() {
    // Centring and holding the clock happen as the dialog shows.
    const int tally = DrawTodayApplicants(game());
    HScroll1->setMaximum(std::max(tally - 1, 0));
    HScroll1->setValue(0);
    ShowListPosition(0, false);
}

void HireClerkDialog::HScroll1_Change() { ShowListPosition(HScroll1->value(), false); }
void HireClerkDialog::HScroll1_Scroll() { ShowListPosition(HScroll1->value(), true); }

void HireClerkDialog::ShowListPosition(int v, bool dragging) {
    const GameState& g = game();
    if (g.ApplicantTally.asInt() <= 0) {
        // Nobody to offer (every applicant employed; the menu does not open
        // the dialog then): blank, and nobody to hire.
        for (QLabel* label : Label) label->clear();
        Image1[0]->clear();
        Shape[0]->resize(0, Shape[0]->height());
        HScroll1->setEnabled(false);
        Command2->setEnabled(false);
        return;
    }
    const StaffCard c = ApplicantCard(g, g.TodayApplicants[v].i());
    Label[0]->setText(QString::fromStdString(c.name));
    Label[1]->setText(QString::fromStdString(c.age));
    Label[2]->setText(QString::fromStdString(c.intro));
    Label[3]->setText(QString::fromStdString(c.ability));
    Label[4]->setText(QString::fromStdString(c.salary));
    SetBarWidth(Shape[0], Shape10[0], c.abilityValue);
    if (!dragging) {
        ShowFace(Image1[0], c.face);
        return;
    }
    const int index = c.look + 1;
    if (index >= 1 && index < static_cast<int>(Image1.size()))
        Image1[0]->setPixmap(Image1[index]->pixmap());
    else
        Image1[0]->clear();
}

void HireClerkDialog::Command2_Click() {
    // The clock stays held from the hire until the settings dialog closes.
    ClockHold hold;
    if (!HireApplicant(game(), HScroll1->value())) return;
    accept();
    ShowForm(Window::ClerkSettings, game());
}

void HireClerkDialog::Command1_Click() { reject(); }
