#include "state/FormatMoney.h"

std::string FormatMoney(std::int64_t value) {
    static const char* const kUnits[] = {"", "万", "亿", "兆", "京"};
    bool neg = value < 0;
    std::uint64_t u = neg ? (~static_cast<std::uint64_t>(value) + 1) : static_cast<std::uint64_t>(value);
    std::string digits = std::to_string(u);
    std::string out;
    std::size_t first = digits.size() % 4;
    if (first == 0) first = 4;
    std::size_t groups = (digits.size() - first) / 4;  // groups after the leftmost
    out.reserve(digits.size() + groups * 3 + 1);
    if (neg) out += '-';
    out.append(digits, 0, first);
    out += kUnits[groups];
    for (std::size_t gi = 0; gi < groups; ++gi) {
        out.append(digits, first + gi * 4, 4);
        out += kUnits[groups - 1 - gi];
    }
    return out;
}

std::string FormatMoney(const Value& value) {
    if (value.isEmpty()) return {};
    return FormatMoney(value.asInt());
}
