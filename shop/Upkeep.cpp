#include "shop/Upkeep.h"

#include "platform/Platform.h"
#include "state/FormatMoney.h"
#include "state/Ledger.h"

namespace {

// Proofing gains 2, 4 or 6 points, equally likely: (draw + 1) x 2.
constexpr int kProofingGainChoices = 3;
constexpr int kProofingGainStep = 2;

bool Ask(const GameState& g, const char* question) {
    return Ui().MessageBox(question, MsgStyle::Question, QuestionTitleFor(g.GameTitle.asText())) == MsgAnswer::Yes;
}

}  // namespace

const CleaningGradeRow* CleaningGradeOf(const Value& grade) {
    for (const CleaningGradeRow& r : kCleaningGrades)
        if (grade.is(r.grade)) return &r;
    return nullptr;
}

int AutoCleanThreshold(const Value& autoCleanLevel) {
    for (const AutoCleanThresholdRow& r : kAutoCleanThresholds)
        if (autoCleanLevel.is(r.level)) return r.dirt;
    return -1;
}

void OrderCleaning(GameState& g, const Value& grade) {
    g.CleaningOrdered = 1;
    const CleaningGradeRow* row = CleaningGradeOf(grade);
    if (!row) return;
    g.CleaningStrength = row->strength;
    AddMoney(g, -row->price, OtherCategory, 0);
}

void OrderAutomaticCleaning(GameState& g) {
    if (g.ShopOpen.asInt() != 1 || g.ClerkCount.asReal() == 0) return;
    if (g.CleaningOrdered.asInt() == 1) return;
    const int threshold = AutoCleanThreshold(g.AutoCleanLevel);
    if (threshold < 0 || g.Dirtiness.asReal() < threshold) return;
    OrderCleaning(g, g.CleaningMethod);
}

UpkeepCosts UpkeepCostRows(const GameState& g, int price) {
    const std::int64_t funds = g.Funds.asInt();
    return {FormatMoney(funds) + "円", FormatMoney(price) + "円", FormatMoney(funds - price) + "円"};
}

std::string QuakeResistanceText(const GameState& g) { return g.QuakeResistance.asText() + "/100"; }

bool ProofAgainstQuakes(GameState& g) {
    if (g.QuakeResistance.asReal() >= kQuakeResistanceMax) return false;
    const int gain = (g.RndInt(kProofingGainChoices) + 1) * kProofingGainStep;
    const double raised = g.QuakeResistance.asReal() + gain;
    if (raised >= kQuakeResistanceMax)
        g.QuakeResistance = kQuakeResistanceMax;
    else if (g.QuakeResistance.isReal())
        g.QuakeResistance = raised;
    else
        g.QuakeResistance = g.QuakeResistance.asInt() + gain;
    AddMoney(g, -kProofingPrice, OtherCategory, 0);
    return true;
}

void ConfirmQuakeProofing(GameState& g) {
    if (Ask(g, kProofingQuestion)) ProofAgainstQuakes(g);
}

bool ConfirmCleaningOrder(GameState& g, int grade) {
    if (g.Hour.asReal() == g.ClosingHour.asReal()) {
        Ui().MessageBox(kClosingHourCleaningText, MsgStyle::Information, g.GameTitle.asText());
        return false;
    }
    if (Ask(g, kCleaningQuestion)) OrderCleaning(g, Value(grade));
    return true;
}
