// Eight-character tables of Tgcode.dll derived from the rules of the
// tradition: the element of each stem and branch (hzwh), the ten god of
// every ordered pair of stems (Shishen) and the sound element of every pillar
// of the sixty-pair cycle (jiazi).
#include <string>

#include "calendar/ganzhi.h"
#include "refgen.h"

namespace lumeno::refgen {
namespace {

using calendar::EarthlyBranchNames;
using calendar::HeavenlyStemNames;
using data::Value;

// Elements in generating order: 木 生 火 生 土 生 金 生 水 生 木.
const char* const kElements[5] = {"木", "火", "土", "金", "水"};

// Element of a stem, as an index into kElements: 甲乙 木, 丙丁 火, 戊己 土,
// 庚辛 金, 壬癸 水.
int StemElement(int stem) { return stem / 2; }

void GenerateHzwh(const GenContext&, const data::TableDef&, RowSink& sink) {
  // Each row lists the stems and branches of one element; a like '%x%'
  // query finds the element of every one of the 22 characters.
  const char* const kCharacters[5] = {"甲乙寅卯", "丙丁巳午", "戊己辰戌丑未", "庚辛申酉", "壬癸亥子"};
  for (int e = 0; e < 5; ++e) sink.Add({Value::Text(kCharacters[e]), Value::Text(kElements[e])});
}

// The ten god of `other` seen from the day stem `self`, by the relation of
// their elements (same, self generates, self controls, controls self,
// generates self) and whether their polarities agree.
std::string TenGod(int self, int other) {
  const int a = StemElement(self), b = StemElement(other);
  const bool samePolarity = self % 2 == other % 2;
  const int d = (b - a + 5) % 5;  // 0 same, 1 a generates b, 2 a controls b, 3 b controls a, 4 b generates a
  static const char* const kSame[5] = {"比肩", "食神", "偏财", "七杀", "偏印"};
  static const char* const kDifferent[5] = {"劫财", "伤官", "正财", "正官", "正印"};
  return samePolarity ? kSame[d] : kDifferent[d];
}

void GenerateShishen(const GenContext&, const data::TableDef&, RowSink& sink) {
  for (int self = 0; self < 10; ++self)
    for (int other = 0; other < 10; ++other)
      sink.Add({Value::Text(std::string(HeavenlyStemNames[self]) + std::string(HeavenlyStemNames[other])),
                Value::Text(TenGod(self, other))});
}

void GenerateJiazi(const GenContext&, const data::TableDef&, RowSink& sink) {
  // The thirty sound elements (纳音), one for each two consecutive pillars
  // of the cycle from 甲子.
  const char* const kNayin[30] = {"海中金", "炉中火", "大林木", "路旁土", "剑锋金", "山头火", "涧下水", "城头土",
                                  "白蜡金", "杨柳木", "泉中水", "屋上土", "霹雳火", "松柏木", "长流水", "沙中金",
                                  "山下火", "平地木", "壁上土", "金箔金", "覆灯火", "天河水", "大驿土", "钗钏金",
                                  "桑柘木", "大溪水", "沙中土", "天上火", "石榴木", "大海水"};
  for (int n = 0; n < 60; ++n)
    sink.Add({Value::Text(calendar::GanZhi::OfCycle(n).Text()), Value::Text(kNayin[n / 2])});
}

}  // namespace

LUMENO_TABLE_GENERATOR("hzwh", GenerateHzwh);
LUMENO_TABLE_GENERATOR("Shishen", GenerateShishen);
LUMENO_TABLE_GENERATOR("jiazi", GenerateJiazi);

}  // namespace lumeno::refgen
