#pragma once
// The rows of table huangdao in the shipped VelBirth.dll, read once with
// SQLite itself (not through the program's data layer), texts in UTF-8.
#include <gtest/gtest.h>
#include <sqlite3.h>

#include <string>
#include <vector>

#include "core/gbk.h"
#include "support/paths.h"

namespace lumeno::testing {

struct AlmanacRow {
  std::string gn, nn, suici, tszf, wuhang, cong, pzbj, jsyq, yi, xsyq, ji;
};

inline const std::vector<AlmanacRow>& ShippedAlmanac() {
  static const std::vector<AlmanacRow> rows = [] {
    std::vector<AlmanacRow> out;
    const std::string path = BinDir() + "/VelBirth.dll";
    sqlite3* db = nullptr;
    if (sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READONLY, nullptr) != SQLITE_OK) {
      ADD_FAILURE() << "cannot open " << path;
      sqlite3_close(db);
      return out;
    }
    sqlite3_stmt* st = nullptr;
    const char* sql = "SELECT gn, nn, suici, tszf, wuhang, cong, pzbj, jsyq, yi, xsyq, ji FROM huangdao ORDER BY gn";
    if (sqlite3_prepare_v2(db, sql, -1, &st, nullptr) == SQLITE_OK) {
      auto text = [&](int c) {
        const unsigned char* t = sqlite3_column_text(st, c);
        return t ? std::string(reinterpret_cast<const char*>(t)) : std::string();
      };
      while (sqlite3_step(st) == SQLITE_ROW)
        out.push_back({text(0), text(1), text(2), text(3), text(4), text(5), text(6), text(7), text(8), text(9), text(10)});
    }
    sqlite3_finalize(st);
    sqlite3_close(db);
    return out;
  }();
  return rows;
}

// The shipped row of a day (yyyy-mm-dd), or nullptr.
inline const AlmanacRow* ShippedRow(const std::string& day) {
  for (const AlmanacRow& r : ShippedAlmanac())
    if (r.gn == day) return &r;
  return nullptr;
}

// Narrow literals are GBK; the shipped texts are UTF-8.
inline std::string U(const std::string& gbk) { return GbkToUtf8(gbk); }

// The blank-separated items of a text.
inline std::vector<std::string> Items(const std::string& text) {
  std::vector<std::string> out;
  std::size_t i = 0;
  while (i < text.size()) {
    while (i < text.size() && text[i] == ' ') ++i;
    std::size_t end = text.find(' ', i);
    if (end == std::string::npos) end = text.size();
    if (end > i) out.push_back(text.substr(i, end - i));
    i = end;
  }
  return out;
}

}  // namespace lumeno::testing
