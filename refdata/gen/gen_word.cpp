// Table word of Roruroz.dll: one row for every Chinese character of GBK,
// derived from the Unihan database by the rules in refdata/rules/ (described
// in refdata/docs/word-table.md).
//
//   zi      the character (the simplified form where it has one)
//   ft      its traditional form, or zi itself where there is none in GBK
//   bh      the naming stroke count: the Kangxi count of the traditional form
//           with its radical counted in full form (氵 as 水 4, 艹 as 艸 6, ...)
//   wuhang  the element: by the character's meaning, else its radical's,
//           else the sound class of its Mandarin initial
//   px, id, nan, nv, xb, Aflag  the name candidates' columns (Aflag null on a
//           candidate; see CandidateSex and the functions beside it)
//   pinyin  the reading with its tone: a candidate's name reading, else the
//           first Mandarin reading the dictionaries give
//   gloss   the sense that makes a candidate good in a name; null elsewhere
//
// A traditional character that is not the ft of its simplified form's main
// row (the second form of 发 -> 發 / 髮, say) gets a row of its own after all
// main rows, with zi the simplified form, ft the traditional one and its own
// count, so that look-ups by ft find it and look-ups by zi still meet the
// main row first. Those rows carry Aflag 2 so that name generation never
// takes them.
//
// Elements: the element naming books print (rules/element_facts.tsv) wins;
// the rule serves the characters it does not name.
#include <algorithm>
#include <cstdint>
#include <map>
#include <set>
#include <stdexcept>
#include <string>
#include <string_view>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "core/gbk.h"
#include "core/text.h"
#include "refgen.h"
#include "rule_file.h"
#include "unihan.h"

