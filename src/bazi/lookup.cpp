#include "bazi/lookup.h"

#include "data/query.h"

namespace lumeno::bazi {

std::string TgcodeText(const std::string& gbkSql) {
  try {
    data::ResultSet r = data::RunQuery(data::DatabaseFile::Tgcode, gbkSql);
    if (r.IsEmpty()) return {};
    return r.First(0).AsTrimmedText();
  } catch (const data::DataError&) {
    return {};
  }
}

}  // namespace lumeno::bazi
