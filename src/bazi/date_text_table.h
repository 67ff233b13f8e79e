#pragma once
namespace lumeno::bazi {
// The personality text of a slot of the date text table (GBK), or "" for an empty slot or a slot outside 0-2000.
// Slots 1-31: one text per day of the month. Slot month*100+day: one text per calendar date, 101-131 ... 1201-1231,
// including 229. All other slots are empty.
const char* DateTextTable(int slot);
}
