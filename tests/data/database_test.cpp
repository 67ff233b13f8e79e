#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>

#include "data/database.h"
#include "data/info.h"
#include "data/query.h"
#include "support/fixture_db.h"
#include "core/gbk.h"

namespace lumeno::data {
namespace {

TEST(ConnectionStrings, ExactTextsOfTheFiveFiles) {
  testing::ScopedProgramDirectory program("/opt/lumeno/");
  EXPECT_EQ(ConnectionStringFor(DatabaseFile::Dream),
            "Provider=Microsoft.Jet.OLEDB.4.0;Data Source=/opt/lumeno/\\dream.dll;Persist Security Info=True");
  EXPECT_EQ(ConnectionStringFor(DatabaseFile::VelFile),
            "Provider=Microsoft.Jet.OLEDB.4.0;Data Source=/opt/lumeno/\\VelFile.dll;Persist Security Info=True");
  EXPECT_EQ(ConnectionStringFor(DatabaseFile::VelBirth),
            "Provider=Microsoft.Jet.OLEDB.4.0;Data Source=/opt/lumeno/\\VelBirth.dll;Persist Security Info=True");
  EXPECT_EQ(ConnectionStringFor(DatabaseFile::Tgcode),
            "Provider=Microsoft.Jet.OLEDB.4.0;Data Source=/opt/lumeno/\\Tgcode.dll;Persist Security Info=True");
  EXPECT_EQ(ConnectionStringFor(DatabaseFile::Roruroz),
            "Provider=Microsoft.Jet.OLEDB.4.0;Data Source=/opt/lumeno/\\Roruroz.dll;Persist Security Info=True");
  EXPECT_EQ(OwnRorurozConnectionString(),
            "Provider=Microsoft.Jet.OLEDB.4.0;Data Source=/opt/lumeno/Roruroz.dll;Persist Security Info=False");
}

TEST(ConnectionStrings, DataSourceCollapsesSeparators) {
  EXPECT_EQ(DataSourceOf("Provider=x;Data Source=/opt/lumeno/\\dream.dll;Persist Security Info=True"),
            "/opt/lumeno/dream.dll");
  EXPECT_EQ(DataSourceOf("Provider=x;data source=C:\\App\\\\dream.dll"), "C:/App/dream.dll");
  EXPECT_THROW(DataSourceOf("Provider=x;Persist Security Info=True"), DataError);
  EXPECT_THROW(DataSourceOf("Provider=x;Data Source=;"), DataError);
}

TEST(ProgramDirectoryOfTheProcess, EndsInTheSeparatorAndHoldsTheExecutable) {
  std::string dir = ProgramDirectory();
  ASSERT_FALSE(dir.empty());
  EXPECT_EQ(dir.back(), '/');
  EXPECT_TRUE(std::filesystem::exists(dir + "test_data"));
}

// Run in a copy of this executable placed in a folder whose path holds
// blanks and Chinese characters (see the test below); skipped otherwise.
TEST(ProgramDirectoryProbe, LooksUpBesideTheExecutable) {
  if (!std::getenv("LUMENO_PROBE_LOOKUP")) GTEST_SKIP() << "runs only as the probe";
  ResultSet r = RunQuery(DatabaseFile::Roruroz, "select  top 1 bh from word where zi = '张'");
  EXPECT_EQ(r.First("bh").AsInt(), 11);
}

TEST(ProgramDirectoryOfTheProcess, PathWithBlanksAndChineseCharactersWorks) {
  testing::TempDir base;
  // File names on Linux are UTF-8 bytes.
  std::string dir = base.path() + "/" + GbkToUtf8("起名 软件") + "/bin dir";
  std::filesystem::create_directories(dir);
  std::filesystem::copy_file(ProgramDirectory() + "test_data", dir + "/test_data");
  testing::CreateFixtureDatabase(dir, DatabaseFile::Roruroz,
                                 {GbkToUtf8("INSERT INTO word(zi, ft, bh) VALUES ('张', '張', 11)")});
  std::string cmd = "cd / && LUMENO_PROBE_LOOKUP=1 '" + dir + "/test_data' --gtest_filter=ProgramDirectoryProbe.* " +
                    "--gtest_also_run_disabled_tests=0 > /dev/null 2>&1";
  EXPECT_EQ(std::system(cmd.c_str()), 0);
}

TEST(InfoBox, MessagesGoToTheInstalledSink) {
  RecordingInfoSink sink;
  {
    ScopedInfoSink scoped(&sink);
    ShowInfo("姓不能为空!");
  }
  ASSERT_EQ(sink.messages.size(), 1u);
  EXPECT_EQ(sink.messages[0], "姓不能为空!");
}

}  // namespace
}  // namespace lumeno::data
