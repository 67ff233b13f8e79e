#include "app/report_text.h"

#include <cstring>

#include "core/gbk.h"
#include "core/text.h"

namespace lumeno::app {

std::string SuggestedReportName(const std::string& surname, const std::string& given) {
  const std::string joined = surname + given;
  if (joined.empty()) return {};
  for (char c : joined)
    if (c != '\0' && std::strchr("*/<>?\\|", c)) return "*.txt";
  return Trim(joined);
}

std::string SavedReportPath(const std::string& chosen) { return chosen + ".txt"; }

std::string JoinReportLines(const std::vector<std::string>& lines) {
  std::size_t size = 0;
  for (const std::string& line : lines) size += line.size() + 2;
  std::string out;
  out.reserve(size);
  for (const std::string& line : lines) {
    out += line;
    out += "\r\n";
  }
  return out;
}

std::vector<std::string> SplitTextLines(std::string_view bytes) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    char c = bytes[i];
    if (c != '\r' && c != '\n') continue;
    lines.emplace_back(bytes.substr(start, i - start));
    if (c == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') ++i;
    start = i + 1;
  }
  if (start < bytes.size()) lines.emplace_back(bytes.substr(start));
  return lines;
}

bool IsValidUtf8(std::string_view bytes) {
  std::size_t i = 0;
  const std::size_t n = bytes.size();
  while (i < n) {
    const auto b = static_cast<unsigned char>(bytes[i]);
    if (b < 0x80) {
      ++i;
      continue;
    }
    int extra;
    unsigned int lowest;  // the least code point of this length, against overlong forms
    unsigned int code;
    if ((b & 0xE0) == 0xC0) {
      extra = 1, lowest = 0x80, code = b & 0x1F;
    } else if ((b & 0xF0) == 0xE0) {
      extra = 2, lowest = 0x800, code = b & 0x0F;
    } else if ((b & 0xF8) == 0xF0) {
      extra = 3, lowest = 0x10000, code = b & 0x07;
    } else {
      return false;
    }
    if (n - i <= static_cast<std::size_t>(extra)) return false;
    for (int k = 1; k <= extra; ++k) {
      const auto c = static_cast<unsigned char>(bytes[i + static_cast<std::size_t>(k)]);
      if ((c & 0xC0) != 0x80) return false;
      code = (code << 6) | (c & 0x3F);
    }
    if (code < lowest || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) return false;
    i += static_cast<std::size_t>(extra) + 1;
  }
  return true;
}

std::vector<std::string> RecordLines(std::string_view bytes) {
  if (!IsValidUtf8(bytes)) return SplitTextLines(bytes);
  if (bytes.substr(0, 3) == "\xEF\xBB\xBF") bytes.remove_prefix(3);
  return SplitTextLines(Utf8ToGbk(bytes));
}

}  // namespace lumeno::app
