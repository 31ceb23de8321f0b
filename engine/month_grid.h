// The two month calendars of the main window: 37 day cells each, Sunday first.
#pragma once

#include <cstdint>
#include <string>

#include "engine/cycle.h"

namespace mirelle {

inline constexpr int kMonthGridCells = 37;

// "h1s1" .. "h5s7", "h6s1", "h6s2" for calendar 1; the same with a trailing "b" for calendar 2.
std::string CellName(int calendar, int index);

void LayoutMonthGrid(CycleView& view, int calendar, int32_t year, int32_t month,
                     const PhaseTables& tables, const PhaseColours& colours);

uint32_t DayColour(int32_t year, int32_t month, const std::string& caption,
                   const PhaseTables& tables, const PhaseColours& colours);

}  // namespace mirelle
