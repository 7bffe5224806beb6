#include "business/GrandPrize.h"

std::string CertificateOwnerLine(const GameState& g) { return g.ShopName.asText() + "店主"; }

void GrandPrizeCertificateClosed(GameState& g) { g.GrandPrizePending = 0; }
