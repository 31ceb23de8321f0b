// The two month calendars: 37 day cells each (five rows of seven and two cells of a sixth row),
// Sunday first, each cell coloured by the phase of its day.
#include "engine/month_grid.h"

#include <array>
#include <cmath>

#include "engine/number_text.h"

namespace mirelle {
namespace {

constexpr int kDaysPerWeek = 7;
constexpr double kTolerance = 1e-7;

constexpr const char* kYear = "年";
constexpr const char* kMonth = "月";
constexpr const char* kDay = "日";

// Cell names are asked for on every layout: built once.
using NameTable = std::array<std::string, kMonthGridCells>;

NameTable BuildNames(bool secondCalendar) {
  NameTable names;
  for (int i = 0; i < kMonthGridCells; ++i) {
    const char name[] = {'h', static_cast<char>('1' + i / kDaysPerWeek), 's', static_cast<char>('1' + i % kDaysPerWeek),
                         'b'};
    names[i] = std::string(name, secondCalendar ? 5 : 4);
  }
  return names;
}

const NameTable& NamesOf(int calendar) {
  static const NameTable calendar1 = BuildNames(false);
  static const NameTable calendar2 = BuildNames(true);
  return calendar == 2 ? calendar2 : calendar1;
}

uint32_t ColourOfPhase(Phase phase, const PhaseColours& colours) {
  switch (phase) {
    case Phase::Period:
      return colours.period;
    case Phase::SafeBefore:
    case Phase::SafeAfter:
      return colours.safe;
    case Phase::OvulationPeriod:
      return colours.ovulationPeriod;
    case Phase::OvulationDay:
      return colours.ovulationDay;
    case Phase::NotSet:
      break;
  }
  return kNeutralCellColour;
}

// "2011年5月": the start of the date text of every day of a month.
std::string MonthText(int32_t year, int32_t month) {
  std::string text = std::to_string(year);
  text += kYear;
  text += std::to_string(month);
  text += kMonth;
  return text;
}

// The colour of the cell captioned `caption` in the month whose date texts start with `monthText`.
uint32_t CaptionColour(const std::string& monthText, const std::string& caption, const PhaseTables& tables,
                       const PhaseColours& colours) {
  // The form's placeholder "_", an empty caption and 0 are no day.
  if (std::fabs(ReadNumber(caption)) <= kTolerance) return kNeutralCellColour;
  // A caption that is no day of this month (32, 33, ...) gives the lowest date, which is NotSet.
  std::string text = monthText;
  text += caption;
  text += kDay;
  return ColourOfPhase(PhaseOfDay(tables, DateFromText(text)), colours);
}

}  // namespace

std::string CellName(int calendar, int index) {
  if ((calendar != 1 && calendar != 2) || index < 0 || index >= kMonthGridCells) return {};
  return NamesOf(calendar)[index];
}

// Cells before the first day are hidden but keep whatever caption they had; the numbering runs on
// past the month's end in cells that are then hidden. Every cell, hidden or not, gets the colour
// DayColour gives for its caption.
void LayoutMonthGrid(CycleView& view, int calendar, int32_t year, int32_t month, const PhaseTables& tables,
                     const PhaseColours& colours) {
  const NameTable& names = NamesOf(calendar);
  for (const std::string& name : names) view.SetCellVisible(name, true);

  const std::string monthText = MonthText(year, month);
  const DateValue first = DateFromText(monthText + "1" + kDay);
  const int offset = WeekdayOf(first) - 1;  // 0 (Sunday) .. 6 (Saturday)
  for (int i = 0; i < offset; ++i) view.SetCellVisible(names[i], false);

  for (int i = offset; i < kMonthGridCells; ++i) view.SetCellCaption(names[i], std::to_string(i - offset + 1));

  const int days = DaysInMonth(year, month);
  for (int i = offset + days; i < kMonthGridCells; ++i) view.SetCellVisible(names[i], false);

  // Hidden cells before the first day are coloured from the captions they kept. The other cells
  // carry the numbers just written: caption k names day k of the month, and a number past the
  // month's end names no day (the lowest date), as reading the caption back would give.
  for (int i = 0; i < offset; ++i) {
    view.SetCellColour(names[i], CaptionColour(monthText, view.CellCaption(names[i]), tables, colours));
  }
  for (int i = offset; i < kMonthGridCells; ++i) {
    const int day = i - offset + 1;
    const DateValue date = day <= days ? AddDays(first, day - 1) : kMinDateValue;
    view.SetCellColour(names[i], ColourOfPhase(PhaseOfDay(tables, date), colours));
  }
}

uint32_t DayColour(int32_t year, int32_t month, const std::string& caption, const PhaseTables& tables,
                   const PhaseColours& colours) {
  return CaptionColour(MonthText(year, month), caption, tables, colours);
}

}  // namespace mirelle
