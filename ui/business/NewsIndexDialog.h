#pragma once
// "业界新闻": the index of the current weekly issue. Its titles are links
// (with their own pointer over them) to the headline, the industry column,
// the shop of the month and the two top-10 lists, each opened over the
// index; the game stands still until "关闭".
#include <array>

#include "ui/kit/ModalDialog.h"

struct GameState;

class ClickLabel;
class QFrame;
class QLabel;
class QPushButton;

class NewsIndexDialog : public ModalDialog {
    Q_OBJECT
public:
    explicit NewsIndexDialog(GameState& g);

    void Form_Load();
    void Label7_Click();
    void Label6_Click();
    void Label5_Click();
    void Label4_Click();
    void Label2_Click();
    void Command1_Click();

    std::array<QFrame*, 1> Shape1{};  // the heading band
    QLabel* Label3 = nullptr;         // "== 业界新闻 =="
    QLabel* Picture1 = nullptr;       // the masthead
    QLabel* Label8 = nullptr;         // the issue line
    QLabel* Label1 = nullptr;         // "请点击想阅读的标题"
    ClickLabel* Label7 = nullptr;     // the headline's title
    ClickLabel* Label6 = nullptr;     // "最近的业界"
    ClickLabel* Label5 = nullptr;     // "本月的店铺"
    ClickLabel* Label4 = nullptr;     // "杂志TOP10"
    ClickLabel* Label2 = nullptr;     // "书籍TOP10"
    QPushButton* Command1 = nullptr;  // "关闭"
};
