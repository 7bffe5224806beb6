#include "stock/OrderList.h"

#include <algorithm>

#include "state/FormatMoney.h"

int OrderListScrollMax(int titles) { return std::max(titles - kOrderRowsShown, 0); }

int OrderSpinnerValue(const Value& copies) { return kMaxOrderCopies - ClampOrderCopies(copies.asInt()); }

int CopiesFromSpinner(int spinnerValue) { return ClampOrderCopies(kMaxOrderCopies - spinnerValue); }

int ClampOrderCopies(std::int64_t copies) {
    return static_cast<int>(std::clamp<std::int64_t>(copies, 0, kMaxOrderCopies));
}

bool StepAllOrders(int hold, std::span<Value> edited, const std::function<bool(int)>& stepped) {
    if (hold != AdjustRaise && hold != AdjustLower) return false;
    for (int t = 0; t < static_cast<int>(edited.size()); ++t) {
        if (stepped && !stepped(t)) continue;
        Value& q = edited[t];
        if (hold == AdjustRaise && q.asInt() < kMaxOrderCopies) q = q.asInt() + 1;
        if (hold == AdjustLower && q.asInt() > 0) q = q.asInt() - 1;
    }
    return true;
}

std::string CopiesText(const Value& copies) { return std::to_string(copies.asInt()) + "册"; }

std::string PlainYenText(const Value& yen) { return yen.asText() + "円"; }

OrderTotals TotalsIfAllSold(const Value& cost, const Value& price, const Value& copies) {
    const std::int64_t q = copies.asInt();
    const std::int64_t retail = q * price.asInt();
    const std::int64_t wholesale = q * cost.asInt();
    return OrderTotals{FormatMoney(retail) + "円", FormatMoney(wholesale) + "円",
                       FormatMoney(retail - wholesale) + "円"};
}

OrderRow OrderRowAt(const OrderCatalogue& c, int position, int listed) {
    OrderRow row;
    if (position < 0 || position >= listed || position >= static_cast<int>(c.list.size())) return row;
    const int t = c.list[position].i();
    if (t < 0 || t >= c.titles) return row;
    row.filled = true;
    row.title = t;
    row.name = c.name[t].asText();
    row.second = c.second[t].asText();
    row.cost = PlainYenText(c.cost[t]);
    row.price = PlainYenText(c.price[t]);
    row.copies = CopiesText(c.edited[t]);
    row.description = c.description[t].asText();
    return row;
}

void SetEditedOrder(const OrderCatalogue& c, int title, int copies) { c.edited[title] = ClampOrderCopies(copies); }

OrderTotals TotalsOf(const OrderCatalogue& c, int title) {
    return TotalsIfAllSold(c.cost[title], c.price[title], c.edited[title]);
}
