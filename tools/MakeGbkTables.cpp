// Writes the two-byte GBK code tables of the saved game's text (see
// state/GbkTables.h) as a C++ source, taken from the C library's own GB18030
// converter, so that the tables say exactly what the converter says:
//
//   qmgbktables OUT.cpp
//
// Run at build time; the game's text conversion looks up the two-byte
// characters in them and hands every other character to the converter.
#include <iconv.h>

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

namespace {

constexpr int kFirstLead = 0x81, kLastLead = 0xFE, kFirstTrail = 0x40, kLastTrail = 0xFE;
constexpr int kLeads = kLastLead - kFirstLead + 1, kTrails = kLastTrail - kFirstTrail + 1;

// The converter's output for `in`, or empty when it refuses it.
std::string Convert(iconv_t cd, const std::string& in) {
    iconv(cd, nullptr, nullptr, nullptr, nullptr);
    std::string out(16, '\0');
    char* src = const_cast<char*>(in.data());
    char* dst = out.data();
    std::size_t srcLeft = in.size(), dstLeft = out.size();
    if (iconv(cd, &src, &srcLeft, &dst, &dstLeft) == static_cast<std::size_t>(-1) || srcLeft != 0) return {};
    out.resize(out.size() - dstLeft);
    return out;
}

// The one code point of a UTF-32 (little-endian) text of one character, or 0.
std::uint32_t OneCodePoint(const std::string& utf32) {
    if (utf32.size() != 4) return 0;
    std::uint32_t c = 0;
    for (int k = 3; k >= 0; --k) c = c << 8 | static_cast<unsigned char>(utf32[k]);
    return c;
}

std::string Utf32(std::uint32_t c) {
    std::string s(4, '\0');
    for (int k = 0; k < 4; ++k) s[k] = static_cast<char>(c >> (8 * k));
    return s;
}

void WriteTable(std::FILE* f, const char* decl, const std::vector<std::uint16_t>& v) {
    std::fprintf(f, "%s = {", decl);
    for (std::size_t k = 0; k < v.size(); ++k) std::fprintf(f, "%s%u,", k % 16 ? "" : "\n", static_cast<unsigned>(v[k]));
    std::fprintf(f, "\n};\n\n");
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: qmgbktables OUT.cpp\n");
        return 2;
    }
    iconv_t decode = iconv_open("UTF-32LE", "GB18030");
    iconv_t encode = iconv_open("GB18030", "UTF-32LE");
    if (decode == reinterpret_cast<iconv_t>(-1) || encode == reinterpret_cast<iconv_t>(-1)) {
        std::fprintf(stderr, "qmgbktables: the C library cannot convert GB18030\n");
        return 1;
    }

    // Two bytes to a code point of the basic plane (0: not a character of
    // two bytes the tables hold).
    std::vector<std::uint16_t> toUnicode(kLeads * kTrails, 0);
    for (int lead = kFirstLead; lead <= kLastLead; ++lead)
        for (int trail = kFirstTrail; trail <= kLastTrail; ++trail) {
            const std::string in{static_cast<char>(lead), static_cast<char>(trail)};
            const std::uint32_t c = OneCodePoint(Convert(decode, in));
            if (c >= 0x80 && c <= 0xFFFF && !(c >= 0xD800 && c <= 0xDFFF))
                toUnicode[(lead - kFirstLead) * kTrails + (trail - kFirstTrail)] = static_cast<std::uint16_t>(c);
        }

    // A code point of the basic plane to its two bytes, lead byte high (0:
    // none), in pages of 256 code points; page 0 of the list is all zero
    // and stands for every page without a character of two bytes.
    std::vector<std::uint16_t> pageOf(256, 0);
    std::vector<std::uint16_t> pages(256, 0);
    for (std::uint32_t page = 0; page < 256; ++page) {
        std::vector<std::uint16_t> codes(256, 0);
        bool any = false;
        for (std::uint32_t low = 0; low < 256; ++low) {
            const std::uint32_t c = page << 8 | low;
            if (c < 0x80 || (c >= 0xD800 && c <= 0xDFFF)) continue;
            const std::string out = Convert(encode, Utf32(c));
            if (out.size() != 2) continue;
            const auto lead = static_cast<unsigned char>(out[0]), trail = static_cast<unsigned char>(out[1]);
            if (lead < kFirstLead || lead > kLastLead || trail < kFirstTrail || trail > kLastTrail) continue;
            codes[low] = static_cast<std::uint16_t>(lead << 8 | trail);
            any = true;
        }
        if (!any) continue;
        pageOf[page] = static_cast<std::uint16_t>(pages.size() / 256);
        pages.insert(pages.end(), codes.begin(), codes.end());
    }
    iconv_close(decode);
    iconv_close(encode);

    std::FILE* f = std::fopen(argv[1], "w");
    if (!f) {
        std::fprintf(stderr, "qmgbktables: cannot write %s\n", argv[1]);
        return 1;
    }
    std::fprintf(f, "// Made by qmgbktables from the C library's GB18030 converter: do not edit.\n"
                    "#include \"state/GbkTables.h\"\n\n");
    WriteTable(f, "const std::uint16_t kGbkToUnicode[kGbkLeads * kGbkTrails]", toUnicode);
    WriteTable(f, "const std::uint16_t kUnicodePageToGbk[256]", pageOf);
    std::fprintf(f, "const std::size_t kUnicodeToGbkPages = %zu;\n", pages.size() / 256);
    WriteTable(f, "const std::uint16_t kUnicodeToGbk[]", pages);
    return std::fclose(f) == 0 ? 0 : 1;
}