namespace lumeno::refgen {
namespace {

enum class Element { None, Metal, Wood, Water, Fire, Earth };

// The element characters as the table stores them (GBK).
const char* ElementText(Element e) {
  switch (e) {
    case Element::Metal: return "金";
    case Element::Wood: return "木";
    case Element::Water: return "水";
    case Element::Fire: return "火";
    case Element::Earth: return "土";
    case Element::None: break;
  }
  return "";
}

Element ParseElement(const RuleLine& rule, const std::string& column) {
  std::string gbk = Utf8ToGbk(rule.Get(column));
  for (Element e : {Element::Metal, Element::Wood, Element::Water, Element::Fire, Element::Earth})
    if (gbk == ElementText(e)) return e;
  throw std::runtime_error(rule.where + ": not one of the five elements: " + rule.Get(column));
}

// A character that suits a given name (name_candidates.tsv).
struct Candidate {
  bool boys = false, girls = false;  // nan, nv
  int tier = 0;                      // 1 most common in names today ... 5 rare but fine
  std::string pinyin;                // the name reading with its tone, UTF-8
  std::string gloss;                 // UTF-8
  std::string where;                 // the line, for messages
};

// The reason classes of the exclusion list.
const char* const kExclusionReasons[] = {"凶义", "贬义", "不雅", "虚词", "谐音", "专名", "不宜"};

struct Rules {
  std::unordered_map<CodePoint, int> strokeOverrides;
  std::unordered_map<CodePoint, CodePoint> components;  // character -> component counted in full
  std::unordered_map<CodePoint, CodePoint> traditionalChoice;
  std::unordered_map<int, Element> radicalElements;
  std::unordered_map<CodePoint, Element> characterElements;
  std::vector<std::pair<std::string, Element>> soundElements;  // longest initial first
  std::unordered_map<CodePoint, std::string> readings;
  // The element naming books print (element_facts.tsv); wins over the rule.
  std::unordered_map<CodePoint, Element> elementFacts;
  std::unordered_map<CodePoint, Candidate> candidates;    // name_candidates.tsv
  std::unordered_map<CodePoint, std::string> exclusions;  // name_exclusions.tsv: the reason class
};

Rules ReadAllRules(const std::string& dir) {
  Rules rules;
  for (const RuleLine& r : ReadRules(dir + "/stroke_overrides.tsv", {"char", "strokes"})) {
    auto n = ParseInt(r.Get("strokes"));
    if (!n || *n < 1 || *n > 64) throw std::runtime_error(r.where + ": not a stroke count");
    if (!rules.strokeOverrides.emplace(SingleCharacter(r, "char"), *n).second)
      throw std::runtime_error(r.where + ": character given twice");
  }
  for (const RuleLine& r : ReadRules(dir + "/component_strokes.tsv", {"char", "component"})) {
    CodePoint c = SingleCharacter(r, "char"), part = SingleCharacter(r, "component");
    if (c == part) throw std::runtime_error(r.where + ": a character is no component of itself");
    if (!rules.components.emplace(c, part).second) throw std::runtime_error(r.where + ": character given twice");
  }
  for (const RuleLine& r : ReadRules(dir + "/traditional_forms.tsv", {"char", "traditional"}))
    if (!rules.traditionalChoice.emplace(SingleCharacter(r, "char"), SingleCharacter(r, "traditional")).second)
      throw std::runtime_error(r.where + ": character given twice");
  for (const RuleLine& r : ReadRules(dir + "/element_radicals.tsv", {"radical", "element"})) {
    auto n = ParseInt(r.Get("radical"));
    if (!n || *n < 1 || *n > 214) throw std::runtime_error(r.where + ": not a Kangxi radical number");
    if (!rules.radicalElements.emplace(*n, ParseElement(r, "element")).second)
      throw std::runtime_error(r.where + ": radical given twice");
  }
  for (const RuleLine& r : ReadRules(dir + "/element_characters.tsv", {"char", "element"}))
    if (!rules.characterElements.emplace(SingleCharacter(r, "char"), ParseElement(r, "element")).second)
      throw std::runtime_error(r.where + ": character given twice");
  for (const RuleLine& r : ReadRules(dir + "/sound_elements.tsv", {"initial", "element"})) {
    const std::string& initial = r.Get("initial");
    if (initial.find_first_not_of("abcdefghijklmnopqrstuvwxyz") != std::string::npos)
      throw std::runtime_error(r.where + ": an initial is written in lower-case letters");
    rules.soundElements.emplace_back(initial, ParseElement(r, "element"));
  }
  std::stable_sort(rules.soundElements.begin(), rules.soundElements.end(),
                   [](const auto& a, const auto& b) { return a.first.size() > b.first.size(); });
  for (const RuleLine& r : ReadRules(dir + "/reading_overrides.tsv", {"char", "reading"}))
    rules.readings[SingleCharacter(r, "char")] = r.Get("reading");
  for (const RuleLine& r : ReadRules(dir + "/element_facts.tsv", {"zi", "wuhang"}))
    if (!rules.elementFacts.emplace(SingleCharacter(r, "zi"), ParseElement(r, "wuhang")).second)
      throw std::runtime_error(r.where + ": character given twice");
  for (const RuleLine& r : ReadRules(dir + "/name_candidates.tsv", {"zi", "nan", "nv", "tier", "pinyin", "gloss"})) {
    Candidate c;
    c.where = r.where;
    auto flag = [&r](const char* column) {
      std::string v = r.Get(column);
      if (v != "0" && v != "1") throw std::runtime_error(r.where + ": column " + column + " is 0 or 1");
      return v == "1";
    };
    c.boys = flag("nan");
    c.girls = flag("nv");
    if (!c.boys && !c.girls) throw std::runtime_error(r.where + ": a candidate suits boys, girls or both (nan or nv 1)");
    auto tier = ParseInt(r.Get("tier"));
    if (!tier || *tier < 1 || *tier > 5) throw std::runtime_error(r.where + ": tier is 1 to 5");
    c.tier = *tier;
    c.pinyin = r.Get("pinyin");
    c.gloss = r.Get("gloss");
    if (!rules.candidates.emplace(SingleCharacter(r, "zi"), c).second)
      throw std::runtime_error(r.where + ": character given twice");
  }
  for (const RuleLine& r : ReadRules(dir + "/name_exclusions.tsv", {"zi", "reason"})) {
    const std::string reason = r.Get("reason");
    if (std::none_of(std::begin(kExclusionReasons), std::end(kExclusionReasons),
                     [&](const char* known) { return Utf8ToGbk(reason) == known; }))
      throw std::runtime_error(r.where + ": reason " + reason + " is not one of the seven reason classes");
    if (!rules.exclusions.emplace(SingleCharacter(r, "zi"), reason).second)
      throw std::runtime_error(r.where + ": character given twice");
  }
  return rules;
}

// ---------------------------------------------------------------------------
// Strokes

// Strokes of a Kangxi radical in its full form. The 214 radicals are ordered
// by stroke count, so the count follows from the number alone.
int KangxiRadicalStrokes(int radical) {
  static const int kFirstOfCount[] = {1, 7, 30, 61, 95, 118, 147, 167, 176, 187, 195, 201, 205, 209, 211, 212, 214};
  int strokes = 0;
  for (int first : kFirstOfCount)
    if (radical >= first) ++strokes;
  return strokes;
}

// The naming count of one form. A form with residual strokes takes its
// radical in full form plus the residual strokes of its place in the Kangxi
// dictionary (kRSKangXi, else kRSUnicode). The count never falls below the
// form's written traditional count: for a few characters the dictionary's
// residual is shorter than the written rest (政 under 攴 with 4, though 正 is
// written with 5). A form that is a radical by itself (residual 0) is counted
// as written, so 王 is 4 and only 王 beside another part counts as 玉 5.
//
// Nor does it fall below its radical in full form plus the count of a
// component listed for it in rules/component_strokes.tsv: the residual
// counts 路 inside 璐 and 潞 with 12 strokes, one less than 路 has by itself,
// so 璐 is 玉 5 + 路 13 = 18 and 潞 水 4 + 13 = 17.
int NamingStrokes(CodePoint form, const UnihanExtract& unihan, const Rules& rules) {
  auto over = rules.strokeOverrides.find(form);
  if (over != rules.strokeOverrides.end()) return over->second;
  const HanInfo* info = unihan.Find(form);
  if (!info) throw std::runtime_error("Unihan has no entry for " + CodePointName(form));
  const RadicalStroke& rs = info->kangxi.Known() ? info->kangxi : info->unicode;
  if (!rs.Known() || rs.residual <= 0) return info->totalStrokes;
  int strokes = std::max(info->totalStrokes, KangxiRadicalStrokes(rs.radical) + rs.residual);
  auto component = rules.components.find(form);
  if (component != rules.components.end())
    strokes = std::max(strokes, KangxiRadicalStrokes(rs.radical) + NamingStrokes(component->second, unihan, rules));
  return strokes;
}

// ---------------------------------------------------------------------------
// Elements

Element SoundElement(const std::string& reading, const Rules& rules) {
  std::string folded = FoldReading(reading);
  for (const auto& [initial, element] : rules.soundElements)
    if (folded.compare(0, initial.size(), initial) == 0) return element;
  return Element::None;
}

// ---------------------------------------------------------------------------
// GBK

struct GbkChar {
  CodePoint cp;
  std::string gbk;  // the two bytes
  bool gb2312;      // rows 16-87: the common simplified set
};

// Every double-byte code of GBK that stands for a Chinese character (one
// that Unihan gives a radical for), in code order.
std::vector<GbkChar> GbkHanzi(const UnihanExtract& unihan) {
  std::vector<GbkChar> out;
  for (int lead = 0x81; lead <= 0xFE; ++lead) {
    for (int trail = 0x40; trail <= 0xFE; ++trail) {
      if (trail == 0x7F) continue;
      std::string gbk{static_cast<char>(lead), static_cast<char>(trail)};
      std::vector<CodePoint> cps = DecodeUtf8(GbkToUtf8(gbk));
      if (cps.size() != 1 || cps[0] == 0xFFFD) continue;
      const HanInfo* info = unihan.Find(cps[0]);
      if (!info || !info->unicode.Known()) continue;
      out.push_back({cps[0], gbk, lead >= 0xB0 && lead <= 0xF7 && trail >= 0xA1});
    }
  }
  return out;
}

// ---------------------------------------------------------------------------
// The table

class WordBuilder {
 public:
  WordBuilder(const UnihanExtract& unihan, const Rules& rules) : unihan_(unihan), rules_(rules) {
    for (const GbkChar& c : GbkHanzi(unihan)) {
      gbkOf_.emplace(c.cp, c.gbk);
      chars_.push_back(c);
    }
    for (const auto& [cp, strokes] : rules.strokeOverrides) RequireKnown(cp, "stroke_overrides.tsv");
    for (const auto& [cp, part] : rules.components) {
      RequireKnown(cp, "component_strokes.tsv");
      RequireKnown(part, "component_strokes.tsv");
      if (rules.components.count(part))
        throw std::runtime_error("component_strokes.tsv: component " + CodePointName(part) + " has a component listed itself");
    }
    for (const auto& [cp, e] : rules.characterElements) RequireGbk(cp, "element_characters.tsv");
    for (const auto& [cp, e] : rules.elementFacts) RequireGbk(cp, "element_facts.tsv");
    for (const auto& [cp, reason] : rules.exclusions) RequireGbk(cp, "name_exclusions.tsv");
    for (const GbkChar& c : chars_)
      if (c.gb2312) gb2312_.insert(c.cp);
    for (const auto& [cp, c] : rules.candidates) CheckCandidate(cp, c);
    for (const auto& [cp, reading] : rules.readings) RequireGbk(cp, "reading_overrides.tsv");
    for (const auto& [cp, form] : rules.traditionalChoice) {
      RequireGbk(cp, "traditional_forms.tsv");
      const std::vector<CodePoint>& t = Info(cp).traditional;
      if (form != cp && std::find(t.begin(), t.end(), form) == t.end())
        throw std::runtime_error("traditional_forms.tsv: " + CodePointName(form) + " is no traditional form of " +
                                 CodePointName(cp));
    }
  }

