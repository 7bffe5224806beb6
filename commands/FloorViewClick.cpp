#include "commands/FloorViewClick.h"

#include "platform/Platform.h"
#include "shop/PersonInfo.h"

FloorClickResult ClickFloor(GameState& g, int button, int x, int y) {
    if (button == FloorClick::RightButton) return {};
    const FloorClickResult result = HitFloor(g, button, x + g.ScrollX.asReal(), y + g.ScrollY.asReal());
    NoteClickedPerson(g, result);
    if (result.window) Ui().ShowWindow(*result.window, g);
    return result;
}
