#pragma once
// The four campaign dialogs the advertising dialog opens are one design:
// option buttons for the size or the producer, the rows "资金", "费用" and
// "余额", and "确定" / "取消". An option sets the price; "确定" asks the
// campaign's question and, on Yes, books it and closes (the advertising
// dialog closes after it); on No the dialog stays. PostersDialog,
// LeafletsDialog, TvAdvertDialog and PromoFilmDialog say which campaign.
#include <array>

#include "ui/kit/ModalDialog.h"

struct GameState;

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
    // The four campaigns, in the order of the table in the source.
    enum class Campaign { Posters, Leaflets, Tv, Film };
    CampaignDialog(GameState& g, Campaign campaign);

private:
    void ShowCostRows();
    Campaign campaign_;
};