  struct Word {
    std::string zi, ft;  // GBK
    int bh;
    const char* wuhang;
    int aflag;               // 1 main row, 2 further traditional form; ignored for a candidate
    const Candidate* candidate = nullptr;  // set on the main row of a name candidate
    std::string pinyin;      // GBK, with tone marks
  };

  std::vector<Word> Build() {
    std::unordered_set<CodePoint> main;
    std::vector<const GbkChar*> traditionalOnly;
    for (const GbkChar& c : chars_) {
      if (IsTraditionalOnly(c)) traditionalOnly.push_back(&c);
      else main.insert(c.cp);
    }
    std::unordered_map<CodePoint, CodePoint> simplifiedOf;
    for (const GbkChar* c : traditionalOnly) {
      if (CodePoint s = MainSimplified(c->cp, main)) simplifiedOf[c->cp] = s;
      else main.insert(c->cp);  // nothing to belong to: it stands for itself
    }

    std::vector<Word> words;
    std::unordered_set<CodePoint> asFt;
    auto addMain = [&](const GbkChar& c) {
      if (!main.count(c.cp)) return;
      CodePoint form = CountedForm(c.cp);
      auto gbk = gbkOf_.find(form);
      if (gbk != gbkOf_.end()) asFt.insert(form);
      words.push_back(MakeWord(c.cp, form, gbk != gbkOf_.end() ? gbk->second : c.gbk, 1));
    };
    // GB2312 first, so that where two rows share an ft the common character's
    // row comes first.
    for (const GbkChar& c : chars_)
      if (c.gb2312) addMain(c);
    for (const GbkChar& c : chars_)
      if (!c.gb2312) addMain(c);
    for (const GbkChar& c : chars_) {
      auto s = simplifiedOf.find(c.cp);
      if (s == simplifiedOf.end() || asFt.count(c.cp)) continue;
      words.push_back(MakeWord(s->second, c.cp, c.gbk, 2));
    }
    return words;
  }

