#pragma once
// Small helpers every window uses: a push button and a label with the
// control name the window's code and tests use, and the game's texts as Qt
// strings.
#include <QString>
#include <string>

class QLabel;
class QPushButton;
class QRect;
class QWidget;

QPushButton* NamedButton(QWidget* parent, const char* name, const QString& text, const QRect& at);
QLabel* NamedLabel(QWidget* parent, const QString& name, const QString& text, const QRect& at,
                   Qt::Alignment align = Qt::AlignLeft | Qt::AlignVCenter);

// Shows `text` in a label of fixed width, in a smaller type when it would
// not fit (a sum of several 亿 in a column made for ten thousands), so the
// figure is never cut.
void SetFittingText(QLabel* label, const QString& text);

// A game text (UTF-8) as a Qt string.
inline QString QText(const std::string& s) { return QString::fromStdString(s); }
// A game text whose lines end in CR LF, as a box shows plain lines.
inline QString QLines(const std::string& crlf) {
    QString s = QText(crlf);
    s.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return s;
}
