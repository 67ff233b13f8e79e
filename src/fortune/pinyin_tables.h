#pragma once
// The Mandarin readings of GBK, for the pinyin initials of a text.
//
// PinyinIndexTable has one entry for every double-byte GBK code with lead
// byte 0x81 to 0xFE and trail byte 0x40 to 0xFE, at (lead - 0x81) * 191 +
// (trail - 0x40): 0 when the code has no reading (unused codes, trail 0x7F,
// the symbol rows 0xA1 to 0xA9, and the few characters no dictionary reads),
// else the 1-based number of the character's syllable in
// PinyinSyllableTable. Syllables are lower-case ASCII without tones, ü
// written v ("lv", "nv"; but "lue", "nue"), at most six letters, in
// alphabetical order.
//
// The characters of the first GB2312 level (B0A1 to D7F9) read with the
// initial of the section their code lies in, except for the 25 that GB2312
// files under a reading they no longer have (行 hang, 长 zhang, 曾 ceng, ...).
// A polyphonic character carries one reading: 行 hang, 长 zhang, 重 zhong,
// 还 huan, 朝 chao, 曾 ceng, 都 dou, 了 le, 嗯 en.
//
// The definitions are generated at build time from the Unihan extract in
// refdata/unihan/ and refdata/rules/pinyin_readings.tsv.
#include <cstdint>

namespace lumeno::fortune {
inline constexpr int kPinyinIndexSize = 24066;
extern const std::uint16_t PinyinIndexTable[kPinyinIndexSize];  // 0 or a 1-based syllable number
extern const char* const PinyinSyllableTable[];                  // syllable n at [n - 1]
extern const int PinyinSyllableCount;
}
