#pragma once
// The candidate queries of a name-generation run: for each combination entry
// a select on table `word` that pairs characters of the entry's stroke
// counts into whole names ("张" + two characters + "(85分)"), wrapped in an
// outer query ordered by the characters' weight, and the order in which the
// records of a result are read.
//
// Single mode (one chosen entry) runs one query. Automatic mode joins the
// entries in groups of eight with " union " and runs one query per group.
#include <array>
#include <atomic>
#include <functional>
#include <optional>
#include <set>
#include <string>
#include <unordered_set>
#include <vector>

#include "naming/combination.h"
#include "naming/settings.h"

namespace lumeno::data {
class Query;
}

namespace lumeno::naming {

enum class RunMode { Single, Automatic };

// Entries per union query in automatic mode.
inline constexpr int kGroupSize = 8;

// The element condition E of the checked boxes: empty for none or all
// five, " and wuhang = '金' " for one, " and ( ... ) " with the checked
// ones joined by "or" for two to four.
std::string ElementCondition(const std::array<bool, kElementCount>& elements);

// The sex condition X on the characters: looser for one-character names
// and with a fixed character.
std::string SexCondition(bool male, bool looser);

// The flag N the second character must carry: " and nan = 1 " or
// " and nv = 1 ".
std::string SecondCharacterFlag(bool male);

// The character filter W = E + X of a run.
std::string CharacterFilter(const NamingSettings& settings);

// The sub-queries of the first (A) and second (B) given character for one
// entry; B is empty for a one-character name and when the entry has no
// second count. `fixed` is the trimmed fixed character.
std::string FirstCharacterQuery(const NamingSettings& settings, const std::string& filter,
                                const CombinationEntry& entry, RunMode mode);
std::string SecondCharacterQuery(const NamingSettings& settings, const std::string& filter,
                                 const CombinationEntry& entry, RunMode mode);

// The name select of one entry: "select " + quoted surname + the middle of
// the form + A + the tail, its "%s" filled with the entry's score part.
// Raises GeneralError when the text holds another '%' directive.
std::string NameSelect(const NamingSettings& settings, const std::string& a, const std::string& b,
                       const std::string& scorePart, RunMode mode);

// The outer query around the name selects `inner` (their lines joined): with
// a second character it keeps only the names whose `you` is above 0.
std::string WrapNameQuery(const std::string& inner, bool secondCharacterEmpty);

// One query of a run: the lines of its name selects (with the " union "
// lines between them) and whether the last entry's B is empty.
struct CandidateQuery {
  std::vector<std::string> lines;
  bool secondCharacterEmpty = true;
  // The lines joined with line breaks, as a query component sends them.
  std::string Inner() const;
  std::string Wrapped() const { return WrapNameQuery(Inner(), secondCharacterEmpty); }
};

// The query of one entry in single mode. Nothing when the entry cannot be
// read.
std::optional<CandidateQuery> SingleQuery(const NamingSettings& settings, const std::string& entry);

// The query of the automatic group that starts at entry `first` (0-based):
// up to kGroupSize entries, stopping early when `keepGoing` says no. Nothing
// when one of its entries cannot be read.
std::optional<CandidateQuery> AutomaticGroupQuery(const NamingSettings& settings, std::size_t first,
                                                  const std::function<bool()>& keepGoing = {});

// Visits the records of a result of `count` records in the interleaved
// order: f = count / 9 passes over nine slices (slice order 0-8 in single
// mode, 5 8 0 1 7 2 6 3 4 in automatic mode), `running` tested before each
// pass, then the leftovers in order, `running` tested at each.
void VisitRecords(int count, RunMode mode, const std::atomic<bool>& running, const std::function<void(int)>& visit);

// The words no generated name may contain (table tingci: 纳粹, 小三 and
// the like, two characters that are fine alone, and a few joke names), kept
// for a look-up at every character of a name.
class StopWords {
 public:
  StopWords() = default;
  explicit StopWords(const std::vector<std::string>& words);
  // Whether the name text (surname, given characters, score part) holds one
  // of the words, starting at a character boundary.
  bool HeldBy(const std::string& name) const;
  bool Contains(const std::string& word) const { return words_.count(word) > 0; }
  bool Empty() const { return words_.empty(); }

 private:
  std::unordered_set<std::string> words_;
  std::set<std::size_t> lengths_;  // byte lengths of the words
};

// Reads table tingci once, at the start of a run, on the run's own query; a
// table that cannot be read gives no words.
StopWords ReadStopWords(data::Query& query);

// What reads a run's names.
class CandidateReader {
 public:
  virtual ~CandidateReader() = default;
  // Called once per name read, in reading order. An exception ends the run.
  virtual void ProcessCandidate(const std::string& name) = 0;
  // Called when a result has been read (before the next query runs).
  virtual void ResultRead() {}
};

// How a run ended.
enum class RunEnd { Completed, Stopped, Failed };

// Runs the candidate queries of `settings` on `query` (whose connection
// string is set) and hands every name read to `reader` (except the names
// that hold a stop word, which are passed over), stopping when
// `running` is cleared. Any error ends the run silently; the names handed
// on stay handed on. The query is closed at the end.
RunEnd RunCandidateQueries(const NamingSettings& settings, data::Query& query, const std::atomic<bool>& running,
                           CandidateReader& reader);

}  // namespace lumeno::naming