 private:
  const HanInfo& Info(CodePoint cp) const {
    const HanInfo* info = unihan_.Find(cp);
    if (!info) throw std::runtime_error("Unihan has no entry for " + CodePointName(cp));
    return *info;
  }
  bool InGbk(CodePoint cp) const { return gbkOf_.count(cp) != 0; }
  void RequireGbk(CodePoint cp, const char* file) const {
    if (!InGbk(cp)) throw std::runtime_error(std::string(file) + ": " + CodePointName(cp) + " is no GBK character");
  }
  void RequireKnown(CodePoint cp, const char* file) const {
    if (!unihan_.Find(cp)) throw std::runtime_error(std::string(file) + ": Unihan has no " + CodePointName(cp));
  }

  // A candidate must be a GB2312 character that is not excluded, with a
  // reading written as a pinyin syllable with its tone mark and a gloss of 4
  // to 16 Chinese characters and full-width signs. Anything else stops the
  // build with the line.
  void CheckCandidate(CodePoint cp, const Candidate& c) const {
    const std::string name = CodePointName(cp) + " (" + EncodeUtf8(cp) + ")";
    auto fail = [&](const std::string& why) { throw std::runtime_error(c.where + ": candidate " + name + " " + why); };
    if (!gb2312_.count(cp)) fail("is not a GB2312 character");
    if (rules_.exclusions.count(cp)) fail("is in name_exclusions.tsv (" + rules_.exclusions.at(cp) + ")");
    const std::string syllable = FoldReading(c.pinyin);
    if (syllable.empty() || syllable.size() > 6 ||
        syllable.find_first_not_of("abcdefghijklmnopqrstuvwxyz") != std::string::npos ||
        c.pinyin.find_first_of("0123456789 ") != std::string::npos)
      fail("has no reading written as one pinyin syllable: '" + c.pinyin + "'");
    if (GbkToUtf8(Utf8ToGbk(c.pinyin)) != c.pinyin) fail("has a reading that GBK cannot hold: " + c.pinyin);
    const std::vector<std::string>& known = Info(cp).readings;
    if (std::none_of(known.begin(), known.end(), [&](const std::string& r) { return FoldReading(r) == syllable; }))
      fail("reads " + c.pinyin + ", which no dictionary gives it");
    const std::vector<CodePoint> gloss = DecodeUtf8(c.gloss);
    if (gloss.size() < 4 || gloss.size() > 16)
      fail("needs a gloss of 4 to 16 characters, has " + std::to_string(gloss.size()));
    if (std::any_of(gloss.begin(), gloss.end(), [](CodePoint g) { return g < 0x80; }))
      fail("has a gloss with ASCII letters, digits or signs: " + c.gloss);
    if (GbkToUtf8(Utf8ToGbk(c.gloss)) != c.gloss) fail("has a gloss that GBK cannot hold: " + c.gloss);
  }

