// lumeno-pinyin-tables: writes the C++ source of the pinyin tables of the
// fortune library (src/fortune/pinyin_tables.h) from the Unihan extract and
// refdata/rules/pinyin_readings.tsv.
//   lumeno-pinyin-tables --source refdata --out FILE.cpp
//
// PinyinIndexTable has one entry for every double-byte GBK code (lead 0x81 to
// 0xFE, trail 0x40 to 0xFE, trail 0x7F included as an unused column): 0 when
// the code stands for no Chinese character with a reading, else the 1-based
// number of its syllable in PinyinSyllableTable. Syllables are ASCII lower
// case without tones, ü written v (but lue, nue), in alphabetical order. The symbol rows
// 0xA1-0xA9 have no readings, nor do unused or private-use codes.
//
// The first GB2312 level (B0A1-D7F9) is ordered by reading, so each code's
// section gives the initial of its reading; the tool picks readings that
// keep to it and stops with a message where the data cannot (see the rule
// file). The output depends only on its inputs.
#include <algorithm>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <map>
#include <set>
#include <stdexcept>
#include <string>
#include <unordered_map>
#include <vector>

#include "core/gbk.h"
#include "rule_file.h"
#include "unihan.h"

namespace lumeno::refgen {
namespace {

constexpr int kIndexSize = 126 * 191;

// The first code of each section of the first GB2312 level and its letter.
struct Section {
  int firstCode;
  char letter;
};
constexpr Section kSections[] = {
    {0xB0A1, 'a'}, {0xB0C5, 'b'}, {0xB2C1, 'c'}, {0xB4EE, 'd'}, {0xB6EA, 'e'}, {0xB7A2, 'f'},
    {0xB8C1, 'g'}, {0xB9FE, 'h'}, {0xBBF7, 'j'}, {0xBFA6, 'k'}, {0xC0AC, 'l'}, {0xC2E8, 'm'},
    {0xC4C3, 'n'}, {0xC5B6, 'o'}, {0xC5BE, 'p'}, {0xC6DA, 'q'}, {0xC8BB, 'r'}, {0xC8F6, 's'},
    {0xCBFA, 't'}, {0xCDDA, 'w'}, {0xCEF4, 'x'}, {0xD1B9, 'y'}, {0xD4D1, 'z'},
};
constexpr int kFirstLevelEnd = 0xD7F9;

// The section letter of a first-level code, 0 outside the first level.
char SectionLetter(int code) {
  if (code < kSections[0].firstCode || code > kFirstLevelEnd || (code & 0xFF) < 0xA1) return 0;
  char letter = 0;
  for (const Section& s : kSections)
    if (code >= s.firstCode) letter = s.letter;
  return letter;
}

bool IsSyllable(const std::string& s) {
  return !s.empty() && s.size() <= 6 && s.find_first_not_of("abcdefghijklmnopqrstuvwxyz") == std::string::npos;
}

// A reading as the table writes it: no tone, ü as v, except that lüe and
// nüe are written lue and nue, as keyboards spell them.
std::string Syllable(const std::string& reading) {
  std::string s = FoldReading(reading);
  if (s == "lve" || s == "nve") s[1] = 'u';
  return s;
}

// Syllables the table holds even where no character reads them.
const char* const kAlwaysHeld[] = {"m", "n", "ei", "dia"};

struct Choice {
  std::string reading;  // fixed syllable, or empty
  char letter = 0;      // the initial that replaces the section's, or 0
  std::string where;
};

std::unordered_map<CodePoint, Choice> ReadChoices(const std::string& path) {
  std::unordered_map<CodePoint, Choice> out;
  for (const RuleLine& r : ReadRules(path, {"char"})) {
    Choice c;
    c.where = r.where;
    c.reading = r.Get("reading");
    std::string letter = r.Get("letter");
    if (c.reading.empty() && letter.empty()) throw std::runtime_error(r.where + ": give a reading or a letter");
    if (!c.reading.empty() && !IsSyllable(c.reading))
      throw std::runtime_error(r.where + ": a reading is written in lower-case letters without tone, ü as v");
    if (!letter.empty()) {
      if (letter.size() != 1 || letter[0] < 'a' || letter[0] > 'z')
        throw std::runtime_error(r.where + ": the letter is one lower-case letter");
      c.letter = letter[0];
    }
    if (!out.emplace(SingleCharacter(r, "char"), c).second) throw std::runtime_error(r.where + ": character given twice");
  }
  return out;
}

std::unordered_map<CodePoint, std::string> ReadOverrides(const std::string& path) {
  std::unordered_map<CodePoint, std::string> out;
  for (const RuleLine& r : ReadRules(path, {"char", "reading"})) out[SingleCharacter(r, "char")] = r.Get("reading");
  return out;
}

class TableBuilder {
 public:
  TableBuilder(const UnihanExtract& unihan, std::unordered_map<CodePoint, Choice> choices,
               std::unordered_map<CodePoint, std::string> overrides)
      : unihan_(unihan), choices_(std::move(choices)), overrides_(std::move(overrides)) {}

