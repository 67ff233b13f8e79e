#pragma once
// Readable test failures for LunarDate: "2017-6-1 leap".
#include <ostream>

#include "calendar/lunar.h"

namespace lumeno::calendar {

inline void PrintTo(const LunarDate& d, std::ostream* os) {
  *os << d.year << "-" << d.month << "-" << d.day << (d.leap ? " leap" : "");
}

}  // namespace lumeno::calendar
