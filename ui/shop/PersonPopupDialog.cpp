#include "ui/shop/PersonPopupDialog.h"

#include <QFrame>
#include <QLabel>
#include <QMouseEvent>
#include <QPalette>

#include "ui/platform/Pictures.h"
#include "shop/PersonInfo.h"
#include "shop/ShopInfo.h"

namespace {

// The window shows one panel at a time; the panels are a little larger, so
// the lower edge of the taller ones stays out of view.
constexpr int kClientWidth = 184;   // 2760 twips
constexpr int kClientHeight = 136;  // 2040 twips
constexpr int kPanelWidth = 185;
constexpr int kShortPanelHeight = 137;  // customer and clerk
constexpr int kTallPanelHeight = 161;   // cleaner and robber
constexpr int kFaceSize = 65;
constexpr int kBarFrameWidth = 57;  // 855 twips
constexpr int kBarHeight = 9;

const QColor kHeadingBlue(0, 128, 255);

QFrame* MakePanel(QWidget* parent, const char* name, int height) {
    auto* p = new QFrame(parent);
    p->setObjectName(QString::fromLatin1(name));
    p->setGeometry(0, 0, kPanelWidth, height);
    p->setAutoFillBackground(true);
    p->hide();
    return p;
}

QFrame* MakeHeadingBar(QWidget* panel, int index) {
    auto* s = new QFrame(panel);
    s->setObjectName(QStringLiteral("Shape1_%1").arg(index));
    s->setGeometry(8, 8, 169, 17);
    s->setAutoFillBackground(true);
    QPalette p = s->palette();
    p.setColor(QPalette::Window, kHeadingBlue);
    s->setPalette(p);
    return s;
}

QLabel* MakeHeadingText(QWidget* panel, const char* text) {
    auto* l = new QLabel(QString::fromUtf8(text), panel);
    l->setGeometry(8, 8, 169, 17);
    l->setAlignment(Qt::AlignCenter);
    QPalette p = l->palette();
    p.setColor(QPalette::WindowText, Qt::white);
    l->setPalette(p);
    return l;
}

QLabel* MakePicture(QWidget* panel, const char* name) {
    auto* l = new QLabel(panel);
    l->setObjectName(QString::fromLatin1(name));
    l->setGeometry(8, 32, kFaceSize, kFaceSize);
    l->setScaledContents(true);
    return l;
}

QLabel* MakeText(QWidget* panel, const char* text, QRect at, const char* name = nullptr) {
    auto* l = new QLabel(QString::fromUtf8(text), panel);
    if (name) l->setObjectName(QString::fromLatin1(name));
    l->setGeometry(at);
    return l;
}

// The rows beside and below the picture.
constexpr int kRowY[] = {32, 48, 64, 80, 100, 116};
QRect Beside(int row, int x = 80, int width = 100) { return {x, kRowY[row], width, 16}; }
QRect Below(int row, int x = 8, int width = 172) { return {x, kRowY[row], width, 16}; }

// A caption beside the picture and its named value after it (returned).
QLabel* BesideRow(QWidget* panel, int row, const char* caption, const char* name, const char* text = "") {
    MakeText(panel, caption, Beside(row));
    return MakeText(panel, text, Beside(row, 108, 72), name);
}

QPixmap Portrait(const char* file) {
    return QPixmap::fromImage(LoadPicture(QString::fromLatin1(file), QSize(kFaceSize, kFaceSize)));
}

}  // namespace

// ---- click area ----

PersonClickArea::PersonClickArea(QWidget* parent, std::function<void()> onClick)
    : QWidget(parent), onClick_(std::move(onClick)) {}

void PersonClickArea::mousePressEvent(QMouseEvent* e) {
    pressed_ = e->button() == Qt::LeftButton;
    e->accept();
}

