#pragma once
// What a name's grids mean and how much they are worth: the 81-number
// readings, the points of each grid by its number class, the grade and
// points of the three talents, the name score with its verdict, and the
// three-talent readings.
#include <optional>
#include <string>
#include <string_view>

#include "numerology/grids.h"

namespace lumeno::data {
class Query;
}

namespace lumeno::numerology {

// Column `field` of table `81` for `number`: 0 yy (short reading), 1 jx
// (fortune mark), 2 as (suggestion), 3 content; any other index gives "".
// A number without a row gives a single blank whatever the index. A failing
// query raises CommandCancelled.
std::string NumberReading(int number, int field);

// Points of a grid number: first class 10 / 30 / 20, second class
// 8.5 / 25.5 / 17, third class 7 / 21 / 14 as heaven, earth or outer /
// person / total; 0 for a number in no class (0, negative, above 81) and for
// a kind outside 0-4.
double GridPoints(int number, int kind);
inline double GridPoints(int number, GridKind kind) { return GridPoints(number, static_cast<int>(kind)); }

// The class (1, 2 or 3) of a grid number, 0 for none.
int NumberClass(int number);

// The grade of three elements (heaven, person, earth; GBK characters 金 木
// 水 火 土), 1 best to 7 worst. Each neighbouring pair, upper a over lower b,
// is worth 3 when a generates b, 2 when b generates a or both are the same,
// 1 when a controls b and 0 when b controls a; the grade is 7 minus the two
// values. The five triples of a single element are graded as the tradition
// grades them, by the harmony or excess of that element rather than by their
// pairs: 木木木 and 土土土 2, 火火火 4, 金金金 and 水水水 6. 0 when any of the
// three is not an element.
int SancaiGrade(std::string_view heaven, std::string_view person, std::string_view earth);
// The same for a three-talent text of three element characters (6 bytes).
int SancaiGrade(std::string_view talents);

// Points of a three-talent grade: 1..7 give 20, 18, 16, 15, 14, 13, 12;
// anything else -1.
double TalentPointsForGrade(int grade);

// Points of a three-talent text by its grade in table `sancai`; -1 when the
// table has no row for it. A failing query raises CommandCancelled.
double TalentPoints(const std::string& talents);

// The score computed by the point rules: the five grid points in the order
// heaven, earth, person, total, outer, then the talent points.
double ComputedScore(const FiveGrids& grids, double talentPoints);

// The name score: the stored score of the name's stroke combination when
// table `zh` has a non-zero one, else ComputedScore with TalentPoints of the
// three-talent text. The combination is read from the first and second two
// bytes of the surname and of the given name.
double NameScore(std::string_view surname, std::string_view given, const FiveGrids& grids,
                 const std::string& talents, StrokeCache* cache = nullptr);

// The score as reports write it: 100, 92.5, 74.
std::string FormatScore(double score);

// The verdict line of a score: bands from 90, 80, 70 and 60 up, and below 60.
std::string ScoreVerdict(double score);

// The plain reading of the three talents from `sancai`.`content`, run on a
// window's query component (its connection string already set to
// VelFile.dll), or "无结果,请听下回分解" when there is no row. A failing
// query raises CommandCancelled.
std::string TalentReading(data::Query& query, const std::string& talents);
// The same on a transient query.
std::string TalentReading(const std::string& talents);

// The texts of one `sancai2009` row, untrimmed as stored.
struct TalentRecordRow {
  std::string title, yy, jcy, jx1, cgy, jx2, rjgx, jx3, xg;
};
// The first `sancai2009` row of the three talents, or nothing. A failing
// query raises CommandCancelled.
std::optional<TalentRecordRow> TalentRecord(const std::string& talents);

}  // namespace lumeno::numerology
