#include "shop/Complaints.h"

#include "shop/Staff.h"

void DrawOpinionFace(GameState& g) { g.OpinionFace = kOpinionFaces[g.RndInt(static_cast<int>(kOpinionFaces.size()))]; }

std::string ComplaintOpened(GameState& g) {
    const auto left = g.Popularity.asInt() - kComplaintPopularityCost;
    g.Popularity = left <= 0 ? 0 : left;
    DrawOpinionFace(g);
    return FacePicture(g.OpinionFace);
}