void PersonClickArea::mouseReleaseEvent(QMouseEvent* e) {
    const bool click = pressed_ && e->button() == Qt::LeftButton && rect().contains(e->position().toPoint());
    pressed_ = false;
    e->accept();
    if (click && onClick_) onClick_();
}

// ---- the window ----

PersonPopupDialog::PersonPopupDialog(GameState& g) : ModalDialog(g) {
    setObjectName("Form8");
    setFixedSize(kClientWidth, kClientHeight);
    setAutoFillBackground(true);

    auto makeBar = [this](QWidget* panel, int j, QPoint at) {
        Shape10[j] = new QFrame(panel);
        Shape10[j]->setObjectName(QStringLiteral("Shape10_%1").arg(j));
        Shape10[j]->setFrameShape(QFrame::Box);
        Shape10[j]->setLineWidth(1);
        Shape10[j]->setGeometry(at.x(), at.y(), kBarFrameWidth, kBarHeight);
        Shape[j] = new QFrame(panel);
        Shape[j]->setObjectName(QStringLiteral("Shape_%1").arg(j));
        Shape[j]->setAutoFillBackground(true);
        QPalette p = Shape[j]->palette();
        p.setColor(QPalette::Window, Qt::red);
        Shape[j]->setPalette(p);
        Shape[j]->setGeometry(at.x(), at.y(), 0, kBarHeight);
    };
    // A gauge below the picture: the caption, bar j in its frame from
    // `barX`, and the named value from 64 pixels after the bar's start to
    // the right edge of the texts (returned).
    auto gaugeRow = [&makeBar](QWidget* panel, int row, const char* caption, int j, int barX, const char* name) {
        MakeText(panel, caption, Below(row));
        makeBar(panel, j, QPoint(barX, kRowY[row] + 4));
        return MakeText(panel, "", Below(row, barX + 64, 180 - (barX + 64)), name);
    };
    auto clickArea = [this](QWidget* panel, int i) {
        Image4[i] = new PersonClickArea(panel, [this, i] { Image4_Click(i); });
        Image4[i]->setObjectName(QStringLiteral("Image4_%1").arg(i));
        Image4[i]->setGeometry(0, 0, 313, 241);  // 4695 x 3615 twips: the whole panel
    };

    // Customer.
    QFrame* p = Picture[0] = MakePanel(this, "Picture1", kShortPanelHeight);
    Shape1[0] = MakeHeadingBar(p, 0);
    MakeHeadingText(p, "== 顾客的信息 ==");
    Image1[0] = MakePicture(p, "Image1_0");
    Label[0] = BesideRow(p, 0, "姓名", "Label_0");
    Label[1] = BesideRow(p, 1, "年龄", "Label_1");
    MakeText(p, "喜欢的书", Beside(2));
    Label[2] = MakeText(p, "", Beside(3, 88, 92), "Label_2");
    MakeText(p, "来店铺的次数", Below(4));
    Label[4] = MakeText(p, "", Below(4, 84, 96), "Label_4");
    Label[3] = gaugeRow(p, 5, "满足度", 0, 48, "Label_3");
    clickArea(p, 0);

    // Cleaning contractor.
    p = Picture[1] = MakePanel(this, "Picture2", kTallPanelHeight);
    Shape1[1] = MakeHeadingBar(p, 1);
    MakeHeadingText(p, "== 清扫人员的信息 ==");
    Image3 = MakePicture(p, "Image3");
    Image3->setPixmap(Portrait("Graphic/Forms/Form8_Image3.png"));
    Label[5] = BesideRow(p, 0, "姓名", "Label_5");
    Label[6] = BesideRow(p, 1, "年龄", "Label_6");
    Label[7] = MakeText(p, "", Beside(2), "Label_7");
    clickArea(p, 1);

    // Clerk.
    p = Picture[2] = MakePanel(this, "Picture3", kShortPanelHeight);
    Shape1[2] = MakeHeadingBar(p, 2);
    MakeHeadingText(p, "== 店员的信息 ==");
    Image7 = MakePicture(p, "Image7");
    Image10 = new PersonClickArea(p, [this] { Image10_Click(); });
    Image10->setObjectName("Image10");
    Image10->setGeometry(Image7->geometry());
    Label[8] = BesideRow(p, 0, "姓名", "Label_8");
    Label[10] = BesideRow(p, 1, "年龄", "Label_10");
    Label[11] = BesideRow(p, 2, "薪资", "Label_11");
    KLabel[0] = gaugeRow(p, 4, "气力", 5, 40, "KLabel_0");
    TLabel[0] = gaugeRow(p, 5, "能力", 1, 40, "TLabel_0");
    clickArea(p, 2);

    // Robber: the click area lies under the texts and the portrait, so only
    // a click on the empty part of the panel closes it.
    p = Picture[3] = MakePanel(this, "Picture4", kTallPanelHeight);
    Shape1[3] = MakeHeadingBar(p, 3);
    clickArea(p, 3);
    MakeHeadingText(p, "== 强盗 ==");
    Image2 = MakePicture(p, "Image2");
    Image2->setPixmap(Portrait("Graphic/Forms/Form8_Image2.png"));
    Label[13] = BesideRow(p, 0, "姓名", "Label_13", "迷");
    Label[12] = BesideRow(p, 1, "年龄", "Label_12", "??岁");
    Label[9] = MakeText(p, "遇到强盗!!", Beside(2), "Label_9");

    Form_Load();
}

