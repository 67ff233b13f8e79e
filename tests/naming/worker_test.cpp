// The worker of a run: what it hands over in batches is what the run
// produces, the row in hand is written however the run ends, and starting,
// stopping and ending runs in quick succession is safe (this test program
// also runs in a ThreadSanitizer build).
#include <gtest/gtest.h>

#include <map>
#include <mutex>
#include <random>

#include "data/database.h"
#include "data/query.h"
#include "naming/candidate.h"
#include "naming/worker.h"
#include "naming_fixture.h"

namespace lumeno::naming {
namespace {

// Collects batches from the worker thread.
class BatchLog {
 public:
  TMythread::BatchSink Sink() {
    return [this](RunBatch&& b) {
      std::lock_guard<std::mutex> lock(mutex_);
      batches_.push_back(std::move(b));
    };
  }
  std::vector<RunBatch> Take() {
    std::lock_guard<std::mutex> lock(mutex_);
    return std::move(batches_);
  }

 private:
  std::mutex mutex_;
  std::vector<RunBatch> batches_;
};

struct Produced {
  std::vector<std::string> high, rows;
  int names = 0;
};

Produced Join(const std::vector<RunBatch>& batches) {
  Produced p;
  for (const RunBatch& b : batches) {
    p.high.insert(p.high.end(), b.highScores.begin(), b.highScores.end());
    p.rows.insert(p.rows.end(), b.rows.begin(), b.rows.end());
    p.names += b.names;
  }
  return p;
}

// The same run without a thread: the names through ProcessCandidate.
class Direct : public CandidateViews, public CandidateReader {
 public:
  explicit Direct(const std::atomic<int>& threshold, bool pickOn = true) : processor(*this, pickOn, threshold) {}
  void AddHighScore(const std::string& n) override { out.high.push_back(n); }
  void AddRow(const std::string& r) override { out.rows.push_back(r); }
  void ProcessCandidate(const std::string& n) override {
    ++out.names;
    processor.Process(n);
  }
  CandidateProcessor processor;
  Produced out;
};

NamingSettings Zhang() {
  NamingSettings s;
  s.surname = "张";
  s.combinations = {"11|10-6(85分)", "11|10-9(83分)", "11|4-12(81分)", "11|10-12(78分)"};
  s.pickThreshold = "80";
  return s;
}

class Worker : public ::testing::Test {
 protected:
  Produced RunDirect(const NamingSettings& s) {
    std::atomic<bool> running{true};
    std::atomic<int> threshold{control.pickThreshold.load()};
    Direct direct(threshold, s.pickOn);
    data::Query query(data::OwnRorurozConnectionString());
    RunCandidateQueries(s, query, running, direct);
    try {
      direct.processor.Finish();
    } catch (...) {
    }
    return direct.out;
  }
  std::vector<RunBatch> RunWorker(const NamingSettings& s, HandOffPolicy policy = {}) {
    control.running = true;
    TMythread worker(control, s, data::OwnRorurozConnectionString(), 7, log.Sink(), policy);
    worker.WaitFor();
    EXPECT_TRUE(worker.Terminated());
    return log.Take();
  }