  void Build() {
    std::set<CodePoint> used;
    for (int lead = 0x81; lead <= 0xFE; ++lead) {
      for (int trail = 0x40; trail <= 0xFE; ++trail) {
        const int at = (lead - 0x81) * 191 + (trail - 0x40);
        if (trail == 0x7F || (lead >= 0xA1 && lead <= 0xA9)) continue;
        std::string gbk{static_cast<char>(lead), static_cast<char>(trail)};
        std::vector<CodePoint> cps = DecodeUtf8(GbkToUtf8(gbk));
        if (cps.size() != 1 || cps[0] == 0xFFFD) continue;
        const HanInfo* info = unihan_.Find(cps[0]);
        if (!info || !info->unicode.Known()) continue;  // no Chinese character
        used.insert(cps[0]);
        std::string syllable = SyllableOf(cps[0], *info, lead * 256 + trail);
        if (syllable.empty()) continue;
        syllableAt_[at] = syllable;
        syllables_.insert(syllable);
      }
    }
    for (const auto& [cp, choice] : choices_)
      if (!used.count(cp)) throw std::runtime_error(choice.where + ": " + CodePointName(cp) + " is no GBK character");
    for (const char* s : kAlwaysHeld) syllables_.insert(s);
  }

  void Write(std::ostream& out) const {
    std::vector<std::string> list(syllables_.begin(), syllables_.end());
    std::map<std::string, int> number;
    for (std::size_t i = 0; i < list.size(); ++i) number[list[i]] = static_cast<int>(i) + 1;
    out << "// Generated by lumeno-pinyin-tables from refdata/unihan/unihan-gbk.txt and\n"
           "// refdata/rules/pinyin_readings.tsv. Do not edit.\n"
           "#include \"fortune/pinyin_tables.h\"\n\n"
           "namespace lumeno::fortune {\n\n"
           "const char* const PinyinSyllableTable[] = {";
    for (std::size_t i = 0; i < list.size(); ++i) out << (i % 10 ? " " : "\n    ") << '"' << list[i] << "\",";
    out << "\n};\n\nconst int PinyinSyllableCount = " << list.size() << ";\n\n"
        << "const std::uint16_t PinyinIndexTable[kPinyinIndexSize] = {";
    for (int lead = 0x81; lead <= 0xFE; ++lead) {
      out << StrFormatHex(lead);
      for (int trail = 0x40; trail <= 0xFE; ++trail) {
        const int at = (lead - 0x81) * 191 + (trail - 0x40);
        auto s = syllableAt_.find(at);
        if ((trail - 0x40) % 16 == 0) out << "\n    ";
        else out << ' ';
        out << (s == syllableAt_.end() ? 0 : number.at(s->second)) << ',';
      }
    }
    out << "\n};\n\n}  // namespace lumeno::fortune\n";
  }

  std::size_t SyllableCount() const { return syllables_.size(); }
  std::size_t EntryCount() const { return syllableAt_.size(); }

 private:
  static std::string StrFormatHex(int lead) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "\n    // lead 0x%02X", lead);
    return buf;
  }

