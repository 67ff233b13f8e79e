#pragma once
// The five date and time settings of the locale that the program relies on,
// and the start-up step that puts them in order.
//
// The settings live behind LocaleStore, a small layer of our own with the
// shape of the Windows calls (read a setting into a buffer of a given size,
// write a setting). On Linux the store of the process is an in-memory copy
// seeded from the process's locale: normalising it never changes the
// machine's own configuration.
#include <array>
#include <cstddef>
#include <map>
#include <string>

namespace lumeno::app {

// Identifiers of the settings, with the values the Windows locale API uses.
enum LocaleSetting : unsigned {
  kLocaleLongDate = 0x20,        // long date format
  kLocaleShortDate = 0x1F,       // short date format
  kLocaleTimeFormat = 0x1003,    // time format
  kLocaleDateSeparator = 0x1D,   // date separator
  kLocaleTimeSeparator = 0x1E,   // time separator
};

struct RequiredLocaleValue {
  LocaleSetting setting;
  const char* value;  // GBK
};

// The settings in the order they are normalised, with the required values.
extern const std::array<RequiredLocaleValue, 5> kRequiredLocaleValues;

// Size of the buffer a setting is read into, in characters, terminator
// included: a value of more than 23 characters cannot be read.
inline constexpr std::size_t kLocaleBufferChars = 24;

class LocaleStore {
 public:
  virtual ~LocaleStore() = default;
  // Reads a setting into `value`; false (and `value` untouched) when the
  // setting is unknown or does not fit in `bufferChars` characters with its
  // terminator.
  virtual bool GetLocaleInfo(LocaleSetting setting, std::string& value, std::size_t bufferChars) = 0;
  // Writes a setting; false when the store refuses it.
  virtual bool SetLocaleInfo(LocaleSetting setting, const std::string& value) = 0;
};

// A store held in memory: the one of the process, and the base of fakes.
class MemoryLocaleStore : public LocaleStore {
 public:
  MemoryLocaleStore() = default;
  explicit MemoryLocaleStore(std::map<unsigned, std::string> values) : values_(std::move(values)) {}
  bool GetLocaleInfo(LocaleSetting setting, std::string& value, std::size_t bufferChars) override;
  bool SetLocaleInfo(LocaleSetting setting, const std::string& value) override;
  const std::map<unsigned, std::string>& Values() const { return values_; }

 private:
  std::map<unsigned, std::string> values_;
};

// The settings of the running process, seeded once, on first use, from the
// process's locale (the LC_TIME category of its environment).
LocaleStore& ProcessLocaleStore();

// The five values that a locale's strftime patterns of the date and the time
// give, in the Windows picture syntax: "%m/%d/%y" becomes the short date
// "MM/dd/yy", "%Y年%m月%d日" becomes "yyyy'年'MM'月'dd'日'"; the long date is
// the short one with a four-digit year; each separator is the first literal
// between picture fields ("/" and ":" where there is none). Texts in GBK.
std::map<unsigned, std::string> LocaleValuesFromPatterns(const std::string& dateFormat, const std::string& timeFormat);

// For each required value in order: read the setting, trim it, and where it
// differs from the required value write the required value. Every failure
// (a setting that cannot be read counts as an empty one, a refused write, an
// exception of the store) is ignored and the next setting follows: start-up
// never stops here.
void NormaliseLocale(LocaleStore& store) noexcept;

// The program's own date conventions, set when the main window is shown:
// separator "-", short and long date format "yyyy-mm-dd". The date texts
// that commands build (1980-1-5, 1980-01-05) are read under exactly these
// conventions by lumeno::ParseDate.
struct DateConventions {
  char dateSeparator = '/';
  std::string shortDateFormat;
  std::string longDateFormat;
};
void ApplyProgramDateConventions() noexcept;
const DateConventions& ProgramDateConventions();

}  // namespace lumeno::app
