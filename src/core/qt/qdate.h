#pragma once
// The boundary between the logic's date values and the windows' QDate.
#include <QDate>

#include "core/date.h"

namespace lumeno {

QDate ToQDate(DateValue value);
DateValue ToDateValue(const QDate& day);

}  // namespace lumeno
