#include "naming/candidate_query.h"

#include "core/error.h"
#include "core/text.h"
#include "data/query.h"

namespace lumeno::naming {
namespace {

// The element texts joined inside " and ( ... ) "; the last has no "or".
const char* const kElementTerms[kElementCount] = {" wuhang = '金' or ", " wuhang = '木' or ", " wuhang = '水' or ",
                                                  " wuhang = '火' or ", " wuhang = '土' "};
const char* const kElementAlone[kElementCount] = {" and wuhang = '金' ", " and wuhang = '木' ", " and wuhang = '水' ",
                                                  " and wuhang = '火' ", " and wuhang = '土' "};

// The pieces of the first and second character's sub-queries, single mode
// first. The automatic forms have a second blank after "is null".
const char* const kFirstNormal[] = {"select zi,px + 551 as px,id,nan,nv,wuhang from word where 1 = 1 and Aflag is null ",
                                    "select zi,px + 1000 as px,id,nan,nv,wuhang from word where 1 = 1 and Aflag is null  "};
const char* const kFirstFixed[] = {"select top 1 '%s' as zi, 120 as px, 131 as id,nan,nv,wuhang from word where 1 = 1 ",
                                   "select top 1 '%s' as zi,11 as px, 100 as id,nan,nv,wuhang from word where 1 = 1  "};
const char* const kSecondNormal[] = {
    "select zi,px + 5000 as px,id,nan,nv,wuhang from word where 1 = 1 and Aflag is null ",
    "select zi,px + 5001 as px,id,nan,nv,wuhang from word where 1 = 1 and Aflag is null  "};
const char* const kSecondFixed[] = {"select top 1 '%s' as zi, 119 as px, 111 as id,nan,nv,wuhang from word where 1 = 1 ",
                                    "select top 1 '%s' as zi,12 as px, 100 as id,nan,nv,wuhang from word where 1 = 1  "};

// The middles of the name select: [mode][male two, female two, one].
const char* const kMiddle[2][3] = {
    {" + a.zi + b.zi + '%s' as mz,(a.px + b.px + a.id) as px,a.nan + b.nan as you,a.wuhang as wuhang1,b.wuhang as "
     "wuhang2  from (",
     " + a.zi + b.zi + '%s'  as mz,(a.px + b.px + a.id) as px,a.nv + b.nv as you,a.wuhang as wuhang1,b.wuhang as "
     "wuhang2  from (",
     " + a.zi + '%s'  as mz,(a.px + a.id) as px,1 as you,a.wuhang as wuhang1 from ("},
    {" + a.zi + b.zi + '%s' as mz,(a.px + b.px) as px,a.nan + b.nan as you,a.wuhang as wuhang1,b.wuhang as wuhang2 "
     "from (",
     " + a.zi + b.zi + '%s' as mz,(a.px + b.px) as px,a.nv + b.nv as you,a.wuhang as wuhang1,b.wuhang as wuhang2 "
     "from (",
     " + a.zi + '%s' as mz,(a.px+ a.id) as px,1 as you,a.wuhang as wuhang1 from ("},
};

int ModeIndex(RunMode mode) { return mode == RunMode::Single ? 0 : 1; }

// Fills the one "%s" of a text with `arg`, "%%" giving "%"; any other '%'
// directive, or a second "%s", is an error, as it is for the formatting
// routine the texts were written for.
std::string FormatOne(const std::string& text, const std::string& arg) {
  std::string out;
  bool used = false;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '%') {
      out += text[i];
      continue;
    }
    const char next = i + 1 < text.size() ? text[i + 1] : '\0';
    if (next == '%') {
      out += '%';
    } else if ((next == 's' || next == 'S') && !used) {
      out += arg;
      used = true;
    } else {
      throw GeneralError("Format '" + text + "' invalid or incompatible with argument");
    }
    ++i;
  }
  return out;
}

std::string FixedPiece(const char* format, const std::string& c) { return StrFormat(format, c.c_str()); }

}  // namespace

std::string ElementCondition(const std::array<bool, kElementCount>& elements) {
  int checked = 0;
  for (bool e : elements) checked += e ? 1 : 0;
  if (checked == 0 || checked == kElementCount) return {};
  if (checked == 1) {
    for (int i = 0; i < kElementCount; ++i)
      if (elements[i]) return kElementAlone[i];
  }
  std::string text;
  for (int i = 0; i < kElementCount; ++i)
    if (elements[i]) text += kElementTerms[i];
  // A trailing "or" is cut together with the blanks around the text.
  const std::string trimmed = Trim(text);
  if (trimmed.size() >= 2 && trimmed.compare(trimmed.size() - 2, 2, "or") == 0)
    text = trimmed.substr(0, trimmed.size() - 2);
  return " and ( " + text + " ) ";
}

