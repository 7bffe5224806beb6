#include "commands/StartNewGame.h"

#include "business/WeeklyNews.h"
#include "platform/Platform.h"

void StartNewGame(GameState& g, const std::string& shopName, const NewGameStart& start) {
    if (g.GameRunning.asInt() == 1) Ui().CloseGameWindows(g);
    ResetGameState(g);
    InitNewGame(g, start);
    WriteFirstWeeklyNews(g);
    g.GameRunning = 1;
    g.ShopName = shopName;
    g.Bookshop.Name[0] = g.ShopName;
}
