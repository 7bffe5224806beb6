#pragma once
// The four campaign dialogs the advertising dialog opens are one design:
// option buttons for the size or the producer, the rows "资金", "费用" and
// "余额", and "确定" / "取消". An option sets the price; "确定" asks the
// campaign's question and, on Yes, books it and closes (the advertising
// dialog closes after it); on No the dialog stays. PostersDialog,
// LeafletsDialog, TvAdvertDialog and PromoFilmDialog say which campaign.
#include <array>
#include <vector>

#include "platform/Window.h"
#include "ui/kit/ModalDialog.h"

struct GameState;
class Value;

class QFrame;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;

class CampaignDialog : public ModalDialog {
    Q_OBJECT
public:
    void Form_Load();
    void Option_Click(int option);
    void Command2_Click();
    void Command1_Click();
    // The chosen option, 1..n.
    int option() const;

    std::array<QFrame*, 1> Shape1{};        // the heading band
    QLabel* Label3 = nullptr;               // the heading
    QGroupBox* Frame1 = nullptr;            // the sizes or the producers
    std::array<QRadioButton*, 7> Option{};  // Option1.. at 1..
    std::array<QLabel*, 3> Label1{};        // "资金", "费用", "余额"
    QLabel* FundsLabel = nullptr;
    QLabel* CostLabel = nullptr;
    QLabel* BalanceLabel = nullptr;
    QPushButton* Command2 = nullptr;  // "确定"
    QPushButton* Command1 = nullptr;  // "取消"

protected:
    // The campaign's game side.
    struct Routines {
        void (*choose)(GameState& g, int option);  // an option click sets the price
        bool (*order)(GameState& g, int option);   // "确定": true when booked
        Value GameState::*cost;                    // the price chosen
    };
    struct Design {
        Window window;
        const char* caption;
        const char* heading;
        const char* frame;
        std::vector<const char*> options;
    };
    CampaignDialog(GameState& g, const Design& design, const Routines& routines);

private:
    void ShowCostRows();
    Routines routines_;
};
