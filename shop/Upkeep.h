#pragma once
// Keeping the shop clean and standing: cleaning orders (from the cleaning
// dialog, and the clerks' automatic cleaning at every hour change) and
// earthquake proofing. An order only calls the cleaner; the cleaner's own
// routine takes the dirt off when it mops (sim/Cleaner.h). Every charge is
// an "other" expense, made whatever the funds.
#include <string>

#include "state/GameState.h"

// The cleaning methods (CleaningMethod, the same codes the clerks' settings
// store): the option's caption, the price and how much dirt one cleaning
// removes.
struct CleaningGradeRow {
    int grade;
    const char* caption;
    int price;
    int strength;
};
inline constexpr CleaningGradeRow kCleaningGrades[] = {
    {1, "简单", 50'000, 30},
    {2, "一般", 100'000, 60},
    {3, "仔细", 200'000, 100},
};
// The method the cleaning dialog offers first.
inline constexpr int kPreselectedCleaningGrade = 2;
// The row of a method, or null for any other value.
const CleaningGradeRow* CleaningGradeOf(const Value& grade);

// AutoCleanLevel 1..4: the dirt at which the clerks order a cleaning
// (level 0 never does).
struct AutoCleanThresholdRow {
    int level;
    int dirt;
};
inline constexpr AutoCleanThresholdRow kAutoCleanThresholds[] = {
    {1, 80},
    {2, 60},
    {3, 40},
    {4, 20},
};
// The threshold of a level, or -1 when the level orders nothing.
int AutoCleanThreshold(const Value& autoCleanLevel);

// Orders a cleaning: CleaningOrdered 1, and for a known method its strength
// and its price charged. Any other method value orders a cleaning that
// removes nothing and costs nothing.
void OrderCleaning(GameState& g, const Value& grade);

// The clerks' automatic cleaning, at every hour change after the opening
// test: while the shop is open, a clerk is employed and no cleaning is on
// its way, a shop as dirty as the clerks' threshold gets a cleaning of the
// clerks' method. (A cleaning already ordered is not ordered and paid for
// again: the cleaner would come only once.)
void OrderAutomaticCleaning(GameState& g);

// ---- the upkeep dialog ----

// UpkeepDialogMode: what the shared upkeep dialog does.
enum UpkeepMode { UpkeepQuakeProofing = 0, UpkeepCleaning = 1 };

inline constexpr const char* kProofingCaption = "抗震施工";
inline constexpr const char* kProofingHeading = "== 进行抗震施工 ==";
inline constexpr const char* kProofingQuestion = "要进行抗震施工吗？";
inline constexpr const char* kCleaningCaption = "清扫店铺。";
inline constexpr const char* kCleaningHeading = "== 进行清扫 ==";
inline constexpr const char* kCleaningQuestion = "要进行清扫吗？";
inline constexpr const char* kClosingHourCleaningText = "现在打烊的时间快临近了，所以请明天再做清扫吧。";

inline constexpr int kProofingPrice = 100'000;
inline constexpr int kQuakeResistanceMax = 100;

// The three rows of the costs frame: the funds now, the price, what is left.
struct UpkeepCosts {
    std::string funds, price, balance;
};
UpkeepCosts UpkeepCostRows(const GameState& g, int price);

// The proofing gauge as the dialog shows it: "36/100".
std::string QuakeResistanceText(const GameState& g);

// Proofing at full resistance does nothing and charges nothing (false).
// Otherwise QuakeResistance rises by 2, 4 or 6 (one draw), never above 100,
// and the full price is charged even when the ceiling cuts the gain.
bool ProofAgainstQuakes(GameState& g);

// "进行施工": asks, and on Yes proofs. The dialog closes afterwards either way.
void ConfirmQuakeProofing(GameState& g);

// "进行清扫" with method `grade` chosen. In the shop's closing hour it refuses
// with a message and the dialog stays open (false). Otherwise it asks, on
// Yes orders the cleaning, and the dialog closes (true).
bool ConfirmCleaningOrder(GameState& g, int grade);
