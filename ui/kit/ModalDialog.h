#pragma once
// The behaviour every modal dialog of the game shares: it carries the game's
// icon, centres itself on the main window (on the screen when the main
// window is minimised), becomes the active window and holds the game clock
// from opening to closing. A dialog opened by another dialog holds it too;
// the holds are counted, so the clock runs again only when the last one
// closes. A dialog may do without a close box, so that only its own buttons
// close it.
#include <QDialog>

struct GameState;

class ModalDialog : public QDialog {
    Q_OBJECT
public:
    explicit ModalDialog(GameState& g, QWidget* parent = nullptr);
    ~ModalDialog() override;

    // The game this dialog shows and changes.
    GameState& game() const { return game_; }

    // The frame asks the window manager for no close button and no Close
    // command, and Escape or a close request that comes all the same leaves
    // the dialog up: only its own buttons close it (and closing every
    // window, as a game over does). Called before the dialog first shows.
    void RefuseCloseBox();
    bool closeBoxRefused() const { return closeRefused_; }

protected:
    void showEvent(QShowEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void done(int r) override;
    // The dialog's own closing step (Form_Unload); runs once, before the
    // clock is released.
    virtual void Form_Unload() {}

private:
    void releaseOnce();
    GameState& game_;
    bool closeRefused_ = false;
    bool holding_ = false;
    bool centred_ = false;
    bool unloading_ = false;
};
