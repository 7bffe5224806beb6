// The help page (Book.html) that the help command opens at its contents:
// what the game is, how to begin, the menus and the toolbar, saving and
// loading. The toolbar's faces are shown beside their descriptions, read
// from the pictures drawn into Graphic/Toolbar.
#include <QFile>
#include <QString>
#include <cstdio>

#include "tools/assets/Assets.h"

namespace {

struct Section {
    const char* anchor;
    const char* title;
    const char* body;  // HTML
};

// One row of the toolbar table: the button, what it does, in toolbar order.
struct ToolRow {
    const char* button;
    const char* text;
};
const ToolRow kToolbar[] = {
    {"BSave", "保存游戏。"},
    {"BLoad", "读取以前保存的游戏。"},
    {"BZassi", "选择进货的杂志，决定每期进多少本。"},
    {"BSyoseki", "进货书籍：订购想在店里卖的书。"},
    {"BSouzi", "清扫店铺：请清洁人员来打扫。"},
    {"BInT", "雇用店员（小型店铺一名，中型和大型店铺最多两名）。"},
    {"BOutT", "解雇雇用的店员（只能在打烊后进行）。"},
    {"BOutT2", "店员的设定：自动清扫的时机和方法、调整薪资。"},
    {"BTaishin", "进行店铺的抗震施工，提高抗震度。"},
    {"BKakudai", "扩大店铺的规模。"},
    {"BSende", "宣传店铺，提高知名度。"},
    {"BNews", "阅读每周出版的业界新闻。"},
    {"BHuman", "询问顾客对店铺的意见。"},
    {"BNyuuka", "显示杂志的库存。"},
    {"BSZaiko", "显示书籍的库存。"},
    {"BSK", "显示杂志和书籍的进货时间表。"},
    {"BNyuuka2", "显示店铺收支的图表。"},
    {"BSZaiko2", "显示书籍销售量的图表。"},
    {"BRieki", "显示店铺的收支。"},
    {"BStop", "暂停时间；再按一次继续。暂停时按钮保持按下状态。"},
    {"BHelp", "显示这份帮助。"},
};

const Section kSections[] = {
    {"intro", "游戏简介",
     "<p><b>Quillmart</b> 是一款书店经营模拟游戏。你将成为一家小书店的店长，"
     "用 400万円 的启动资金开始经营：在店里摆放书架和机器，选择要卖的杂志和书籍，"
     "雇用店员，让顾客满意地买书，一步一步把书店做大。</p>"
     "<p>游戏中的日历从电脑的当天日期开始，之后按游戏时间自己前进。书店每天 9 点开门，"
     "21 点打烊。每月底要支付店员的薪资、房租和保险费；每周二会出版一期业界新闻；"
     "每年 3 月、6 月、9 月和 12 月底，你的书店会和其他 14 家书店一起参加书店评选。</p>"},
    {"start", "开始游戏",
     "<ol>"
     "<li>在菜单“菜单”中选择“开始新游戏”。</li>"
     "<li>输入书店的名称（最多 16 个字），按“确定”。</li>"
     "<li>场景窗口和店铺信息窗口打开，时间开始走动。</li>"
     "</ol>"
     "<p>刚开始时店里什么都没有。建议先这样做：</p>"
     "<ol>"
     "<li>用“雇用店员”雇一名店员——没有店员，顾客是不会来的。</li>"
     "<li>在场景窗口中点击地板上的空位，放上书架。</li>"
     "<li>用“杂志进货”和“书籍进货”准备要卖的商品。</li>"
     "<li>在收银台的位置买一台收银机，结账会快很多。</li>"
     "</ol>"},
    {"screen", "游戏画面",
     "<p><b>场景窗口</b>显示书店的地板。地板上带边框的方块是可以摆放书架或机器的空位；"
     "柜台上有收银台的位置（橙色）和服务设施的位置（绿色）。"
     "窗口比店铺小时，可以用滚动条移动画面。白天和夜晚的画面不同，早上 6 点和傍晚 6 点切换。</p>"
     "<ul>"
     "<li>点击空位：选择要摆放的书架或机器。</li>"
     "<li>点击已经摆放的设施：查看它的信息，也可以撤去。</li>"
     "<li>点击收银台或服务设施的位置：购买、查看或撤去收银机和服务设施。</li>"
     "<li>点击人物：查看顾客、店员、清洁人员等人的信息。</li>"
     "</ul>"
     "<p><b>店铺信息窗口</b>显示书店名称、资金、日期时间、星级、售出数、顾客数、脏乱度和抗震度等。"
     "<b>状态栏</b>（窗口最下面）显示最新的消息，鼠标移到工具栏按钮上时也会显示按钮的说明。</p>"},
    {"manage", "经营书店",
     "<ul>"
     "<li><b>书架和机器</b>：书架越多，能摆的书越多。自动贩卖机、抓娃娃机等机器也能带来收入和人气。"
     "星级越高，能买的设施种类越多。</li>"
     "<li><b>店员</b>：小型店铺只能雇用一名，扩大到中型或大型后最多可以雇用两名。店员在营业时间站在收银台结账。"
     "每月底支付薪资；薪资太低，店员会有怨言。</li>"
     "<li><b>进货</b>：杂志按期进货，书籍可以订购。卖得好的商品要多进一些。</li>"
     "<li><b>清洁</b>：店铺会慢慢变脏，太脏会让顾客不满。可以随时请人清扫，也可以在店员设定中让店员自动安排。</li>"
     "<li><b>服务与对策</b>：在“经营方针”里决定服务内容和站读对策，还可以购买保险。</li>"
     "<li><b>资金</b>：钱不够时可以去银行借款（平日上午 9 点到下午 5 点营业）。</li>"
     "<li><b>意外</b>：打烊后可能发生火灾或地震，营业时可能遇到抢劫。抗震施工和保险能减少损失；"
     "发生火灾时可以叫消防车（费用 50万円）。</li>"
     "<li><b>扩大店铺</b>：店铺有小、中、大三种规模。扩大到中型需要 500万円，扩大到大型需要 1000万円。"
     "扩大后会多出侧门和更多的空位。</li>"
     "</ul>"},
    {"menu", "菜单",
     "<h3>菜单</h3>"
     "<ul><li>开始新游戏——开始一个新的游戏（正在进行的游戏不会保存）。</li>"
     "<li>保存游戏 / 读取游戏——见<a href=\"#save\">保存与读取</a>。</li>"
     "<li>结束游戏——确认后结束程序，不会自动保存。</li></ul>"
     "<h3>行动</h3>"
     "<ul><li>进货调整：杂志进货、书籍进货。</li>"
     "<li>店员管理：雇用店员、解雇店员、店员设定。</li>"
     "<li>经营方针：服务内容、站读对策、购买保险。</li>"
     "<li>清扫店铺、宣传店铺、前往银行、抗震施工、叫消防车、扩大规模。</li>"
     "<li>购买宝物——目前不能使用。</li></ul>"
     "<h3>信息</h3>"
     "<ul><li>库存：杂志库存、数据库存（书籍的库存）。</li>"
     "<li>图表：店铺收支图表、书销售量图表。</li>"
     "<li>顾客的意见、阅读业界新闻、进货时间表、店员信息、店铺收支、店铺信息、店铺详细信息。</li></ul>"
     "<p>库存、图表、进货时间表、店员信息、店铺收支和店铺信息的窗口可以一边开着一边继续游戏；"
     "再选一次同一个项目，窗口会最小化或回到前面。</p>"
     "<h3>窗口</h3>"
     "<ul><li>场景窗口——重新显示场景窗口。</li>"
     "<li>切换窗口——列出打开的窗口，选择要显示的一个。</li></ul>"
     "<h3>设定</h3>"
     "<ul><li>设定音效：开 / 关。</li>"
     "<li>设定壁纸：标题、花纹、无。</li>"
     "<li>设定——月底报告等窗口自动关闭的速度、是否手动关闭、是否显示店员消息。</li>"
     "<li>游戏速度——调整时间前进的快慢（0 为停止）。</li></ul>"
     "<h3>帮助</h3>"
     "<ul><li>帮助——显示这份帮助。</li>"
     "<li>版本信息——显示游戏的版本。</li></ul>"
     "<p>在开始游戏或读取游戏之前，只能使用“菜单”和“帮助”。</p>"},
    {"toolbar", "工具栏按钮", nullptr},  // the table is built from kToolbar
    {"save", "保存与读取",
     "<p>选择“保存游戏”（或工具栏的保存按钮），在文件对话框中输入文件名即可保存。"
     "默认的文件名是 <code>Game.qmt</code>。保存的内容包括资金、日历、店里的设施、店员、库存，"
     "以及音效、速度等设定。</p>"
     "<p>选择“读取游戏”（或工具栏的读取按钮），选中以前保存的文件，游戏会从保存时的状态继续。"
     "读取后游戏以不暂停的状态开始。</p>"
     "<p>注意：“开始新游戏”、“读取游戏”和“结束游戏”都不会自动保存正在进行的游戏。</p>"},
    {"end", "游戏结束",
     "<p>出现以下情况时游戏结束，回到标题画面：</p>"
     "<ul><li>资金变成负数。</li>"
     "<li>在书店评选中得到最差奖。</li>"
     "<li>遭遇抢劫时拒绝付钱，店长遇害。</li></ul>"},
    {"tips", "小提示",
     "<ul><li>对话框打开时，游戏时间会停止。</li>"
     "<li>顾客的意见和业界新闻里常常有经营的线索。</li>"
     "<li>打烊后店里没人时，时间会走得比较快。</li>"
     "<li>想慢慢思考时，按工具栏的暂停按钮。</li></ul>"},
};

QString ToolbarTable() {
    QString html = QStringLiteral("<p>游戏进行中，菜单下方会出现工具栏。把鼠标移到按钮上，状态栏会显示它的说明。</p>"
                                  "<table border=\"1\" cellspacing=\"0\" cellpadding=\"4\">");
    for (const ToolRow& r : kToolbar)
        html += QStringLiteral("<tr><td><img src=\"Graphic/Toolbar/%1_1.png\" width=\"23\" height=\"22\"></td>"
                               "<td>%2</td></tr>")
                    .arg(QString::fromLatin1(r.button), QString::fromUtf8(r.text));
    html += QStringLiteral("</table>");
    return html;
}

QString Page() {
    QString html = QStringLiteral(
        "<!DOCTYPE html>\n<html lang=\"zh-CN\"><head><meta charset=\"utf-8\">"
        "<title>Quillmart 帮助</title>"
        "<style>body{font-family:'Noto Sans CJK SC',sans-serif;} h1{color:#6a1a1e;} h2{color:#3a4a6a;}"
        " .back{font-size:small;}</style></head><body>\n"
        "<a name=\"contents\"></a><h1>Quillmart 帮助</h1>\n<h2>目录</h2>\n<ol>\n");
    for (const Section& s : kSections)
        html += QStringLiteral("<li><a href=\"#%1\">%2</a></li>\n")
                    .arg(QString::fromLatin1(s.anchor), QString::fromUtf8(s.title));
    html += QStringLiteral("</ol>\n<hr>\n");
    for (const Section& s : kSections) {
        html += QStringLiteral("<a name=\"%1\"></a><h2>%2</h2>\n")
                    .arg(QString::fromLatin1(s.anchor), QString::fromUtf8(s.title));
        html += s.body ? QString::fromUtf8(s.body) : ToolbarTable();
        html += QStringLiteral("\n<p class=\"back\"><a href=\"#contents\">返回目录</a></p>\n");
    }
    html += QStringLiteral("</body></html>\n");
    return html;
}

}  // namespace

bool MakeHelp(const QDir& out) {
    QFile f(out.filePath(QStringLiteral("Book.html")));
    const QByteArray bytes = Page().toUtf8();
    if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size()) {
        std::fprintf(stderr, "qmassets: cannot write Book.html\n");
        return false;
    }
    return true;
}
