#pragma once
// Byte-string helpers for GBK text. Positions and lengths are in bytes.
#include <cstdarg>
#include <optional>
#include <string>
#include <string_view>

namespace lumeno {

// Removes leading and trailing blanks and control characters (bytes 0-32).
std::string Trim(std::string_view s);
std::string TrimLeft(std::string_view s);
std::string TrimRight(std::string_view s);

// Up to `count` bytes from byte position `pos` (0-based); positions past the
// end give an empty text, never an error.
std::string ByteCopy(std::string_view s, std::size_t pos, std::size_t count = std::string_view::npos);

// Byte position of `needle` in `s` from `from` on, or npos.
std::size_t ByteFind(std::string_view s, std::string_view needle, std::size_t from = 0);

// A decimal integer: optional sign and digits only, within 32-bit range.
// Anything else (blanks, letters, empty text, overflow) gives nothing.
std::optional<int> ParseInt(std::string_view s);

// The shortest general decimal form with up to 15 significant digits:
// 100, 92.5, 74, -1, 0.25.
std::string FormatGeneral(double value);

// printf-style formatting into a std::string (%d, %s and friends).
std::string StrFormat(const char* fmt, ...) __attribute__((format(printf, 1, 2)));
std::string StrFormatV(const char* fmt, std::va_list args);

// SQL text quoting: the value in single quotes, each quote inside doubled.
std::string QuotedSql(std::string_view value);

}  // namespace lumeno
