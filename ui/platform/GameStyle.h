#pragma once
// The game's widget style: Fusion, with the frames of group boxes drawn the
// classic way. The frame's caption stands on the frame's top line, which
// runs through the middle of the caption's band, and the frame's inside
// begins below that band. The windows place the controls inside their
// frames for such frames; with the caption above the line, as Fusion draws
// it, the line would run through their first row.
#include <QProxyStyle>

class GameStyle : public QProxyStyle {
public:
    GameStyle();

    QRect subControlRect(ComplexControl control, const QStyleOptionComplex* option, SubControl part,
                         const QWidget* widget = nullptr) const override;
    void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option, QPainter* painter,
                            const QWidget* widget = nullptr) const override;
};
