#pragma once
// The magazine stocking dialog's game side: the list of titles by issue
// day, the columns its rows read (the rows themselves are OrderList's), the
// texts of its detail panel, the edited quantities (one title by the
// spinner, every title by the hold-down adjuster) and what OK commits.
#include <string>

#include "state/GameState.h"
#include "stock/OrderList.h"

// MagazineWorkList: every listed title, ordered by its issue key (the issue
// code plus row / 1000), titles of equal key in catalogue order. Returns
// the number of titles listed. The magazine stock window keeps the same
// order in the same list.
int FillMagazineWorkList(GameState& g);

// Opening the dialog: every listed title's edited quantity starts from its
// standing order, and the list is built. Returns the number listed.
int OpenMagazineOrders(GameState& g);

// The catalogue as the list reads it: the titles in MagazineWorkList
// order, the issue day in the second column.
OrderCatalogue MagazineOrderCatalogue(GameState& g);

// The detail panel of the selected title (its quantity and what the order
// would bring come from the catalogue, as on every change).
struct MagazineOrderDetail {
    std::string name;
    std::string issueDay;  // "毎月 1日发售"
    std::string description;
    std::string stock;     // grouped: "1万2000册"
};
MagazineOrderDetail MagazineOrderDetailOf(const GameState& g, int title);

// The spinner sets one title's edited quantity (kept within 0..999).
void SetMagazineEditedOrder(GameState& g, int title, int copies);

// One step of the all-titles adjuster, by MagazineAdjustHold: every listed
// title moves one copy up (below 999) or down (above 0). False when no
// button is held and nothing moved.
bool StepAllMagazineOrders(GameState& g);

// OK: every edited quantity becomes the title's standing order
// (MagazineTally counts the titles ordered), MagazineTitlesStocked is
// recounted, the player's effort points grow by 1 and the stock window and
// the schedule are marked for rebuilding. True when no title is ordered any
// more: the magazine stock window is then to close.
bool CommitMagazineOrders(GameState& g);
