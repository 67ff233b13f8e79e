#pragma once
// Small reference databases for the numerology tests: a few characters, a
// few numbers of table 81, three-talent rows and stored scores.
#include <string>
#include <vector>

#include "core/gbk.h"
#include "core/text.h"
#include "data/stored_text.h"
#include "support/fixture_db.h"

namespace lumeno::numerology::testing {

using lumeno::testing::CreateFixtureDatabase;
using lumeno::testing::ScopedProgramDirectory;
using lumeno::testing::TempDir;

// Characters with their strokes: 张 11, 三 3, 欧 15, 阳 17, 明 8, 华 14,
// 龙/龍 16 (the traditional form only in column ft), 李 7.
inline std::vector<std::string> WordRows() {
  return {
      GbkToUtf8("INSERT INTO word(zi, ft, bh) VALUES ('张', '張', 11)"),
      GbkToUtf8("INSERT INTO word(zi, ft, bh) VALUES ('三', '三', 3)"),
      GbkToUtf8("INSERT INTO word(zi, ft, bh) VALUES ('欧', '歐', 15)"),
      GbkToUtf8("INSERT INTO word(zi, ft, bh) VALUES ('阳', '陽', 17)"),
      GbkToUtf8("INSERT INTO word(zi, ft, bh) VALUES ('明', '明', 8)"),
      GbkToUtf8("INSERT INTO word(zi, ft, bh) VALUES ('华', '華', 14)"),
      GbkToUtf8("INSERT INTO word(zi, ft, bh) VALUES ('龙', '龍', 16)"),
      GbkToUtf8("INSERT INTO word(zi, ft, bh) VALUES ('李', '李', 7)"),
  };
}

// A row of table 81 (GBK texts).
inline std::string Row81(int num, const std::string& yy, const std::string& jx, const std::string& as,
                         const std::string& content = "") {
  return GbkToUtf8(StrFormat("INSERT INTO \"81\"(num, yy, jx, \"as\", content) VALUES (%d, %s, %s, %s, %s)", num,
                             QuotedSql(yy).c_str(), QuotedSql(jx).c_str(), QuotedSql(as).c_str(),
                             QuotedSql(content).c_str()));
}

// A row of table sancai with its reading stored scrambled, as shipped.
inline std::string SancaiRow(const std::string& title, int djc, const std::string& plainContent) {
  return GbkToUtf8(StrFormat("INSERT INTO sancai(title, djc, content) VALUES (%s, %d, %s)", QuotedSql(title).c_str(),
                             djc, QuotedSql(data::EncodeStoredText(plainContent)).c_str()));
}

inline std::string Sancai2009Row(const std::vector<std::string>& nine) {
  std::string values;
  for (const std::string& v : nine) values += (values.empty() ? "" : ", ") + QuotedSql(v);
  return GbkToUtf8("INSERT INTO sancai2009(title, yy, jcy, jx1, cgy, jx2, rjgx, jx3, xg) VALUES (" + values + ")");
}

inline std::string ZhRow(int bh11, int bh12, int bh21, int bh22, int zf) {
  return StrFormat("INSERT INTO zh(bh11, bh12, bh21, bh22, zf, lx, jxjx, xb) VALUES (%d, %d, %d, %d, %d, 0, 1, '0')",
                   bh11, bh12, bh21, bh22, zf);
}

}  // namespace lumeno::numerology::testing
