// Calendar dates as OLE Automation date values, proleptic Gregorian, local time without zones.
//
// A value's day is its integer part truncated toward zero and its time of day is the magnitude of
// the fraction, so -1.25 is 1899-12-29 06:00. Every operation clamps its arguments to
// kMinDateValue..kMaxDateValue first and never fails.
#include "engine/date_value.h"

#include <chrono>
#include <cmath>
#include <ctime>

namespace mirelle {
namespace {

namespace chr = std::chrono;

constexpr int64_t kUnixEpochOleDay = 25569;  // 1970-01-01 as an OLE day number
constexpr int32_t kSecondsPerDay = 86400;

// The civil fields of one date-time, to the second.
struct Civil {
  int32_t year;
  int32_t month;   // 1..12
  int32_t day;     // 1..31
  int32_t second;  // second of the day, 0..86399
};

// A clamped value split into its day number and its time of day rounded to the second. The day is
// counted linearly (day + time of day is the value's LinearDays), so a time that rounds up to
// 24:00 moves on to the next day's midnight.
struct DaySecond {
  int64_t day;     // -657434..2958465
  int32_t second;  // 0..86399
};

DaySecond Split(DateValue d) {
  d = ClampDate(d);
  const auto whole = static_cast<int64_t>(d);  // toward zero; exact in the clamped range
  double fraction = d - static_cast<double>(whole);
  if (fraction < 0) fraction = -fraction;  // 0 <= fraction < 1
  DaySecond out{whole, static_cast<int32_t>(fraction * kSecondsPerDay + 0.5)};
  if (out.second >= kSecondsPerDay) {
    out.day += 1;
    out.second = 0;
  }
  return out;
}

// The value of a day number and a time of day: the fraction carries the sign of a negative day.
DateValue Compose(int64_t day, double timeOfDay) {
  const double whole = static_cast<double>(day);
  return ClampDate(day >= 0 ? whole + timeOfDay : whole - timeOfDay);
}

chr::year_month_day CivilDate(int64_t day) {
  return chr::year_month_day{chr::sys_days{chr::days{day - kUnixEpochOleDay}}};
}

Civil ToCivil(DateValue d) {
  const DaySecond ds = Split(d);
  const chr::year_month_day ymd = CivilDate(ds.day);
  return {static_cast<int32_t>(static_cast<int>(ymd.year())), static_cast<int32_t>(static_cast<unsigned>(ymd.month())),
          static_cast<int32_t>(static_cast<unsigned>(ymd.day())), ds.second};
}

// The OLE day number of a date whose fields are already known to be valid.
int64_t DayNumber(int32_t year, int32_t month, int32_t day) {
  const chr::sys_days days{chr::year{year} / chr::month{static_cast<unsigned>(month)} / chr::day{static_cast<unsigned>(day)}};
  return days.time_since_epoch().count() + kUnixEpochOleDay;
}

DateValue FromFields(int32_t year, int32_t month, int32_t day, int32_t secondOfDay) {
  return Compose(DayNumber(year, month, day), static_cast<double>(secondOfDay) / kSecondsPerDay);
}

bool ValidFields(int32_t year, int32_t month, int32_t day, int32_t hour, int32_t minute, int32_t second) {
  return day >= 1 && day <= DaysInMonth(year, month) && hour >= 0 && hour <= 23 && minute >= 0 && minute <= 59 &&
         second >= 0 && second <= 59;
}

// The unit characters of a date text, each one double-byte GBK character.
struct Unit {
  char lead, trail;
};
constexpr Unit MakeUnit(const char (&gbk)[3]) { return {gbk[0], gbk[1]}; }
constexpr Unit kYear = MakeUnit("年");
constexpr Unit kMonth = MakeUnit("月");
constexpr Unit kDay = MakeUnit("日");
constexpr Unit kHour = MakeUnit("时");
constexpr Unit kMinute = MakeUnit("分");
constexpr Unit kSecond = MakeUnit("秒");

// Writes a non-negative number below 10000 in decimal and its unit; returns the new end.
char* AppendField(char* out, int32_t value, Unit unit) {
  char digits[4];
  int n = 0;
  do {
    digits[n++] = static_cast<char>('0' + value % 10);
    value /= 10;
  } while (value > 0 && n < 4);
  while (n > 0) *out++ = digits[--n];
  *out++ = unit.lead;
  *out++ = unit.trail;
  return out;
}

// Reads "digits unit" fields of a date text from left to right.
struct TextReader {
  const char* pos;
  const char* end;

  bool AtEnd() const { return pos == end; }

