#pragma once
// The clerk message queue. Every writer empties it (ClerkMessageCount := 0),
// queues its texts and then shows them: the clerk pop-up opens modeless and
// picks one of them. A text past the queue's 51 places is dropped.
#include <string>

#include "state/GameState.h"

void QueueClerkMessage(GameState& g, const std::string& text);
// Opens the clerk pop-up when something is queued and the player wants the
// clerks' messages.
void ShowQueuedClerkMessages(GameState& g);
