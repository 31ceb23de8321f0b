// Calendar dates: conversions, arithmetic, ordering and the date texts.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <ctime>
#include <limits>
#include <string>
#include <thread>
#include <vector>

#include "engine/date_value.h"
#include "fake_cycle_view.h"

namespace mirelle {
namespace {

using engine_fakes::OleDay;
using engine_fakes::OleTime;

bool IsLeap(int y) { return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0; }
int MonthLength(int y, int m) {
  static const int kLengths[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  return m == 2 && IsLeap(y) ? 29 : kLengths[m - 1];
}

TEST(Dates, KnownDaysHaveTheirFieldsAndWeekdays) {
  struct Row {
    DateValue d;
    int year, month, day, weekday;
  } rows[] = {
      /* 0 */ {0, 1899, 12, 30, 7},
      /* 1 */ {40664, 2011, 5, 1, 1},
      /* 2 */ {40683, 2011, 5, 20, 6},
      /* 3 */ {25569, 1970, 1, 1, 5},
      /* 4 */ {-1, 1899, 12, 29, 6},
      /* 5 */ {60, 1900, 2, 28, 4},
      /* 6 */ {61, 1900, 3, 1, 5},
      /* 7 */ {kMinDateValue, 100, 1, 1, 6},
      /* 8 */ {kMaxDateValue, 9999, 12, 31, 6},
      /* 9 */ {-1.25, 1899, 12, 29, 6},
      /* 10 */ {40683.625, 2011, 5, 20, 6},
      /* 11 */ {-0.5, 1899, 12, 30, 7},
      /* 12 */ {kMaxDateValue + 100, 9999, 12, 31, 6},
      /* 13 */ {kMinDateValue - 0.5, 100, 1, 1, 6},
  };
  for (size_t i = 0; i < std::size(rows); ++i) {
    const Row& r = rows[i];
    SCOPED_TRACE(::testing::Message() << "row " << i << ", value " << r.d);
    EXPECT_EQ(YearOf(r.d), r.year);
    EXPECT_EQ(MonthOf(r.d), r.month);
    EXPECT_EQ(DayOf(r.d), r.day);
    EXPECT_EQ(WeekdayOf(r.d), r.weekday);
  }
}

// Checks the days first..last: each day's text names the day after the previous one, the text
// reads back to the same value, and the weekdays run in sequence. Returns the number of failures.
int64_t CheckDays(int64_t first, int64_t last, std::string& firstFailure) {
  using namespace std::chrono;
  const sys_days start{days{first - 25569}};
  const year_month_day ymd{start};
  int year = static_cast<int>(ymd.year());
  int month = static_cast<int>(static_cast<unsigned>(ymd.month()));
  int day = static_cast<int>(static_cast<unsigned>(ymd.day()));
  int weekday = static_cast<int>(std::chrono::weekday{start}.c_encoding()) + 1;
  std::string monthText = std::to_string(year) + "年" + std::to_string(month) + "月";
  std::string dayText[32];
  for (int i = 1; i <= 31; ++i) dayText[i] = std::to_string(i) + "日";
  int64_t failures = 0;
  for (int64_t n = first; n <= last; ++n) {
    const DateValue d = static_cast<DateValue>(n);
    const std::string text = DateToText(d);
    const bool ok = text.size() > monthText.size() && text.compare(0, monthText.size(), monthText) == 0 &&
                    text.compare(monthText.size(), std::string::npos, dayText[day]) == 0 &&
                    DateFromText(text) == d && WeekdayOf(d) == weekday;
    if (!ok && failures++ == 0) firstFailure = std::to_string(year) + "-" + std::to_string(month) + "-" + std::to_string(day);
    weekday = weekday % 7 + 1;
    if (++day > MonthLength(year, month)) {
      day = 1;
      if (++month > 12) month = 1, ++year;
      monthText = std::to_string(year) + "年" + std::to_string(month) + "月";
    }
  }
  return failures;
}

// All 3.6 million days of the valid range, shared out over the machine's threads so that the
// check stays quick in unoptimised and sanitizer builds.
TEST(Dates, EveryDayOfTheRangeIsConsecutiveAndRoundTripsThroughText) {
  const auto first = static_cast<int64_t>(kMinDateValue);
  const auto last = static_cast<int64_t>(kMaxDateValue);
  const unsigned parts = std::clamp(std::thread::hardware_concurrency(), 1u, 8u);
  std::vector<int64_t> failures(parts);
  std::vector<std::string> firstFailure(parts);
  std::vector<std::thread> workers;
  const int64_t span = (last - first + parts) / parts;
  for (unsigned i = 0; i < parts; ++i) {
    const int64_t from = first + i * span;
    const int64_t to = std::min(last, from + span - 1);
    workers.emplace_back([&, i, from, to] { failures[i] = CheckDays(from, to, firstFailure[i]); });
  }
  for (std::thread& w : workers) w.join();
  for (unsigned i = 0; i < parts; ++i) EXPECT_EQ(failures[i], 0) << "first at " << firstFailure[i];
}

// The field accessors and DateOnly on every day of four centuries, 1600-01-01 to 1999-12-31.
TEST(Dates, FieldsOfEveryDayOfFourCenturies) {
  int year = 1600, month = 1, day = 1;
  int failures = 0;
  for (DateValue d = OleDay(1600, 1, 1); d < OleDay(2000, 1, 1); ++d) {
    const bool ok = YearOf(d) == year && MonthOf(d) == month && DayOf(d) == day && DateOnly(d >= 0 ? d + 0.75 : d - 0.75) == d;
    if (!ok && ++failures <= 5) ADD_FAILURE() << year << "-" << month << "-" << day;
    if (++day > MonthLength(year, month)) {
      day = 1;
      if (++month > 12) month = 1, ++year;
    }
  }
  EXPECT_EQ(failures, 0);
}

TEST(Dates, EverySecondOfADayRoundTripsThroughText) {
  // 0100-01-01 itself has no time of day in range: any time makes it smaller than the lowest value.
  for (DateValue day : {OleDay(2011, 5, 1), OleDay(1899, 12, 29), kMinDateValue + 1}) {
    int failures = 0;
    for (int s = 0; s < 86400; ++s) {
      const DateValue d = day >= 0 ? day + s / 86400.0 : day - s / 86400.0;
      if (DateFromText(DateToText(d)) != d && ++failures <= 5) ADD_FAILURE() << "day " << day << " second " << s;
    }
    EXPECT_EQ(failures, 0);
  }
}

TEST(Dates, DaysInMonth) {
  struct Row {
    int year, month, days;
  } rows[] = {{2000, 2, 29}, {1900, 2, 28}, {2012, 2, 29}, {2011, 2, 28}, {2011, 4, 30}, {2011, 12, 31},
              {2011, 13, 0}, {2011, 0, 0},  {99, 1, 0},    {100, 1, 31},  {9999, 12, 31}, {10000, 1, 0},
              {-2011, 1, 0}};
  for (const Row& r : rows) EXPECT_EQ(DaysInMonth(r.year, r.month), r.days) << r.year << "-" << r.month;
}

TEST(Dates, ClampAndLinearDays) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const double inf = std::numeric_limits<double>::infinity();
  EXPECT_EQ(ClampDate(kMaxDateValue + 0.5), kMaxDateValue);
  EXPECT_EQ(ClampDate(kMinDateValue - 1), kMinDateValue);
  EXPECT_EQ(ClampDate(inf), kMaxDateValue);
  EXPECT_EQ(ClampDate(-inf), kMinDateValue);
  EXPECT_EQ(ClampDate(nan), kMinDateValue);
  EXPECT_EQ(ClampDate(40664.5), 40664.5);

  EXPECT_EQ(LinearDays(40664.5), 40664.5);
  EXPECT_EQ(LinearDays(-1.25), -0.75);
  EXPECT_EQ(LinearDays(-1.75), -0.25);
  EXPECT_EQ(LinearDays(-0.5), 0.5);
  EXPECT_EQ(LinearDays(-2), -2);
  EXPECT_EQ(LinearDays(kMinDateValue - 10), kMinDateValue);
}

TEST(Dates, OrderingFollowsLinearDaysNotTheRawNumbers) {
  // 1899-12-29 06:00 (-1.25) comes before 1899-12-29 18:00 (-1.75).
  EXPECT_TRUE(DateBefore(-1.25, -1.75));
  EXPECT_FALSE(DateBefore(-1.75, -1.25));
  EXPECT_TRUE(DateAfter(-1.75, -1.25));
  EXPECT_TRUE(DateNotAfter(-1.25, -1.75));
  EXPECT_FALSE(DateNotBefore(-1.25, -1.75));
  EXPECT_TRUE(DateBefore(-1.75, 0));
  EXPECT_TRUE(DateNotBefore(40664, 40664) && DateNotAfter(40664, 40664));
  EXPECT_FALSE(DateBefore(40664, 40664) || DateAfter(40664, 40664));

  EXPECT_TRUE(DateEquals(kMaxDateValue + 3, kMaxDateValue));  // both clamp to the same value
  EXPECT_TRUE(DateEquals(40664.5, 40664.5));
  EXPECT_FALSE(DateEquals(40664, 40664.5));
  EXPECT_FALSE(DateEquals(-0.25, 0.25)) << "equality is exact, not by day count";
}

TEST(Dates, AddDaysMovesTheDayAndKeepsTheTime) {
  EXPECT_EQ(AddDays(40664, -14), 40650);  // 2011-04-17
  EXPECT_EQ(AddDays(40664, 0), 40664);
  EXPECT_EQ(AddDays(-0.25, 0), -0.25) << "n = 0 gives the value back as it was";
  EXPECT_EQ(AddDays(OleTime(2011, 5, 1, 18), 3), OleTime(2011, 5, 4, 18));
  EXPECT_EQ(AddDays(1.25, -2), -1.25) << "2 days before 1899-12-31 06:00 is 1899-12-29 06:00";
  EXPECT_EQ(AddDays(-1.25, 3), 2.25);
  EXPECT_EQ(AddDays(kMaxDateValue, 1), kMaxDateValue);
  EXPECT_EQ(AddDays(kMinDateValue, -1), kMinDateValue);
  EXPECT_EQ(AddDays(kMinDateValue, std::numeric_limits<int32_t>::max()), kMaxDateValue);

  for (DateValue d : {40664.75, -1.25, -0.25, 0.0, -100.5}) {
    for (int n : {-3, -1, 1, 2, 200}) {
      EXPECT_EQ(DaysBetween(AddDays(d, n), d), n) << d << " + " << n;
    }
  }
}

TEST(Dates, AddMonthsClampsTheDayToTheTargetMonth) {
  struct Row {
    DateValue from;
    int n;
    DateValue to;
  } rows[] = {
      /* 0 */ {OleDay(2011, 1, 31), 1, OleDay(2011, 2, 28)},
      /* 1 */ {OleDay(2012, 1, 31), 1, OleDay(2012, 2, 29)},
      /* 2 */ {OleDay(2011, 12, 15), 1, OleDay(2012, 1, 15)},
      /* 3 */ {OleDay(2011, 3, 31), -1, OleDay(2011, 2, 28)},
      /* 4 */ {OleDay(2011, 1, 15), -13, OleDay(2009, 12, 15)},
      /* 5 */ {OleDay(2011, 5, 31), 12, OleDay(2012, 5, 31)},
      /* 6 */ {OleDay(2011, 5, 31), -24, OleDay(2009, 5, 31)},
      /* 7 */ {OleTime(2011, 1, 31, 8, 30, 5), 1, OleTime(2011, 2, 28, 8, 30, 5)},
      /* 8 */ {-1.25, 1, OleTime(1900, 1, 29, 6)},
      /* 9 */ {OleDay(9999, 12, 15), 1, OleDay(9999, 1, 15)},  // the year is clamped, the month is not
      /* 10 */ {OleDay(100, 1, 15), -1, OleDay(100, 12, 15)},
      /* 11 */ {OleDay(2011, 5, 31), 0, OleDay(2011, 5, 31)},
      /* 12 */ {OleDay(2011, 5, 1), std::numeric_limits<int32_t>::max(), OleDay(9999, 12, 1)},
      /* 13 */ {OleDay(2011, 5, 1), std::numeric_limits<int32_t>::min(), OleDay(100, 9, 1)},
  };
  for (size_t i = 0; i < std::size(rows); ++i) {
    EXPECT_EQ(AddMonths(rows[i].from, rows[i].n), rows[i].to) << "row " << i;
  }
}

TEST(Dates, AddMonthsNeverLeavesItsTargetMonth) {
  int failures = 0;
  for (DateValue d = OleDay(1999, 1, 1); d < OleDay(2001, 1, 1); ++d) {
    const int y = YearOf(d), m = MonthOf(d), t = DayOf(d);
    for (int n = -25; n <= 25; ++n) {
      const int index = y * 12 + (m - 1) + n;
      const int ty = index / 12, tm = index % 12 + 1;
      const int td = std::min(t, MonthLength(ty, tm));
      const DateValue r = AddMonths(d, n);
      if ((YearOf(r) != ty || MonthOf(r) != tm || DayOf(r) != td || r != DateOnly(r)) && ++failures <= 5) {
        ADD_FAILURE() << DateToText(d) << " + " << n << " months gave " << DateToText(r);
      }
    }
  }
  EXPECT_EQ(failures, 0);
}

TEST(Dates, DaysBetweenKeepsTheFraction) {
  EXPECT_EQ(DaysBetween(OleTime(2011, 5, 20, 15), OleDay(2011, 5, 1)), 19.625);
  EXPECT_EQ(DaysBetween(OleDay(2011, 5, 1), OleTime(2011, 5, 20, 15)), -19.625);
  EXPECT_EQ(DaysBetween(40664.3, 40664.3), 0.0);
  EXPECT_EQ(DaysBetween(-1.75, -1.25), 0.5);
  EXPECT_EQ(DaysBetween(1.25, -1.25), 2.0);
}

TEST(Dates, DateOnlyDropsTheTime) {
  EXPECT_EQ(DateOnly(OleTime(2011, 5, 20, 15)), 40683);
  EXPECT_EQ(DateOnly(40683), 40683);
  EXPECT_EQ(DateOnly(-1.25), -1);
  EXPECT_EQ(DateOnly(-0.5), 0);
  EXPECT_EQ(DateOnly(kMaxDateValue + 7), kMaxDateValue);
  // The time of day is taken to the second: 23:59:59.6 is the next day's midnight, in the text too.
  const DateValue almostMidnight = OleDay(2011, 5, 20) + 86399.6 / 86400;
  EXPECT_EQ(DateOnly(almostMidnight), OleDay(2011, 5, 21));
  EXPECT_EQ(DateToText(almostMidnight), "2011年5月21日");
}

TEST(Dates, DateToTextWritesOnlyTheTimeFieldsNeeded) {
  struct Row {
    DateValue d;
    const char* text;
  } rows[] = {
      /* 0 */ {OleDay(2011, 5, 1), "2011年5月1日"},
      /* 1 */ {OleTime(2011, 5, 1, 8, 30), "2011年5月1日8时30分"},
      /* 2 */ {OleTime(2011, 5, 1, 8, 0, 5), "2011年5月1日8时0分5秒"},
      /* 3 */ {OleTime(2011, 5, 1, 8), "2011年5月1日8时"},
      /* 4 */ {OleTime(2011, 12, 31, 23, 59, 59), "2011年12月31日23时59分59秒"},
      /* 5 */ {OleTime(2011, 5, 1, 0, 0, 1), "2011年5月1日0时0分1秒"},
      /* 6 */ {kMinDateValue, "100年1月1日"},
      /* 7 */ {kMaxDateValue, "9999年12月31日"},
      /* 8 */ {-1.25, "1899年12月29日6时"},
      /* 9 */ {kMaxDateValue + 1, "9999年12月31日"},
  };
  for (size_t i = 0; i < std::size(rows); ++i) EXPECT_EQ(DateToText(rows[i].d), rows[i].text) << "row " << i;
}

TEST(Dates, DateFromTextReadsValidDatesAndGivesTheLowestDateOtherwise) {
  struct Row {
    const char* text;
    DateValue d;
  } rows[] = {
      /* 0 */ {"2011年5月1日", 40664},
      /* 1 */ {"2011年05月01日", 40664},
      /* 2 */ {"2011年5月1日8时30分", OleTime(2011, 5, 1, 8, 30)},
      /* 3 */ {"2011年5月1日8时0分5秒", OleTime(2011, 5, 1, 8, 0, 5)},
      /* 4 */ {"2011年5月1日0时", 40664},
      /* 5 */ {"2012年2月29日", OleDay(2012, 2, 29)},
      /* 6 */ {"100年1月1日", kMinDateValue},
      /* 7 */ {"9999年12月31日23时59分59秒", kMaxDateValue},  // past the highest value: clamped,
      /* 8 */ {"", kMinDateValue},
      /* 9 */ {"2011年2月30日", kMinDateValue},
      /* 10 */ {"2011年13月1日", kMinDateValue},
      /* 11 */ {"2011年0月1日", kMinDateValue},
      /* 12 */ {"2011年5月0日", kMinDateValue},
      /* 13 */ {"2011年2月29日", kMinDateValue},
      /* 14 */ {"99年1月1日", kMinDateValue},
      /* 15 */ {"10000年1月1日", kMinDateValue},
      /* 16 */ {"2011年5月1日24时", kMinDateValue},
      /* 17 */ {"2011年5月1日8时60分", kMinDateValue},
      /* 18 */ {"2011年5月1日8时0分60秒", kMinDateValue},
      /* 19 */ {"2011年5月1日30分", kMinDateValue},
      /* 20 */ {"2011年5月1日8时30分5", kMinDateValue},
      /* 21 */ {"2011年5月", kMinDateValue},
      /* 22 */ {"2011年5月1", kMinDateValue},
      /* 23 */ {"2011-05-01", kMinDateValue},
      /* 24 */ {" 2011年5月1日", kMinDateValue},
      /* 25 */ {"2011年5月1日 ", kMinDateValue},
      /* 26 */ {"2011年5月1日x", kMinDateValue},
      /* 27 */ {"2011年123月1日", kMinDateValue},
      /* 28 */ {"\xE5\xB9\xB4", kMinDateValue},          // 年 in UTF-8, not GBK
      /* 29 */ {"2011\xE5\xB9\xB4" "5\xE6\x9C\x88" "1\xE6\x97\xA5", kMinDateValue},
      /* 30 */ {"-2011年5月1日", kMinDateValue},
      /* 31 */ {"2011年5月1日8时30分5秒6秒", kMinDateValue},
  };
  for (size_t i = 0; i < std::size(rows); ++i) EXPECT_EQ(DateFromText(rows[i].text), rows[i].d) << "row " << i;
}

TEST(Dates, SystemClockGivesTheLocalTimeToTheSecond) {
  const std::time_t before = std::time(nullptr);
  const DateValue now = SystemClock().Now();
  const std::time_t after = std::time(nullptr);
  auto ole = [](std::time_t t) {
    std::tm tm{};
#if defined(_WIN32)
    localtime_s(&tm, &t);
#else
    localtime_r(&t, &tm);
#endif
    return OleTime(tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday, tm.tm_hour, tm.tm_min, tm.tm_sec);
  };
  EXPECT_GE(now, ole(before) - 1e-9);
  EXPECT_LE(now, ole(after) + 1e-9);
  EXPECT_EQ(DateFromText(DateToText(now)), now) << "a whole second";
  EXPECT_EQ(CurrentDateTime(engine_fakes::FixedClock(kMaxDateValue + 5)), kMaxDateValue);
}

}  // namespace
}  // namespace mirelle
