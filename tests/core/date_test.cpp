#include <gtest/gtest.h>

#include "core/date.h"
#include "core/error.h"

namespace lumeno {
namespace {

TEST(DateValue, DayCountsFromEighteenNinetyNine) {
  EXPECT_EQ(EncodeDate(1899, 12, 30), 0);
  EXPECT_EQ(EncodeDate(1900, 1, 31), 32);
  EXPECT_EQ(EncodeDate(1899, 12, 29), -1);
  EXPECT_EQ(EncodeDate(2000, 1, 1), 36526);
  EXPECT_EQ(DecodeDate(36526.75), (YearMonthDay{2000, 1, 1}));
  EXPECT_EQ(DecodeDate(32), (YearMonthDay{1900, 1, 31}));
}

TEST(DateValue, RoundTripsEveryDayOfTwoCenturies) {
  for (double d = EncodeDate(1899, 1, 1); d <= EncodeDate(2101, 1, 1); d += 1) {
    YearMonthDay ymd = DecodeDate(d);
    ASSERT_EQ(EncodeDate(ymd.year, ymd.month, ymd.day), d);
  }
}

TEST(DateValue, TimeOfDayIsTheFraction) {
  DateValue t = EncodeDate(1984, 2, 4) + EncodeTime(12, 30, 15);
  TimeOfDay tod = DecodeTime(t);
  EXPECT_EQ(tod.hour, 12);
  EXPECT_EQ(tod.minute, 30);
  EXPECT_EQ(tod.second, 15);
  EXPECT_EQ(FormatDateTime(t), "1984-02-04 12:30:15");
  EXPECT_FALSE(TryEncodeTime(24, 0, 0, 0));
}

TEST(DateValue, InvalidDatesAreRefused) {
  EXPECT_FALSE(TryEncodeDate(2001, 2, 29));
  EXPECT_TRUE(TryEncodeDate(2004, 2, 29));
  EXPECT_FALSE(TryEncodeDate(1900, 2, 29));
  EXPECT_TRUE(TryEncodeDate(2000, 2, 29));
  EXPECT_FALSE(TryEncodeDate(2000, 13, 1));
  EXPECT_THROW(EncodeDate(2000, 4, 31), GeneralError);
}

TEST(DateValue, FormatsAndWeekdays) {
  EXPECT_EQ(FormatDate(EncodeDate(1980, 1, 5)), "1980-01-05");
  EXPECT_EQ(DayOfWeek(EncodeDate(2026, 12, 9)), 4);  // a Wednesday
  EXPECT_EQ(DayOfWeek(0), 7);                         // 1899-12-30, a Saturday
}

TEST(ParseDate, ProgramConventions) {
  struct Case {
    const char* text;
    std::optional<YearMonthDay> want;
  } cases[] = {
      {"1980-1-5", YearMonthDay{1980, 1, 5}},   {"1980-01-05", YearMonthDay{1980, 1, 5}},
      {" 2012-5-1 ", YearMonthDay{2012, 5, 1}}, {"2004-2-29", YearMonthDay{2004, 2, 29}},
      {"12-5-1", YearMonthDay{2012, 5, 1}},     {"2001-2-29", std::nullopt},
      {"1980/1/5", std::nullopt},               {"1980-1", std::nullopt},
      {"1980-1-5-1", std::nullopt},             {"1980-001-5", std::nullopt},
      {"", std::nullopt},                       {"abc", std::nullopt},
      {"1980--5", std::nullopt},
  };
  for (const Case& c : cases) {
    auto got = TryParseDate(c.text);
    ASSERT_EQ(got.has_value(), c.want.has_value()) << c.text;
    if (got) {
      EXPECT_EQ(DecodeDate(*got), *c.want) << c.text;
    }
  }
}

TEST(ParseDate, ErrorNamesTheText) {
  try {
    ParseDate("1980-2-30");
    FAIL() << "no error";
  } catch (const GeneralError& e) {
    EXPECT_STREQ(e.what(), "'1980-2-30' is not a valid date");
  }
}

}  // namespace
}  // namespace lumeno
