#include "data/stored_text.h"

#include <vector>

#include "data/info.h"

namespace lumeno::data {
namespace {

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

}  // namespace

std::string DecodeStoredText(std::string_view text, std::uint16_t key, int rounds) {
  std::vector<unsigned char> b;
  b.reserve(text.size() / 2);
  for (std::size_t i = 0; i + 1 < text.size(); i += 2) {
    int hi = HexDigit(text[i]);
    int lo = HexDigit(text[i + 1]);
    if (hi < 0 || lo < 0) {
      Beep();
      continue;
    }
    b.push_back(static_cast<unsigned char>(hi * 16 + lo));
  }
  if (b.empty()) return {};
  const unsigned char h = static_cast<unsigned char>(key >> 8);
  const unsigned char l = static_cast<unsigned char>(key & 0xFF);
  const std::size_t n = b.size();
  for (int r = 0; r < rounds; ++r) {
    for (std::size_t i = 1; i < n; ++i) b[i] = static_cast<unsigned char>((b[i - 1] + b[i]) & 0xFF) ^ h;
    for (std::size_t i = n - 1; i-- > 0;) b[i] = static_cast<unsigned char>((b[i + 1] + b[i]) & 0xFF) ^ l;
  }
  return std::string(b.begin(), b.end());
}

std::string EncodeStoredText(std::string_view plain, std::uint16_t key, int rounds) {
  std::vector<unsigned char> b(plain.begin(), plain.end());
  const unsigned char h = static_cast<unsigned char>(key >> 8);
  const unsigned char l = static_cast<unsigned char>(key & 0xFF);
  const std::size_t n = b.size();
  // Undo the decoding passes in reverse order: each step of a pass is
  // inverted from the end it finished at.
  for (int r = 0; r < rounds && n > 0; ++r) {
    for (std::size_t i = 0; i + 1 < n; ++i) b[i] = static_cast<unsigned char>((b[i] ^ l) - b[i + 1]);
    for (std::size_t i = n - 1; i >= 1; --i) b[i] = static_cast<unsigned char>((b[i] ^ h) - b[i - 1]);
  }
  static const char* kHex = "0123456789ABCDEF";
  std::string out;
  out.reserve(n * 2);
  for (unsigned char c : b) {
    out += kHex[c >> 4];
    out += kHex[c & 15];
  }
  return out;
}

}  // namespace lumeno::data
