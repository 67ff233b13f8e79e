#include "data/schema.h"

#include <strings.h>

namespace lumeno::data {
namespace {

constexpr ColumnType T = ColumnType::Text;
constexpr ColumnType I = ColumnType::Integer;
constexpr ColumnType R = ColumnType::Real;
constexpr ColumnType D = ColumnType::Date;
constexpr ColumnType A = ColumnType::Any;

bool SameName(std::string_view a, std::string_view b) {
  return a.size() == b.size() && strncasecmp(a.data(), b.data(), a.size()) == 0;
}

std::vector<TableDef> MakeSchema() {
  using F = DatabaseFile;
  return {
      {F::Roruroz, "word",
       {{"zi", T}, {"ft", T}, {"bh", I}, {"wuhang", T}, {"px", I}, {"id", I}, {"nan", I}, {"nv", I}, {"xb", T},
        {"Aflag", A}, {"pinyin", T}, {"gloss", T}},
       {{"zi"}, {"ft"}, {"bh"}}},
      {F::Roruroz, "zh",
       {{"bh11", I}, {"bh12", I}, {"bh21", I}, {"bh22", I}, {"zf", I}, {"lx", I}, {"jxjx", I}, {"xb", T}},
       {{"bh11", "bh12", "bh21", "bh22"}, {"lx", "bh11", "bh12"}}},
      {F::Roruroz, "tingci", {{"ci", T}, {"yuanyin", T}}, {{"ci"}}},
      {F::VelFile, "81", {{"num", I}, {"yy", T}, {"jx", T}, {"as", T}, {"content", T}}, {{"num"}}},
      {F::VelFile, "sancai", {{"title", T}, {"djc", I}, {"content", T}}, {{"title"}}},
      {F::VelFile, "sancai2009",
       {{"title", T}, {"yy", T}, {"jcy", T}, {"jx1", T}, {"cgy", T}, {"jx2", T}, {"rjgx", T}, {"jx3", T},
        {"xg", T}},
       {{"title"}}},
      {F::VelBirth, "Noter", {{"Cid", T}, {"Tite", T}, {"content", T}}, {{"Cid"}}},
      {F::VelBirth, "QQpd", {{"bihua", T}, {"intro", T}}, {}},
      {F::VelBirth, "huangdao",
       {{"gn", D}, {"nn", T}, {"suici", T}, {"tszf", T}, {"wuhang", T}, {"cong", T}, {"pzbj", T}, {"jsyq", T},
        {"yi", T}, {"xsyq", T}, {"ji", T}},
       {{"gn"}}},
      {F::VelBirth, "xing", {{"id", I}, {"xingl", T}, {"intro", T}}, {{"xingl"}}},
      {F::Dream, "chenggu", {{"weight", T}, {"content", T}, {"content2", T}}, {{"weight"}}},
      {F::Dream, "chenggu1", {{"year", T}, {"weight", R}}, {{"year"}}},
      {F::Dream, "chenggu2", {{"month2", T}, {"weight", R}}, {{"month2"}}},
      {F::Dream, "chenggu3", {{"day2", T}, {"weight", R}}, {{"day2"}}},
      {F::Dream, "chenggu4", {{"time", T}, {"weight", R}}, {{"time"}}},
      {F::Dream, "shouji", {{"num", T}, {"title", T}, {"jx", T}, {"content", T}}, {{"num"}}},
      {F::Tgcode, "hzwh", {{"hz", T}, {"wh", T}}, {}},
      {F::Tgcode, "Shishen", {{"jiazi", T}, {"ShiShen", T}}, {{"jiazi"}}},
      {F::Tgcode, "jiazi", {{"jiazi", T}, {"layin", T}}, {{"jiazi"}}},
      {F::Tgcode, "sjrs", {{"wh", T}, {"sj", T}, {"sjrs", T}}, {{"wh", "sj"}}},
      {F::Tgcode, "qtbj", {{"tg", T}, {"dz", T}, {"content", T}}, {{"tg", "dz"}}},
  };
}

}  // namespace

const std::vector<TableDef>& ReferenceSchema() {
  static const std::vector<TableDef> schema = MakeSchema();
  return schema;
}

const TableDef* FindTable(std::string_view name) {
  for (const TableDef& t : ReferenceSchema())
    if (SameName(t.name, name)) return &t;
  return nullptr;
}

const ColumnDef* FindColumn(const TableDef& table, std::string_view name) {
  for (const ColumnDef& c : table.columns)
    if (SameName(c.name, name)) return &c;
  return nullptr;
}

namespace {
std::string Quote(std::string_view name) { return "\"" + std::string(name) + "\""; }
}  // namespace

std::string CreateTableSql(const TableDef& table) {
  std::string ddl = "CREATE TABLE " + Quote(table.name) + " (";
  for (std::size_t i = 0; i < table.columns.size(); ++i) {
    if (i) ddl += ", ";
    ddl += Quote(table.columns[i].name);
    switch (table.columns[i].type) {
      case ColumnType::Text: ddl += " TEXT COLLATE NOCASE"; break;
      case ColumnType::Integer: ddl += " INTEGER"; break;
      case ColumnType::Real: ddl += " REAL"; break;
      case ColumnType::Date: ddl += " TEXT"; break;
      case ColumnType::Any: break;
    }
  }
  return ddl + ")";
}

std::vector<std::string> CreateIndexSql(const TableDef& table) {
  std::vector<std::string> out;
  int n = 0;
  for (const auto& index : table.indexes) {
    std::string cols;
    for (std::size_t i = 0; i < index.size(); ++i) cols += (i ? "," : "") + Quote(index[i]);
    out.push_back("CREATE INDEX " + Quote("ix_" + std::string(table.name) + "_" + std::to_string(++n)) + " ON " +
                  Quote(table.name) + " (" + cols + ")");
  }
  return out;
}

}  // namespace lumeno::data
