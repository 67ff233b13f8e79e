// lumeno-cli char: one tab-separated line per character with what the
// character table holds for it; characters it cannot show are reported on
// standard error and make the status 1.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "core/gbk.h"
#include "support/fixture_db.h"
#include "support/paths.h"

namespace lumeno {
namespace {

struct CharRun {
  int status = -1;
  std::vector<std::vector<std::string>> lines;  // fields of each output line, UTF-8
  std::string err;
};

std::string Slurp(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

std::vector<std::string> Split(const std::string& line, char sep) {
  std::vector<std::string> out;
  for (std::size_t pos = 0;;) {
    std::size_t end = line.find(sep, pos);
    out.push_back(line.substr(pos, end == std::string::npos ? std::string::npos : end - pos));
    if (end == std::string::npos) return out;
    pos = end + 1;
  }
}

// Runs `lumeno-cli char` with the GBK text given (passed as UTF-8).
CharRun Char(const char* gbkText) {
  testing::TempDir dir("lumeno-cli-char");
  const std::string out = dir.path() + "/out", err = dir.path() + "/err";
  const std::string cmd = "'" + testing::BinDir() + "/lumeno-cli' char '" + GbkToUtf8(gbkText) + "' > '" + out +
                          "' 2> '" + err + "'";
  CharRun r;
  int raw = std::system(cmd.c_str());
  r.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
  for (const std::string& line : Split(Slurp(out), '\n'))
    if (!line.empty()) r.lines.push_back(Split(line, '\t'));
  r.err = Slurp(err);
  return r;
}

std::string U8(const char* gbk) { return GbkToUtf8(gbk); }

// Fields: character, strokes, element, reading, gloss, nan, nv, xb, px.
TEST(CharCommand, ShowsStrokesElementReadingAndFlagsOfEachCharacter) {
  CharRun r = Char("慧星琳璐");
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.err, "");
  ASSERT_EQ(r.lines.size(), 4u);
  const char* kChars[] = {"慧", "星", "琳", "璐"};
  const char* kElements[] = {"水", "金", "木", "火"};
  for (std::size_t i = 0; i < 4; ++i) {
    const std::vector<std::string>& f = r.lines[i];
    ASSERT_EQ(f.size(), 9u) << U8(kChars[i]);
    EXPECT_EQ(f[0], U8(kChars[i]));
    EXPECT_EQ(f[2], U8(kElements[i])) << U8(kChars[i]);
    EXPECT_FALSE(f[3].empty()) << U8(kChars[i]);
    // All four are name candidates: a gloss, at least one sex, xb to match.
    EXPECT_FALSE(f[4].empty()) << U8(kChars[i]);
    EXPECT_TRUE(f[5] == "1" || f[6] == "1") << U8(kChars[i]);
    EXPECT_EQ(f[7], f[5] == "1" && f[6] == "1" ? "1" : f[5] == "1" ? U8("男") : U8("女")) << U8(kChars[i]);
    EXPECT_NE(f[8], "0") << U8(kChars[i]);
  }
  EXPECT_EQ(r.lines[0][1], "15");
  EXPECT_EQ(r.lines[0][3], U8("huì"));
  EXPECT_EQ(r.lines[3][1], "18");
}

TEST(CharCommand, TraditionalFormsAndNonCandidates) {
  // 張 is found through its simplified form's row; 死 suits no name.
  CharRun r = Char("張死");
  EXPECT_EQ(r.status, 0);
  ASSERT_EQ(r.lines.size(), 2u);
  EXPECT_EQ(r.lines[0][1], "11");
  EXPECT_EQ(r.lines[0][3], U8("zhāng"));
  const std::vector<std::string> kNoCandidate = {"", "0", "0", "0", "0"};
  EXPECT_EQ(std::vector<std::string>(r.lines[1].begin() + 4, r.lines[1].end()), kNoCandidate);
}

TEST(CharCommand, WhatCannotBeShownGoesToStandardErrorWithStatusOne) {
  CharRun r = Char("a明〇");
  EXPECT_EQ(r.status, 1);
  ASSERT_EQ(r.lines.size(), 1u);
  EXPECT_EQ(r.lines[0][0], U8("明"));
  EXPECT_NE(r.err.find("'a' is not a Chinese character"), std::string::npos) << r.err;
  EXPECT_NE(r.err.find(U8("〇: not in the character table")), std::string::npos) << r.err;
  CharRun none = Char("");
  EXPECT_EQ(none.status, 2);
}

}  // namespace
}  // namespace lumeno
