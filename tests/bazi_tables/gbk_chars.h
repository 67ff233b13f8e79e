#pragma once
// Small helpers for checking the shipped eight-character texts character by
// character. Texts are GBK; every character of a reading is double-byte.
#include <string>
#include <vector>

#include "core/gbk.h"

namespace lumeno::testing {

// The characters of a GBK text, each as its bytes; single-byte characters
// (ASCII, or the '?' a failed conversion leaves) stay single.
inline std::vector<std::string> GbkChars(const std::string& gbk) {
  std::vector<std::string> chars;
  for (std::size_t pos = 0; pos < gbk.size();) {
    std::size_t len = GbkCharLength(gbk, pos);
    chars.push_back(gbk.substr(pos, len));
    pos += len;
  }
  return chars;
}

// The text as UTF-8, for readable failure messages.
inline std::string Show(const std::string& gbk) { return GbkToUtf8(gbk); }

}  // namespace lumeno::testing
