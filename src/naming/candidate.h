#pragma once
// What becomes of every name a run reads: the high-score list takes it when
// its score reaches the pick threshold, and the all-names view takes it in
// rows of six, each name padded to 16 bytes.
#include <atomic>
#include <optional>
#include <string>
#include <string_view>

namespace lumeno::naming {

// Names per row of the all-names view.
inline constexpr int kNamesPerRow = 6;

// The two views a run fills.
class CandidateViews {
 public:
  virtual ~CandidateViews() = default;
  virtual void AddHighScore(const std::string& name) = 0;  // one item of the high-score list
  virtual void AddRow(const std::string& row) = 0;         // one line of the all-names view
};

// A name of 10 to 15 bytes padded with blanks to 16; other lengths as they are.
std::string PadName(std::string_view name);

// Whether a name (trimmed) goes to the high-score list: a name holding "100"
// always, else when the two characters after its first "(" are a whole
// number of at least `threshold`. Raises GeneralError when they are not a
// number.
bool ReachesPick(std::string_view name, int threshold);

// The pick threshold of the text of its box, or nothing when the text is no
// whole number.
std::optional<int> PickThresholdOf(std::string_view text);

// ProcessCandidate with its row buffer. The pick threshold is read anew for
// every name from `threshold`, which the window updates while a run goes on.
class CandidateProcessor {
 public:
  CandidateProcessor(CandidateViews& views, bool pickOn, const std::atomic<int>& threshold)
      : views_(views), pickOn_(pickOn), threshold_(threshold) {}

  // One name read by the run. A score that cannot be read raises
  // GeneralError before the name reaches the all-names view.
  void Process(const std::string& name);
  // Writes the row in hand, however short, as the run's last line.
  void Finish();
  int NamesProcessed() const { return names_; }

 private:
  CandidateViews& views_;
  bool pickOn_;
  const std::atomic<int>& threshold_;
  std::string row_;
  int rowCount_ = 0;
  int names_ = 0;
};

}  // namespace lumeno::naming
