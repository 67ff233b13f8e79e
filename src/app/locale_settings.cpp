#include "app/locale_settings.h"

#include <langinfo.h>
#include <locale.h>

#include <cstring>
#include <mutex>

#include "core/gbk.h"
#include "core/text.h"

namespace lumeno::app {

const std::array<RequiredLocaleValue, 5> kRequiredLocaleValues = {{
    {kLocaleLongDate, "yyyy'年'M'月'd'日'"},
    {kLocaleShortDate, "yyyy-MM-dd"},
    {kLocaleTimeFormat, "H:mm:ss"},
    {kLocaleDateSeparator, "-"},
    {kLocaleTimeSeparator, ":"},
}};

bool MemoryLocaleStore::GetLocaleInfo(LocaleSetting setting, std::string& value, std::size_t bufferChars) {
  auto it = values_.find(setting);
  if (it == values_.end()) return false;
  if (it->second.size() + 1 > bufferChars) return false;
  value = it->second;
  return true;
}

bool MemoryLocaleStore::SetLocaleInfo(LocaleSetting setting, const std::string& value) {
  values_[setting] = value;
  return true;
}

namespace {

// Appends `literal` to a picture, quoting letters (and any other text that
// is not a plain separator) so it stays literal.
void AppendLiteral(std::string& picture, const std::string& literal) {
  if (literal.empty()) return;
  bool plain = true;
  for (unsigned char c : literal)
    if (c >= 0x80 || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '\'') plain = false;
  if (plain) {
    picture += literal;
  } else {
    picture += '\'';
    for (char c : literal) picture += c == '\'' ? std::string("''") : std::string(1, c);
    picture += '\'';
  }
}

std::string PictureOf(const std::string& pattern) {
  std::string picture;
  std::string literal;
  auto field = [&](const char* text) {
    AppendLiteral(picture, literal);
    literal.clear();
    picture += text;
  };
  for (std::size_t i = 0; i < pattern.size(); ++i) {
    char c = pattern[i];
    if (c != '%' || i + 1 >= pattern.size()) {
      literal += c;
      continue;
    }
    char f = pattern[++i];
    bool unpadded = false;
    while ((f == '-' || f == '_' || f == '0' || f == '^' || f == '#' || f == 'E' || f == 'O') && i + 1 < pattern.size()) {
      if (f == '-') unpadded = true;
      f = pattern[++i];
    }
    switch (f) {
      case 'Y': field("yyyy"); break;
      case 'y': case 'C': field("yy"); break;
      case 'm': field(unpadded ? "M" : "MM"); break;
      case 'd': field(unpadded ? "d" : "dd"); break;
      case 'e': field("d"); break;
      case 'b': case 'h': field("MMM"); break;
      case 'B': field("MMMM"); break;
      case 'a': field("ddd"); break;
      case 'A': field("dddd"); break;
      case 'H': field(unpadded ? "H" : "HH"); break;
      case 'k': field("H"); break;
      case 'I': field(unpadded ? "h" : "hh"); break;
      case 'l': field("h"); break;
      case 'M': field("mm"); break;
      case 'S': field("ss"); break;
      case 'p': case 'P': field("tt"); break;
      case 'F': field("yyyy-MM-dd"); break;
      case 'D': field("MM/dd/yy"); break;
      case 'T': field("HH:mm:ss"); break;
      case 'R': field("HH:mm"); break;
      case 'r': field("hh:mm:ss tt"); break;
      case '%': literal += '%'; break;
      case 'n': case 't': literal += ' '; break;
      default: break;  // fields without a picture counterpart are left out
    }
  }
  AppendLiteral(picture, literal);
  return picture;
}

// The first literal character between two picture fields, outside quotes.
std::string SeparatorOf(const std::string& picture, const char* fallback) {
  bool quoted = false;
  bool afterField = false;
  for (char c : picture) {
    if (c == '\'') {
      quoted = !quoted;
      continue;
    }
    if (quoted) continue;
    bool letter = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
    if (letter) {
      afterField = true;
    } else if (afterField && c != ' ' && c != ',') {
      return std::string(1, c);
    }
  }
  return fallback;
}

std::string WidenYear(const std::string& picture) {
  std::string out;
  bool quoted = false;
  for (std::size_t i = 0; i < picture.size(); ++i) {
    char c = picture[i];
    if (c == '\'') quoted = !quoted;
    if (!quoted && c == 'y') {
      std::size_t run = 0;
      while (i + run < picture.size() && picture[i + run] == 'y') ++run;
      out += run < 4 ? "yyyy" : std::string(run, 'y');
      i += run - 1;
      continue;
    }
    out += c;
  }
  return out;
}

}  // namespace

std::map<unsigned, std::string> LocaleValuesFromPatterns(const std::string& dateFormat, const std::string& timeFormat) {
  std::string shortDate = PictureOf(dateFormat);
  std::string time = PictureOf(timeFormat);
  return {
      {kLocaleLongDate, WidenYear(shortDate)},
      {kLocaleShortDate, shortDate},
      {kLocaleTimeFormat, time},
      {kLocaleDateSeparator, SeparatorOf(shortDate, "/")},
      {kLocaleTimeSeparator, SeparatorOf(time, ":")},
  };
}

namespace {

// Reads the LC_TIME patterns of the environment's locale without touching
// the process-wide locale; the C locale stands in for one that is not
// installed.
std::map<unsigned, std::string> SeedFromEnvironment() {
  std::string dateFormat = "%m/%d/%y";
  std::string timeFormat = "%H:%M:%S";
  locale_t loc = newlocale(LC_TIME_MASK | LC_CTYPE_MASK, "", static_cast<locale_t>(nullptr));
  if (loc == static_cast<locale_t>(nullptr)) loc = newlocale(LC_TIME_MASK | LC_CTYPE_MASK, "C", static_cast<locale_t>(nullptr));
  if (loc != static_cast<locale_t>(nullptr)) {
    const char* d = nl_langinfo_l(D_FMT, loc);
    const char* t = nl_langinfo_l(T_FMT, loc);
    const char* codeset = nl_langinfo_l(CODESET, loc);
    bool utf8 = codeset && (std::strcmp(codeset, "UTF-8") == 0 || std::strcmp(codeset, "utf8") == 0);
    if (d && *d) dateFormat = utf8 ? Utf8ToGbk(d) : std::string(d);
    if (t && *t) timeFormat = utf8 ? Utf8ToGbk(t) : std::string(t);
    freelocale(loc);
  }
  return LocaleValuesFromPatterns(dateFormat, timeFormat);
}

}  // namespace

LocaleStore& ProcessLocaleStore() {
  static MemoryLocaleStore store(SeedFromEnvironment());
  return store;
}

void NormaliseLocale(LocaleStore& store) noexcept {
  for (const RequiredLocaleValue& required : kRequiredLocaleValues) {
    try {
      std::string current;
      if (!store.GetLocaleInfo(required.setting, current, kLocaleBufferChars)) current.clear();
      if (Trim(current) != required.value) store.SetLocaleInfo(required.setting, required.value);
    } catch (...) {
      // A setting that cannot be read or written is left as it is.
    }
  }
}

namespace {
std::mutex conventionsMutex;
DateConventions conventions;
}  // namespace

void ApplyProgramDateConventions() noexcept {
  std::lock_guard<std::mutex> lock(conventionsMutex);
  conventions.dateSeparator = '-';
  conventions.shortDateFormat = "yyyy-mm-dd";
  conventions.longDateFormat = "yyyy-mm-dd";
}

const DateConventions& ProgramDateConventions() { return conventions; }

}  // namespace lumeno::app
