#include "app/name_validator.h"

#include <algorithm>
#include <vector>

#include "core/gbk.h"
#include "core/qt/qtext.h"

namespace lumeno::app {

int GbkLengthOf(const QString& character) {
  const std::string gbk = QStringToGbk(character);
  // A character GBK cannot hold comes back as the replacement '?'.
  if (GbkToQString(gbk) != character) return 0;
  return static_cast<int>(gbk.size());
}

NameValidator::NameValidator(bool doubleByteOnly, int maxBytes, QObject* parent)
    : QValidator(parent), doubleByteOnly_(doubleByteOnly), maxBytes_(maxBytes) {}

QValidator::State NameValidator::validate(QString& input, int& pos) const {
  // Split into characters (a surrogate pair is one), keeping those allowed.
  struct Piece {
    QString text;
    int bytes;
  };
  std::vector<Piece> kept;
  int keptBefore = 0;  // length in QChars of what is kept before the cursor
  for (int i = 0; i < input.size();) {
    int n = input.at(i).isHighSurrogate() && i + 1 < input.size() && input.at(i + 1).isLowSurrogate() ? 2 : 1;
    QString ch = input.mid(i, n);
    int bytes = GbkLengthOf(ch);
    bool allowed = doubleByteOnly_ ? bytes == 2 : bytes > 0;
    if (!allowed && !doubleByteOnly_) {
      // Without the double-byte rule any character may stand; one that GBK
      // lacks counts as the single byte it is saved as.
      allowed = true;
      bytes = 1;
    }
    if (allowed) {
      kept.push_back({ch, bytes});
      if (i + n <= pos) keptBefore += n;
    }
    i += n;
  }
  // Over the limit: drop characters backwards from the cursor, which stands
  // just after the text that was inserted last.
  int total = 0;
  for (const Piece& p : kept) total += p.bytes;
  int cursor = keptBefore;
  while (total > maxBytes_) {
    // The last kept character ending at or before the cursor, else the last.
    int victim = -1;
    int at = 0;
    for (int k = 0; k < static_cast<int>(kept.size()); ++k) {
      at += static_cast<int>(kept[k].text.size());
      if (at <= cursor) victim = k;
    }
    if (victim < 0) victim = static_cast<int>(kept.size()) - 1;
    int start = 0;
    for (int k = 0; k < victim; ++k) start += static_cast<int>(kept[k].text.size());
    if (start < cursor) cursor -= static_cast<int>(kept[victim].text.size());
    total -= kept[victim].bytes;
    kept.erase(kept.begin() + victim);
  }
  QString result;
  for (const Piece& p : kept) result += p.text;
  if (result != input) {
    input = result;
    pos = std::min(cursor, static_cast<int>(result.size()));
  }
  return Acceptable;
}

}  // namespace lumeno::app
