#include <gtest/gtest.h>

#include "core/gbk.h"
#include "core/text.h"

namespace lumeno {
namespace {

TEST(ExecutionCharset, NarrowLiteralsAreGbk) {
  const std::string zhang = "张";
  ASSERT_EQ(zhang.size(), 2u);
  EXPECT_EQ(static_cast<unsigned char>(zhang[0]), 0xD5);
  EXPECT_EQ(static_cast<unsigned char>(zhang[1]), 0xC5);
}

TEST(GbkConversion, RoundTripsChineseAndAscii) {
  const std::string gbk = "姓不能为空!";
  const std::string utf8 = GbkToUtf8(gbk);
  EXPECT_EQ(utf8, std::string(reinterpret_cast<const char*>(u8"姓不能为空!")));
  EXPECT_EQ(Utf8ToGbk(utf8), gbk);
}

TEST(GbkConversion, InvalidSequencesAreReplacedNotFatal) {
  // A lone lead byte at the end, and an invalid UTF-8 byte in the middle.
  EXPECT_EQ(GbkToUtf8(std::string("A\x81", 2)), "A\xEF\xBF\xBD");
  EXPECT_EQ(Utf8ToGbk("a\xFF" "b"), "a?b");
  EXPECT_EQ(GbkToUtf8(""), "");
}

TEST(GbkText, DoubleByteTest) {
  EXPECT_TRUE(IsAllDoubleByte("张三"));
  EXPECT_FALSE(IsAllDoubleByte("张a"));
  EXPECT_FALSE(IsAllDoubleByte("a"));
  EXPECT_TRUE(IsAllDoubleByte(""));
}

TEST(Trim, RemovesBlanksAndControlCharacters) {
  EXPECT_EQ(Trim(" \t\r\n 张三 \x01"), "张三");
  EXPECT_EQ(Trim("   "), "");
  EXPECT_EQ(TrimLeft("  a "), "a ");
  EXPECT_EQ(TrimRight("  a "), "  a");
}

TEST(ByteHelpers, CopyAndFindCountBytes) {
  const std::string name = "欧阳修";
  EXPECT_EQ(ByteCopy(name, 2, 2), "阳");
  EXPECT_EQ(ByteCopy(name, 2, 4), "阳修");
  EXPECT_EQ(ByteCopy(name, 10, 2), "");
  EXPECT_EQ(ByteFind(",1,3,5,", ",3,"), 2u);
  EXPECT_EQ(ByteFind(",1,3,5,", ",2,"), std::string::npos);
}

TEST(ParseInt, AcceptsOnlyDecimalIntegers) {
  struct Case {
    const char* text;
    std::optional<int> want;
  } cases[] = {{"0", 0},        {"42", 42},          {"-7", -7},         {"+3", 3},          {"", std::nullopt},
               {"4a", std::nullopt}, {" 4", std::nullopt}, {"-", std::nullopt}, {"2147483647", 2147483647},
               {"2147483648", std::nullopt}, {"-2147483648", -2147483647 - 1}, {"1.5", std::nullopt}};
  for (const Case& c : cases) EXPECT_EQ(ParseInt(c.text), c.want) << c.text;
}

TEST(FormatGeneral, ShortestFormUpToFifteenDigits) {
  EXPECT_EQ(FormatGeneral(100), "100");
  EXPECT_EQ(FormatGeneral(92.5), "92.5");
  EXPECT_EQ(FormatGeneral(74), "74");
  EXPECT_EQ(FormatGeneral(-1), "-1");
  EXPECT_EQ(FormatGeneral(0.1 + 0.2), "0.3");
  EXPECT_EQ(FormatGeneral(-0.0), "0");
}

TEST(QuotedSql, DoublesQuotes) {
  EXPECT_EQ(QuotedSql("木火土"), "'木火土'");
  EXPECT_EQ(QuotedSql("a'b"), "'a''b'");
  EXPECT_EQ(QuotedSql(""), "''");
}

}  // namespace
}  // namespace lumeno