void PersonPopupDialog::Form_Load() {
    // Centring and holding the clock happen as the dialog shows.
    GameState& g = game();
    const PersonPopupView v = PersonPopup(g);
    if (!v.shown) {
        // Nobody to show: the window closes as soon as it is up.
        QMetaObject::invokeMethod(this, &QDialog::reject, Qt::QueuedConnection);
        return;
    }
    setWindowTitle(QString::fromStdString(v.caption));
    auto text = [](const std::string& s) { return QString::fromStdString(s); };
    auto face = [&v] {
        const QString file = QString::fromStdString(FacePictureFile(v.face));
        return QPixmap::fromImage(LoadPicture(file, QSize(kFaceSize, kFaceSize)));
    };
    auto bar = [this](int j, const Value& value) {
        Shape[j]->resize(GaugeBarWidth(value, Shape10[j]->width()), kBarHeight);
    };

    switch (v.mode) {
    case PersonPopupMode::Customer:
        ShowPanel(0);
        Image1[0]->setPixmap(face());
        Label[0]->setText(text(v.name));
        Label[1]->setText(text(v.age));
        Label[2]->setText(text(v.taste));
        Label[3]->setText(text(v.satisfaction));
        Label[4]->setText(text(v.visits));
        bar(0, v.satisfactionValue);
        break;
    case PersonPopupMode::CleaningContractor:
        ShowPanel(1);
        Label[5]->setText(text(v.name));
        Label[6]->setText(text(v.age));
        Label[7]->setText(text(v.note));
        break;
    case PersonPopupMode::Clerk:
        ShowPanel(2);
        Label[8]->setText(text(v.name));
        Label[10]->setText(text(v.age));
        Label[11]->setText(text(v.salary));
        KLabel[0]->setText(text(v.energy));
        bar(5, v.energyValue);
        TLabel[0]->setText(text(v.ability));
        bar(1, v.abilityValue);
        Image7->setPixmap(face());
        break;
    case PersonPopupMode::Robber:
        ShowPanel(3);
        break;
    }
}

void PersonPopupDialog::ShowPanel(int index) {
    shown_ = index;
    Picture[index]->move(0, 0);
    Picture[index]->show();
}

void PersonPopupDialog::Image4_Click(int) { reject(); }
void PersonPopupDialog::Image10_Click() { reject(); }
void PersonPopupDialog::KLabel_Click(int) { reject(); }
