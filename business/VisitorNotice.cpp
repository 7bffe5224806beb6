#include "business/VisitorNotice.h"

namespace {

const VisitorMilestone kMilestones[] = {
    {1000, 1, "1000人突破", "店铺来访的顾客人数突破了1,000人。"},
    {5000, 2, "5000人突破", "店铺来访的顾客人数突破了5,000人。"},
    {10000, 3, "10000人突破", "店铺来访的顾客人数突破了10,000人。"},
};

}  // namespace

const VisitorMilestone* FindVisitorMilestone(const Value& totalCustomers) {
    for (const VisitorMilestone& m : kMilestones)
        if (totalCustomers.is(m.customers)) return &m;
    return nullptr;
}
