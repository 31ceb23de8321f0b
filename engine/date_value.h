// Calendar dates as OLE Automation date values: days since 1899-12-30, time of day as the fraction.
#pragma once

#include <cstdint>
#include <string>

namespace mirelle {

using DateValue = double;

inline constexpr DateValue kMinDateValue = -657434.0;  // 0100-01-01 00:00
inline constexpr DateValue kMaxDateValue = 2958465.0;  // 9999-12-31 00:00

// Source of "now" (local date and time, whole seconds); tests fix it.
class Clock {
 public:
  virtual ~Clock() = default;
  virtual DateValue Now() const = 0;
};

// The system's local clock.
class SystemClock final : public Clock {
 public:
  DateValue Now() const override;
};

DateValue ClampDate(DateValue d);
double LinearDays(DateValue d);
DateValue CurrentDateTime(const Clock& clock);

int32_t YearOf(DateValue d);
int32_t MonthOf(DateValue d);
int32_t DayOf(DateValue d);
int32_t WeekdayOf(DateValue d);  // 1 = Sunday .. 7 = Saturday
int32_t DaysInMonth(int32_t year, int32_t month);

DateValue AddDays(DateValue d, int32_t n);
DateValue AddMonths(DateValue d, int32_t n);
double DaysBetween(DateValue a, DateValue b);
DateValue DateOnly(DateValue d);

std::string DateToText(DateValue d);           // GBK, e.g. "2011年5月1日8时30分"
DateValue DateFromText(const std::string& s);  // kMinDateValue for anything that is no valid date

// Ordering and equality of dates (through ClampDate and LinearDays).
bool DateBefore(DateValue a, DateValue b);
bool DateAfter(DateValue a, DateValue b);
bool DateNotBefore(DateValue a, DateValue b);
bool DateNotAfter(DateValue a, DateValue b);
bool DateEquals(DateValue a, DateValue b);

}  // namespace mirelle
