// The cycle computation: checks the three inputs of the main window, predicts four periods and
// the four ovulations before them, lays out both calendars, and tells the phase of any day.
#include "engine/cycle.h"

#include <cmath>

#include "engine/month_grid.h"
#include "engine/number_text.h"

namespace mirelle {
namespace {

constexpr double kTolerance = 1e-7;
constexpr int kPredictedPeriods = 5;  // the last period and the four predicted ones

constexpr const char* kCycleOutOfRange =
    "　　月经周期一般为26-35天。\r\n　　您的月经周期不在此范围，无法应用本程序为您计算，请注意调理。";
constexpr const char* kPeriodOutOfRange =
    "　　行经期一般为3-8天。\r\n　　您的行经期不在此范围，无法应用本程序为您计算，请注意调理。";
constexpr const char* kStartTooFarBack = "按您设置的平均月经周期推算，您设置的上次行经日期有误，请重新设置。";
constexpr const char* kStartInFuture = "请正确设置上次行经日期";

constexpr const char* kGroupCalendar1 = "分组框1";
constexpr const char* kGroupCalendar2 = "分组框3";
constexpr const char* kMonthSuffix = "月";

// A length in days truncated toward zero. Only reached with finite, checked lengths from
// ComputeCycle; PeriodEnd is public, so anything else is kept inside int32 rather than cast blindly.
int32_t TruncatedDays(double length) {
  if (std::isnan(length)) return 0;
  if (length >= 2147483647.0) return 2147483647;
  if (length <= -2147483648.0) return -2147483647 - 1;
  return static_cast<int32_t>(length);  // the conversion truncates toward zero
}

// True when `length` lies in low..high within the tolerance. A non-finite length (a text such as
// "1e309" reads as an infinity) is never in range; written out so that a NaN fails too.
bool LengthInRange(double length, double low, double high) {
  if (!std::isfinite(length)) return false;
  return !(length - high > kTolerance) && !(length - low < -kTolerance);
}

}  // namespace

void ComputeCycle(CycleView& view, const Clock& clock, const PhaseColours& colours, PhaseTables& tables) {
  const double cycleLength = ReadNumber(view.CycleText());
  if (!LengthInRange(cycleLength, 26, 35)) {
    view.ShowNotice(kCycleOutOfRange);
    return;
  }
  const double periodLength = ReadNumber(view.PeriodText());
  if (!LengthInRange(periodLength, 3, 8)) {
    view.ShowNotice(kPeriodOutOfRange);
    return;
  }
  // Both date checks use the fractional difference, time of day included, and read the clock
  // afresh each.
  const DateValue lastPeriodStart = view.LastPeriodStart();
  if (DaysBetween(CurrentDateTime(clock), lastPeriodStart) - cycleLength > kTolerance) {
    view.ShowNotice(kStartTooFarBack);
    return;
  }
  if (DaysBetween(lastPeriodStart, CurrentDateTime(clock)) > kTolerance) {
    view.ShowNotice(kStartInFuture);
    return;
  }

  const int32_t cycleDays = TruncatedDays(cycleLength);
  PhaseTables t;
  t.periodStart[0] = DateOnly(lastPeriodStart);
  t.periodStart[1] = DateOnly(AddDays(lastPeriodStart, cycleDays));
  for (int k = 2; k < kPredictedPeriods; ++k) t.periodStart[k] = DateOnly(AddDays(t.periodStart[k - 1], cycleDays));
  for (int k = 0; k < kPredictedPeriods; ++k) t.periodEnd[k] = PeriodEnd(t.periodStart[k], periodLength);
  for (int k = 1; k < kPredictedPeriods; ++k) t.ovulationDay[k] = DateOnly(AddDays(t.periodStart[k], -14));
  for (int k = 1; k < kPredictedPeriods; ++k) {
    t.ovulationStart[k] = DateOnly(AddDays(t.ovulationDay[k], -5));
    t.ovulationEnd[k] = DateOnly(AddDays(t.ovulationDay[k], 4));
  }
  tables = t;

  const DateValue firstMonth = tables.periodStart[0];
  const DateValue secondMonth = AddMonths(firstMonth, 1);
  LayoutMonthGrid(view, 1, YearOf(firstMonth), MonthOf(firstMonth), tables, colours);
  LayoutMonthGrid(view, 2, YearOf(secondMonth), MonthOf(secondMonth), tables, colours);
  view.SetGroupCaption(kGroupCalendar1, std::to_string(MonthOf(firstMonth)) + kMonthSuffix);
  view.SetGroupCaption(kGroupCalendar2, std::to_string(MonthOf(secondMonth)) + kMonthSuffix);
}

// The period's last day: a period covers (periodLength - 1) truncated + 1 days.
DateValue PeriodEnd(DateValue start, double periodLength) {
  return DateOnly(AddDays(start, TruncatedDays(periodLength - 1)));
}

// The rules in their order; the first match wins. So where a period's last day falls on the first
// day of the next ovulation period (cycle 26, period 8) the day is a period day. Ordering is by
// LinearDays (the day's own count is taken once), equality is exact.
Phase PhaseOfDay(const PhaseTables& t, DateValue d) {
  const double day = LinearDays(d);
  if (day < LinearDays(t.periodStart[0])) return Phase::NotSet;
  for (int k = 0; k < kPredictedPeriods; ++k) {
    const double periodEnd = LinearDays(t.periodEnd[k]);
    if (day >= LinearDays(t.periodStart[k]) && day <= periodEnd) return Phase::Period;
    if (k == kPredictedPeriods - 1) break;
    const int n = k + 1;
    const double ovulationStart = LinearDays(t.ovulationStart[n]);
    const double ovulationDay = LinearDays(t.ovulationDay[n]);
    const double ovulationEnd = LinearDays(t.ovulationEnd[n]);
    if (day > periodEnd && day < ovulationStart) return Phase::SafeBefore;
    if (day >= ovulationStart && day < ovulationDay) return Phase::OvulationPeriod;
    if (DateEquals(d, t.ovulationDay[n])) return Phase::OvulationDay;
    if (day > ovulationDay && day <= ovulationEnd) return Phase::OvulationPeriod;
    if (day > ovulationEnd && day < LinearDays(t.periodStart[n])) return Phase::SafeAfter;
  }
  return Phase::NotSet;
}

}  // namespace mirelle
