#include "unihan.h"

#include <algorithm>
#include <fstream>
#include <stdexcept>

#include "core/text.h"

namespace lumeno::refgen {

std::vector<CodePoint> DecodeUtf8(std::string_view s) {
  std::vector<CodePoint> out;
  for (std::size_t i = 0; i < s.size();) {
    unsigned char c = static_cast<unsigned char>(s[i]);
    int extra = c < 0x80 ? 0 : c >= 0xF0 ? 3 : c >= 0xE0 ? 2 : c >= 0xC0 ? 1 : -1;
    if (extra < 0 || i + static_cast<std::size_t>(extra) >= s.size()) {
      out.push_back(0xFFFD);
      ++i;
      continue;
    }
    CodePoint cp = extra == 0 ? c : c & (0x3F >> extra);
    for (int k = 1; k <= extra; ++k) cp = (cp << 6) | (static_cast<unsigned char>(s[i + k]) & 0x3F);
    out.push_back(cp);
    i += static_cast<std::size_t>(extra) + 1;
  }
  return out;
}

std::string EncodeUtf8(CodePoint cp) {
  std::string out;
  if (cp < 0x80) {
    out += static_cast<char>(cp);
  } else if (cp < 0x800) {
    out += static_cast<char>(0xC0 | (cp >> 6));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else if (cp < 0x10000) {
    out += static_cast<char>(0xE0 | (cp >> 12));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (cp >> 18));
    out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  }
  return out;
}

CodePoint ParseCodePoint(std::string_view s) {
  if (s.size() < 6 || s[0] != 'U' || s[1] != '+') return 0;
  CodePoint cp = 0;
  for (std::size_t i = 2; i < s.size(); ++i) {
    char c = s[i];
    int d = c >= '0' && c <= '9' ? c - '0' : c >= 'A' && c <= 'F' ? c - 'A' + 10 : -1;
    if (d < 0) break;  // "U+5F35<kMatthews" and the like
    cp = cp * 16 + static_cast<CodePoint>(d);
  }
  return cp;
}

std::string CodePointName(CodePoint cp) { return StrFormat("U+%04X", static_cast<unsigned>(cp)); }

std::string UnihanExtractPath(const std::string& sourceDir) { return sourceDir + "/unihan/unihan-gbk.txt"; }

std::string FoldReading(std::string_view utf8) {
  std::string out;
  for (CodePoint cp : DecodeUtf8(utf8)) {
    if (cp < 0x80) {
      out += static_cast<char>(cp >= 'A' && cp <= 'Z' ? cp - 'A' + 'a' : cp);
      continue;
    }
    switch (cp) {
      case 0xE0: case 0xE1: case 0x101: case 0x1CE: out += 'a'; break;
      case 0xE8: case 0xE9: case 0xEA: case 0x113: case 0x11B: case 0x1EBF: case 0x1EC1: out += 'e'; break;
      case 0xEC: case 0xED: case 0x12B: case 0x1D0: out += 'i'; break;
      case 0xF2: case 0xF3: case 0x14D: case 0x1D2: out += 'o'; break;
      case 0xF9: case 0xFA: case 0x16B: case 0x1D4: out += 'u'; break;
      case 0xFC: case 0x1D6: case 0x1D8: case 0x1DA: case 0x1DC: out += 'v'; break;
      case 0x144: case 0x148: case 0x1F9: out += 'n'; break;
      case 0x1E3F: out += 'm'; break;
      default: break;  // combining marks and the like
    }
  }
  return out;
}

namespace {

std::vector<std::string_view> Split(std::string_view s, char sep) {
  std::vector<std::string_view> out;
  std::size_t pos = 0;
  for (;;) {
    std::size_t end = s.find(sep, pos);
    out.push_back(s.substr(pos, end == std::string_view::npos ? std::string_view::npos : end - pos));
    if (end == std::string_view::npos) break;
    pos = end + 1;
  }
  return out;
}

RadicalStroke ParseRadicalStroke(std::string_view v) {
  // "85.3", "167'.5", "120''.4"; several values are separated by blanks.
  RadicalStroke rs;
  std::size_t end = v.find(' ');
  if (end != std::string_view::npos) v = v.substr(0, end);
  std::size_t dot = v.find('.');
  if (dot == std::string_view::npos) return rs;
  std::string radical(v.substr(0, dot));
  radical.erase(std::remove(radical.begin(), radical.end(), '\''), radical.end());
  auto r = ParseInt(radical);
  auto n = ParseInt(v.substr(dot + 1));
  if (!r || !n || *r < 1 || *r > 214) return rs;
  rs.radical = *r;
  rs.residual = *n;
  return rs;
}

std::vector<CodePoint> ParseCodePointList(std::string_view v) {
  std::vector<CodePoint> out;
  for (std::string_view item : Split(v, ' '))
    if (CodePoint cp = ParseCodePoint(item)) out.push_back(cp);
  return out;
}

// The readings of an indexed field: blank-separated entries
// "locator(,locator)*:reading(,reading)*" (kHanyuPinyin, kXHC1983, kTGHZ2013).
std::vector<std::string> IndexedReadings(std::string_view v) {
  std::vector<std::string> out;
  if (v.empty()) return out;
  for (std::string_view entry : Split(v, ' ')) {
    std::size_t colon = entry.rfind(':');
    if (colon == std::string_view::npos) continue;
    for (std::string_view r : Split(entry.substr(colon + 1), ','))
      if (!r.empty()) out.emplace_back(r);
  }
  return out;
}

void AddReadings(HanInfo& info, const std::vector<std::string>& readings) {
  for (const std::string& r : readings)
    if (std::find(info.readings.begin(), info.readings.end(), r) == info.readings.end()) info.readings.push_back(r);
}

}  // namespace

UnihanExtract::UnihanExtract(const std::string& path) {
  std::ifstream in(path);
  if (!in) throw std::runtime_error("cannot read the Unihan extract " + path);
  std::vector<std::string> header;
  auto column = [&header](const char* name) {
    auto it = std::find(header.begin(), header.end(), name);
    return it == header.end() ? -1 : static_cast<int>(it - header.begin());
  };
  int cRSUnicode = -1, cRSKangXi = -1, cTotal = -1, cTSource = -1, cCompat = -1, cTrad = -1, cSimp = -1,
      cMandarin = -1, cTghz = -1, cXhc = -1, cHanyu = -1, cTgh = -1, cGb0 = -1;
  std::string line;
  int lineNo = 0;
  while (std::getline(in, line)) {
    ++lineNo;
    if (line.empty() || line[0] == '#') continue;
    std::vector<std::string_view> f = Split(line, '\t');
    if (header.empty()) {
      header.assign(f.begin(), f.end());
      cRSUnicode = column("kRSUnicode"), cRSKangXi = column("kRSKangXi"), cTotal = column("kTotalStrokes"),
      cTSource = column("kIRG_TSource"), cCompat = column("kCompatibilityVariant"),
      cTrad = column("kTraditionalVariant"), cSimp = column("kSimplifiedVariant"), cMandarin = column("kMandarin"),
      cTghz = column("kTGHZ2013"), cXhc = column("kXHC1983"), cHanyu = column("kHanyuPinyin"), cTgh = column("kTGH"),
      cGb0 = column("kGB0");
      for (int c : {cRSUnicode, cRSKangXi, cTotal, cTSource, cCompat, cTrad, cSimp, cMandarin, cTghz, cXhc, cHanyu,
                    cTgh, cGb0})
        if (c < 0) throw std::runtime_error(path + ":" + std::to_string(lineNo) + ": a column is missing");
      continue;
    }
    if (f.size() != header.size())
      throw std::runtime_error(path + ":" + std::to_string(lineNo) + ": " + std::to_string(f.size()) +
                               " fields, the column line names " + std::to_string(header.size()));
    CodePoint cp = ParseCodePoint(f[0]);
    if (!cp) throw std::runtime_error(path + ":" + std::to_string(lineNo) + ": no code point");
    HanInfo& e = info_[cp];
    e.unicode = ParseRadicalStroke(f[cRSUnicode]);
    e.kangxi = ParseRadicalStroke(f[cRSKangXi]);
    if (!f[cTotal].empty()) {
      std::string_view v = f[cTotal];
      std::size_t last = v.rfind(' ');
      if (auto n = ParseInt(last == std::string_view::npos ? v : v.substr(last + 1))) e.totalStrokes = *n;
    }
    std::string_view t = f[cTSource];
    if (!t.empty()) e.taiwanLevel = t.substr(0, 3) == "T1-" ? 1 : t.substr(0, 3) == "T2-" ? 2 : 3;
    e.traditional = ParseCodePointList(f[cTrad]);
    e.simplified = ParseCodePointList(f[cSimp]);
    e.compatibilityOf = ParseCodePoint(f[cCompat]);
    std::vector<std::string> mandarin;
    for (std::string_view r : Split(f[cMandarin], ' '))
      if (!r.empty()) mandarin.emplace_back(r);
    std::vector<std::string> hanyu = IndexedReadings(f[cHanyu]), xhc = IndexedReadings(f[cXhc]);
    if (!mandarin.empty()) e.reading = mandarin[0], e.readingRank = 0;
    else if (!hanyu.empty()) e.reading = hanyu[0], e.readingRank = 1;
    else if (!xhc.empty()) e.reading = xhc[0], e.readingRank = 2;
    AddReadings(e, mandarin);
    AddReadings(e, IndexedReadings(f[cTghz]));
    AddReadings(e, xhc);
    AddReadings(e, hanyu);
    if (!f[cTgh].empty()) {
      // "2013:1234"
      std::size_t colon = f[cTgh].find(':');
      if (auto n = ParseInt(f[cTgh].substr(colon == std::string_view::npos ? 0 : colon + 1))) e.generalListIndex = *n;
    }
    e.inGb2312 = !f[cGb0].empty();
  }
  if (header.empty()) throw std::runtime_error(path + ": no column line");
}

}  // namespace lumeno::refgen
