#include "state/Value.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <iterator>
#include <system_error>
#include <variant>

std::int64_t Value::slowAsInt() const {
    switch (kind()) {
    case Kind::Empty: return 0;
    case Kind::Int: return wholeBits();
    case Kind::Real: {
        double d = std::nearbyint(realBits());  // default rounding: half to even
        if (!(d > -9.2e18 && d < 9.2e18)) return 0;
        return static_cast<std::int64_t>(d);
    }
    case Kind::Text: {
        Value n;
        if (ParseNumber(text(), n)) return n.asInt();
        return 0;
    }
    }
    return 0;
}

double Value::slowAsReal() const {
    switch (kind()) {
    case Kind::Empty: return 0.0;
    case Kind::Int: return static_cast<double>(wholeBits());
    case Kind::Real: return realBits();
    case Kind::Text: {
        Value n;
        if (ParseNumber(text(), n)) return n.asReal();
        return 0.0;
    }
    }
    return 0.0;
}

std::string Value::asText() const {
    switch (kind()) {
    case Kind::Empty: return {};
    case Kind::Int: return std::to_string(wholeBits());
    case Kind::Real: return FormatReal(realBits());
    case Kind::Text: return text();
    }
    return {};
}

void Value::ThrowNotText() { throw std::bad_variant_access(); }

namespace {

constexpr double kTens[] = {1e0, 1e1, 1e2, 1e3, 1e4, 1e5, 1e6};

// Most reals of a game have a few decimals (a sprite's depth is its pixel
// row and a thousandth for its slot), and their shortest text can be found
// with whole numbers, much faster than the general routine finds it. For d
// decimals, 0 to 6 in turn, while x * 10^d stays below 2^51: the reals that
// read back as x span less than half a step of 10^-d there, so at most one
// number of d decimals reads back as x, and it is x * 10^d rounded to a
// whole number m (the product's own rounding is far too small to move it
// past the half); m / 10^d, both exact and the quotient rounded as reading
// rounds, gives x back exactly when that number reads back as x. The first
// d that gives x back is the fewest decimals, and so the text the general
// routine writes. Null when none of them does.
char* WriteFewDecimals(double x, char* out) {
    for (int d = 0; d < static_cast<int>(std::size(kTens)); ++d) {
        const double scaled = x * kTens[d];
        if (!(std::fabs(scaled) < 0x1p51)) return nullptr;
        const double m = std::nearbyint(scaled);
        if (m / kTens[d] != x) continue;
        if (x < 0) *out++ = '-';
        char digits[24];
        const auto n = static_cast<std::uint64_t>(std::fabs(m));
        const int length = static_cast<int>(std::to_chars(digits, digits + sizeof digits, n).ptr - digits);
        const int whole = length - d;  // digits before the point
        if (whole > 0) {
            std::memcpy(out, digits, static_cast<std::size_t>(whole));
            out += whole;
        } else {
            *out++ = '0';
        }
        if (d > 0) {
            *out++ = '.';
            for (int k = whole; k < 0; ++k) *out++ = '0';
            const int from = whole > 0 ? whole : 0;
            std::memcpy(out, digits + from, static_cast<std::size_t>(length - from));
            out += length - from;
        }
        return out;
    }
    return nullptr;
}

}  // namespace

char* FormatRealTo(double x, char* out) {
    if (x == 0.0) {  // also folds -0
        *out++ = '0';
        return out;
    }
    if (char* end = WriteFewDecimals(x, out)) return end;
    // Plain decimal digits, never an exponent: 100000 as a real is "100000",
    // not "1e+05", as the saved game writes every number. The longest double
    // written so takes a little over 320 characters.
    auto r = std::to_chars(out, out + kLongestRealText, x, std::chars_format::fixed);
    if (r.ec != std::errc()) {
        *out++ = '0';
        return out;
    }
    return r.ptr;
}

std::string FormatReal(double x) {
    char buf[kLongestRealText];
    return std::string(buf, FormatRealTo(x, buf));
}

bool ParseNumber(std::string_view f, Value& out) {
    if (f.empty()) return false;
    std::size_t p = 0;
    if (f[p] == '+' || f[p] == '-') ++p;
    std::size_t digitsBefore = 0, digitsAfter = 0;
    while (p < f.size() && f[p] >= '0' && f[p] <= '9') { ++p; ++digitsBefore; }
    bool whole = true;
    if (p < f.size() && f[p] == '.') {
        whole = false;
        ++p;
        while (p < f.size() && f[p] >= '0' && f[p] <= '9') { ++p; ++digitsAfter; }
    }
    if (digitsBefore + digitsAfter == 0) return false;
    if (p < f.size() && (f[p] == 'e' || f[p] == 'E')) {
        whole = false;
        ++p;
        if (p < f.size() && (f[p] == '+' || f[p] == '-')) ++p;
        std::size_t expDigits = 0;
        while (p < f.size() && f[p] >= '0' && f[p] <= '9') { ++p; ++expDigits; }
        if (expDigits == 0) return false;
    }
    if (p != f.size()) return false;

    std::string_view body = f;
    if (!body.empty() && body[0] == '+') body.remove_prefix(1);
    if (whole) {
        std::int64_t v = 0;
        auto r = std::from_chars(body.data(), body.data() + body.size(), v);
        if (r.ec == std::errc() && r.ptr == body.data() + body.size()) {
            out = Value(v);
            return true;
        }
    }
    // from_chars rejects a leading '.' only when a sign precedes it in some
    // libraries; build the text it accepts.
    std::string s;
    if (body.size() > 1 && body[0] == '-' && body[1] == '.')
        s.append("-0").append(body.substr(1));
    else if (!body.empty() && body[0] == '.')
        s.append("0").append(body);
    else
        s.assign(body);
    double d = 0;
    auto r = std::from_chars(s.data(), s.data() + s.size(), d);
    if (r.ec != std::errc() || r.ptr != s.data() + s.size() || !std::isfinite(d)) return false;
    out = Value(d);
    return true;
}
