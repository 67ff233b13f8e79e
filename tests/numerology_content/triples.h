#pragma once
// The five elements and the 125 three-talent configurations (heaven,
// person, earth) in the order the tables list them, as GBK texts.
#include <string>
#include <vector>

namespace lumeno::numerology {

inline constexpr const char* kElements[] = {"金", "木", "水", "火", "土"};

inline std::vector<std::string> AllTriples() {
  std::vector<std::string> out;
  for (const char* h : kElements)
    for (const char* p : kElements)
      for (const char* e : kElements) out.push_back(std::string(h) + p + e);
  return out;
}

}  // namespace lumeno::numerology
