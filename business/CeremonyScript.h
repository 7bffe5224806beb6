#pragma once
// The award ceremony as a show: a script of thirty steps that a host reads
// out, one typed character per 100 ms tick, with a roulette of shop names
// before each winner and a board that fills with the six awards' winners.
// The ceremony window runs CeremonyTick from its timer and CeremonyAdvance
// on every click and key, and copies CeremonyShow into its controls; the
// headless answer plays the same script by a fixed click order. The scores,
// rankings and prizes are Awards.h.
#include <array>
#include <string>

#include "business/Awards.h"
#include "state/GameState.h"

inline constexpr int kCeremonySteps = 30;
inline constexpr int kCeremonyLastStep = kCeremonySteps - 1;
// A roulette shows this many random names, one per tick, then its result.
inline constexpr int kRouletteNames = 15;
// A click during a roulette makes it jump to its end.
inline constexpr int kRouletteSkipped = 25;

inline constexpr const char* kCeremonyPrompt = "请在画面中点击左键";
inline constexpr const char* kNoWinner = "无";

// The board: six award names from top to bottom, by their board index.
inline constexpr int kBoardRows = 6;
struct BoardRow {
    int index;  // Label / Label2 element
    const char* name;
    AwardKind award;
};
inline constexpr std::array<BoardRow, kBoardRows> kBoard = {{
    {0, "大奖", AwardKind::Grand},
    {1, "清扫奖", AwardKind::Cleaning},
    {2, "销售奖", AwardKind::Sales},
    {3, "努力奖", AwardKind::Effort},
    {5, "设备奖", AwardKind::Facility},
    {4, "粗恶奖", AwardKind::Worst},
}};

// What the ceremony window shows besides its fixed texts. The window keeps
// one of these for its lifetime, as its labels keep their texts.
struct CeremonyShow {
    std::string speech;                      // Label1: the typed part of TypeText
    std::string spotlight;                   // Label5: roulette names and results
    std::array<std::string, kBoardRows> board;  // Label(index): the winners
    std::array<bool, kBoardRows> boardRed{};    // a winner that is the player's shop
    std::string prompt;                      // Label4
    int faceFrame = 1;                       // Image1(0) shows Image1(faceFrame): 1 at rest, 2 talking
    bool closeEnabled = false;               // Command1 "结束"
};

// "第12回 全日本 书店评选" and "== 第12回评选 ==", with the ceremony number.
std::string CeremonyCaption(const GameState& g);
std::string CeremonyTitle(const GameState& g);

// The ceremony window opens: the scores of CeremonyOpened, and the script
// typed from the first character of its first line, whatever another
// typing window left behind.
void CeremonyStarts(GameState& g);

// One tick of the script clock: the current step's action (a line, a
// roulette, a result, the lock), then one more character typed, the face
// and the prompt. Roulettes draw a random shop per tick from the game's
// generator.
void CeremonyTick(GameState& g, CeremonyShow& show);

// A click or a key, whichever: nothing once the ceremony is locked, or
// before the current step has had its first tick; a finished line moves to
// the next step; a spinning roulette jumps to its end; a line being typed
// shows whole at the next tick.
void CeremonyAdvance(GameState& g);

// True when the current line is typed out and no roulette is still
// spinning: the moment a patient player clicks.
bool CeremonyWaitsForClick(const GameState& g);

// The characters of a typed line (not bytes), and its first n characters.
int TypedLength(const std::string& text);
std::string TypedPart(const std::string& text, int chars);

// Plays the whole script from an opened ceremony to its lock, clicking
// whenever CeremonyWaitsForClick: the fixed click order of headless runs.
void ClickThroughCeremony(GameState& g, CeremonyShow& show);
