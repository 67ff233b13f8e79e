#pragma once
// The worker of a name-generation run, TMythread. It runs the candidate
// queries on a thread of its own over a connection of its own, passes every
// name through ProcessCandidate and hands what that produced (high-score
// names, complete rows) over in batches: every `interval`, every `maxNames`
// names, and whenever a result has been read, so that the views fill
// smoothly while the next query runs. The last batch carries the row in
// hand, however short, and how the run ended.
//
// The worker touches no window. Its sink is called on the worker thread; a
// window's sink queues the batch to the user-interface thread.
#include <atomic>
#include <chrono>
#include <cstdint>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "naming/candidate_query.h"
#include "naming/settings.h"

namespace lumeno::naming {

// What a window shares with its worker while a run goes on: the running
// flag (set by the window before it starts a run, cleared by stop and
// close) and the pick threshold (the last whole number of its box).
struct RunControl {
  std::atomic<bool> running{false};
  std::atomic<int> pickThreshold{77};
};

// What a run produced since its previous batch.
struct RunBatch {
  std::uint64_t run = 0;                // the run it belongs to
  std::vector<std::string> highScores;  // new items of the high-score list
  std::vector<std::string> rows;        // new lines of the all-names view
  int names = 0;                        // names read since the previous batch
  bool last = false;                    // the run has ended; nothing follows
  RunEnd end = RunEnd::Completed;       // how it ended, in the last batch
};

struct HandOffPolicy {
  std::chrono::milliseconds interval{30};
  int maxNames = 300;
};

class TMythread {
 public:
  // Called on the worker thread with each batch.
  using BatchSink = std::function<void(RunBatch&&)>;

  // Starts the run at once. `settings` is the snapshot the run reads;
  // `connectionString` opens the worker's own connection to Roruroz.dll.
  TMythread(RunControl& control, NamingSettings settings, std::string connectionString, std::uint64_t run,
            BatchSink sink, HandOffPolicy policy = {});
  // Waits for the thread (clear the running flag first to end it soon).
  ~TMythread();
  TMythread(const TMythread&) = delete;
  TMythread& operator=(const TMythread&) = delete;

  // Waits until the run has ended.
  void WaitFor();
  // True once the run has ended and its last batch has been handed over.
  bool Terminated() const { return terminated_.load(); }
  std::uint64_t Run() const { return run_; }

 private:
  void Execute();

  RunControl& control_;
  const NamingSettings settings_;
  const std::string connectionString_;
  const std::uint64_t run_;
  const BatchSink sink_;
  const HandOffPolicy policy_;
  std::atomic<bool> terminated_{false};
  std::thread thread_;  // last: it starts once everything above is in place
};

}  // namespace lumeno::naming
