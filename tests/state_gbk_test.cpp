// The saved game's text conversion reads and writes exactly what the C
// library's GB18030 converter would, character for character: the
// conversion looks most characters up in tables and hands the rest to the
// converter, and this holds the two together over every character of two
// bytes, every character of the basic plane, and the sequences where a
// lookup could go wrong (bytes below 0x80 inside a character, four-byte
// characters, bytes cut short, malformed UTF-8).
#include <gtest/gtest.h>

#include <iconv.h>

#include <cstdint>
#include <string>
#include <vector>

#include "state/Gbk.h"

namespace {

// The converter's own answer for the whole text: the output, or nothing
// when it refuses the text.
struct Reference {
    Reference(const char* to, const char* from) : cd(iconv_open(to, from)) {}
    ~Reference() { iconv_close(cd); }
    bool operator()(const std::string& in, std::string& out) const {
        iconv(cd, nullptr, nullptr, nullptr, nullptr);
        out.assign(in.size() * 4 + 16, '\0');
        char* src = const_cast<char*>(in.data());
        char* dst = out.data();
        std::size_t srcLeft = in.size(), dstLeft = out.size();
        if (iconv(cd, &src, &srcLeft, &dst, &dstLeft) == static_cast<std::size_t>(-1)) return false;
        out.resize(out.size() - dstLeft);
        return true;
    }
    iconv_t cd;
};

std::string Utf8(std::uint32_t c) {
    std::string s;
    if (c < 0x80) {
        s += static_cast<char>(c);
    } else if (c < 0x800) {
        s += static_cast<char>(0xC0 | c >> 6);
        s += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        s += static_cast<char>(0xE0 | c >> 12);
        s += static_cast<char>(0x80 | (c >> 6 & 0x3F));
        s += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        s += static_cast<char>(0xF0 | c >> 18);
        s += static_cast<char>(0x80 | (c >> 12 & 0x3F));
        s += static_cast<char>(0x80 | (c >> 6 & 0x3F));
        s += static_cast<char>(0x80 | (c & 0x3F));
    }
    return s;
}

std::string Bytes(std::initializer_list<int> bytes) {
    std::string s;
    for (int b : bytes) s += static_cast<char>(b);
    return s;
}

// Each text alone, then between ASCII, then twice over with a field's comma
// between: the conversion must agree with the converter in all three.
template <class Convert>
void ExpectSameAsTheConverter(const std::vector<std::string>& texts, Convert convert, const Reference& reference) {
    int disagreements = 0;
    for (const std::string& text : texts)
        for (const std::string& whole : {text, "a1" + text + ",\r\n", text + "," + text}) {
            std::string ours, theirs;
            const bool ok = convert(whole, ours), refOk = reference(whole, theirs);
            if (ok == refOk && (!ok || ours == theirs)) continue;
            if (++disagreements <= 5) {
                std::string hex;
                for (unsigned char b : whole) hex += " " + std::to_string(b);
                ADD_FAILURE() << "bytes" << hex << ": ours " << (ok ? "converts" : "refuses") << ", the converter "
                              << (refOk ? "converts" : "refuses");
            }
        }
    EXPECT_EQ(disagreements, 0);
}

TEST(GbkText, ReadsEveryCharacterAsTheConverterDoes) {
    std::vector<std::string> texts;
    for (int lead = 0x80; lead <= 0xFF; ++lead) {
        texts.push_back(Bytes({lead}));
        for (int trail = 0; trail <= 0xFF; ++trail) texts.push_back(Bytes({lead, trail}));
    }
    // Four-byte characters, a valid and a broken third or fourth byte, and
    // ones cut short.
    for (int lead : {0x81, 0x82, 0x84, 0x85, 0x90, 0xE3, 0xFE})
        for (int second : {0x30, 0x35, 0x39})
            for (int third : {0x30, 0x81, 0x9A, 0xFE, 0xFF})
                for (int fourth : {0x2C, 0x30, 0x36, 0x39, 0x41}) {
                    texts.push_back(Bytes({lead, second, third, fourth}));
                    texts.push_back(Bytes({lead, second, third}));
                }
    // A byte that is a character on its own before a character of two
    // bytes whose trail looks like ASCII.
    for (int first : {0x80, 0x81, 0xFF})
        for (int second : {0x30, 0x41, 0x81, 0xB2})
            for (int third : {0x30, 0x40, 0x42, 0x7E, 0xE2}) texts.push_back(Bytes({first, second, third}));
    // Characters of two bytes one after another, and mixed with ASCII
    // that looks like trail bytes.
    texts.push_back("\xB2\xE2\xCA\xD4\xCA\xE9\xB5\xEA");
    texts.push_back("\xB2\x40\x41\xB2\x7E\x7F\xA1");
    ExpectSameAsTheConverter(texts, GbkToUtf8, Reference("UTF-8", "GB18030"));
}

TEST(GbkText, WritesEveryCharacterAsTheConverterDoes) {
    std::vector<std::string> texts;
    for (std::uint32_t c = 0x80; c <= 0xFFFF; ++c)
        if (c < 0xD800 || c > 0xDFFF) texts.push_back(Utf8(c));
    for (std::uint32_t c : {0x10000u, 0x1F600u, 0x10FFFFu}) texts.push_back(Utf8(c));
    // Malformed UTF-8: overlong forms, surrogates, stray and missing
    // continuation bytes.
    for (const std::string& bad : {Bytes({0xC0, 0x80}), Bytes({0xC1, 0xBF}), Bytes({0xE0, 0x80, 0x80}),
                                   Bytes({0xE0, 0x9F, 0xBF}), Bytes({0xED, 0xA0, 0x80}), Bytes({0xED, 0xBF, 0xBF}),
                                   Bytes({0x80}), Bytes({0xBF, 0x41}), Bytes({0xE4, 0xB8}), Bytes({0xE4, 0x41, 0x80}),
                                   Bytes({0xC3}), Bytes({0xF4, 0x90, 0x80, 0x80}), Bytes({0xFF})})
        texts.push_back(bad);
    ExpectSameAsTheConverter(texts, Utf8ToGbk, Reference("GB18030", "UTF-8"));
}

}  // namespace
