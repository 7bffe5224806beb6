#include "state/Value.h"

#include <charconv>
#include <cmath>
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

std::string FormatReal(double x) {
    if (x == 0.0) return "0";  // also folds -0
    // Plain decimal digits, never an exponent: 100000 as a real is "100000",
    // not "1e+05", as the saved game writes every number. The longest double
    // written so takes a little over 320 characters.
    char buf[400];
    auto r = std::to_chars(buf, buf + sizeof buf, x, std::chars_format::fixed);
    if (r.ec != std::errc()) return "0";
    return std::string(buf, r.ptr);
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
