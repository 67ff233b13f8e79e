// The database build stops with a message naming the line when a content
// file of the character table is wrong: a bad name candidate, an unknown
// exclusion reason, a malformed element fact. Each case runs lumeno-refgen
// on a copy of refdata/ whose one file is changed; the table word is built
// first, so a bad line stops the build within a second.
#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>

#include "core/gbk.h"
#include "support/fixture_db.h"
#include "support/paths.h"

namespace {

std::string ReadFile(const std::string& path) {
  std::ifstream in(path);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

struct Outcome {
  int status = -1;
  std::string errors;
};

// Runs the build on refdata/ with `file` (under rules/) holding the lines
// of the real file plus `gbkLine` (written as UTF-8, like the file), a line
// whose character is dropped from the real lines first.
Outcome BuildWithLine(const std::string& file, const std::string& gbkLine) {
  const std::string extraLine = lumeno::GbkToUtf8(gbkLine);
  lumeno::testing::TempDir dir("lumeno-refgen-check");
  const std::string source = lumeno::testing::SourceDir() + "/refdata";
  const std::string copy = dir.path() + "/refdata";
  std::string setup = "mkdir -p '" + copy + "/rules' '" + dir.path() + "/out' && cp '" + source + "'/rules/* '" + copy +
                      "/rules/' && ln -s '" + source + "/unihan' '" + copy + "/unihan' && ln -s '" + source +
                      "/tables' '" + copy + "/tables'";
  EXPECT_EQ(std::system(setup.c_str()), 0);
  const std::string character = extraLine.substr(0, extraLine.find('\t'));
  std::istringstream lines(ReadFile(source + "/rules/" + file));
  std::ofstream out(copy + "/rules/" + file);
  for (std::string line; std::getline(lines, line);)
    if (line.compare(0, character.size() + 1, character + "\t") != 0) out << line << "\n";
  out << extraLine << "\n";
  out.close();
  Outcome o;
  const std::string errors = dir.path() + "/errors.txt";
  const std::string cmd = std::string(LUMENO_REFGEN) + " --source '" + copy + "' --out '" + dir.path() +
                          "/out' > /dev/null 2> '" + errors + "'";
  int raw = std::system(cmd.c_str());
  o.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
  o.errors = ReadFile(errors);
  return o;
}

TEST(RefgenChecks, BadContentLinesStopTheBuildWithTheirPlace) {
  struct Case {
    const char* file;
    const char* line;
    const char* message;
  };
  const Case kCases[] = {
      {"name_candidates.tsv", "死\t1\t0\t1\tsǐ\t不该出现的候选字", "is in name_exclusions.tsv"},
      {"name_candidates.tsv", "丂\t1\t0\t1\tkǎo\t扩展区里的字符", "is not a GB2312 character"},
      {"name_candidates.tsv", "悦\t1\t0\t1\tyue4\t喜悦欢快心情舒畅", "one pinyin syllable"},
      {"name_candidates.tsv", "悦\t1\t0\t1\tlè\t喜悦欢快心情舒畅", "which no dictionary gives it"},
      {"name_candidates.tsv", "悦\t1\t0\t1\t\t喜悦欢快心情舒畅", "column pinyin is empty"},
      {"name_candidates.tsv", "悦\t1\t0\t1\tyuè\t喜悦", "gloss of 4 to 16 characters"},
      {"name_candidates.tsv", "悦\t1\t0\t1\tyuè\t喜悦欢快，心情舒畅，待人和气，处事从容大方", "gloss of 4 to 16 characters"},
      {"name_candidates.tsv", "悦\t1\t0\t1\tyuè\tjoyful and glad", "ASCII"},
      {"name_candidates.tsv", "悦\t0\t0\t1\tyuè\t喜悦欢快心情舒畅", "suits boys, girls or both"},
      {"name_candidates.tsv", "悦\t1\t0\t6\tyuè\t喜悦欢快心情舒畅", "tier is 1 to 5"},
      {"name_exclusions.tsv", "屁\t粗俗", "reason"},
      {"element_facts.tsv", "悦\t风", "not one of the five elements"},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(lumeno::GbkToUtf8(c.line));
    Outcome o = BuildWithLine(c.file, c.line);
    EXPECT_EQ(o.status, 1);
    EXPECT_NE(o.errors.find(c.file), std::string::npos) << o.errors;
    EXPECT_NE(o.errors.find(c.message), std::string::npos) << o.errors;
  }
}

}  // namespace
