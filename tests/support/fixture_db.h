#pragma once
// Small fixture databases for tests: a temporary folder holding reference
// database files with the real schema and only the rows a test puts in.
#include <string>
#include <vector>

#include "data/database.h"

namespace lumeno::testing {

// A fresh temporary folder, removed with everything in it on destruction.
class TempDir {
 public:
  explicit TempDir(const std::string& nameHint = "lumeno-test");
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;
  const std::string& path() const { return path_; }  // ends without '/'

 private:
  std::string path_;
};

// Creates `dir`/<file name> with every table of the schema that belongs to
// the file (empty), then runs each statement of `utf8Sql` (SQLite SQL, UTF-8,
// such as INSERT INTO word(zi, ft, bh) VALUES ('张', '張', 11)). Sources are
// compiled with a GBK execution character set, so pass text through
// lumeno::GbkToUtf8 (or write it as u8"..." literals).
void CreateFixtureDatabase(const std::string& dir, data::DatabaseFile file,
                           const std::vector<std::string>& utf8Sql = {});

// Makes ProgramDirectory() answer `dir` for the life of the object, so the
// look-ups of the program read the fixture databases.
class ScopedProgramDirectory {
 public:
  explicit ScopedProgramDirectory(const std::string& dir);
  ~ScopedProgramDirectory();
};

}  // namespace lumeno::testing
