#include "core/gbk.h"

#include <iconv.h>

#include <cerrno>
#include <mutex>

namespace lumeno {
namespace {

// iconv descriptors are not thread-safe; each thread keeps its own pair.
class Converter {
 public:
  Converter(const char* to, const char* from) : cd_(iconv_open(to, from)) {}
  ~Converter() {
    if (cd_ != reinterpret_cast<iconv_t>(-1)) iconv_close(cd_);
  }
  Converter(const Converter&) = delete;
  Converter& operator=(const Converter&) = delete;

  // Converts `in`; on an invalid or incomplete sequence appends `replacement`
  // and skips `skip(in, pos)` bytes.
  template <typename Skip>
  std::string Run(std::string_view in, std::string_view replacement, Skip skip) {
    std::string out;
    if (in.empty()) return out;
    if (cd_ == reinterpret_cast<iconv_t>(-1)) return std::string(in);
    iconv(cd_, nullptr, nullptr, nullptr, nullptr);
    out.resize(in.size() * 2 + 8);
    char* src = const_cast<char*>(in.data());
    std::size_t srcLeft = in.size();
    std::size_t written = 0;
    while (srcLeft > 0) {
      char* dst = out.data() + written;
      std::size_t dstLeft = out.size() - written;
      std::size_t rc = iconv(cd_, &src, &srcLeft, &dst, &dstLeft);
      written = out.size() - dstLeft;
      if (rc != static_cast<std::size_t>(-1)) break;
      if (errno == E2BIG) {
        out.resize(out.size() * 2);
        continue;
      }
      // EILSEQ or EINVAL: replace and step over the bad bytes.
      std::size_t pos = in.size() - srcLeft;
      std::size_t n = skip(in, pos);
      if (n == 0 || n > srcLeft) n = srcLeft > 0 ? 1 : 0;
      if (out.size() - written < replacement.size()) out.resize(out.size() * 2 + replacement.size());
      out.replace(written, replacement.size(), replacement);
      written += replacement.size();
      src += n;
      srcLeft -= n;
      iconv(cd_, nullptr, nullptr, nullptr, nullptr);
    }
    out.resize(written);
    return out;
  }

 private:
  iconv_t cd_;
};

std::size_t Utf8SequenceLength(std::string_view s, std::size_t pos) {
  unsigned char c = static_cast<unsigned char>(s[pos]);
  std::size_t n = c < 0x80 ? 1 : (c >> 5) == 6 ? 2 : (c >> 4) == 14 ? 3 : (c >> 3) == 30 ? 4 : 1;
  // A broken sequence is skipped one byte at a time.
  for (std::size_t i = 1; i < n; ++i) {
    if (pos + i >= s.size() || (static_cast<unsigned char>(s[pos + i]) & 0xC0) != 0x80) return 1;
  }
  return n;
}

}  // namespace

std::size_t GbkCharLength(std::string_view gbk, std::size_t pos) {
  unsigned char c = static_cast<unsigned char>(gbk[pos]);
  if (c >= 0x81 && c <= 0xFE && pos + 1 < gbk.size()) {
    unsigned char t = static_cast<unsigned char>(gbk[pos + 1]);
    if (t >= 0x40 && t <= 0xFE && t != 0x7F) return 2;
  }
  return 1;
}

bool IsAllDoubleByte(std::string_view gbk) {
  for (std::size_t i = 0; i < gbk.size();) {
    if (GbkCharLength(gbk, i) != 2) return false;
    i += 2;
  }
  return true;
}

std::string GbkToUtf8(std::string_view gbk) {
  thread_local Converter conv("UTF-8", "CP936");
  return conv.Run(gbk, "\xEF\xBF\xBD", [](std::string_view s, std::size_t pos) {
    return GbkCharLength(s, pos) == 2 ? std::size_t{2} : std::size_t{1};
  });
}

std::string Utf8ToGbk(std::string_view utf8) {
  thread_local Converter conv("CP936", "UTF-8");
  return conv.Run(utf8, "?", Utf8SequenceLength);
}

namespace {

bool ConvertsTo(const char* to, const char* from, std::string_view in, std::string_view expected) {
  iconv_t cd = iconv_open(to, from);
  if (cd == reinterpret_cast<iconv_t>(-1)) return false;
  std::string out(16, '\0');
  char* src = const_cast<char*>(in.data());
  std::size_t srcLeft = in.size();
  char* dst = out.data();
  std::size_t dstLeft = out.size();
  const std::size_t rc = iconv(cd, &src, &srcLeft, &dst, &dstLeft);
  iconv_close(cd);
  if (rc == static_cast<std::size_t>(-1) || srcLeft != 0) return false;
  out.resize(out.size() - dstLeft);
  return out == expected;
}

}  // namespace

const char* const kNoGbkConverterMessage =
    "Lumeno cannot start: the C library offers no GBK (CP936) converter, and every text of the program is GBK. "
    "Install or repair the C library's character set modules (gconv; on Debian they come with libc6).";

bool GbkConverterWorks(const char* gbkName) {
  const std::string_view utf8 = "\xE5\xBC\xA0";  // 张
  const std::string_view gbk = "\xD5\xC5";
  return ConvertsTo(gbkName, "UTF-8", utf8, gbk) && ConvertsTo("UTF-8", gbkName, gbk, utf8);
}

}  // namespace lumeno
