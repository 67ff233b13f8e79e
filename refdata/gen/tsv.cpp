#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <stdexcept>

#include "core/date.h"
#include "core/gbk.h"
#include "core/text.h"
#include "refgen.h"

namespace lumeno::refgen {
namespace {

std::vector<std::string> SplitTabs(const std::string& line) {
  std::vector<std::string> fields;
  std::string cur;
  for (char c : line) {
    if (c == '\t') {
      fields.push_back(cur);
      cur.clear();
    } else {
      cur += c;
    }
  }
  fields.push_back(cur);
  return fields;
}

std::string Unescape(const std::string& s) {
  std::string out;
  out.reserve(s.size());
  for (std::size_t i = 0; i < s.size(); ++i) {
    if (s[i] == '\\' && i + 1 < s.size()) {
      char n = s[i + 1];
      if (n == 't') { out += '\t'; ++i; continue; }
      if (n == 'n') { out += '\n'; ++i; continue; }
      if (n == 'r') { out += '\r'; ++i; continue; }
      if (n == '\\') { out += '\\'; ++i; continue; }
    }
    out += s[i];
  }
  return out;
}

data::Value Convert(const std::string& raw, data::ColumnType type, const std::string& where) {
  if (raw == "\\N") return data::Value();
  std::string text = Unescape(raw);
  switch (type) {
    case data::ColumnType::Integer: {
      std::string t = Trim(text);
      if (t.empty()) return data::Value();
      auto n = ParseInt(t);
      if (!n) throw std::runtime_error(where + ": not a whole number: " + text);
      return data::Value::Int(*n);
    }
    case data::ColumnType::Real: {
      std::string t = Trim(text);
      if (t.empty()) return data::Value();
      char* end = nullptr;
      double d = std::strtod(t.c_str(), &end);
      if (*end != '\0') throw std::runtime_error(where + ": not a number: " + text);
      return data::Value::Real(d);
    }
    case data::ColumnType::Date: {
      auto d = TryParseDate(text);
      if (!d) throw std::runtime_error(where + ": not a date: " + text);
      return data::Value::Text(FormatDate(*d));
    }
    case data::ColumnType::Text:
    case data::ColumnType::Any: return data::Value::Text(Utf8ToGbk(text));
  }
  return data::Value();
}

}  // namespace

std::string TsvPath(const GenContext& ctx, const data::TableDef& table) {
  std::string stem = data::FileName(table.file);
  stem = stem.substr(0, stem.rfind('.'));
  return ctx.sourceDir + "/tables/" + stem + "/" + std::string(table.name) + ".tsv";
}

void ForEachLine(const std::string& path, const std::function<void(const std::string&)>& onLine) {
  std::ifstream in(path);
  if (!in) throw std::runtime_error("cannot read " + path);
  std::string line;
  while (std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    onLine(line);
  }
}

std::vector<Row> ReadTsv(const std::string& path, const data::TableDef& table) {
  std::vector<Row> rows;
  std::vector<int> columnOf;  // field index -> schema column index
  bool header = true;
  int lineNo = 0;
  ForEachLine(path, [&](const std::string& line) {
    ++lineNo;
    if (line.empty() || line[0] == '#') return;
    std::vector<std::string> fields = SplitTabs(line);
    std::string where = path + ":" + std::to_string(lineNo);
    if (header) {
      header = false;
      for (const std::string& name : fields) {
        const data::ColumnDef* col = data::FindColumn(table, Trim(name));
        if (!col) throw std::runtime_error(where + ": table " + std::string(table.name) + " has no column " + name);
        columnOf.push_back(static_cast<int>(col - table.columns.data()));
      }
      return;
    }
    if (fields.size() > columnOf.size()) throw std::runtime_error(where + ": more fields than columns");
    Row row(table.columns.size());
    for (std::size_t i = 0; i < fields.size(); ++i) {
      const data::ColumnDef& col = table.columns[static_cast<std::size_t>(columnOf[i])];
      row[static_cast<std::size_t>(columnOf[i])] = Convert(fields[i], col.type, where);
    }
    rows.push_back(std::move(row));
  });
  return rows;
}

}  // namespace lumeno::refgen