  // The reading stored for a row: a candidate's name reading, else the
  // first Mandarin reading the dictionaries give (the override, the
  // character's own, a variant's) as GBK can hold it.
  std::string PinyinOf(CodePoint first, CodePoint second) const {
    for (CodePoint cp : {first, second}) {
      std::vector<std::string> readings;
      auto over = rules_.readings.find(cp);
      if (over != rules_.readings.end()) readings.push_back(over->second);
      std::string usual = ReadingOf(cp);
      if (!usual.empty()) readings.push_back(usual);
      if (const HanInfo* info = unihan_.Find(cp))
        readings.insert(readings.end(), info->readings.begin(), info->readings.end());
      for (const std::string& r : readings)
        if (GbkToUtf8(Utf8ToGbk(r)) == r) return Utf8ToGbk(r);
      // Only marks GBK lacks (the m with an acute of 呣): the toneless syllable.
      if (!readings.empty()) return FoldReading(readings.front());
    }
    return {};
  }

  // A character outside GB2312 whose simplified form is in GBK is a
  // traditional form only: it gets no row of its own as zi. (GB2312 is the
  // simplified set, so its characters always stand for themselves, even the
  // few that Unihan calls traditional, such as 後 and 於.)
  bool IsTraditionalOnly(const GbkChar& c) const {
    if (c.gb2312) return false;
    const std::vector<CodePoint>& simp = Info(c.cp).simplified;
    if (simp.empty() || std::find(simp.begin(), simp.end(), c.cp) != simp.end()) return false;
    return std::any_of(simp.begin(), simp.end(), [this](CodePoint s) { return InGbk(s); });
  }

  // The character with a main row that a traditional-only character belongs
  // to, following a short chain of simplifications (薴 -> 苧 -> 苎); 0 when
  // there is none.
  CodePoint MainSimplified(CodePoint cp, const std::unordered_set<CodePoint>& main) const {
    CodePoint at = cp;
    for (int step = 0; step < 4; ++step) {
      CodePoint next = 0;
      for (CodePoint s : Info(at).simplified)
        if (InGbk(s)) {
          next = s;
          break;
        }
      if (!next || next == cp) return 0;
      if (main.count(next)) return next;
      at = next;
    }
    return 0;
  }

