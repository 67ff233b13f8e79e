#pragma once
// Conversion between the program's GBK text (code page 936) and UTF-8.
// Invalid input never fails: a byte that does not start a valid sequence is
// replaced (U+FFFD towards UTF-8, '?' towards GBK) and conversion goes on.
#include <string>
#include <string_view>

namespace lumeno {

std::string GbkToUtf8(std::string_view gbk);
std::string Utf8ToGbk(std::string_view utf8);

// True when every byte pair of the text is a well-formed GBK double-byte
// character (and there are no single bytes).
bool IsAllDoubleByte(std::string_view gbk);

// Byte length of the GBK character starting at text[pos] (1 or 2).
std::size_t GbkCharLength(std::string_view gbk, std::size_t pos);

// True when the C library can convert between UTF-8 and the code page named
// `gbkName` (CP936, the program's GBK) both ways: 张 must become D5 C5 and
// back. Without it the program would mix encodings, so both front ends stop
// at start when it answers false.
bool GbkConverterWorks(const char* gbkName = "CP936");
// What they say then (plain ASCII: there is no converter to say more).
extern const char* const kNoGbkConverterMessage;

}  // namespace lumeno
