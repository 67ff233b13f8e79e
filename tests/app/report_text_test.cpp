// Saved report names and the line form of text files.
#include <gtest/gtest.h>

#include "app/report_text.h"
#include "core/gbk.h"

namespace lumeno::app {
namespace {

TEST(SuggestedReportName, NamesAndForbiddenBytes) {
  struct Case {
    std::string surname, given, expected;
  } cases[] = {
      {std::string("张"), std::string("三"), std::string("张三")},
      {std::string("欧阳"), "", std::string("欧阳")},
      {"", "", ""},
      // 億 is 83 7C and 乗 is 81 5C: their second bytes are '|' and '\'.
      {std::string("億"), std::string("三"), "*.txt"},
      {std::string("张"), std::string("乗"), "*.txt"},
      {"a/b", "", "*.txt"},
      {"?", "", "*.txt"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(GbkToUtf8(c.surname + c.given));
    EXPECT_EQ(SuggestedReportName(c.surname, c.given), c.expected);
  }
}

TEST(SavedReportPath, AlwaysAppendsTxt) {
  EXPECT_EQ(SavedReportPath("/tmp/a"), "/tmp/a.txt");
  EXPECT_EQ(SavedReportPath("/tmp/a.txt"), "/tmp/a.txt.txt");
}

TEST(ReportLines, JoinEndsEveryLineWithCrLf) {
  EXPECT_EQ(JoinReportLines({"a", "", "b"}), "a\r\n\r\nb\r\n");
  EXPECT_EQ(JoinReportLines({}), "");
}

TEST(ReportLines, SplitReadsEveryLineEnd) {
  struct Case {
    std::string bytes;
    std::vector<std::string> lines;
  } cases[] = {
      {"a\r\nb\r\n", {"a", "b"}},
      {"a\nb", {"a", "b"}},
      {"a\rb\r", {"a", "b"}},
      {"\r\n\r\nx", {"", "", "x"}},
      {"", {}},
      {"a\n\n", {"a", ""}},
  };
  for (const Case& c : cases) EXPECT_EQ(SplitTextLines(c.bytes), c.lines) << c.bytes;
}

}  // namespace
}  // namespace lumeno::app
