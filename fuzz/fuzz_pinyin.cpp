// PinyinInitials over any GBK text, option bits and length limit: the result
// never exceeds the limit.
#include <cstddef>
#include <cstdint>
#include <string>

#include "fortune/nickname.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 2) return 0;
  const int options = data[0] & 7;
  const int maxLength = data[1];
  const std::string text(reinterpret_cast<const char*>(data + 2), size - 2);
  const std::string initials = lumeno::fortune::PinyinInitials(text, options, maxLength);
  if (initials.size() > static_cast<std::size_t>(maxLength)) __builtin_trap();
  return 0;
}