  // The traditional form whose strokes a character is counted by.
  CodePoint CountedForm(CodePoint cp) const {
    auto choice = rules_.traditionalChoice.find(cp);
    if (choice != rules_.traditionalChoice.end()) return choice->second;
    const HanInfo& info = Info(cp);
    const std::vector<CodePoint>& t = info.traditional;
    if (t.empty()) return cp;
    // A character that is one of its own traditional forms and belongs to
    // the common traditional set keeps itself (于, 余, 后, 干).
    if (std::find(t.begin(), t.end(), cp) != t.end() && info.taiwanLevel <= 2) return cp;
    CodePoint best = 0;
    int bestLevel = 99;
    for (CodePoint form : t) {
      if (form == cp) continue;
      const HanInfo* fi = unihan_.Find(form);
      int level = fi ? fi->taiwanLevel : 99;
      if (!best || level < bestLevel || (level == bestLevel && form < best)) {
        best = form;
        bestLevel = level;
      }
    }
    return best ? best : cp;
  }

  // The reading used for the element by sound: the override, then Unihan's
  // for the character, then for its variants.
  std::string ReadingOf(CodePoint cp) const {
    auto over = rules_.readings.find(cp);
    if (over != rules_.readings.end()) return over->second;
    const HanInfo* info = unihan_.Find(cp);
    if (!info) return {};
    if (!info->reading.empty()) return info->reading;
    std::vector<CodePoint> related;
    if (info->compatibilityOf) related.push_back(info->compatibilityOf);
    related.insert(related.end(), info->simplified.begin(), info->simplified.end());
    related.insert(related.end(), info->traditional.begin(), info->traditional.end());
    for (CodePoint r : related)
      if (const HanInfo* ri = unihan_.Find(r); ri && !ri->reading.empty()) return ri->reading;
    return {};
  }

  // `first` is the character the row is for (zi of a main row, ft of a row
  // of a further traditional form), `second` the row's other form.
  Element ElementOf(CodePoint first, CodePoint second, CodePoint counted) const {
    for (CodePoint cp : {first, second}) {
      auto e = rules_.elementFacts.find(cp);
      if (e != rules_.elementFacts.end()) return e->second;
    }
    for (CodePoint cp : {first, second}) {
      auto e = rules_.characterElements.find(cp);
      if (e != rules_.characterElements.end()) return e->second;
    }
    const HanInfo& info = Info(counted);
    const RadicalStroke& rs = info.kangxi.Known() ? info.kangxi : info.unicode;
    auto byRadical = rules_.radicalElements.find(rs.radical);
    if (byRadical != rules_.radicalElements.end()) return byRadical->second;
    for (CodePoint cp : {first, second}) {
      Element e = SoundElement(ReadingOf(cp), rules_);
      if (e != Element::None) return e;
    }
    // No reading at all (a handful of Japanese-made characters): earth, the
    // element of the centre.
    return Element::Earth;
  }

  Word MakeWord(CodePoint zi, CodePoint counted, const std::string& ftGbk, int aflag) const {
    int bh = NamingStrokes(counted, unihan_, rules_);
    if (bh < 1 || bh > 64)
      throw std::runtime_error("no sensible stroke count for " + CodePointName(counted) + ": " + std::to_string(bh));
    // For a row of a further traditional form the form itself comes first.
    bool further = aflag == 2;
    Element e = further ? ElementOf(counted, zi, counted) : ElementOf(zi, counted, counted);
    Word w{gbkOf_.at(zi), ftGbk, bh, ElementText(e), aflag, nullptr, {}};
    auto candidate = rules_.candidates.find(zi);
    if (!further && candidate != rules_.candidates.end()) {
      w.candidate = &candidate->second;
      w.pinyin = Utf8ToGbk(candidate->second.pinyin);
    } else {
      w.pinyin = further ? PinyinOf(counted, zi) : PinyinOf(zi, counted);
    }
    return w;
  }

