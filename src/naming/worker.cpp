#include "naming/worker.h"

#include "data/query.h"
#include "naming/candidate.h"

namespace lumeno::naming {
namespace {

using Clock = std::chrono::steady_clock;

// Collects what ProcessCandidate produces and hands it over in batches.
class BatchHandOff : public CandidateViews, public CandidateReader {
 public:
  BatchHandOff(std::uint64_t run, const TMythread::BatchSink& sink, const HandOffPolicy& policy, bool pickOn,
               const std::atomic<int>& threshold)
      : sink_(sink), policy_(policy), processor_(*this, pickOn, threshold), lastHandOff_(Clock::now()) {
    batch_.run = run;
  }

  void AddHighScore(const std::string& name) override { batch_.highScores.push_back(name); }
  void AddRow(const std::string& row) override { batch_.rows.push_back(row); }

  void ProcessCandidate(const std::string& name) override {
    processor_.Process(name);
    ++batch_.names;
    if (batch_.names >= policy_.maxNames || Clock::now() - lastHandOff_ >= policy_.interval) HandOver();
  }
  void ResultRead() override {
    if (batch_.names > 0) HandOver();
  }

  void Finish(RunEnd end) {
    processor_.Finish();
    batch_.last = true;
    batch_.end = end;
    HandOver();
  }

 private:
  void HandOver() {
    RunBatch next;
    next.run = batch_.run;
    std::swap(next, batch_);
    sink_(std::move(next));
    lastHandOff_ = Clock::now();
  }

  const TMythread::BatchSink& sink_;
  const HandOffPolicy& policy_;
  CandidateProcessor processor_;
  RunBatch batch_;
  Clock::time_point lastHandOff_;
};

}  // namespace

TMythread::TMythread(RunControl& control, NamingSettings settings, std::string connectionString, std::uint64_t run,
                     BatchSink sink, HandOffPolicy policy)
    : control_(control),
      settings_(std::move(settings)),
      connectionString_(std::move(connectionString)),
      run_(run),
      sink_(std::move(sink)),
      policy_(policy),
      thread_([this] { Execute(); }) {}

TMythread::~TMythread() { WaitFor(); }

void TMythread::WaitFor() {
  if (thread_.joinable()) thread_.join();
}

void TMythread::Execute() {
  try {
    BatchHandOff handOff(run_, sink_, policy_, settings_.pickOn, control_.pickThreshold);
    RunEnd end = RunEnd::Failed;
    {
      // The worker's own connection, closed before the last batch goes.
      data::Query query(connectionString_);
      // A stop or a close ends even a query in progress.
      query.SetContinueFlag(&control_.running);
      end = RunCandidateQueries(settings_, query, control_.running, handOff);
    }
    handOff.Finish(end);
  } catch (...) {
    // A sink that cannot take a batch (out of memory) ends the run; the
    // thread itself must not end the program.
  }
  terminated_.store(true);
}

}  // namespace lumeno::naming
