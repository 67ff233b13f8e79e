// Table zh (Roruroz.dll): the score of every stroke combination, generated
// with the name engine's own rules so that a stored score and a computed one
// never disagree (see numerology/combo_table.h for the rows).
#include <stdexcept>

#include "numerology/combo_table.h"
#include "refgen.h"

namespace lumeno::refgen {
namespace {

std::size_t ColumnIndex(const data::TableDef& table, const char* name) {
  const data::ColumnDef* col = data::FindColumn(table, name);
  if (!col) throw std::runtime_error(std::string("table zh has no column ") + name);
  return static_cast<std::size_t>(col - table.columns.data());
}

void GenerateZh(const GenContext&, const data::TableDef& table, RowSink& sink) {
  const std::size_t bh11 = ColumnIndex(table, "bh11"), bh12 = ColumnIndex(table, "bh12"),
                    bh21 = ColumnIndex(table, "bh21"), bh22 = ColumnIndex(table, "bh22"),
                    zf = ColumnIndex(table, "zf"), lx = ColumnIndex(table, "lx"),
                    jxjx = ColumnIndex(table, "jxjx"), xb = ColumnIndex(table, "xb");
  Row row(table.columns.size());
  numerology::ForEachComboRow([&](const numerology::ComboRow& r) {
    row[bh11] = data::Value::Int(r.bh11);
    row[bh12] = data::Value::Int(r.bh12);
    row[bh21] = data::Value::Int(r.bh21);
    row[bh22] = data::Value::Int(r.bh22);
    row[zf] = data::Value::Int(r.zf);
    row[lx] = data::Value::Int(r.lx);
    row[jxjx] = data::Value::Int(r.jxjx);
    row[xb] = data::Value::Text(r.xb);
    sink.Add(row);
  });
}

}  // namespace

LUMENO_TABLE_GENERATOR("zh", GenerateZh);

}  // namespace lumeno::refgen
