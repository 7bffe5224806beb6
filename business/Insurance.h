#pragma once
// The shop's three insurances and their payouts. The insurance dialog lets
// the player join or leave each one and shows the monthly total (the
// premiums themselves are charged at the month end); the payout window is
// opened by whatever ended an insured disaster (the robbery paid, the
// earthquake's damage report, the end of a fire) and books the insurance
// money as it opens.
#include <array>
#include <cstdint>
#include <string>

#include "state/GameState.h"

// InsuranceJoined element of each insurance.
enum class InsuranceKind : int { Fire = 0, Earthquake = 1, Damage = 2 };
inline constexpr int kInsuranceKinds = 3;

// PayoutKind: which disaster the payout window pays for.
enum class PayoutCause : int { Robbery = 0, Earthquake = 1, Fire = 2 };

// True when the insurance is joined (an empty flag counts as not joined).
bool InsuranceJoinedFor(const GameState& g, InsuranceKind kind);

// The insurance dialog's choices, by InsuranceKind: true for "参加".
using InsuranceChoices = std::array<bool, kInsuranceKinds>;

// The choices as the dialog opens: the flags as they stand.
InsuranceChoices CurrentInsuranceChoices(const GameState& g);

// The monthly total of the premiums of the insurances chosen.
std::int64_t MonthlyPremiumOf(const InsuranceChoices& chosen);
// The dialog's total line: "  合计保险费用每月" & the total & "円。".
std::string InsuranceTotalText(std::int64_t total);

// "确定": every flag takes the player's choice. Nothing is charged here.
void ConfirmInsurance(GameState& g, const InsuranceChoices& chosen);

// What the payout window pays and says for the PayoutKind it opens with.
struct InsurancePayout {
    std::int64_t amount = 0;
    std::string text;
};
// The payout of PayoutKind; amount 0 and no text for a kind that is none
// of the three.
InsurancePayout PayoutFor(const GameState& g);

// The payout window's opening: books the payout of PayoutKind as income
// (category other) and records the event for the weekly news (a fire keeps
// the fire's own event).
void InsurancePayoutOpened(GameState& g);

// The openers' step: PayoutKind := cause, then the payout window, modal.
void OpenInsurancePayout(GameState& g, PayoutCause cause);
