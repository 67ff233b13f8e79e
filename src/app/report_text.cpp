#include "app/report_text.h"

#include <cstring>

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

}  // namespace lumeno::app