std::string SexCondition(bool male, bool looser) {
  if (male) return looser ? " and (xb = '男' or nan = 1 or xb = '0' or xb = '1') " : " and (xb = '男' or nan = 1 or xb = '1') ";
  return looser ? " and (xb = '女' or nv = 1 or xb = '0' or xb = '1') " : " and (xb = '女' or nv = 1 or xb = '1' or xb = '0') ";
}

std::string SecondCharacterFlag(bool male) { return male ? " and nan = 1 " : " and nv = 1 "; }

std::string CharacterFilter(const NamingSettings& settings) {
  return ElementCondition(settings.elements) +
         SexCondition(settings.male, settings.OneCharacterName() || settings.fixedOn);
}

std::string FirstCharacterQuery(const NamingSettings& settings, const std::string& filter,
                                const CombinationEntry& entry, RunMode mode) {
  const int m = ModeIndex(mode);
  if (settings.FixedSecond()) return FixedPiece(kFirstFixed[m], Trim(settings.fixedCharacter));
  std::string a = kFirstNormal[m] + filter;
  if (entry.g1 > 0) a += StrFormat(" and bh = %d", entry.g1);
  return a;
}

std::string SecondCharacterQuery(const NamingSettings& settings, const std::string& filter,
                                 const CombinationEntry& entry, RunMode mode) {
  if (settings.OneCharacterName()) return {};
  const int m = ModeIndex(mode);
  if (settings.FixedThird()) return FixedPiece(kSecondFixed[m], Trim(settings.fixedCharacter));
  if (entry.g2 <= 0) return {};
  return kSecondNormal[m] + filter + SecondCharacterFlag(settings.male) + StrFormat(" and bh = %d", entry.g2);
}

std::string NameSelect(const NamingSettings& settings, const std::string& a, const std::string& b,
                       const std::string& scorePart, RunMode mode) {
  const int m = ModeIndex(mode);
  const bool two = !b.empty();
  const char* middle = kMiddle[m][two ? (settings.male ? 0 : 1) : 2];
  const std::string tail = two ? ") a , (" + b + ") b" : std::string(") a ");
  return FormatOne("select " + QuotedSql(Trim(settings.surname)) + middle + a + tail, scorePart);
}

std::string WrapNameQuery(const std::string& inner, bool secondCharacterEmpty) {
  if (secondCharacterEmpty) return "select mz from (" + inner + ") p order by px";
  return "select mz from (" + inner + ") p where you > 0 order by px";
}

std::string CandidateQuery::Inner() const {
  std::string text;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (i) text += "\r\n";
    text += lines[i];
  }
  return text;
}

std::optional<CandidateQuery> SingleQuery(const NamingSettings& settings, const std::string& entryText) {
  std::optional<CombinationEntry> entry = ParseCombinationEntry(entryText, settings.form);
  if (!entry) return std::nullopt;
  const std::string filter = CharacterFilter(settings);
  const std::string a = FirstCharacterQuery(settings, filter, *entry, RunMode::Single);
  const std::string b = SecondCharacterQuery(settings, filter, *entry, RunMode::Single);
  CandidateQuery q;
  q.lines.push_back(NameSelect(settings, a, b, entry->scorePart, RunMode::Single));
  q.secondCharacterEmpty = b.empty();
  return q;
}

std::optional<CandidateQuery> AutomaticGroupQuery(const NamingSettings& settings, std::size_t first,
                                                  const std::function<bool()>& keepGoing) {
  const std::string filter = CharacterFilter(settings);
  CandidateQuery q;
  const std::size_t end = std::min(settings.combinations.size(), first + kGroupSize);
  for (std::size_t i = first; i < end; ++i) {
    if (keepGoing && !keepGoing()) break;
    std::optional<CombinationEntry> entry = ParseCombinationEntry(settings.combinations[i], settings.form);
    if (!entry) return std::nullopt;
    const std::string a = FirstCharacterQuery(settings, filter, *entry, RunMode::Automatic);
    const std::string b = SecondCharacterQuery(settings, filter, *entry, RunMode::Automatic);
    if (!q.lines.empty()) q.lines.push_back(" union ");
    q.lines.push_back(NameSelect(settings, a, b, entry->scorePart, RunMode::Automatic));
    q.secondCharacterEmpty = b.empty();
  }
  return q;
}

