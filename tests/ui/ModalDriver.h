#pragma once
// Driving modal windows from a window test: the test arms an action, then
// opens the window; the action runs inside the window's own event loop.
#include <gtest/gtest.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <QWidget>
#include <functional>

// Runs `act` on the modal window once it is up; gives up after five seconds
// so a stuck test fails rather than hangs.
inline void WhenModal(std::function<void(QWidget*)> act) {
    auto* poll = new QTimer;
    auto* waited = new QElapsedTimer;
    waited->start();
    QObject::connect(poll, &QTimer::timeout, [poll, waited, act] {
        QWidget* w = QApplication::activeModalWidget();
        if (!w && waited->elapsed() < 5000) return;
        poll->stop();
        poll->deleteLater();
        delete waited;
        if (!w) {
            ADD_FAILURE() << "no modal window appeared";
            return;
        }
        act(w);
    });
    poll->start(10);
}
