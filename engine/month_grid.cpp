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

NameTable BuildNames(const char* suffix) {
  NameTable names;
  for (int i = 0; i < kMonthGridCells; ++i) {
    const int row = i / kDaysPerWeek + 1;
    const int column = i % kDaysPerWeek + 1;
    names[i] = "h" + std::to_string(row) + "s" + std::to_string(column) + suffix;
  }
  return names;
}

const NameTable& NamesOf(int calendar) {
  static const NameTable calendar1 = BuildNames("");
  static const NameTable calendar2 = BuildNames("b");
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

}  // namespace

std::string CellName(int calendar, int index) {
  if ((calendar != 1 && calendar != 2) || index < 0 || index >= kMonthGridCells) return {};
  return NamesOf(calendar)[index];
}

// Cells before the first day are hidden but keep whatever caption they had; the numbering runs on
// past the month's end in cells that are then hidden. Every cell, hidden or not, is coloured from
// its caption.
void LayoutMonthGrid(CycleView& view, int calendar, int32_t year, int32_t month, const PhaseTables& tables,
                     const PhaseColours& colours) {
  const NameTable& names = NamesOf(calendar);
  for (const std::string& name : names) view.SetCellVisible(name, true);

  const DateValue first = DateFromText(std::to_string(year) + kYear + std::to_string(month) + kMonth + "1" + kDay);
  const int offset = WeekdayOf(first) - 1;  // 0 (Sunday) .. 6 (Saturday)
  for (int i = 0; i < offset; ++i) view.SetCellVisible(names[i], false);

  std::array<std::string, kMonthGridCells> captions;
  for (int i = offset; i < kMonthGridCells; ++i) {
    captions[i] = std::to_string(i - offset + 1);
    view.SetCellCaption(names[i], captions[i]);
  }

  const int days = DaysInMonth(year, month);
  for (int i = offset + days; i < kMonthGridCells; ++i) view.SetCellVisible(names[i], false);

  for (int i = 0; i < kMonthGridCells; ++i) {
    const std::string caption = i < offset ? view.CellCaption(names[i]) : captions[i];
    view.SetCellColour(names[i], DayColour(year, month, caption, tables, colours));
  }
}

uint32_t DayColour(int32_t year, int32_t month, const std::string& caption, const PhaseTables& tables,
                   const PhaseColours& colours) {
  // The form's placeholder "_", an empty caption and 0 are no day.
  if (std::fabs(ReadNumber(caption)) <= kTolerance) return kNeutralCellColour;
  // A caption that is no day of this month (32, 33, ...) gives the lowest date, which is NotSet.
  std::string text = std::to_string(year);
  text.reserve(text.size() + caption.size() + 10);
  text += kYear;
  text += std::to_string(month);
  text += kMonth;
  text += caption;
  text += kDay;
  const DateValue day = DateFromText(text);
  return ColourOfPhase(PhaseOfDay(tables, day), colours);
}

}  // namespace mirelle
