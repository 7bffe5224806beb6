#pragma once
// Driving modal windows and message boxes from a window test: the test arms
// an action, then opens the window; the action runs inside the window's own
// event loop.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <memory>
#include <vector>

#include "ui/platform/WindowRegistry.h"

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

// Runs `act` on the modal window of type F once it is the one up; modal
// windows of other kinds before it are left alone. Gives up after five
// seconds without it, so a stuck test fails rather than hangs.
template <typename F>
void WhenModalOf(std::function<void(F*)> act) {
    auto* poll = new QTimer;
    auto* waited = new QElapsedTimer;
    waited->start();
    QObject::connect(poll, &QTimer::timeout, [poll, waited, act] {
        auto* w = qobject_cast<F*>(QApplication::activeModalWidget());
        if (!(w && w->isVisible()) && waited->elapsed() < 5000) return;
        poll->stop();
        poll->deleteLater();
        delete waited;
        if (!w) {
            ADD_FAILURE() << "the modal window expected never came up";
            return;
        }
        act(w);
    });
    poll->start(10);
}

// What a message box showed.
struct BoxSeen {
    QString text, title;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButton defaultButton = QMessageBox::NoButton;
};

// Answers the next message boxes, in order, with these buttons, as a player
// would, and keeps what each box showed in `seen` (when given). Gives up
// after five seconds without a box.
inline void AnswerBoxes(std::vector<QMessageBox::StandardButton> buttons, std::vector<BoxSeen>* seen = nullptr) {
    auto* poll = new QTimer;
    auto* waited = new QElapsedTimer;
    auto left = std::make_shared<std::vector<QMessageBox::StandardButton>>(std::move(buttons));
    waited->start();
    QObject::connect(poll, &QTimer::timeout, [poll, waited, left, seen] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box && box->isVisible() && !left->empty()) {
            if (seen) {
                QPushButton* def = box->defaultButton();
                seen->push_back({box->text(), box->windowTitle(), box->icon(),
                                 def ? box->standardButton(def) : QMessageBox::NoButton});
            }
            QAbstractButton* b = box->button(left->front());
            left->erase(left->begin());
            if (b)
                b->click();
            else
                ADD_FAILURE() << "the box has no such button: " << box->text().toStdString();
            waited->restart();
        }
        if (!left->empty() && waited->elapsed() < 5000) return;
        if (!left->empty()) ADD_FAILURE() << "no message box appeared";
        poll->stop();
        poll->deleteLater();
        delete waited;
    });
    poll->start(10);
}

// Answers the next file dialog as a player would: chooses `path`, or
// cancels when `path` is empty.
inline void ChooseFile(const std::string& path) {
    WhenModal([path](QWidget* w) {
        auto* dlg = qobject_cast<QFileDialog*>(w);
        if (!dlg) {
            ADD_FAILURE() << "no file dialog";
            w->close();
            return;
        }
        if (path.empty()) {
            dlg->reject();
            return;
        }
        // Typed into the name box, as a player does.
        auto* name = dlg->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        if (!name) {
            ADD_FAILURE() << "the file dialog has no name box";
            dlg->reject();
            return;
        }
        name->setText(QString::fromStdString(path));
        static_cast<QDialog*>(dlg)->accept();  // QFileDialog keeps its own accept protected
    });
}

// Opens a modal window as the tick does, hands it, typed, to `act` once it
// is up, and returns when it has closed. A window still up after five
// seconds is closed and the test fails.
template <typename F>
void WithWindow(Window window, GameState& g, std::function<void(F*)> act) {
    const int number = WindowNumber(window);
    bool seen = false;
    auto* poll = new QTimer;
    auto* waited = new QElapsedTimer;
    waited->start();
    QObject::connect(poll, &QTimer::timeout, [&seen, poll, waited, act] {
        QWidget* w = QApplication::activeModalWidget();
        if (!w && waited->elapsed() < 5000) return;
        poll->stop();
        poll->deleteLater();
        delete waited;
        if (!w) return;
        seen = true;
        auto* f = qobject_cast<F*>(w);
        if (!f) {
            ADD_FAILURE() << "not the expected window";
            w->close();
            return;
        }
        act(f);
    });
    poll->start(10);
    // A safety net against a window that never closes.
    QTimer guard;
    guard.setSingleShot(true);
    QObject::connect(&guard, &QTimer::timeout, [number] {
        if (QWidget* w = QApplication::activeModalWidget()) {
            ADD_FAILURE() << "window " << number << " still open";
            w->close();
        }
    });
    guard.start(6000);
    EXPECT_TRUE(ShowForm(window, g));
    EXPECT_TRUE(seen) << "window " << number << " never came up";
}
