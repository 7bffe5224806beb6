#pragma once
// The standing-reading policy (StandingReadingPolicy): how the shop treats
// customers who read without buying. The policy dialog sets it; the week's
// turn moves Popularity by it; the customers' complaints and opinions speak
// of it.
#include "state/GameState.h"

inline constexpr const char* kReadingPolicyCaption = "站读对策";
inline constexpr const char* kReadingPolicyHeading = "== 决定店铺的站读对策 ==";
inline constexpr const char* kCarryOutCaption = "实行";

// The policies in the order the dialog lists them: the text beside the
// option, how Popularity moves at every week's turn, and the picture.
struct ReadingRuleRow {
    int policy;
    const char* text;
    int weeklyPopularity;
    const char* picture;
};
inline constexpr ReadingRuleRow kReadingRules[] = {
    {0, "全部书籍自由阅读不限制。", 0, "Graphic/Forms/Form62_Image1_0.png"},        // free reading
    {1, "只提供一本书站读，其他的禁止。", +1, "Graphic/Forms/Form62_Image1_1.png"},  // one browsing copy
    {2, "全部书籍禁止站读。", -1, "Graphic/Forms/Form62_Image1_2.png"},              // forbidden
};

// The row (index into kReadingRules) of a stored policy, or -1 for a value
// outside the table (then no option is chosen).
int ReadingRuleChoiceFor(const Value& policy);

// The week's Popularity step of a policy (0 for a value outside the table).
int WeeklyPopularityChange(const Value& policy);

// "确定" with row `choice` chosen: the policy is set (a choice outside the
// table leaves it). Popularity moves only at the week's turn.
void SetReadingPolicy(GameState& g, int choice);
