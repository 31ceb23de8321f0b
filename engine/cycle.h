// The cycle computation: validation of the three inputs, prediction of periods and ovulations,
// and the phase of any day.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "engine/date_value.h"

namespace mirelle {

enum class Phase { NotSet, Period, SafeBefore, OvulationPeriod, OvulationDay, SafeAfter };

// Predicted midnight dates. Ovulation entries use index 1..4 (index 0 unused, stays 0).
struct PhaseTables {
  DateValue periodStart[5] = {};
  DateValue periodEnd[5] = {};
  DateValue ovulationDay[5] = {};
  DateValue ovulationStart[5] = {};
  DateValue ovulationEnd[5] = {};
};

// Windows colour values 0x00BBGGRR.
struct PhaseColours {
  uint32_t period = 12632256;
  uint32_t safe = 57472;
  uint32_t ovulationPeriod = 33023;
  uint32_t ovulationDay = 12615935;
};
inline constexpr uint32_t kNeutralCellColour = 15527148;

// The main window as the engine sees it: the three inputs, the day cells and group captions
// of both calendars, and the program's notice box.
class CycleView {
 public:
  virtual ~CycleView() = default;
  virtual DateValue LastPeriodStart() = 0;  // 日期框1
  virtual std::string CycleText() = 0;      // 周期
  virtual std::string PeriodText() = 0;     // 行经
  virtual std::string CellCaption(std::string_view cell) = 0;
  virtual void SetCellCaption(std::string_view cell, const std::string& text) = 0;
  virtual void SetCellVisible(std::string_view cell, bool visible) = 0;
  virtual void SetCellColour(std::string_view cell, uint32_t colour) = 0;
  virtual void SetGroupCaption(std::string_view group, const std::string& text) = 0;  // 分组框1, 分组框3
  virtual void ShowNotice(const std::string& text) = 0;
};

// Validates the inputs (showing the first failing check's message and changing nothing), else
// fills `tables`, lays out both calendars and writes both group captions.
void ComputeCycle(CycleView& view, const Clock& clock, const PhaseColours& colours, PhaseTables& tables);

DateValue PeriodEnd(DateValue start, double periodLength);
Phase PhaseOfDay(const PhaseTables& tables, DateValue day);

}  // namespace mirelle