  // All readings of a character, the dictionaries' first; a character
  // without any borrows those of its variants.
  std::vector<std::string> ReadingsOf(CodePoint cp, const HanInfo& info) const {
    auto over = overrides_.find(cp);
    if (over != overrides_.end()) return {over->second};
    if (!info.readings.empty()) return info.readings;
    std::vector<CodePoint> related;
    if (info.compatibilityOf) related.push_back(info.compatibilityOf);
    related.insert(related.end(), info.simplified.begin(), info.simplified.end());
    related.insert(related.end(), info.traditional.begin(), info.traditional.end());
    for (CodePoint r : related)
      if (const HanInfo* ri = unihan_.Find(r); ri && !ri->readings.empty()) return ri->readings;
    return {};
  }

  std::string SyllableOf(CodePoint cp, const HanInfo& info, int code) {
    const char section = SectionLetter(code);
    auto choice = choices_.find(cp);
    const Choice* c = choice == choices_.end() ? nullptr : &choice->second;
    const std::string name = CodePointName(cp) + " (" + EncodeUtf8(cp) + ")";
    if (c && c->letter) {
      if (!section) throw std::runtime_error(c->where + ": a letter is given only for the first GB2312 level");
      if (c->letter == section)
        throw std::runtime_error(c->where + ": " + name + " lies in section " + std::string(1, section) +
                                 " already; drop the letter");
    }
    const char want = c && c->letter ? c->letter : section;
    std::string syllable;
    if (c && !c->reading.empty()) {
      syllable = c->reading;
    } else {
      std::vector<std::string> readings = ReadingsOf(cp, info);
      for (const std::string& r : readings) {
        std::string folded = Syllable(r);
        if (!want || (!folded.empty() && folded[0] == want)) {
          syllable = folded;
          break;
        }
      }
      if (syllable.empty() && want && !readings.empty())
        throw std::runtime_error(name + ": no reading starts with " + std::string(1, want) +
                                 ", the letter of its place in GB2312");
    }
    if (syllable.empty()) {
      if (section) throw std::runtime_error(name + ": a first-level GB2312 character without a reading");
      return {};
    }
    if (!IsSyllable(syllable)) throw std::runtime_error(name + ": reading '" + syllable + "' is no syllable");
    if (want && syllable[0] != want)
      throw std::runtime_error((c ? c->where + ": " : std::string()) + name + " reads " + syllable +
                               ", but its place in GB2312 needs a reading in " + std::string(1, want));
    return syllable;
  }

  const UnihanExtract& unihan_;
  std::unordered_map<CodePoint, Choice> choices_;
  std::unordered_map<CodePoint, std::string> overrides_;
  std::map<int, std::string> syllableAt_;
  std::set<std::string> syllables_;
};

}  // namespace
}  // namespace lumeno::refgen

int main(int argc, char** argv) {
  using namespace lumeno::refgen;
  std::string source, out;
  bool usage = argc % 2 == 0;
  for (int i = 1; i + 1 < argc; i += 2) {
    std::string a = argv[i];
    if (a == "--source") source = argv[i + 1];
    else if (a == "--out") out = argv[i + 1];
    else usage = true;
  }
  if (usage || source.empty() || out.empty()) {
    std::cerr << "usage: lumeno-pinyin-tables --source DIR --out FILE\n";
    return 2;
  }
  try {
    UnihanExtract unihan(UnihanExtractPath(source));
    TableBuilder builder(unihan, ReadChoices(source + "/rules/pinyin_readings.tsv"),
                         ReadOverrides(source + "/rules/reading_overrides.tsv"));
    builder.Build();
    const std::string tmp = out + ".tmp";
    {
      std::ofstream file(tmp, std::ios::binary | std::ios::trunc);
      if (!file) throw std::runtime_error("cannot write " + tmp);
      builder.Write(file);
      if (!file.flush()) throw std::runtime_error("cannot write " + tmp);
    }
    if (std::rename(tmp.c_str(), out.c_str()) != 0) throw std::runtime_error("cannot write " + out);
    std::printf("  pinyin tables: %zu codes with a reading, %zu syllables\n", builder.EntryCount(),
                builder.SyllableCount());
  } catch (const std::exception& e) {
    std::cerr << "lumeno-pinyin-tables: " << e.what() << "\n";
    return 1;
  }
  return 0;
}
