// The status line draws its text as a label of the style draws it, and a
// new text repaints only the columns the old text covered or the new one can
// cover.
#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QPaintEvent>
#include <QPainter>
#include <QStyle>
#include <QTest>
#include <QWidget>

#include "ui/main/StatusLine.h"

namespace {

constexpr QSize kLine(540, 17);

// The picture the style's own text drawing gives the line.
QImage StyleLook(const StatusLine& line, const QString& text) {
    QImage image(line.size(), QImage::Format_ARGB32_Premultiplied);
    QPainter p(&image);
    p.setFont(line.font());
    p.fillRect(image.rect(), line.palette().window());
    line.style()->drawItemText(&p, image.rect(), Qt::AlignLeft | Qt::AlignVCenter, line.palette(), true, text,
                               QPalette::WindowText);
    return image;
}

QImage Shown(StatusLine& line) {
    QImage image(line.size(), QImage::Format_ARGB32_Premultiplied);
    line.render(&image);
    return image;
}

// Collects the regions the line is asked to paint.
struct PaintedRegions : QObject {
    QRegion all;
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::Paint) all += static_cast<QPaintEvent*>(e)->region();
        return false;
    }
};

TEST(StatusLine, LooksAsTheStyleDrawsTheText) {
    StatusLine line;
    for (int height : {14, 17, 18, 21, 24})
        for (const char* text : {"卖出杂志3册 +1,240円", "书架装满了。", "Quillmart", ""}) {
            SCOPED_TRACE(testing::Message() << text << " in a line " << height << " high");
            line.resize(kLine.width(), height);
            line.setText(QString::fromUtf8(text));
            EXPECT_EQ(Shown(line), StyleLook(line, QString::fromUtf8(text)));
        }
}

TEST(StatusLine, ANewTextRepaintsOnlyTheColumnsOfTheOldAndTheNew) {
    QWidget window;
    auto* line = new StatusLine(&window);
    line->setGeometry(QRect(QPoint(0, 0), kLine));
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    PaintedRegions painted;
    line->installEventFilter(&painted);

    const QString sale = QString::fromUtf8("卖出书籍12册 +36,800円");
    const int saleWidth = line->fontMetrics().horizontalAdvance(sale);
    line->setText(sale);
    QApplication::processEvents();
    ASSERT_FALSE(painted.all.isEmpty());
    EXPECT_GE(painted.all.boundingRect().right(), saleWidth - 1) << "the whole text is painted";
    EXPECT_LT(painted.all.boundingRect().width(), kLine.width() / 2);

    // The blank after it clears what the sale covered, and no more.
    painted.all = QRegion();
    line->setText(QString());
    QApplication::processEvents();
    EXPECT_GE(painted.all.boundingRect().right(), saleWidth - 1);
    EXPECT_LT(painted.all.boundingRect().width(), kLine.width() / 2);
    EXPECT_EQ(Shown(*line), StyleLook(*line, QString()));
}

}  // namespace
