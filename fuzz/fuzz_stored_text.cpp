// DecodeStoredText over any text, key and round count; and decoding what
// EncodeStoredText made gives the plain text back.
#include <cstddef>
#include <cstdint>
#include <string>

#include "data/info.h"
#include "data/stored_text.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static bool quiet = (lumeno::data::SetBeepHook([] {}), true);
  (void)quiet;
  if (size < 3) return 0;
  const std::uint16_t key = static_cast<std::uint16_t>(data[0] << 8 | data[1]);
  const int rounds = data[2] % 16;
  const std::string text(reinterpret_cast<const char*>(data + 3), size - 3);
  const std::string decoded = lumeno::data::DecodeStoredText(text, key, rounds);
  if (decoded.size() > text.size() / 2) __builtin_trap();
  if (lumeno::data::DecodeStoredText(lumeno::data::EncodeStoredText(text, key, rounds), key, rounds) != text)
    __builtin_trap();
  return 0;
}