  // 1..maxDigits ASCII digits followed by `unit` (a GBK character such as 年).
  bool Field(int maxDigits, Unit unit, int32_t& value) {
    int32_t v = 0;
    int n = 0;
    while (pos != end && *pos >= '0' && *pos <= '9') {
      if (++n > maxDigits) return false;
      v = v * 10 + (*pos++ - '0');
    }
    if (n == 0 || end - pos < 2 || pos[0] != unit.lead || pos[1] != unit.trail) return false;
    pos += 2;
    value = v;
    return true;
  }
};

}  // namespace

DateValue SystemClock::Now() const {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
#if defined(_WIN32)
  localtime_s(&local, &now);
#else
  localtime_r(&now, &local);
#endif
  const int32_t year = local.tm_year + 1900;
  const int32_t month = local.tm_mon + 1;
  if (DaysInMonth(year, month) == 0 || local.tm_mday < 1 || local.tm_mday > DaysInMonth(year, month)) return kMinDateValue;
  // A leap second (tm_sec 60) is read as the last second of its minute.
  const int32_t second = local.tm_sec > 59 ? 59 : local.tm_sec;
  return FromFields(year, month, local.tm_mday, local.tm_hour * 3600 + local.tm_min * 60 + second);
}

DateValue ClampDate(DateValue d) {
  if (d > kMaxDateValue) return kMaxDateValue;
  if (d < kMinDateValue) return kMinDateValue;
  if (std::isnan(d)) return kMinDateValue;  // no date at all: the lowest date, like an unreadable text
  return d;
}

double LinearDays(DateValue d) {
  d = ClampDate(d);
  if (d >= 0) return d;
  const double whole = std::trunc(d);
  return whole - (d - whole);
}

DateValue CurrentDateTime(const Clock& clock) { return ClampDate(clock.Now()); }

int32_t YearOf(DateValue d) { return ToCivil(d).year; }
int32_t MonthOf(DateValue d) { return ToCivil(d).month; }
int32_t DayOf(DateValue d) { return ToCivil(d).day; }

int32_t WeekdayOf(DateValue d) {
  const chr::weekday wd{chr::sys_days{chr::days{Split(d).day - kUnixEpochOleDay}}};
  return static_cast<int32_t>(wd.c_encoding()) + 1;  // c_encoding: 0 = Sunday
}

int32_t DaysInMonth(int32_t year, int32_t month) {
  if (year < 100 || year > 9999 || month < 1 || month > 12) return 0;
  static constexpr int32_t kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  if (month == 2 && ((year % 4 == 0 && year % 100 != 0) || year % 400 == 0)) return 29;
  return kDays[month - 1];
}

DateValue AddDays(DateValue d, int32_t n) {
  d = ClampDate(d);
  if (n == 0) return d;
  const double whole = std::trunc(d);
  // The day moves linearly; the time of day (the fraction's magnitude) stays as it was.
  return Compose(static_cast<int64_t>(whole) + n, std::fabs(d - whole));
}

DateValue AddMonths(DateValue d, int32_t n) {
  d = ClampDate(d);
  if (n == 0) return d;
  const Civil c = ToCivil(d);
  // Months counted from year 0: floor division carries whole years in both directions.
  const int64_t monthIndex = static_cast<int64_t>(c.year) * 12 + (c.month - 1) + n;
  int64_t year = monthIndex >= 0 ? monthIndex / 12 : -((-monthIndex + 11) / 12);
  const int32_t month = static_cast<int32_t>(monthIndex - year * 12) + 1;
  if (year < 100) year = 100;
  if (year > 9999) year = 9999;
  const int32_t y = static_cast<int32_t>(year);
  const int32_t lastDay = DaysInMonth(y, month);
  const int32_t day = c.day > lastDay ? lastDay : c.day;
  return FromFields(y, month, day, c.second);
}

double DaysBetween(DateValue a, DateValue b) { return LinearDays(a) - LinearDays(b); }

DateValue DateOnly(DateValue d) { return Compose(Split(d).day, 0.0); }

std::string DateToText(DateValue d) {
  const Civil c = ToCivil(d);
  char buffer[64];
  char* out = buffer;
  out = AppendField(out, c.year, kYear);
  out = AppendField(out, c.month, kMonth);
  out = AppendField(out, c.day, kDay);
  if (c.second != 0) {
    const int32_t hour = c.second / 3600;
    const int32_t minute = c.second / 60 % 60;
    const int32_t second = c.second % 60;
    out = AppendField(out, hour, kHour);
    if (minute != 0 || second != 0) {
      out = AppendField(out, minute, kMinute);
      if (second != 0) out = AppendField(out, second, kSecond);
    }
  }
  return std::string(buffer, static_cast<size_t>(out - buffer));
}

// Accepts exactly: year digits (up to 4) 年, month (1-2 digits) 月, day (1-2 digits) 日, then
// optionally hour 时, optionally after it minute 分, optionally after that second 秒 (1-2 digits
// each), and nothing else: no blanks, no other separators.
DateValue DateFromText(const std::string& s) {
  TextReader r{s.data(), s.data() + s.size()};
  int32_t year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0;
  if (!r.Field(4, kYear, year) || !r.Field(2, kMonth, month) || !r.Field(2, kDay, day)) return kMinDateValue;
  if (!r.AtEnd() && !r.Field(2, kHour, hour)) return kMinDateValue;
  if (!r.AtEnd() && !r.Field(2, kMinute, minute)) return kMinDateValue;
  if (!r.AtEnd() && !r.Field(2, kSecond, second)) return kMinDateValue;
  if (!r.AtEnd() || !ValidFields(year, month, day, hour, minute, second)) return kMinDateValue;
  return FromFields(year, month, day, hour * 3600 + minute * 60 + second);
}

bool DateBefore(DateValue a, DateValue b) { return LinearDays(a) < LinearDays(b); }
bool DateAfter(DateValue a, DateValue b) { return LinearDays(a) > LinearDays(b); }
bool DateNotBefore(DateValue a, DateValue b) { return LinearDays(a) >= LinearDays(b); }
bool DateNotAfter(DateValue a, DateValue b) { return LinearDays(a) <= LinearDays(b); }
bool DateEquals(DateValue a, DateValue b) { return ClampDate(a) == ClampDate(b); }

}  // namespace mirelle