void VisitRecords(int count, RunMode mode, const std::atomic<bool>& running, const std::function<void(int)>& visit) {
  static const int kSingleOrder[9] = {0, 1, 2, 3, 4, 5, 6, 7, 8};
  static const int kAutomaticOrder[9] = {5, 8, 0, 1, 7, 2, 6, 3, 4};
  const int* order = mode == RunMode::Single ? kSingleOrder : kAutomaticOrder;
  const int f = count / 9;
  for (int g = 1; g <= f; ++g) {
    // A pass that is not begun leaves the leftovers unread as well.
    if (!running.load()) return;
    for (int k = 0; k < 9; ++k) visit(g + order[k] * f);
  }
  for (int r = 9 * f + 1; r <= count; ++r) {
    if (!running.load()) return;
    visit(r);
  }
}

StopWords::StopWords(const std::vector<std::string>& words) {
  for (const std::string& w : words) {
    if (w.empty()) continue;
    words_.insert(w);
    lengths_.insert(w.size());
  }
}

bool StopWords::HeldBy(const std::string& name) const {
  if (words_.empty()) return false;
  // Walk the name character by character, so that the trail byte of one
  // GBK character and the lead byte of the next never make a match.
  for (std::size_t i = 0; i < name.size();) {
    for (std::size_t n : lengths_) {
      if (i + n > name.size()) break;
      if (words_.count(name.substr(i, n))) return true;
    }
    i += static_cast<unsigned char>(name[i]) >= 0x81 && i + 1 < name.size() ? 2 : 1;
  }
  return false;
}

StopWords ReadStopWords(data::Query& query) {
  std::vector<std::string> words;
  try {
    query.Close();
    query.SetSql("select ci from tingci");
    query.Open();
    for (query.First(); !query.Eof(); query.Next()) words.push_back(query.Field(0).AsTrimmedText());
  } catch (const std::exception&) {
    words.clear();
  }
  query.Close();
  return StopWords(words);
}

namespace {

void RunAndRead(data::Query& query, const std::string& sql, RunMode mode, const std::atomic<bool>& running,
                const StopWords& stopWords, CandidateReader& reader) {
  query.Close();
  query.SetSql(sql);
  query.Open();
  VisitRecords(query.RecordCount(), mode, running, [&](int recNo) {
    query.MoveTo(recNo);
    const std::string name = query.Field(0).AsText();
    if (!stopWords.HeldBy(name)) reader.ProcessCandidate(name);
  });
  reader.ResultRead();
}

}  // namespace

RunEnd RunCandidateQueries(const NamingSettings& settings, data::Query& query, const std::atomic<bool>& running,
                           CandidateReader& reader) {
  RunEnd end = RunEnd::Completed;
  try {
    // The callers refuse such a character with a message; a run never
    // places it between quotes.
    if (!FixedCharacterProblem(settings, /*forRun=*/true).empty()) {
      end = RunEnd::Failed;
    } else if (Trim(settings.combination) != kAutomatic) {
      std::optional<CandidateQuery> q = SingleQuery(settings, settings.combination);
      if (!q) end = RunEnd::Failed;
      else if (running.load())
        RunAndRead(query, q->Wrapped(), RunMode::Single, running, ReadStopWords(query), reader);
    } else {
      const StopWords stopWords = ReadStopWords(query);
      for (std::size_t first = 0; first < settings.combinations.size(); first += kGroupSize) {
        // After a stop no group is read, so none is run.
        if (!running.load()) break;
        std::optional<CandidateQuery> q = AutomaticGroupQuery(settings, first, [&] { return running.load(); });
        if (!q) {
          end = RunEnd::Failed;
          break;
        }
        if (!q->lines.empty()) RunAndRead(query, q->Wrapped(), RunMode::Automatic, running, stopWords, reader);
      }
    }
  } catch (...) {
    end = RunEnd::Failed;
  }
  query.Close();
  // A run that was stopped ends as stopped, even when the stop cut a query
  // short.
  if (!running.load()) end = RunEnd::Stopped;
  return end;
}

}  // namespace lumeno::naming
