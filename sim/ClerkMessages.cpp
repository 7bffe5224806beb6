#include "sim/ClerkMessages.h"

#include "platform/Platform.h"

void QueueClerkMessage(GameState& g, const std::string& text) {
    const int n = g.ClerkMessageCount.i();
    if (n < 0 || n >= static_cast<int>(g.ClerkMessages.size())) return;
    g.ClerkMessages[n] = text;
    g.ClerkMessageCount = n + 1;
}

void ShowQueuedClerkMessages(GameState& g) {
    if (g.ClerkMessageCount.asInt() != 0 && g.ShowClerkMessages.asInt() == 1) Ui().ShowWindow(Window::ClerkPopup, g);
}
