#pragma once
// What customers think of the shop, as the customer opinions window lets
// the player hear it: a face is drawn, one sentence is picked among those
// the shop's state supports (three fixed sentences take over when there is
// no shelf, no book or no clerk), and the sentence is typed one character
// per timer tick while the mouth moves. Every closing of the window counts
// as one management effort for the award contest.
#include <string>
#include <vector>

#include "state/GameState.h"

inline constexpr const char* kOpinionsCaption = "顾客的意见";

// The sentences a customer may say, in the order they are gathered, each
// with the state that lets it be said.
struct OpinionRow {
    const char* sentence;
    bool (*holds)(const GameState& g);
};
extern const OpinionRow kOpinionCandidates[15];

// The sentences that replace the pick, tested in this order, the last that
// holds winning. They read ApplicantTally, which the gathering leaves
// holding the number of employed clerks.
extern const OpinionRow kOpinionOverrides[3];

// The candidates the shop's state supports, in gathering order; counts the
// employed clerks into ApplicantTally on the way. Always at least two.
std::vector<std::string> GatherOpinions(GameState& g);

// The opening: the face (one draw, into OpinionFace), the candidates, the
// pick (one draw), the overrides; TypeText the sentence and TypePos 0.
void OpenCustomerOpinions(GameState& g);

// One typing tick: the balloon's text and what the face does.
enum class Mouth { Closed, Open, AsItWas };
struct TypedFrame {
    std::string shown;  // the first TypePos characters of TypeText
    Mouth mouth;
};
TypedFrame TypeOpinion(GameState& g);

// The face picture of OpinionFace, mouth closed or open.
std::string OpinionFacePicture(const GameState& g, bool mouthOpen);

// The window closes, however: one effort point for the player's shop.
void CustomerOpinionsClosed(GameState& g);
