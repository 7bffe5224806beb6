#include "state/Gbk.h"

#include <iconv.h>

#include <cerrno>

namespace {

bool Convert(const char* to, const char* from, std::string_view in, std::string& out) {
    out.clear();
    // Plain ASCII is the same in both encodings: skip iconv for it.
    bool ascii = true;
    for (unsigned char c : in)
        if (c >= 0x80) { ascii = false; break; }
    if (ascii) {
        out.assign(in);
        return true;
    }
    iconv_t cd = iconv_open(to, from);
    if (cd == reinterpret_cast<iconv_t>(-1)) return false;
    out.resize(in.size() * 2 + 16);
    char* src = const_cast<char*>(in.data());
    std::size_t srcLeft = in.size();
    std::size_t done = 0;
    bool ok = true;
    while (srcLeft > 0) {
        char* dst = out.data() + done;
        std::size_t dstLeft = out.size() - done;
        std::size_t r = iconv(cd, &src, &srcLeft, &dst, &dstLeft);
        done = out.size() - dstLeft;
        if (r == static_cast<std::size_t>(-1)) {
            if (errno == E2BIG) {
                out.resize(out.size() * 2);
                continue;
            }
            ok = false;  // EILSEQ or EINVAL: a character that cannot be converted
            break;
        }
    }
    iconv_close(cd);
    out.resize(done);
    return ok;
}

}  // namespace

// GB18030 writes every GBK character with the same bytes as GBK and also has
// a code for the few characters GBK lacks (the katakana middle dot of one
// applicant's introduction, or whatever a player types), so no text of the
// game is ever refused or altered.
bool Utf8ToGbk(std::string_view utf8, std::string& out) { return Convert("GB18030", "UTF-8", utf8, out); }
bool GbkToUtf8(std::string_view gbk, std::string& out) { return Convert("UTF-8", "GB18030", gbk, out); }

bool IsGbkText(std::string_view utf8) {
    std::string out;
    return Convert("GBK", "UTF-8", utf8, out);
}
