#pragma once
// Turning the mouse wheel over a control, as the player does (a turn that
// the control leaves goes on to the widgets it lies on): `notches` turns
// towards the player (down the list) when negative, away when positive.
#include <QApplication>
#include <QSpontaneKeyEvent>
#include <QWheelEvent>
#include <QWidget>

inline void TurnWheel(QWidget* over, int notches) {
    const QPointF at(over->rect().center());
    QWheelEvent turn(at, over->mapToGlobal(at), QPoint(), QPoint(0, 120 * notches), Qt::NoButton, Qt::NoModifier,
                     Qt::NoScrollPhase, false);
    QSpontaneKeyEvent::setSpontaneous(&turn);  // as it comes from the mouse
    qApp->notify(over, &turn);
}
