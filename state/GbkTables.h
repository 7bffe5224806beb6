#pragma once
// The two-byte characters of GBK as the C library's GB18030 converter reads
// and writes them, in tables made from that converter at build time
// (tools/MakeGbkTables.cpp): the text of a saved game is mostly such
// characters, and a table lookup is many times cheaper than the converter.
// Every other character (ASCII aside) is left to the converter.
#include <cstddef>
#include <cstdint>

inline constexpr int kGbkFirstLead = 0x81, kGbkLastLead = 0xFE;
inline constexpr int kGbkFirstTrail = 0x40, kGbkLastTrail = 0xFE;
inline constexpr int kGbkLeads = kGbkLastLead - kGbkFirstLead + 1;
inline constexpr int kGbkTrails = kGbkLastTrail - kGbkFirstTrail + 1;

// The code point of the basic plane that the bytes lead, trail stand for, at
// (lead - kGbkFirstLead) * kGbkTrails + (trail - kGbkFirstTrail); 0 where
// the converter reads no such character.
extern const std::uint16_t kGbkToUnicode[kGbkLeads * kGbkTrails];

// The two bytes (lead << 8 | trail) that the converter writes for code point
// c of the basic plane: kUnicodeToGbk[kUnicodePageToGbk[c >> 8] * 256 +
// (c & 0xFF)]; 0 where it writes no character of two bytes. Page 0 of
// kUnicodeToGbk is all 0.
extern const std::uint16_t kUnicodePageToGbk[256];
extern const std::size_t kUnicodeToGbkPages;
extern const std::uint16_t kUnicodeToGbk[];