  testing::NamingDatabase db;
  lumeno::testing::ScopedProgramDirectory program{db.path()};
  RunControl control;
  BatchLog log;
};

TEST_F(Worker, BatchesAddUpToTheRunAndTheLastCarriesTheRowInHand) {
  control.pickThreshold = 80;
  const std::vector<RunBatch> batches = RunWorker(Zhang(), HandOffPolicy{std::chrono::hours(1), 4});
  ASSERT_FALSE(batches.empty());
  for (const RunBatch& b : batches) {
    EXPECT_EQ(b.run, 7u);
    EXPECT_LE(b.names, 4);
  }
  EXPECT_TRUE(batches.back().last);
  EXPECT_EQ(batches.back().end, RunEnd::Completed);
  for (std::size_t i = 0; i + 1 < batches.size(); ++i) EXPECT_FALSE(batches[i].last);

  const Produced got = Join(batches);
  const Produced want = RunDirect(Zhang());
  EXPECT_EQ(got.names, 25);
  EXPECT_EQ(got.rows, want.rows);
  EXPECT_EQ(got.high, want.high);
  ASSERT_EQ(got.rows.size(), 5u);  // four rows of six and the 25th alone
  EXPECT_EQ(got.rows.back().size(), 16u);
  EXPECT_EQ(got.high.size(), 20u);  // the 85-point names; the 78-point ones stay below 80
}

TEST_F(Worker, EveryResultIsHandedOverBeforeTheNextQueryRuns) {
  NamingSettings s = Zhang();
  s.combinations.insert(s.combinations.end(), 5, "11|10-6(85分)");  // a second group of one entry
  const std::vector<RunBatch> batches = RunWorker(s, HandOffPolicy{std::chrono::hours(1), 1000});
  ASSERT_EQ(batches.size(), 3u);
  EXPECT_EQ(batches[0].names, 25);
  EXPECT_EQ(batches[1].names, 20);
  EXPECT_EQ(batches[2].names, 0);  // the end: the row in hand only
  EXPECT_EQ(batches[2].rows.size(), 1u);
  EXPECT_TRUE(batches[2].last);
}

TEST_F(Worker, FailureMidRunStillWritesTheRowInHand) {
  NamingSettings s = Zhang();
  s.combinations = {"11|10-6(85分)", "11|10-12(7分)"};  // a score the pick rule cannot read
  const std::vector<RunBatch> batches = RunWorker(s);
  EXPECT_EQ(batches.back().end, RunEnd::Failed);
  const Produced got = Join(batches);
  const Produced want = RunDirect(s);
  EXPECT_EQ(got.rows, want.rows);
  EXPECT_GT(got.names, 0);
  EXPECT_LT(got.names, 25);
  // Every name read before the failing one is in the all-names view.
  std::size_t shown = 0;
  for (const std::string& row : got.rows) shown += (row.size() + 15) / 16;
  EXPECT_EQ(static_cast<int>(shown), got.names);
}

TEST_F(Worker, MissingDatabaseEndsWithAnEmptyLastBatch) {
  lumeno::testing::ScopedProgramDirectory nowhere(db.path() + "/none");
  const std::vector<RunBatch> batches = RunWorker(Zhang());
  ASSERT_EQ(batches.size(), 1u);
  EXPECT_TRUE(batches[0].last);
  EXPECT_EQ(batches[0].end, RunEnd::Failed);
  EXPECT_TRUE(batches[0].rows.empty());
}

TEST_F(Worker, ClearedFlagStopsTheRun) {
  NamingSettings s = Zhang();
  s.combination = "11|10-6(85分)";
  control.running = true;
  std::atomic<int> seen{0};
  // The sink clears the flag after the first batch, as a stop would.
  TMythread worker(
      control, s, data::OwnRorurozConnectionString(), 1,
      [&](RunBatch&& b) {
        if (seen++ == 0) control.running = false;
        log.Sink()(std::move(b));
      },
      HandOffPolicy{std::chrono::hours(1), 1});
  worker.WaitFor();
  const std::vector<RunBatch> batches = log.Take();
  EXPECT_EQ(batches.back().end, RunEnd::Stopped);
  EXPECT_EQ(Join(batches).names, 9);  // the pass of nine in hand is finished
}

// A bigger fixture for the stress test: 30 more first and 30 more second
// characters, so a run reads about a thousand names.
std::vector<std::string> ManyCandidates() {
  std::vector<std::string> rows = testing::NamingRows();
  int n = 0;
  for (int lead = 0xB0; lead <= 0xB1; ++lead) {
    for (int trail = 0xA2; trail <= 0xFE && n < 60; trail += 3, ++n) {
      const char zi[3] = {static_cast<char>(lead), static_cast<char>(trail), 0};
      const int bh = n % 2 ? 6 : 10;
      rows.push_back(testing::WordRow(zi, zi, bh, n % 5 ? "木" : "水", n, n % 7, 1, 1, "1"));
    }
  }
  return rows;
}

TEST(WorkerStress, StartStopAndEndInQuickSuccession) {
  lumeno::testing::TempDir dir("lumeno-naming-stress");
  lumeno::testing::CreateFixtureDatabase(dir.path(), data::DatabaseFile::Roruroz, ManyCandidates());
  lumeno::testing::ScopedProgramDirectory program(dir.path());
  NamingSettings s = Zhang();
  s.combinations.insert(s.combinations.end(), 6, "11|10-6(85分)");

  RunControl control;
  BatchLog log;
  std::mt19937 random(20240601);
  std::unique_ptr<TMythread> worker;
  std::uint64_t run = 0;
  int completed = 0;
  for (int round = 0; round < 40; ++round) {
    // Start: end the previous worker first, as the window does.
    if (worker) {
      control.running = false;
      worker->WaitFor();
      worker.reset();
    }
    control.running = true;
    worker = std::make_unique<TMythread>(control, s, data::OwnRorurozConnectionString(), ++run, log.Sink(),
                                         HandOffPolicy{std::chrono::milliseconds(1), 50});
    // Meanwhile the user edits the pick threshold and the window takes
    // batches.
    const int action = static_cast<int>(random() % 4);
    for (int i = 0; i < action * 5; ++i) {
      control.pickThreshold = 70 + static_cast<int>(random() % 30);
      log.Take();
      std::this_thread::yield();
    }
    if (action == 0) control.running = false;  // stop at once
    if (action == 3) {                         // let it finish
      worker->WaitFor();
      ++completed;
    }
  }
  control.running = false;
  worker.reset();  // the close: stop, then wait
  EXPECT_GE(completed, 1);
}

TEST(WorkerStress, EveryRunHandsOverExactlyOneLastBatch) {
  lumeno::testing::TempDir dir("lumeno-naming-stress");
  lumeno::testing::CreateFixtureDatabase(dir.path(), data::DatabaseFile::Roruroz, ManyCandidates());
  lumeno::testing::ScopedProgramDirectory program(dir.path());
  NamingSettings s = Zhang();
  RunControl control;
  BatchLog log;
  for (std::uint64_t run = 1; run <= 20; ++run) {
    control.running = true;
    TMythread worker(control, s, data::OwnRorurozConnectionString(), run, log.Sink(),
                     HandOffPolicy{std::chrono::milliseconds(0), 10});
    if (run % 2) control.running = false;
  }
  std::map<std::uint64_t, int> lasts;
  for (const RunBatch& b : log.Take())
    if (b.last) ++lasts[b.run];
  ASSERT_EQ(lasts.size(), 20u);
  for (const auto& [run, count] : lasts) EXPECT_EQ(count, 1) << run;
}

}  // namespace
}  // namespace lumeno::naming
