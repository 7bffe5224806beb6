#pragma once
// What the magazine stocking and book ordering dialogs share: the list of
// titles with its scroll bar, the detail panel with the quantity spinner,
// the "全部售出时" frame, the all-titles adjuster and the three command
// buttons, and the handlers that work alike on both catalogues. A dialog
// gives as data where its pieces stand and which game values hold its
// selection and its held arrow, and in a few overrides which catalogue it
// lists and what its detail panel shows.
//
// Construction runs in two steps so that the tab order runs as the player
// knows it: the base makes the list, the panel and the frame; the dialog
// adds its own controls, then calls MakeAdjusterAndCommands and Form_Load.
#include <QPoint>
#include <QTimer>
#include <array>
#include <vector>

#include "stock/OrderList.h"
#include "ui/kit/ModalDialog.h"
#include "ui/stock/OrderSheet.h"

struct GameState;

class QLabel;
class QPushButton;
class QRadioButton;
class QScrollBar;

class OrderDialog : public ModalDialog {
    Q_OBJECT
public:
    struct Setup {
        Window window;  // the adjuster's arrow faces are this window's
        int headingTop;
        std::vector<order_sheet::Heading> headings;
        int listTop;                // the list frame and its scroll bar
        std::vector<int> columnX;   // the sheet's column rules
        bool columnsFollowRows;     // the rules stop below the last title, not below slot 11
        struct Column {
            int x, w;
        } second, cost, price;      // Label4, Label1 and Label3 on the sheet
        int detailTop;
        const char* nameHeading;
        int nameWidth;
        const char* besideName;     // the field right of the name, or nullptr
        const char* allSoldName;    // the "全部售出时" frame's control name
        QPoint allSoldAt;
        const char* adjusterHeading;
        int adjusterTop;
        struct Command {
            int number;             // Command<number>
            const char* caption;
        };
        std::array<Command, 3> commands;  // top to bottom: the top ten, commit, cancel
        Value GameState::*selectedRow;    // SelectedMagazineRow, SelectedBookRow
        Value GameState::*adjustHold;     // MagazineAdjustHold, BookAdjustHold
    };

    void Form_Load();
    void SSCheck1_Click();
    void VScroll1_Change();
    void VScroll2_Change();
    virtual void Command1_Click() = 0;
    virtual void Command2_Click() = 0;
    virtual void Command3_Click() = 0;
    void ButtonU_MouseDown(Qt::MouseButton button);
    void ButtonU_MouseUp();
    void ButtonD_MouseDown(Qt::MouseButton button);
    void ButtonD_MouseUp();
    void Timer1_Timer();

    // The controls (the tests drive them).
    OrderViewport List;  // Picture1 and the sheet Picture2
    std::array<QRadioButton*, 12> SSCheck1{};  // title; selects the row
    std::array<QLabel*, 12> Label4{};          // issue day or genre
    std::array<QLabel*, 12> Label1{};          // wholesale price
    std::array<QLabel*, 12> Label3{};          // retail price
    std::array<QLabel*, 12> Label9{};          // edited quantity
    std::array<QLabel*, 12> Label8{};          // description
    QScrollBar* VScroll1 = nullptr;            // scrolls the list
    QScrollBar* VScroll2 = nullptr;            // spinner: 999 - quantity
    std::array<HoldImage*, 3> ButtonU{};
    std::array<HoldImage*, 3> ButtonD{};
    QTimer Timer1;
    QPushButton* Command1 = nullptr;
    QPushButton* Command2 = nullptr;
    QPushButton* Command3 = nullptr;

    // The number of titles listed.
    int listed() const { return listed_; }

protected:
    OrderDialog(const Setup& setup, GameState& g);
    // The adjuster and the command buttons, after the dialog's own controls.
    void MakeAdjusterAndCommands();

    // Opening: the edits loaded and the list built; the number listed.
    virtual int OpenCatalogue(GameState& g) = 0;
    virtual OrderCatalogue Catalogue(GameState& g) = 0;
    // One step of the all-titles adjuster; false when no arrow is held.
    virtual bool StepAll(GameState& g) = 0;
    // The selected title's own fields of the panel.
    virtual void ShowDetail(int title) = 0;
    // With no title listed, what acts on the selected title is disabled.
    virtual void DisableTitleControls();

    // SelectedMagazineRow or SelectedBookRow from the selected slot; the
    // selected title, or -1.
    int LookUpSelection();
    void Form_Unload() override;

    order_sheet::DetailPanel detail_;
    order_sheet::AllSoldFrame allSold_;

private:
    void ShowTotals(int title);
    void FillRows();
    Setup setup_;
    int listed_ = 0;
};
