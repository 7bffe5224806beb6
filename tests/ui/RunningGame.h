#pragma once
// The fixture of a window test on a running game: the main window, as the
// program has it, with a fresh new game running; every window closed and the
// clock reset afterwards. A test suite adds its own set-up on top.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <memory>

#include "commands/StartNewGame.h"
#include "platform/Platform.h"
#include "ui/platform/WindowRegistry.h"
#include "state/NewGame.h"
#include "ui/main/MainWindow.h"

class RunningGameTest : public ::testing::Test {
protected:
    void SetUp() override {
        main = std::make_unique<MainWindow>();
        StartNewGame(game(), "测试书店", NewGameStart{});
        main->EnterRunningState();
    }
    void TearDown() override {
        UnloadAllForms();
        QCoreApplication::processEvents();
        main.reset();
        Ui().ResetClock();
    }
    GameState& game() { return main->game(); }
    std::unique_ptr<MainWindow> main;
};
