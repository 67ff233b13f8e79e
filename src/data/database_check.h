#pragma once
// The start-up check of the five reference database files: each must be
// there, be a SQLite file, and hold the tables of the schema with their
// columns. Both front ends run it when they start; a file that fails it would
// otherwise turn every look-up of its tables into a silent 0 or an empty text.
#include <string>
#include <vector>

#include "data/database.h"

namespace lumeno::data {

struct DatabaseProblem {
  enum class Kind {
    Missing,        // no such file (or not a regular file)
    Unreadable,     // there, but cannot be opened or read
    NotADatabase,   // not a SQLite file
    Incomplete,     // a table or a column of the schema is missing
  };
  DatabaseFile file;
  Kind kind;
  std::string detail;  // the missing table or column (GBK), or the reason
};

// Checks the files in ProgramDirectory(); an empty list when all are sound.
std::vector<DatabaseProblem> CheckDatabaseFiles();
// Checks one file.
std::vector<DatabaseProblem> CheckDatabaseFile(DatabaseFile file);

// The message (GBK) that names every file with a problem, what the file
// serves, and how to rebuild the files. Empty for an empty list.
std::string DatabaseProblemMessage(const std::vector<DatabaseProblem>& problems);

// What the program looks up in a file, in words for the user (GBK).
std::string DatabaseFilePurpose(DatabaseFile file);

}  // namespace lumeno::data
