// Date texts as the program parses them: a text that parses formats back to
// a text that parses to the same day, and the day converts to a lunar date
// and back where the lunar table covers it.
#include <cstddef>
#include <cstdint>
#include <string>

#include "calendar/lunar.h"
#include "core/date.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  const std::optional<lumeno::DateValue> d = lumeno::TryParseDate(text);
  if (!d) return 0;
  const std::optional<lumeno::DateValue> again = lumeno::TryParseDate(lumeno::FormatDate(*d));
  if (!again || *again != *d) __builtin_trap();
  const lumeno::calendar::LunarDate lunar = lumeno::calendar::SolarToLunar(*d);
  if (lunar.year >= 1901 && lunar.year <= 2099 && lumeno::calendar::LunarToSolar(lunar) != *d) __builtin_trap();
  return 0;
}
