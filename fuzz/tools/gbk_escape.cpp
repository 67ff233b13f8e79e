// Copies a UTF-8 source file with every character outside ASCII written as
// octal escapes of its GBK bytes ("张" becomes "\325\305"). The fuzz targets
// are built with clang, which reads and writes narrow literals as UTF-8 only;
// the program's logic expects GBK literals, as GCC's -fexec-charset gives
// them. Escapes in comments are harmless; the sources hold no other
// non-ASCII text (no u8 or wide literals outside the Qt code).
//   gbk_escape IN OUT
#include <iconv.h>

#include <cstdio>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>

int main(int argc, char** argv) {
  if (argc != 3) {
    std::cerr << "usage: gbk_escape IN OUT\n";
    return 2;
  }
  std::ifstream in(argv[1], std::ios::binary);
  if (!in) {
    std::cerr << "gbk_escape: cannot read " << argv[1] << "\n";
    return 1;
  }
  std::stringstream buffer;
  buffer << in.rdbuf();
  const std::string text = buffer.str();
  iconv_t cd = iconv_open("CP936", "UTF-8");
  if (cd == reinterpret_cast<iconv_t>(-1)) {
    std::cerr << "gbk_escape: no GBK converter\n";
    return 1;
  }
  std::string out;
  for (std::size_t i = 0; i < text.size();) {
    const unsigned char c = static_cast<unsigned char>(text[i]);
    if (c < 0x80) {
      out += static_cast<char>(c);
      ++i;
      continue;
    }
    std::size_t n = (c >> 5) == 6 ? 2 : (c >> 4) == 14 ? 3 : (c >> 3) == 30 ? 4 : 1;
    char gbk[8];
    char* src = const_cast<char*>(text.data() + i);
    std::size_t srcLeft = n;
    char* dst = gbk;
    std::size_t dstLeft = sizeof gbk;
    iconv(cd, nullptr, nullptr, nullptr, nullptr);
    if (iconv(cd, &src, &srcLeft, &dst, &dstLeft) == static_cast<std::size_t>(-1)) {
      std::cerr << "gbk_escape: " << argv[1] << ": a character at byte " << i << " is not in GBK\n";
      return 1;
    }
    for (char* p = gbk; p < dst; ++p) {
      char esc[5];
      std::snprintf(esc, sizeof esc, "\\%03o", static_cast<unsigned char>(*p));
      out += esc;
    }
    i += n;
  }
  iconv_close(cd);
  std::ofstream o(argv[2], std::ios::binary | std::ios::trunc);
  o << out;
  return o ? 0 : 1;
}
