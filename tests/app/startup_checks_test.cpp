// The desktop program's checks at start: a missing GBK converter stops it
// with the error box, damaged database files are named in one message.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "app/startup_checks.h"
#include "core/qt/qtext.h"
#include "support/fixture_db.h"
#include "ui_fixture.h"

namespace lumeno::app {
namespace {

using testing::UiRecorders;

TEST(StartupChecks, WithoutAGbkConverterTheProgramStopsWithTheErrorBox) {
  UiRecorders rec;
  EXPECT_TRUE(CheckGbkConverterAtStart(nullptr));
  EXPECT_TRUE(rec.ui.errors.empty());
  EXPECT_FALSE(CheckGbkConverterAtStart(nullptr, "NO-SUCH-CODE-PAGE"));
  ASSERT_EQ(rec.ui.errors.size(), 1u);
  EXPECT_TRUE(rec.ui.errors[0].contains(QStringLiteral("GBK")));
  EXPECT_TRUE(rec.ui.errors[0].startsWith(QString::fromUtf8(u8"Lumeno 无法启动")));
  EXPECT_TRUE(rec.info.messages.empty());
}

TEST(StartupChecks, DamagedDatabaseFilesAreNamedInOneMessage) {
  UiRecorders rec;
  testing::TempDir dir;
  for (data::DatabaseFile f : data::kAllDatabaseFiles) testing::CreateFixtureDatabase(dir.path(), f);
  testing::ScopedProgramDirectory program(dir.path());
  EXPECT_TRUE(ReportDatabaseProblemsAtStart());
  EXPECT_TRUE(rec.info.messages.empty());

  std::filesystem::remove(dir.path() + "/Roruroz.dll");
  std::ofstream(dir.path() + "/Tgcode.dll", std::ios::trunc) << std::string(1024, '#');
  EXPECT_FALSE(ReportDatabaseProblemsAtStart());
  ASSERT_EQ(rec.info.messages.size(), 1u);
  const std::string& m = rec.info.messages[0];
  for (const char* part : {"缺少 Roruroz.dll", "Tgcode.dll 已损坏", "./lumeno.sh run"})
    EXPECT_NE(m.find(part), std::string::npos) << part;
  EXPECT_EQ(m.find("VelFile.dll"), std::string::npos);
  EXPECT_TRUE(rec.ui.errors.empty());
}

}  // namespace
}  // namespace lumeno::app
