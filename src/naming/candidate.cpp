#include "naming/candidate.h"

#include "core/error.h"
#include "core/text.h"

namespace lumeno::naming {

std::string PadName(std::string_view name) {
  std::string t(name);
  if (t.size() >= 10 && t.size() <= 15) t.append(16 - t.size(), ' ');
  return t;
}

bool ReachesPick(std::string_view name, int threshold) {
  if (ByteFind(name, "100") != std::string_view::npos) return true;
  const std::size_t paren = ByteFind(name, "(");
  const std::string digits = ByteCopy(name, paren == std::string_view::npos ? 0 : paren + 1, 2);
  std::optional<int> score = ParseInt(digits);
  if (!score) throw GeneralError("'" + digits + "' is not a valid integer value");
  return *score >= threshold;
}

std::optional<int> PickThresholdOf(std::string_view text) { return ParseInt(Trim(text)); }

void CandidateProcessor::Process(const std::string& name) {
  const std::string t = Trim(name);
  if (pickOn_ && ReachesPick(t, threshold_.load(std::memory_order_relaxed))) views_.AddHighScore(t);
  row_ += PadName(t);
  ++names_;
  if (++rowCount_ == kNamesPerRow) {
    views_.AddRow(row_);
    row_.clear();
    rowCount_ = 0;
  }
}

void CandidateProcessor::Finish() {
  if (rowCount_ == 0) return;
  views_.AddRow(row_);
  row_.clear();
  rowCount_ = 0;
}

}  // namespace lumeno::naming
