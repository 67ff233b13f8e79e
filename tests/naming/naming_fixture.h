#pragma once
// A small Roruroz.dll for name generation, whose names can be worked out by
// hand.
//
// Surnames: 张 11 strokes; 欧阳 8 + 6. The first row of `word` is 啊, no
// candidate, with nan = nv = 0: the fixed-character sub-queries take their
// nan, nv and wuhang from the first row.
//
// Candidates of 10 strokes (first given character), px 0, 10, 20, 30, 40 and
// id 0, so their order by weight is their order here:
//   浩 水 男 | 泰 火 1 (nan, nv) | 晋 火 0 (nan, nv) | 朗 火 男 | 峰 土 男
// and 娜 (10, 女, nv only), 悦 (10, Aflag 2: never a candidate).
// Candidates of 6 strokes (second character), px 0, 1, 2, 3:
//   宇 土 1 | 安 土 0 | 光 火 男 (nan only) | 冰 水 1
// and 如 (6, 女, nv only). One of 12 strokes: 晴 (男 and nan 1, nv 0), px 5.
// Not candidates: 星 9 strokes (the fixed character of the tests), 張 only
// as the traditional form of 张.
//
// A male two-character name for entry 11|10-6 pairs the five with the four:
// 20 names whose order by px is 浩宇 浩安 浩光 浩冰 泰宇 ... 峰冰.
//
// Table zh for 张 (kinds 11 and 12) and 欧阳 (kinds 21 and 22).
#include <string>
#include <vector>

#include "core/gbk.h"
#include "core/text.h"
#include "support/fixture_db.h"

namespace lumeno::naming::testing {

inline std::string WordRow(const char* zi, const char* ft, int bh, const char* wuhang, int px, int id, int nan, int nv,
                           const char* xb, const char* aflag = "NULL") {
  return GbkToUtf8(StrFormat(
      "INSERT INTO word(zi, ft, bh, wuhang, px, id, nan, nv, xb, Aflag) VALUES ('%s', '%s', %d, '%s', %d, %d, %d, %d, "
      "'%s', %s)",
      zi, ft, bh, wuhang, px, id, nan, nv, xb, aflag));
}

inline std::string ZhRow(int bh11, int bh12, int bh21, int bh22, int zf, int lx, int jxjx, const char* xb) {
  return GbkToUtf8(StrFormat("INSERT INTO zh VALUES (%d, %d, %d, %d, %d, %d, %d, '%s')", bh11, bh12, bh21, bh22, zf,
                             lx, jxjx, xb));
}

inline std::vector<std::string> NamingRows() {
  return {
      WordRow("啊", "啊", 10, "土", 0, 0, 0, 0, "0", "1"),
      WordRow("张", "張", 11, "火", 0, 0, 0, 0, "0", "1"),
      WordRow("欧", "歐", 8, "土", 0, 0, 0, 0, "0", "1"),
      WordRow("阳", "陽", 6, "土", 0, 0, 0, 0, "0", "1"),
      WordRow("星", "星", 9, "金", 0, 0, 0, 0, "0", "1"),
      WordRow("浩", "浩", 10, "水", 0, 0, 1, 0, "男"),
      WordRow("泰", "泰", 10, "火", 10, 0, 1, 1, "1"),
      WordRow("晋", "晉", 10, "火", 20, 0, 1, 1, "0"),
      WordRow("朗", "朗", 10, "火", 30, 0, 1, 0, "男"),
      WordRow("峰", "峰", 10, "土", 40, 0, 1, 0, "男"),
      WordRow("娜", "娜", 10, "火", 50, 0, 0, 1, "女"),
      WordRow("悦", "悅", 10, "金", 60, 0, 1, 1, "1", "2"),
      WordRow("宇", "宇", 6, "土", 0, 0, 1, 1, "1"),
      WordRow("安", "安", 6, "土", 1, 0, 1, 1, "0"),
      WordRow("光", "光", 6, "火", 2, 0, 1, 0, "男"),
      WordRow("冰", "冰", 6, "水", 3, 0, 1, 1, "1"),
      WordRow("如", "如", 6, "金", 4, 0, 0, 1, "女"),
      WordRow("晴", "晴", 12, "火", 5, 0, 1, 0, "男"),
      // 张, one-character surname.
      ZhRow(11, 0, 10, 6, 85, 12, 1, "0"),
      ZhRow(11, 0, 10, 9, 83, 12, 2, "0"),
      ZhRow(11, 0, 4, 12, 81, 12, 3, "0"),
      ZhRow(11, 0, 10, 12, 78, 12, 4, "0"),
      ZhRow(11, 0, 5, 5, 65, 12, 5, "0"),
      ZhRow(11, 0, 10, 0, 88, 11, 1, "0"),
      ZhRow(11, 0, 6, 0, 72, 11, 2, "0"),
      // 欧阳, two-character surname.
      ZhRow(8, 6, 10, 6, 90, 22, 1, "男"),
      ZhRow(8, 6, 10, 6, 90, 22, 1, "女"),
      ZhRow(8, 6, 10, 12, 80, 22, 2, "男"),
      ZhRow(8, 6, 6, 6, 75, 22, 3, "女"),
      ZhRow(8, 6, 10, 0, 86, 21, 1, "0"),
  };
}

// A temporary program directory with the naming fixture as Roruroz.dll.
class NamingDatabase {
 public:
  NamingDatabase() { lumeno::testing::CreateFixtureDatabase(dir_.path(), data::DatabaseFile::Roruroz, NamingRows()); }
  const std::string& path() const { return dir_.path(); }

 private:
  lumeno::testing::TempDir dir_{"lumeno-naming"};
};

}  // namespace lumeno::naming::testing
