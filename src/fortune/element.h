#pragma once
// The character element query: the element (金, 木, 水, 火 or 土) of each of
// up to five characters, from table word of Roruroz.dll.
#include <optional>
#include <string>
#include <vector>

#include "data/query.h"

namespace lumeno::fortune {

// The input field's limit: ten GBK bytes, five double-byte characters.
inline constexpr std::size_t kElementInputBytes = 10;

// The query of one piece: "select wuhang from word where zi = '%s' or ft =
// '%s' " with the piece in both places, a single quote in it doubled, so
// any input stays one quoted value.
std::string ElementQuerySql(const std::string& piece);

// The element of a character (its simplified form in zi or its traditional
// form in ft), "" when the table has no row. Runs on `query` (the window's
// component on Roruroz.dll) and closes it again; database errors are not
// caught.
std::string CharacterElementOf(const std::string& character, data::Query& query);

// The text cut into consecutive two-byte pieces from its start (bytes 1-2,
// 3-4, 5-6, 7-8, 9-10), the last piece one byte when the length is odd.
// Pieces follow the bytes, not the characters: "A张" gives "A" with the first
// byte of 张, then the second byte of 张.
std::vector<std::string> BytePairs(const std::string& text);

// At most `maxBytes` bytes of whole characters from the start, as the input
// field keeps them.
std::string CutToBytes(const std::string& gbk, std::size_t maxBytes);

// 查看: the input trimmed; nothing for an empty input (the output stays as
// it is), else the elements of its pieces joined without separator (pieces
// not in the table give nothing).
std::optional<std::string> ElementsOfText(const std::string& input, data::Query& query);

}  // namespace lumeno::fortune
