#include "state/Gbk.h"

#include <iconv.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstring>

#include "state/GbkTables.h"

namespace {

// A saved game is mostly plain ASCII (numbers, commas, line ends), which is
// the same in both encodings and is copied as it is, and two-byte GBK
// characters, which the tables made from the C library's converter give.
// Only what is left goes through iconv: from the first character neither
// covers to the end of its run of non-ASCII characters. A run ends where a
// character ends, and the converter reads every character on its own, so
// the whole comes out exactly as the converter would give it.

bool IsAscii(unsigned char c) { return c < 0x80; }

// ---- UTF-8 to GB18030 ----

// UTF-8: every byte of a character of more than one byte is 0x80 or above.
std::size_t Utf8RunEnd(std::string_view s, std::size_t at) {
    while (at < s.size() && !IsAscii(static_cast<unsigned char>(s[at]))) ++at;
    return at;
}

bool IsContinuation(unsigned char c) { return (c & 0xC0) == 0x80; }

// Writes the two GBK bytes of the well-formed two- or three-byte UTF-8
// character at `in` and moves both on; false (nothing written) for anything
// else.
inline bool TwoByteGbk(const unsigned char*& in, const unsigned char* end, char*& out) {
    const unsigned lead = in[0];
    std::uint32_t c = 0;
    std::size_t length = 0;
    if ((lead & 0xF0u) == 0xE0u) {  // three bytes: a Chinese character, nearly every one of a text
        if (end - in < 3) return false;
        const unsigned second = in[1], third = in[2];
        if (((second ^ 0x80u) | (third ^ 0x80u)) > 0x3Fu) return false;  // not both continuations
        c = (lead & 0x0Fu) << 12 | (second & 0x3Fu) << 6 | (third & 0x3Fu);
        if (c < 0x800 || c - 0xD800u < 0x800u) return false;  // overlong, or a surrogate
        length = 3;
    } else if (lead >= 0xC2 && lead <= 0xDF && end - in >= 2 && IsContinuation(in[1])) {
        c = (lead & 0x1Fu) << 6 | (in[1] & 0x3Fu);
        length = 2;
    } else {
        return false;
    }
    const std::uint16_t code = kUnicodeToGbk[kUnicodePageToGbk[c >> 8] * 256u + (c & 0xFFu)];
    if (code == 0) return false;
    char* const o = out;  // written through a copy: a char may alias the pointer itself
    o[0] = static_cast<char>(code >> 8);
    o[1] = static_cast<char>(code & 0xFF);
    out = o + 2;
    in += length;
    return true;
}

// ---- GB18030 to UTF-8 ----

// GB18030 (and GBK): a byte below 0x80 is a character of its own; 0x80 and
// 0xFF start none (the converter refuses them); any other byte leads a
// character of four bytes when the next is a digit 0x30..0x39, of two
// otherwise. The bytes after the first may lie below 0x80.
std::size_t Gb18030RunEnd(std::string_view s, std::size_t at) {
    while (at < s.size() && !IsAscii(static_cast<unsigned char>(s[at]))) {
        const auto lead = static_cast<unsigned char>(s[at]);
        std::size_t length = 1;
        if (lead > 0x80 && lead < 0xFF) length = at + 1 < s.size() && s[at + 1] >= '0' && s[at + 1] <= '9' ? 4 : 2;
        at = std::min(s.size(), at + length);
    }
    return at;
}

// Writes the UTF-8 of the two-byte character at `in` that the table holds
// and moves both on; false (nothing written) for anything else.
inline bool TwoByteUnicode(const unsigned char*& in, const unsigned char* end, char*& out) {
    if (end - in < 2) return false;
    const unsigned lead = in[0], trail = in[1];
    if (lead < kGbkFirstLead || lead > kGbkLastLead || trail < kGbkFirstTrail || trail > kGbkLastTrail) return false;
    const std::uint32_t c = kGbkToUnicode[(lead - kGbkFirstLead) * kGbkTrails + (trail - kGbkFirstTrail)];
    if (c == 0) return false;
    char* const o = out;  // written through a copy: a char may alias the pointer itself
    if (c < 0x800) {
        o[0] = static_cast<char>(0xC0 | c >> 6);
        o[1] = static_cast<char>(0x80 | (c & 0x3F));
        out = o + 2;
    } else {
        o[0] = static_cast<char>(0xE0 | c >> 12);
        o[1] = static_cast<char>(0x80 | (c >> 6 & 0x3F));
        o[2] = static_cast<char>(0x80 | (c & 0x3F));
        out = o + 3;
    }
    in += 2;
    return true;
}

// ---- the conversion ----

// A direction of conversion: the converter's names, where its runs end, and
// how many bytes in halves the tables (and ASCII) write at most for a byte
// read: a UTF-8 character of two or three bytes becomes two bytes of GBK,
// two bytes of GBK at most three of UTF-8.
struct Direction {
    const char* to;
    const char* from;
    std::size_t (*runEnd)(std::string_view, std::size_t);
    std::size_t halvesPerByte;
};

constexpr Direction kToGb18030{"GB18030", "UTF-8", Utf8RunEnd, 2};
constexpr Direction kFromGb18030{"UTF-8", "GB18030", Gb18030RunEnd, 3};
constexpr Direction kToGbkProper{"GBK", "UTF-8", Utf8RunEnd, 2};

// No character of two bytes through the tables: the converter does it all.
bool NoTable(const unsigned char*&, const unsigned char*, char*&) { return false; }

// Appends the conversion of `run` to `out`; false at a character that
// cannot be converted or a run that ends inside a character.
bool ConvertRun(iconv_t cd, std::string_view run, std::string& out) {
    char* src = const_cast<char*>(run.data());
    std::size_t srcLeft = run.size();
    std::size_t done = out.size();
    out.resize(done + run.size() * 2 + 8);  // no character grows more than twice
    while (srcLeft > 0) {
        char* dst = out.data() + done;
        std::size_t dstLeft = out.size() - done;
        const std::size_t r = iconv(cd, &src, &srcLeft, &dst, &dstLeft);
        done = out.size() - dstLeft;
        if (r == static_cast<std::size_t>(-1)) {
            if (errno == E2BIG) {
                out.resize(out.size() * 2);
                continue;
            }
            out.resize(done);
            return false;  // EILSEQ or EINVAL: a character that cannot be converted
        }
    }
    out.resize(done);
    return true;
}

// Room enough for what is left of the text on its way through the tables.
char* MakeRoom(const Direction& d, std::string& out, std::size_t done, std::size_t left) {
    out.resize(done + (d.halvesPerByte * left + 1) / 2);
    return out.data() + done;
}

// `twoByte` converts the character at `in` through the tables (false when
// they do not hold it).
using TwoByte = bool (*)(const unsigned char*& in, const unsigned char* end, char*& out);

template <TwoByte twoByte>
bool Convert(const Direction& d, std::string_view text, std::string& out) {
    const auto* in = reinterpret_cast<const unsigned char*>(text.data());
    const auto* const end = in + text.size();
    char* o = MakeRoom(d, out, 0, text.size());
    const auto none = reinterpret_cast<iconv_t>(-1);
    iconv_t cd = none;
    bool ok = true;
    while (ok && in < end) {
        // ASCII, eight bytes at a time while it lasts.
        std::uint64_t eight = 0;
        while (end - in >= 8 && (std::memcpy(&eight, in, 8), (eight & 0x8080808080808080ull) == 0)) {
            std::memcpy(o, in, 8);
            in += 8;
            o += 8;
        }
        while (in < end && IsAscii(*in)) *o++ = static_cast<char>(*in++);
        while (in < end && !IsAscii(*in) && twoByte(in, end, o)) {
        }
        if (in == end || IsAscii(*in)) continue;
        // The rest of this run through the converter.
        if (cd == none && (cd = iconv_open(d.to, d.from)) == none) {
            ok = false;
            break;
        }
        const std::size_t at = static_cast<std::size_t>(in - reinterpret_cast<const unsigned char*>(text.data()));
        const std::size_t runEnd = d.runEnd(text, at);
        out.resize(static_cast<std::size_t>(o - out.data()));
        ok = ConvertRun(cd, text.substr(at, runEnd - at), out);
        in += runEnd - at;
        o = MakeRoom(d, out, out.size(), static_cast<std::size_t>(end - in));
    }
    if (cd != none) iconv_close(cd);
    out.resize(ok ? static_cast<std::size_t>(o - out.data()) : 0);
    return ok;
}

}  // namespace

// GB18030 writes every GBK character with the same bytes as GBK and also has
// a code for the few characters GBK lacks (the katakana middle dot of one
// applicant's introduction, or whatever a player types), so no text of the
// game is ever refused or altered.
bool Utf8ToGbk(std::string_view utf8, std::string& out) { return Convert<TwoByteGbk>(kToGb18030, utf8, out); }
bool GbkToUtf8(std::string_view gbk, std::string& out) { return Convert<TwoByteUnicode>(kFromGb18030, gbk, out); }

char* Utf8ToGbkByTables(std::string_view utf8, char* out) {
    const auto* in = reinterpret_cast<const unsigned char*>(utf8.data());
    const auto* const end = in + utf8.size();
    while (in < end) {
        if (IsAscii(*in)) {
            *out++ = static_cast<char>(*in++);
        } else if (!TwoByteGbk(in, end, out)) {
            return nullptr;
        }
    }
    return out;
}

bool IsGbkText(std::string_view utf8) {
    std::string out;
    return Convert<NoTable>(kToGbkProper, utf8, out);
}
