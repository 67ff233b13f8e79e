#pragma once
// What the content tests of the fortune readings share: counting GBK
// characters and sentences, and finding sentences that stand in two rows.
#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <vector>

#include "core/gbk.h"
#include "core/text.h"
#include "data/query.h"

namespace lumeno::fortune::content {

// Characters of a GBK text (a double-byte character counts one).
inline int CharCount(const std::string& gbk) {
  int n = 0;
  for (std::size_t i = 0; i < gbk.size(); i += GbkCharLength(gbk, i)) ++n;
  return n;
}

// The sentences of a text: split after 。！？； and at line breaks, trimmed,
// the empty ones left out.
inline std::vector<std::string> Sentences(const std::string& gbk) {
  static const std::string kEnds[] = {"。", "！", "？", "；"};
  std::vector<std::string> out;
  std::string current;
  auto flush = [&] {
    std::string s = Trim(current);
    if (!s.empty()) out.push_back(s);
    current.clear();
  };
  for (std::size_t i = 0; i < gbk.size();) {
    const std::size_t n = GbkCharLength(gbk, i);
    const std::string c = gbk.substr(i, n);
    i += n;
    if (c == "\n" || c == "\r") {
      flush();
      continue;
    }
    current += c;
    for (const std::string& end : kEnds)
      if (c == end) flush();
  }
  flush();
  return out;
}

// Sentences of five characters or more that stand in more than one row, with
// the keys of the rows (UTF-8, for the failure message); "" when none.
inline std::string SharedSentences(const std::map<std::string, std::string>& rowsByKey) {
  std::map<std::string, std::set<std::string>> where;
  for (const auto& [key, text] : rowsByKey)
    for (const std::string& s : Sentences(text))
      if (CharCount(s) >= 5) where[s].insert(key);
  std::string report;
  for (const auto& [sentence, keys] : where) {
    if (keys.size() < 2) continue;
    report += "\n  " + GbkToUtf8(sentence) + " in";
    for (const std::string& k : keys) report += " " + GbkToUtf8(k);
  }
  return report;
}

// All rows of a shipped table, or an empty result when the query fails.
inline data::ResultSet Rows(data::DatabaseFile file, const std::string& sql) {
  try {
    return data::RunQuery(file, sql);
  } catch (const data::DataError& e) {
    ADD_FAILURE() << "cannot read the shipped database: " << GbkToUtf8(e.what());
    return {};
  }
}

// True for text in the GBK rows of Chinese characters only (no symbols, no
// single bytes).
inline bool ChineseCharactersOnly(const std::string& gbk) {
  if (gbk.empty() || !IsAllDoubleByte(gbk)) return false;
  for (std::size_t i = 0; i < gbk.size(); i += 2) {
    const unsigned char lead = static_cast<unsigned char>(gbk[i]);
    if (lead >= 0xA1 && lead <= 0xA9) return false;
  }
  return true;
}

}  // namespace lumeno::fortune::content
