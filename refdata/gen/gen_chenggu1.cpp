// Table chenggu1: the bone weight of every lunar year 1900-2100, keyed by the
// year in decimal. A year weighs what its stem-branch year weighs; the sixty
// weights come from refdata/rules/bone_weight_years.tsv. The sexagenary index
// of a lunar year is year - 1864 (1864 was a 甲子 year).
#include <array>
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

#include "core/gbk.h"
#include "core/text.h"
#include "refgen.h"

namespace lumeno::refgen {
namespace {

constexpr int kFirstYear = 1900;
constexpr int kLastYear = 2100;
constexpr int kCycleBaseYear = 1864;

const std::array<const char*, 10> kStems = {"甲", "乙", "丙", "丁", "戊", "己", "庚", "辛", "壬", "癸"};
const std::array<const char*, 12> kBranches = {"子", "丑", "寅", "卯", "辰", "巳",
                                               "午", "未", "申", "酉", "戌", "亥"};

std::string CycleName(int index) {
  return std::string(kStems[static_cast<std::size_t>(index % 10)]) + kBranches[static_cast<std::size_t>(index % 12)];
}

std::vector<std::string> SplitTabs(const std::string& line) {
  std::vector<std::string> fields;
  std::size_t start = 0;
  for (;;) {
    std::size_t tab = line.find('\t', start);
    fields.push_back(Trim(line.substr(start, tab == std::string::npos ? std::string::npos : tab - start)));
    if (tab == std::string::npos) return fields;
    start = tab + 1;
  }
}

// A weight in 两 with at most one decimal, as tenths (1.2 -> 12). Anything
// else is a typing error in the rules file and stops the build.
int ParseTenths(const std::string& text, const std::string& where) {
  std::size_t dot = text.find('.');
  std::string whole = text.substr(0, dot);
  std::string frac = dot == std::string::npos ? "0" : text.substr(dot + 1);
  auto allDigits = [](const std::string& s) {
    return !s.empty() && s.find_first_not_of("0123456789") == std::string::npos;
  };
  if (!allDigits(whole) || !allDigits(frac) || frac.size() != 1 || whole.size() > 2)
    throw std::runtime_error(where + ": not a weight in tenths of a liang: " + text);
  return *ParseInt(whole) * 10 + (frac[0] - '0');
}

// Reads the sixty year weights (tenths), indexed by sexagenary index.
std::array<int, 60> ReadYearWeights(const std::string& path) {
  std::map<std::string, int> indexOf;
  for (int i = 0; i < 60; ++i) indexOf[CycleName(i)] = i;

  std::array<int, 60> weights;
  weights.fill(-1);
  int jiaziColumn = -1, weightColumn = -1;
  bool header = true;
  int lineNo = 0;
  ForEachLine(path, [&](const std::string& line) {
    ++lineNo;
    if (Trim(line).empty() || line[0] == '#') return;
    std::string where = path + ":" + std::to_string(lineNo);
    std::vector<std::string> fields = SplitTabs(line);
    if (header) {
      header = false;
      for (std::size_t i = 0; i < fields.size(); ++i) {
        if (fields[i] == "jiazi") jiaziColumn = static_cast<int>(i);
        if (fields[i] == "weight") weightColumn = static_cast<int>(i);
      }
      if (jiaziColumn < 0 || weightColumn < 0) throw std::runtime_error(where + ": header must name jiazi and weight");
      return;
    }
    if (fields.size() != 2) throw std::runtime_error(where + ": expected two fields");
    const std::string& jiazi = fields[static_cast<std::size_t>(jiaziColumn)];
    auto it = indexOf.find(Utf8ToGbk(jiazi));
    if (it == indexOf.end()) throw std::runtime_error(where + ": not a stem-branch year: " + jiazi);
    if (weights[static_cast<std::size_t>(it->second)] >= 0)
      throw std::runtime_error(where + ": stem-branch year given twice: " + jiazi);
    int tenths = ParseTenths(fields[static_cast<std::size_t>(weightColumn)], where);
    if (tenths <= 0) throw std::runtime_error(where + ": weight must be positive");
    weights[static_cast<std::size_t>(it->second)] = tenths;
  });
  for (int i = 0; i < 60; ++i)
    if (weights[static_cast<std::size_t>(i)] < 0)
      throw std::runtime_error(path + ": no weight for " + GbkToUtf8(CycleName(i)));
  return weights;
}

std::size_t ColumnIndex(const data::TableDef& table, const char* name) {
  const data::ColumnDef* col = data::FindColumn(table, name);
  if (!col) throw std::runtime_error(std::string(table.name) + " has no column " + name);
  return static_cast<std::size_t>(col - table.columns.data());
}

void GenerateChenggu1(const GenContext& ctx, const data::TableDef& table, RowSink& sink) {
  std::array<int, 60> weights = ReadYearWeights(ctx.sourceDir + "/rules/bone_weight_years.tsv");
  std::size_t yearColumn = ColumnIndex(table, "year");
  std::size_t weightColumn = ColumnIndex(table, "weight");
  for (int year = kFirstYear; year <= kLastYear; ++year) {
    int index = (year - kCycleBaseYear) % 60;
    Row row(table.columns.size());
    row[yearColumn] = data::Value::Text(std::to_string(year));
    row[weightColumn] = data::Value::Real(weights[static_cast<std::size_t>(index)] / 10.0);
    sink.Add(row);
  }
}

}  // namespace

LUMENO_TABLE_GENERATOR("chenggu1", GenerateChenggu1);

}  // namespace lumeno::refgen
