#pragma once
// The Unihan facts the reference build uses, read from the extract kept in
// the source tree (refdata/unihan/unihan-gbk.txt, made once by
// refdata/unihan/extract_unihan.py): one line per character, the column
// names in the first line that is not a comment, values as Unihan writes
// them.
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace lumeno::refgen {

using CodePoint = char32_t;

std::vector<CodePoint> DecodeUtf8(std::string_view s);
std::string EncodeUtf8(CodePoint cp);
// "U+4E00" -> 0x4E00; 0 when the text is no code point.
CodePoint ParseCodePoint(std::string_view s);
std::string CodePointName(CodePoint cp);  // "U+4E00"

struct RadicalStroke {
  int radical = 0;    // Kangxi radical number 1-214, 0 when unknown
  int residual = -1;  // strokes beside the radical
  bool Known() const { return radical > 0; }
};

struct HanInfo {
  RadicalStroke kangxi;   // kRSKangXi: the character's place in the Kangxi dictionary
  RadicalStroke unicode;  // kRSUnicode, first value
  int totalStrokes = 0;   // kTotalStrokes, the traditional (last) value
  int taiwanLevel = 9;    // 1 or 2 for the common traditional sets (T1, T2), 3 other T, 9 none
  std::vector<CodePoint> traditional;  // kTraditionalVariant
  std::vector<CodePoint> simplified;   // kSimplifiedVariant
  CodePoint compatibilityOf = 0;       // kCompatibilityVariant
  std::string reading;                 // first Mandarin reading with tone marks, UTF-8
  int readingRank = 9;                 // 0 kMandarin, 1 kHanyuPinyin, 2 kXHC1983, 9 none
  // Every Mandarin reading the dictionaries give, with tone marks: kMandarin,
  // then kTGHZ2013, kXHC1983 and kHanyuPinyin, each once, in that order.
  std::vector<std::string> readings;
  int generalListIndex = 0;  // kTGH: place in the 2013 general standard list (1-8105), 0 none
  bool inGb2312 = false;     // kGB0 present
};

class UnihanExtract {
 public:
  // Reads the extract; a missing file or a malformed line raises
  // std::runtime_error naming the place.
  explicit UnihanExtract(const std::string& path);

  const HanInfo* Find(CodePoint cp) const {
    auto it = info_.find(cp);
    return it == info_.end() ? nullptr : &it->second;
  }
  std::size_t size() const { return info_.size(); }

 private:
  std::unordered_map<CodePoint, HanInfo> info_;
};

// Where the extract lies below refdata/.
std::string UnihanExtractPath(const std::string& sourceDir);

// A reading in ASCII lower case without tone marks, ü written v ("lǘ" ->
// "lv"); enough to compare syllables and find initials.
std::string FoldReading(std::string_view utf8);

}  // namespace lumeno::refgen
