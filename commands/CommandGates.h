#pragma once
// The commands that a menu item and a toolbar button share. Most are gates:
// each checks whether the command is allowed now, says why not in an
// information box and changes nothing, or else opens the window behind the
// command.
#include "state/GameState.h"

// The refusals, as the player reads them.
inline constexpr const char* kNoMagazinesStockedText = "现在没有进货的杂志。";
inline constexpr const char* kNoBooksInStockText = "现在没有库存书籍。";
inline constexpr const char* kNobodyToHireText = "没有能雇用的人。";
inline constexpr const char* kTwoClerksEmployedText =
    "  能雇用的人数最多为2人，\r想雇用的话请先解雇现有的店员。";
inline constexpr const char* kSmallShopOneClerkText =
    "  现在能雇用的人数为1人，\r想雇用的话请先解雇现有的店员。";
inline constexpr const char* kNoClerkToFireText = "一位店员也没有。";
inline constexpr const char* kNoClerkEmployedText = "没有雇用店员。";
inline constexpr const char* kShopClosedCleaningText = "现在打烊中，请在打烊中营业中清扫。";
inline constexpr const char* kCleaningUnderWayText = "现在正在清扫中。";
inline constexpr const char* kBankHolidayText = "今天是休息日。";
inline constexpr const char* kBankHoursText = "银行的营业时间是从上午9点起到下午5点。";
inline constexpr const char* kNoFireText = "现在没有火灾发生。";
inline constexpr const char* kFireBrigadeQuestion = "呼叫消防车，费用为50万円。";
inline constexpr const char* kShopCannotGrowText = "店铺不能再扩大了。";

// The magazine stocking and book ordering dialogs open whatever the state.
void OpenMagazineOrderDialog(GameState& g);
void OpenBookOrderDialog(GameState& g);

// The magazine stock window, when some listed magazine has copies or a
// standing order.
void ToggleMagazineStockWindow(GameState& g);

// The book stock window, when some book has copies or a delivery under way;
// their number is left in BookStockRowCount.
void ToggleBookStockWindow(GameState& g);

// The hire dialog, when somebody is left to hire and the shop has room for
// another clerk (one in the small shop, two from the medium one). The
// applicants not employed are left listed in TodayApplicants and counted in
// ApplicantTally.
void OpenHireClerkDialog(GameState& g);

// The dismissal dialog, when a clerk is employed (their number is left in
// ApplicantTally). Whether the shop is closed is the dialog's question.
void OpenFireClerkDialog(GameState& g);

// The upkeep dialog in cleaning mode, while the shop is open and no
// cleaning is under way.
void OpenCleaningDialog(GameState& g);

// The upkeep dialog in earthquake-proofing mode, whatever the state.
void OpenQuakeProofingDialog(GameState& g);

// The clerk settings dialog, when a clerk is employed.
void OpenClerkSettingsDialog(GameState& g);

// The bank window, on a weekday from 9 to 17 o'clock.
void OpenBankWindow(GameState& g);

// The fire brigade, while a fire burns and the player agrees to its fee:
// the fee is booked (whatever the funds) and the brigade's window opens,
// whose closing ends the fire. A fire that has ended while the question
// was up is neither charged for nor ended again.
void CallFireBrigade(GameState& g);

// The enlargement, when the shop can still grow (sizes 1 and 2) and the
// player agrees to the price of the step; the price is booked whatever the
// funds (see EnlargeShop).
void EnlargeShopCommand(GameState& g);
