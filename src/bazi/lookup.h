#pragma once
// The eight-character look-ups in Tgcode.dll share one rule: the first field
// of the first record, trimmed; an empty text when nothing is found or the
// query fails, so a chart is always complete.
#include <string>

namespace lumeno::bazi {

std::string TgcodeText(const std::string& gbkSql);

}  // namespace lumeno::bazi
