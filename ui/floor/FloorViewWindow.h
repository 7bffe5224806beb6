#pragma once
// FloorViewWindow, the floor view "场景窗口": a child window of the main window that
// shows the shop floor of the current shop size and scrolls over it when it
// is smaller than the scene. Its 64 ms timer redraws the floor from the
// sprite pool (see FloorRenderer.h and qt/FloorFrame.h); it also holds the
// floor pictures that LoadShopGraphics and SwitchDayNightSheet change.
#include <QImage>
#include <QPixmap>
#include <QScrollBar>
#include <QString>
#include <QTimer>
#include <QWidget>
#include <array>
#include <cstdint>
#include <vector>

#include "floor/FloorLayout.h"
#include "platform/ClockPace.h"
#include "ui/floor/FloorFrame.h"

class FloorViewWindow;
class FloorTitleIcon;

// The picture box Graphic: shows the presented frame and takes the clicks.
class FloorGraphic : public QWidget {
public:
    explicit FloorGraphic(FloorViewWindow* form);

protected:
    void paintEvent(QPaintEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;

private:
    FloorViewWindow* form_;
};

class FloorViewWindow : public QWidget {
public:
    explicit FloorViewWindow(GameState& g, QWidget* parent = nullptr);
    ~FloorViewWindow() override;

    // ---- handlers ----
    void Form_Load();
    void Form_Resize();
    void Timer1_Timer();
    // What Timer1 runs: the firings due since the last frame (a rest's
    // skipped ones count for the icon alone), then the next frame's time.
    void FrameDue();
    // The game clock ran ticks (it never runs them from here): the frame due
    // now is drawn at once, else the next one shows them.
    void ClockTicked();
    void HScroll1_Change();
    void HScroll1_Scroll();
    void VScroll1_Change();
    void VScroll1_Scroll();
    // Button 1 left, 2 right, 4 middle; X and Y in pixels of the view.
    void Graphic_MouseDown(int Button, int Shift, int X, int Y);
    void Graphic_MouseMove(int Button, int Shift, int X, int Y);

    // ---- what the game routines reach through the floor view hooks ----
    void LoadShopGraphics();
    void SwitchDayNightSheet();

    // ---- for tests ----
    // The files the images hold (relative to the program's folder).
    const QString& Image2File() const { return image2File_; }
    const QString& Image3File() const { return image3File_; }
    const QString& BitMapFile() const { return bitmapFile_; }
    const QImage& BitMapPicture() const { return BitMap; }
    // The frame the window shows now, and how many frames it has drawn.
    const QImage& Presented() const { return screen_; }
    int FramesDrawn() const { return framesDrawn_; }
    // The picture over the title bar that shows the icon (null outside the
    // main window).
    FloorTitleIcon* TitleIcon() const { return titleIcon_; }
    QScrollBar* HScroll1 = nullptr;
    QScrollBar* VScroll1 = nullptr;
    QWidget* Command1 = nullptr;
    FloorGraphic* Graphic = nullptr;
    QTimer Timer1;

protected:
    void resizeEvent(QResizeEvent* e) override;
    void showEvent(QShowEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    bool eventFilter(QObject* o, QEvent* e) override;
    QSize sizeHint() const override;

    GameState& game() const { return game_; }

private:
    friend class FloorGraphic;
    GameState& game_;
    // The MDI sub-window that frames this view, or the view itself when it
    // stands alone.
    QWidget* Frame();
    // Maximised all the same (its frame offers no button for it, but the
    // area can still do it), the view would leave the area beside the scene
    // empty: it takes the largest size its shop size allows (as far as the
    // main window's area goes) and stays a normal window.
    void TakeLargestSize();
    void ApplyLayout(const FloorLayout& layout);
    void LayOutBars();
    void ResizeSurfaces();
    // Stops the timer and takes the hooks back, once the view is closed.
    void Disconnect();
    // Takes icon frame `icon` (-1: none) unless it is shown already;
    // PresentIcon then puts it on the screen, with the floor's paint or alone.
    void ShowIcon(int icon);
    void PresentIcon(bool withFloor);
    void PlanNextFrame();
    void ArmFrameTimer();
    // What the floor's next frame depends on, while the view rests.
    std::vector<std::int64_t> RestKey();
    // Ends a rest once the clock runs again or the floor changed.
    void WakeIfChanged();

    // The floor pictures: Image2 day, Image3 night, BitMap the one shown.
    QImage Image2, Image3, BitMap;
    QString image2File_, image3File_, bitmapFile_;
    FloorSpriteSheets sheets_;             // GraphicM and GraphicC
    std::array<QPixmap, 24> Image1;        // the window icon's frames
    FloorTitleIcon* titleIcon_ = nullptr;  // shows them over the frame's title bar
    QImage composed_;                      // where a shaken frame is drawn (made when one comes)
    QImage screen_;                        // what the window shows
    FloorFrameInputs shownFrame_;          // what screen_ was made of
    int framesDrawn_ = 0;
    // A frame at every start of the frame grid (every 64 ms, ClockPace.h);
    // at rest, the next comes this many starts later.
    static constexpr int kMinimisedRest = 16;
    int restFirings_ = 1;                  // the firings the present wait stands for
    bool resting_ = false;
    std::vector<std::int64_t> restingOn_;
    ClockTime frameStart_{};               // the grid start of the last frame
    ClockTime nextFrame_{};                // the start the timer waits for
    int shownIcon_ = -1;                   // the Image1 frame the window shows
    bool iconPending_ = false;             // taken, not yet on the screen
    bool shown_ = false;
    bool resizing_ = false;
    QSize frameExtra_;                     // the frame's share of the outer size
};
