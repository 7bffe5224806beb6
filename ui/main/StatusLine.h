#pragma once
// The status bar's text, drawn as a label draws it. Its size does not depend
// on the text, so a new text repaints the line and lays out nothing again;
// it paints its own background, so the bar and the window behind it are not
// painted with it. At the top speed the text changes several times a second
// (each sale, then the blank after it), and more often than it is painted:
// a new text repaints only the columns the old text covered and the new one
// can cover, the sum of its characters' advances; it is laid out only when
// painted, and the few texts that come back (a sale of one book of a price,
// the clerks' notices) are laid out once.
#include <QHash>
#include <QStaticText>
#include <QString>
#include <QWidget>
#include <unordered_map>

class StatusLine : public QWidget {
public:
    explicit StatusLine(QWidget* parent = nullptr);
    const QString& text() const { return text_; }
    void setText(const QString& text);
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void paintEvent(QPaintEvent* e) override;
    void changeEvent(QEvent* e) override;

private:
    int Advance(QChar c);
    const QStaticText& LaidOut(const QString& text);
    QString text_;
    QHash<QString, QStaticText> laidOut_;  // the texts painted lately
    std::unordered_map<char16_t, int> advances_;  // of the characters met, in the line's font
    int paintedRight_ = 0;  // left of it lies all the text on the screen
};
