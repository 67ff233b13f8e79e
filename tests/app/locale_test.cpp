// The locale layer: normalising the five settings against a fake store.
#include <gtest/gtest.h>

#include <map>
#include <stdexcept>
#include <utility>
#include <vector>

#include "app/locale_settings.h"

namespace lumeno::app {
namespace {

// Records the writes and can refuse reads, writes or throw, per setting.
class FakeStore : public MemoryLocaleStore {
 public:
  using MemoryLocaleStore::MemoryLocaleStore;
  bool GetLocaleInfo(LocaleSetting s, std::string& value, std::size_t chars) override {
    reads.push_back(s);
    if (s == throwOnRead) throw std::runtime_error("store broken");
    return MemoryLocaleStore::GetLocaleInfo(s, value, chars);
  }
  bool SetLocaleInfo(LocaleSetting s, const std::string& value) override {
    writes.emplace_back(s, value);
    if (s == refuseWrite) return false;
    return MemoryLocaleStore::SetLocaleInfo(s, value);
  }
  std::vector<unsigned> reads;
  std::vector<std::pair<unsigned, std::string>> writes;
  unsigned throwOnRead = 0;
  unsigned refuseWrite = 0;
};

const std::map<unsigned, std::string> kAlreadyRight = {
    {kLocaleLongDate, "yyyy'年'M'月'd'日'"}, {kLocaleShortDate, "yyyy-MM-dd"}, {kLocaleTimeFormat, "H:mm:ss"},
    {kLocaleDateSeparator, "-"},            {kLocaleTimeSeparator, ":"}};

TEST(LocaleNormalisation, ReadsInTableOrderAndLeavesRightValuesAlone) {
  FakeStore store(kAlreadyRight);
  NormaliseLocale(store);
  EXPECT_EQ(store.reads, (std::vector<unsigned>{0x20, 0x1F, 0x1003, 0x1D, 0x1E}));
  EXPECT_TRUE(store.writes.empty());
}

TEST(LocaleNormalisation, WritesOnlyTheSettingsThatDiffer) {
  auto values = kAlreadyRight;
  values[kLocaleShortDate] = "yyyy/M/d";   // slash-separated: changed
  values[kLocaleDateSeparator] = "/";
  values[kLocaleTimeFormat] = " H:mm:ss ";  // right once trimmed: kept
  FakeStore store(values);
  NormaliseLocale(store);
  EXPECT_EQ(store.writes, (std::vector<std::pair<unsigned, std::string>>{{0x1F, "yyyy-MM-dd"}, {0x1D, "-"}}));
  EXPECT_EQ(store.Values().at(kLocaleShortDate), "yyyy-MM-dd");
  EXPECT_EQ(store.Values().at(kLocaleTimeFormat), " H:mm:ss ");
}

TEST(LocaleNormalisation, FailuresAreIgnoredAndTheRestIsDone) {
  std::map<unsigned, std::string> values = {
      {kLocaleLongDate, "dddd, MMMM d, yyyy 'in the year of our calendar'"},  // too long to read
      {kLocaleShortDate, "M/d/yy"},
      {kLocaleTimeFormat, "h:mm:ss tt"},
      // the date separator is missing altogether
      {kLocaleTimeSeparator, "."}};
  FakeStore store(values);
  store.throwOnRead = kLocaleShortDate;
  store.refuseWrite = kLocaleTimeFormat;
  NormaliseLocale(store);
  EXPECT_EQ(store.writes, (std::vector<std::pair<unsigned, std::string>>{
                              {0x20, "yyyy'年'M'月'd'日'"}, {0x1003, "H:mm:ss"}, {0x1D, "-"}, {0x1E, ":"}}));
  EXPECT_EQ(store.Values().at(kLocaleShortDate), "M/d/yy");  // its read threw: left alone
  EXPECT_EQ(store.Values().at(kLocaleTimeFormat), "h:mm:ss tt");
}

TEST(LocaleNormalisation, ProcessStoreIsNormalisedInMemory) {
  LocaleStore& store = ProcessLocaleStore();
  NormaliseLocale(store);
  for (const RequiredLocaleValue& r : kRequiredLocaleValues) {
    std::string value;
    ASSERT_TRUE(store.GetLocaleInfo(r.setting, value, kLocaleBufferChars));
    EXPECT_EQ(value, r.value);
  }
}

TEST(LocaleSeed, PatternsOfTheEnvironmentBecomePictures) {
  struct Case {
    const char* date;
    const char* time;
    const char* shortDate;
    const char* longDate;
    const char* time2;
    const char* dateSep;
    const char* timeSep;
  } cases[] = {
      {"%m/%d/%y", "%H:%M:%S", "MM/dd/yy", "MM/dd/yyyy", "HH:mm:ss", "/", ":"},
      {"%Y年%m月%d日", "%H时%M分%S秒", "yyyy'年'MM'月'dd'日'", "yyyy'年'MM'月'dd'日'", "HH'时'mm'分'ss'秒'", "/", ":"},
      {"%d.%m.%Y", "%T", "dd.MM.yyyy", "dd.MM.yyyy", "HH:mm:ss", ".", ":"},
      {"%F", "%I:%M:%S %p", "yyyy-MM-dd", "yyyy-MM-dd", "hh:mm:ss tt", "-", ":"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.date);
    auto v = LocaleValuesFromPatterns(c.date, c.time);
    EXPECT_EQ(v.at(kLocaleShortDate), c.shortDate);
    EXPECT_EQ(v.at(kLocaleLongDate), c.longDate);
    EXPECT_EQ(v.at(kLocaleTimeFormat), c.time2);
    EXPECT_EQ(v.at(kLocaleDateSeparator), c.dateSep);
    EXPECT_EQ(v.at(kLocaleTimeSeparator), c.timeSep);
  }
}

}  // namespace
}  // namespace lumeno::app
