#include "core/qt/qdate.h"

namespace lumeno {

QDate ToQDate(DateValue value) {
  const YearMonthDay d = DecodeDate(value);
  return QDate(d.year, d.month, d.day);
}

DateValue ToDateValue(const QDate& day) { return EncodeDate(day.year(), day.month(), day.day()); }

}  // namespace lumeno
