#pragma once
// The grand-prize certificate, presented once per grand prize after the
// award ceremony has paid it. It only shows and acknowledges.
#include <string>

#include "state/GameState.h"

// The owner line of the certificate: the shop's name and "店主".
std::string CertificateOwnerLine(const GameState& g);

// The certificate's closing, however it is closed: the prize is no longer
// pending, so later ticks do not show it again. No money moves.
void GrandPrizeCertificateClosed(GameState& g);
