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

TEST(RecordLines, Utf8IsToldFromGbk) {
  struct Case {
    const char* what;
    std::string bytes;
    bool utf8;
  } cases[] = {
      {"ASCII", "abc 123\r\n", true},
      {"Chinese in UTF-8", "\xE5\xBC\xA0\xE4\xB8\x89", true},                 // 张三
      {"a four-byte character", "\xF0\x9F\x98\x80", true},
      {"Chinese in GBK", "张三，您好", false},
      {"a sequence cut short at the end", "\xE5\xBC", false},
      {"an overlong slash", "\xC0\xAF", false},
      {"an encoded surrogate", "\xED\xA0\x80", false},
      {"beyond U+10FFFF", "\xF4\x90\x80\x80", false},
      {"a stray continuation byte", "a\x80", false},
  };
  for (const Case& c : cases) EXPECT_EQ(IsValidUtf8(c.bytes), c.utf8) << c.what;
}

TEST(RecordLines, EitherEncodingGivesTheSameGbkLines) {
  const std::vector<std::string> want = {"张三", "测算 ok"};
  EXPECT_EQ(RecordLines("张三\r\n测算 ok"), want);
  EXPECT_EQ(RecordLines("\xE5\xBC\xA0\xE4\xB8\x89\n\xE6\xB5\x8B\xE7\xAE\x97 ok\n"), want);
  EXPECT_EQ(RecordLines("\xEF\xBB\xBF\xE5\xBC\xA0\xE4\xB8\x89\r\n\xE6\xB5\x8B\xE7\xAE\x97 ok"), want);
  // A character GBK lacks cannot be kept in a GBK pane.
  EXPECT_EQ(RecordLines("a\xF0\x9F\x98\x80" "b"), std::vector<std::string>{"a?b"});
}

}  // namespace
}  // namespace lumeno::app
