// The dialect translator: any text either translates or raises DataError,
// and a translation is always the same for the same text.
#include <cstddef>
#include <cstdint>
#include <string>

#include "data/database.h"
#include "data/jet_sql.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  std::string first;
  bool translated = false;
  try {
    first = lumeno::data::TranslateJetSql(text);
    translated = true;
  } catch (const lumeno::data::DataError&) {
  }
  if (translated && lumeno::data::TranslateJetSql(text) != first) __builtin_trap();
  return 0;
}
