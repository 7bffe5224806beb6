#include "ui/main/NewGameDialog.h"

#include <QFrame>

#include "commands/StartNewGame.h"
#include "platform/Platform.h"
#include "ui/platform/Pictures.h"
#include "state/NewGame.h"
#include "ui/main/MainWindow.h"
#include "ui/platform/WindowRegistry.h"

namespace {

// The credits line shown for the hidden name.
constexpr const char* kCredits = "Quillmart 由我们的小小制作组倾情打造，感谢您的游玩！";

void Information(const GameState& g, const std::string& text) {
    Ui().MessageBox(text, MsgStyle::Information, g.GameTitle.asText());
}

}  // namespace

NewGameDialog::NewGameDialog(GameState& g) : ModalDialog(g) {
    setObjectName("Form3");
    setWindowTitle(QStringLiteral("新的游戏"));
    setFixedSize(200, 145);
    setAutoFillBackground(true);

    auto* shape1 = new QFrame(this);
    shape1->setObjectName("Shape1");
    shape1->setGeometry(8, 8, 185, 17);
    shape1->setAutoFillBackground(true);
    QPalette band = shape1->palette();
    band.setColor(QPalette::Window, QColor(0, 128, 255));
    shape1->setPalette(band);

    auto* label3 = new QLabel(QStringLiteral("== 开始新的游戏 =="), this);
    label3->setObjectName("Label3");
    label3->setGeometry(16, 10, 177, 12);
    QPalette white = label3->palette();
    white.setColor(QPalette::WindowText, Qt::white);
    label3->setPalette(white);

    auto* image1 = new QLabel(this);
    image1->setObjectName("Image1");
    image1->setGeometry(16, 32, 170, 53);
    image1->setPixmap(QPixmap::fromImage(LoadPicture("Graphic/Forms/Form3_Image1.png", QSize(166, 49))));

    auto* label2 = new QLabel(QStringLiteral("书店的名称"), this);
    label2->setObjectName("Label2");
    label2->setGeometry(8, 94, 65, 12);

    Text1 = new QLineEdit(this);
    Text1->setObjectName("Text1");
    Text1->setGeometry(80, 90, 113, 18);
    Text1->setMaxLength(kShopNameMaxChars);

    Command2 = new QPushButton(QStringLiteral("确定"), this);
    Command2->setObjectName("Command2");
    Command2->setGeometry(56, 116, 65, 25);
    Command2->setDefault(true);
    Command1 = new QPushButton(QStringLiteral("取消"), this);
    Command1->setObjectName("Command1");
    Command1->setGeometry(128, 116, 65, 25);
    connect(Command2, &QPushButton::clicked, this, &NewGameDialog::Command2_Click);
    connect(Command1, &QPushButton::clicked, this, &NewGameDialog::Command1_Click);
}

void NewGameDialog::Command1_Click() { reject(); }

void NewGameDialog::Command2_Click() {
    std::string name = Text1->text().toStdString();
    switch (CheckShopName(name)) {
    case NameCheck::Empty:
        Information(game(), "请决定店铺的名字");
        return;
    case NameCheck::HasQuote:
    case NameCheck::NotGbk:
        // The saved game could not hold the name faithfully.
        Information(game(), "书店的名称中不能使用这个字符。");
        return;
    case NameCheck::TooLong:  // the box holds at most 16 characters
    case NameCheck::Ok:
        break;
    }
    if (name == "ViRQoletSa") Information(game(), kCredits);

    GameState& g = game();
    NewGameStart start = NewGameStart::FromSystemClock();
    StartNewGame(g, name, start);
    if (MainWindow* main = MainWindow::Instance()) main->EnterRunningState();
    accept();
    ShowForm(Window::FloorView, g);
    ShowForm(Window::ShopInfo, g);
}
