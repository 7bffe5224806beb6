#pragma once
// GBK (code page 936) <-> UTF-8 as the C library's iconv converts them:
// ASCII is copied, the two-byte characters are looked up in tables made from
// that converter at build time (state/GbkTables.h), and anything else goes
// through the converter itself. The saved game is GBK; the game holds its
// texts as UTF-8.
#include <string>
#include <string_view>

// False when the text is not valid UTF-8.
bool Utf8ToGbk(std::string_view utf8, std::string& out);
// Writes the GBK of `utf8` at `out`, which has room for utf8.size() bytes,
// and returns the end of what it wrote, when every character is ASCII or
// one the tables hold; else null (and Utf8ToGbk converts it).
char* Utf8ToGbkByTables(std::string_view utf8, char* out);
// False when the bytes are not valid GBK (or its GB18030 extension).
bool GbkToUtf8(std::string_view gbk, std::string& out);

// True when every character of the text has a code in GBK proper (the
// encoding the saved game is meant to be read in).
bool IsGbkText(std::string_view utf8);