  const UnihanExtract& unihan_;
  const Rules& rules_;
  std::vector<GbkChar> chars_;
  std::unordered_map<CodePoint, std::string> gbkOf_;
  std::unordered_set<CodePoint> gb2312_;
};

std::size_t ColumnIndex(const data::TableDef& table, const char* name) {
  const data::ColumnDef* col = data::FindColumn(table, name);
  if (!col) throw std::runtime_error(std::string(table.name) + " has no column " + name);
  return static_cast<std::size_t>(col - table.columns.data());
}

// The columns of a name candidate as the candidate queries read them.
//
// xb: '男' a boys' character (nan 1, nv 0), '女' a girls' character (nan 0,
// nv 1), '1' a character for both (nan 1, nv 1); every other row has '0'
// and a non-null Aflag. The queries for a boy take xb '男' or '1' or nan 1,
// those for a girl xb '女' or '1' or nv 1 (some also xb '0', which no
// candidate has), and the second given-name character needs nan 1 or nv 1:
// so a boy's list is made of boys' characters, a girl's of girls', and the
// characters for both serve both.
const char* CandidateSex(const Candidate& c) { return c.boys && c.girls ? "1" : c.boys ? "男" : "女"; }

// px: the ordering weight (lower first) by popularity in names today: tier 1
// (the most familiar) 10 up to tier 5 (rare but fine) 50, so that a list
// shows good familiar characters first and rarer ones after.
int CandidateWeight(int tier) { return tier * 10; }

// id: 0-9, added into the ordering of single-character results, so that
// characters of equal weight do not always come in code order. A fixed
// mixing of the character's two bytes keeps it the same from build to build.
int CandidateSpread(const std::string& gbk) {
  unsigned v = (static_cast<unsigned char>(gbk[0]) << 8) | static_cast<unsigned char>(gbk[1]);
  v = (v ^ (v >> 7)) * 2654435761u;
  return static_cast<int>((v >> 16) % 10);
}

void GenerateWord(const GenContext& ctx, const data::TableDef& table, RowSink& sink) {
  Rules rules = ReadAllRules(ctx.sourceDir + "/rules");
  UnihanExtract unihan(UnihanExtractPath(ctx.sourceDir));
  WordBuilder builder(unihan, rules);
  std::vector<WordBuilder::Word> words = builder.Build();

  const std::size_t zi = ColumnIndex(table, "zi"), ft = ColumnIndex(table, "ft"), bh = ColumnIndex(table, "bh"),
                    wuhang = ColumnIndex(table, "wuhang"), px = ColumnIndex(table, "px"),
                    id = ColumnIndex(table, "id"), nan = ColumnIndex(table, "nan"), nv = ColumnIndex(table, "nv"),
                    xb = ColumnIndex(table, "xb"), aflag = ColumnIndex(table, "Aflag"),
                    pinyin = ColumnIndex(table, "pinyin"), gloss = ColumnIndex(table, "gloss");
  for (const WordBuilder::Word& w : words) {
    Row row(table.columns.size());
    row[zi] = data::Value::Text(w.zi);
    row[ft] = data::Value::Text(w.ft);
    row[bh] = data::Value::Int(w.bh);
    row[wuhang] = data::Value::Text(w.wuhang);
    // A handful of characters no dictionary reads (桛, 烪 and some
    // compatibility ideographs of row FE) have no reading: null.
    if (!w.pinyin.empty()) row[pinyin] = data::Value::Text(w.pinyin);
    if (const Candidate* c = w.candidate) {
      // A null Aflag lets the candidate queries of name generation take the
      // row; nan, nv and xb say for whom (see CandidateSex).
      row[px] = data::Value::Int(CandidateWeight(c->tier));
      row[id] = data::Value::Int(CandidateSpread(w.zi));
      row[nan] = data::Value::Int(c->boys ? 1 : 0);
      row[nv] = data::Value::Int(c->girls ? 1 : 0);
      row[xb] = data::Value::Text(CandidateSex(*c));
      row[gloss] = data::Value::Text(Utf8ToGbk(c->gloss));
    } else {
      // Not a candidate: a non-null Aflag keeps the row out of every
      // candidate list, and xb '0' with nan and nv 0 says it suits no name.
      row[px] = data::Value::Int(0);
      row[id] = data::Value::Int(0);
      row[nan] = data::Value::Int(0);
      row[nv] = data::Value::Int(0);
      row[xb] = data::Value::Text("0");
      row[aflag] = data::Value::Int(w.aflag);
    }
    sink.Add(row);
  }
}

}  // namespace

LUMENO_TABLE_GENERATOR("word", GenerateWord);

}  // namespace lumeno::refgen
