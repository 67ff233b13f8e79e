// Table sancai (VelFile.dll): the reading of each of the 125 three-talent
// triples from tables/VelFile/sancai.tsv (columns title and content, plain
// text), with its grade djc as the name engine grades it (SancaiGrade). The
// build stores content scrambled by itself.
#include <sys/stat.h>

#include <cstdio>
#include <set>
#include <stdexcept>

#include "core/gbk.h"
#include "core/text.h"
#include "numerology/score.h"
#include "refgen.h"

namespace lumeno::refgen {
namespace {

// Every triple must have its reading: a lost one fails the build. (While
// the readings were being written this was false, and the build only
// warned.)
constexpr bool kRequireAllTriples = true;

constexpr const char* kElements[] = {"金", "木", "水", "火", "土"};

std::size_t ColumnIndex(const data::TableDef& table, const char* name) {
  const data::ColumnDef* col = data::FindColumn(table, name);
  if (!col) throw std::runtime_error(std::string("table sancai has no column ") + name);
  return static_cast<std::size_t>(col - table.columns.data());
}

void Warn(const std::string& text) { std::fprintf(stderr, "lumeno-refgen: warning: %s\n", text.c_str()); }

void GenerateSancai(const GenContext& ctx, const data::TableDef& table, RowSink& sink) {
  const std::string path = TsvPath(ctx, table);
  const std::size_t title = ColumnIndex(table, "title"), djc = ColumnIndex(table, "djc"),
                    content = ColumnIndex(table, "content");
  std::set<std::string> seen;
  struct stat st;
  if (::stat(path.c_str(), &st) == 0) {
    for (Row row : ReadTsv(path, table)) {
      const std::string key = Trim(row[title].AsText());
      const std::string shown = GbkToUtf8(key);
      const int grade = numerology::SancaiGrade(key);
      if (grade == 0)
        throw std::runtime_error(path + ": title '" + shown + "' is not three of the elements 金木水火土");
      if (!seen.insert(key).second) throw std::runtime_error(path + ": title '" + shown + "' appears twice");
      if (!row[djc].IsNull() && row[djc].AsInt() != grade)
        throw std::runtime_error(path + ": title '" + shown + "' has djc " + row[djc].AsText() +
                                 ", but its elements give grade " + std::to_string(grade));
      if (Trim(row[content].AsText()).empty()) Warn(path + ": title '" + shown + "' has no reading");
      row[title] = data::Value::Text(key);
      row[djc] = data::Value::Int(grade);
      sink.Add(row);
    }
  }
  std::string missing;
  int missingCount = 0;
  for (const char* h : kElements)
    for (const char* p : kElements)
      for (const char* e : kElements) {
        std::string key = std::string(h) + p + e;
        if (seen.count(key)) continue;
        ++missingCount;
        if (missingCount <= 10) missing += (missing.empty() ? "" : " ") + GbkToUtf8(key);
      }
  if (missingCount == 0) return;
  std::string text = path + ": " + std::to_string(missingCount) + " of the 125 three-talent triples have no row (" +
                     missing + (missingCount > 10 ? " ..." : "") + ")";
  if (kRequireAllTriples) throw std::runtime_error(text);
  Warn(text);
}

}  // namespace

LUMENO_TABLE_GENERATOR("sancai", GenerateSancai);

}  // namespace lumeno::refgen
