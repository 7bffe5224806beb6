#pragma once
// A platform without windows: every message box is recorded and answered
// from a script (then by its plain default), for tests and the headless tool.
#include <deque>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "platform/Platform.h"

class HeadlessPlatform : public Platform {
public:
    struct Shown {
        std::string text;
        MsgStyle style;
        std::string title;
    };

    MsgAnswer MessageBox(const std::string& text, MsgStyle style, const std::string& title) override;
    void PlaySound(const std::string& file) override { sounds.push_back(file); }
    // The next file dialog answers with this path; an empty path cancels.
    bool ChooseOpenFile(std::string& path) override { return Choose(path); }
    bool ChooseSaveFile(std::string& path) override { return Choose(path); }
    void ShowHelp() override { ++helpShown; }
    // Records the window and answers it: with the test's own answer for that
    // window when there is one, else with the window's plain default (OK,
    // close, the first choice) as registered in WindowDefaults.
    bool ShowWindow(int form) override;

    std::map<int, std::function<void()>> windowAnswers;
    std::vector<int> windowsShown;

    std::deque<std::string> files;
    std::vector<std::string> sounds;
    int helpShown = 0;

    // Answers for the next boxes, in order; an empty script answers Yes to a
    // question and OK to anything else.
    std::deque<MsgAnswer> answers;
    std::vector<Shown> shown;
    // Called for every box shown (the headless tool prints them).
    std::function<void(const Shown&)> onShow;

private:
    bool Choose(std::string& path) {
        if (files.empty()) return false;
        path = files.front();
        files.pop_front();
        return !path.empty();
    }
};

// Installs a platform for the lifetime of the object (tests).
class ScopedPlatform {
public:
    explicit ScopedPlatform(Platform& p);
    ~ScopedPlatform();
    ScopedPlatform(const ScopedPlatform&) = delete;
    ScopedPlatform& operator=(const ScopedPlatform&) = delete;

private:
    Platform* previous_;
};
