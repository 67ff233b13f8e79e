#pragma once
// Texts stored scrambled as hexadecimal byte pairs (sancai.content).
#include <cstdint>
#include <string>
#include <string_view>

namespace lumeno::data {

inline constexpr std::uint16_t kStoredTextKey = 7361;
inline constexpr int kStoredTextRounds = 7;

// Decodes a stored text into GBK. A pair that is not hexadecimal adds no
// byte and beeps once; a final odd digit is ignored; no bytes give "".
std::string DecodeStoredText(std::string_view text, std::uint16_t key = kStoredTextKey,
                             int rounds = kStoredTextRounds);

// The inverse, for preparing data: upper-case hexadecimal pairs that
// DecodeStoredText turns back into `plain`.
std::string EncodeStoredText(std::string_view plain, std::uint16_t key = kStoredTextKey,
                             int rounds = kStoredTextRounds);

}  // namespace lumeno::data
