// The cycle computation: the four checks, the predicted dates and the phase of each day.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "engine/cycle.h"
#include "fake_cycle_view.h"

namespace mirelle {
namespace {

using engine_fakes::DiscardingCycleView;
using engine_fakes::FakeCycleView;
using engine_fakes::FixedClock;
using engine_fakes::OleDay;
using engine_fakes::OleTime;
using engine_fakes::SequenceClock;

const std::string kCycleMessage =
    "　　月经周期一般为26-35天。\r\n　　您的月经周期不在此范围，无法应用本程序为您计算，请注意调理。";
const std::string kPeriodMessage =
    "　　行经期一般为3-8天。\r\n　　您的行经期不在此范围，无法应用本程序为您计算，请注意调理。";
const std::string kTooFarBackMessage = "按您设置的平均月经周期推算，您设置的上次行经日期有误，请重新设置。";
const std::string kFutureMessage = "请正确设置上次行经日期";

// Tables filled with a value no computation produces, so that "left untouched" is proven.
PhaseTables GarbageTables() {
  PhaseTables t;
  for (auto* field : {&t.periodStart, &t.periodEnd, &t.ovulationDay, &t.ovulationStart, &t.ovulationEnd}) {
    for (DateValue& v : *field) v = 12345.5;
  }
  return t;
}

bool SameTables(const PhaseTables& a, const PhaseTables& b) {
  for (int k = 0; k < 5; ++k) {
    if (a.periodStart[k] != b.periodStart[k] || a.periodEnd[k] != b.periodEnd[k] ||
        a.ovulationDay[k] != b.ovulationDay[k] || a.ovulationStart[k] != b.ovulationStart[k] ||
        a.ovulationEnd[k] != b.ovulationEnd[k]) {
      return false;
    }
  }
  return true;
}

struct Computed {
  std::vector<std::string> notices;
  PhaseTables tables;
};

Computed Compute(DateValue start, const std::string& cycle, const std::string& period, DateValue now) {
  FakeCycleView view;
  view.start = start;
  view.cycleText = cycle;
  view.periodText = period;
  PhaseTables tables = GarbageTables();
  ComputeCycle(view, FixedClock(now), PhaseColours{}, tables);
  return {view.notices, tables};
}

TEST(Cycle, WorkedExampleOfMay2011) {
  FakeCycleView view;  // 2011-05-01, 28, 5
  PhaseTables t = GarbageTables();
  ComputeCycle(view, FixedClock(OleDay(2011, 5, 20)), PhaseColours{}, t);
  EXPECT_TRUE(view.notices.empty());

  const DateValue periodStart[] = {OleDay(2011, 5, 1), OleDay(2011, 5, 29), OleDay(2011, 6, 26), OleDay(2011, 7, 24),
                                   OleDay(2011, 8, 21)};
  const DateValue periodEnd[] = {OleDay(2011, 5, 5), OleDay(2011, 6, 2), OleDay(2011, 6, 30), OleDay(2011, 7, 28),
                                 OleDay(2011, 8, 25)};
  const DateValue ovulationDay[] = {0, OleDay(2011, 5, 15), OleDay(2011, 6, 12), OleDay(2011, 7, 10), OleDay(2011, 8, 7)};
  const DateValue ovulationStart[] = {0, OleDay(2011, 5, 10), OleDay(2011, 6, 7), OleDay(2011, 7, 5), OleDay(2011, 8, 2)};
  const DateValue ovulationEnd[] = {0, OleDay(2011, 5, 19), OleDay(2011, 6, 16), OleDay(2011, 7, 14), OleDay(2011, 8, 11)};
  for (int k = 0; k < 5; ++k) {
    EXPECT_EQ(t.periodStart[k], periodStart[k]) << k;
    EXPECT_EQ(t.periodEnd[k], periodEnd[k]) << k;
    EXPECT_EQ(t.ovulationDay[k], ovulationDay[k]) << k;
    EXPECT_EQ(t.ovulationStart[k], ovulationStart[k]) << k;
    EXPECT_EQ(t.ovulationEnd[k], ovulationEnd[k]) << k;
  }
  EXPECT_EQ(view.groups.at("分组框1"), "5月");
  EXPECT_EQ(view.groups.at("分组框3"), "6月");

  struct Row {
    DateValue day;
    Phase phase;
  } rows[] = {
      {OleDay(2011, 4, 30), Phase::NotSet},         {OleDay(2011, 5, 1), Phase::Period},
      {OleDay(2011, 5, 5), Phase::Period},          {OleDay(2011, 5, 6), Phase::SafeBefore},
      {OleDay(2011, 5, 9), Phase::SafeBefore},      {OleDay(2011, 5, 10), Phase::OvulationPeriod},
      {OleDay(2011, 5, 14), Phase::OvulationPeriod}, {OleDay(2011, 5, 15), Phase::OvulationDay},
      {OleDay(2011, 5, 16), Phase::OvulationPeriod}, {OleDay(2011, 5, 19), Phase::OvulationPeriod},
      {OleDay(2011, 5, 20), Phase::SafeAfter},      {OleDay(2011, 5, 28), Phase::SafeAfter},
      {OleDay(2011, 5, 29), Phase::Period},         {OleDay(2011, 8, 25), Phase::Period},
      {OleDay(2011, 8, 26), Phase::NotSet},         {kMinDateValue, Phase::NotSet},
  };
  for (const Row& r : rows) EXPECT_EQ(PhaseOfDay(t, r.day), r.phase) << DateToText(r.day);
}

// Cycle 26 with period 8: the period's last day is also the first day of the ovulation period.
TEST(Cycle, PeriodWinsWhereItMeetsTheOvulationPeriod) {
  const Computed c = Compute(OleDay(2011, 5, 1), "26", "8", OleDay(2011, 5, 1));
  ASSERT_TRUE(c.notices.empty());
  EXPECT_EQ(c.tables.periodEnd[0], OleDay(2011, 5, 8));
  EXPECT_EQ(c.tables.ovulationStart[1], OleDay(2011, 5, 8));
  EXPECT_EQ(PhaseOfDay(c.tables, OleDay(2011, 5, 8)), Phase::Period);
  EXPECT_EQ(PhaseOfDay(c.tables, OleDay(2011, 5, 9)), Phase::OvulationPeriod);
  EXPECT_EQ(PhaseOfDay(c.tables, OleDay(2011, 5, 13)), Phase::OvulationDay);
  for (DateValue d = c.tables.periodStart[0]; d <= c.tables.periodEnd[4]; ++d) {
    EXPECT_NE(PhaseOfDay(c.tables, d), Phase::SafeBefore) << DateToText(d);
  }
}

// The phase of a day `offset` days into a cycle of c days with a period of s + 1 days, from the
// day ranges of a cycle; where the period and the ovulation period meet, the period comes first.
Phase ClosedFormPhase(int offset, int c, int s) {
  if (offset <= s) return Phase::Period;
  if (offset <= c - 20) return Phase::SafeBefore;
  if (offset <= c - 15) return Phase::OvulationPeriod;
  if (offset == c - 14) return Phase::OvulationDay;
  if (offset <= c - 10) return Phase::OvulationPeriod;
  return Phase::SafeAfter;
}

// Each day of the four full cycles and of the fifth period gets its closed-form phase, and the
// days just outside are NotSet. Half of the starts carry a time of day, with "now" equal to it.
bool PredictionMatchesClosedForm(DiscardingCycleView& view, DateValue start, int c, int periodLength) {
  view.cycleText = std::to_string(c);
  view.periodText = std::to_string(periodLength);
  view.start = static_cast<int64_t>(start) % 2 ? start + 0.5625 : start;
  view.notices = 0;
  const int s = periodLength - 1;
  PhaseTables t;
  ComputeCycle(view, FixedClock(view.start), PhaseColours{}, t);
  bool ok = view.notices == 0 && t.periodStart[4] == start + 4 * c && t.periodEnd[4] == start + 4 * c + s &&
            PhaseOfDay(t, start - 1) == Phase::NotSet && PhaseOfDay(t, start + 4 * c + s + 1) == Phase::NotSet;
  for (int offset = 0; ok && offset < 4 * c + s + 1; ++offset) {
    ok = PhaseOfDay(t, start + offset) == ClosedFormPhase(offset % c, c, s);
  }
  return ok;
}

// Every start day of four years (year ends and a leap day included), each with the next of the
// sixty accepted pairs of whole cycle and period lengths; and every pair for each start day of
// the five weeks around 2012-02-29.
TEST(Cycle, EveryDayOfThePredictedCyclesHasTheClosedFormPhase) {
  DiscardingCycleView view;
  int failures = 0;
  auto check = [&](DateValue start, int c, int p) {
    if (!PredictionMatchesClosedForm(view, start, c, p) && ++failures <= 5) {
      ADD_FAILURE() << "cycle " << c << " period " << p << " start " << DateToText(start);
    }
  };
  int pair = 0;
  for (DateValue start = OleDay(2011, 1, 1); start < OleDay(2015, 1, 1); ++start, ++pair) {
    check(start, 26 + pair % 10, 3 + pair / 10 % 6);
  }
  for (DateValue start = OleDay(2012, 2, 10); start < OleDay(2012, 3, 16); ++start) {
    for (int c = 26; c <= 35; ++c) {
      for (int p = 3; p <= 8; ++p) check(start, c, p);
    }
  }
  EXPECT_EQ(failures, 0);
}

TEST(Cycle, ChecksTheLengthsFirst) {
  const DateValue start = OleDay(2011, 5, 1);
  const DateValue now = OleDay(2011, 5, 20);
  struct Row {
    std::string cycle, period;
    DateValue start;
    const std::string* message;  // nullptr: the computation goes through
  } rows[] = {
      /* 0 */ {"25.9", "5", start, &kCycleMessage},
      /* 1 */ {"26", "5", start, nullptr},
      /* 2 */ {"35", "5", start, nullptr},
      /* 3 */ {"35.5", "5", start, &kCycleMessage},
      /* 4 */ {"36", "5", start, &kCycleMessage},
      /* 5 */ {"35.00000005", "5", start, nullptr},  // within the tolerance
      /* 6 */ {"35.0000002", "5", start, &kCycleMessage},
      /* 7 */ {"", "5", start, &kCycleMessage},
      /* 8 */ {"abc", "5", start, &kCycleMessage},
      /* 9 */ {"２８", "5", start, nullptr},
      /* 10 */ {"28天", "5", start, nullptr},
      /* 11 */ {"-28", "5", start, &kCycleMessage},
      /* 12 */ {"1e309", "5", start, &kCycleMessage},
      /* 13 */ {"-1e309", "5", start, &kCycleMessage},
      /* 14 */ {"nan", "5", start, &kCycleMessage},
      /* 15 */ {"inf", "5", start, &kCycleMessage},
      /* 16 */ {std::string(1 << 20, '9'), "5", start, &kCycleMessage},
      /* 17 */ {"28" + std::string(1 << 20, 'x'), "5", start, nullptr},
      /* 18 */ {"\xFF\xFE" "28", "5", start, &kCycleMessage},
      /* 19 */ {"20", "5", OleDay(2011, 6, 1), &kCycleMessage},  // a future start too: only the first message
      /* 20 */ {"20", "20", OleDay(2011, 6, 1), &kCycleMessage},
      /* 21 */ {"28", "2.9", start, &kPeriodMessage},
      /* 22 */ {"28", "3", start, nullptr},
      /* 23 */ {"28", "8", start, nullptr},
      /* 24 */ {"28", "9", start, &kPeriodMessage},
      /* 25 */ {"28", "", start, &kPeriodMessage},
      /* 26 */ {"28", "1e309", start, &kPeriodMessage},
      /* 27 */ {"28", "-5", start, &kPeriodMessage},
      /* 28 */ {"28", "0x1C", start, &kPeriodMessage},
      /* 29 */ {"28", "\x1C" "5", start, &kPeriodMessage},
      /* 30 */ {"28", "５", start, nullptr},
      /* 31 */ {"28", "9", OleDay(2011, 6, 1), &kPeriodMessage},  // before the date checks
  };
  for (size_t i = 0; i < std::size(rows); ++i) {
    const Row& r = rows[i];
    const Computed c = Compute(r.start, r.cycle, r.period, now);
    if (r.message) {
      EXPECT_EQ(c.notices, std::vector<std::string>{*r.message}) << "row " << i;
      EXPECT_TRUE(SameTables(c.tables, GarbageTables())) << "row " << i;
    } else {
      EXPECT_TRUE(c.notices.empty()) << "row " << i;
      EXPECT_EQ(c.tables.periodStart[0], start) << "row " << i;
    }
  }
}

TEST(Cycle, ChecksTheStartAgainstTheClockToTheSecond) {
  const DateValue start = OleDay(2011, 5, 1);
  struct Row {
    std::string cycle;
    DateValue start, now;
    const std::string* message;
  } rows[] = {
      /* 0 */ {"28", start, OleTime(2011, 5, 28, 23, 59), nullptr},
      /* 1 */ {"28", start, OleDay(2011, 5, 29), nullptr},  // exactly one cycle back
      /* 2 */ {"28", start, OleTime(2011, 5, 29, 0, 0, 1), &kTooFarBackMessage},
      /* 3 */ {"28", start, OleTime(2011, 5, 29, 8), &kTooFarBackMessage},
      /* 4 */ {"28.9", start, OleTime(2011, 5, 29, 21), nullptr},  // 28.875 days back
      /* 5 */ {"28.9", start, OleTime(2011, 5, 29, 22), &kTooFarBackMessage},
      /* 6 */ {"28", start, OleDay(2011, 6, 20), &kTooFarBackMessage},
      /* 7 */ {"28", OleTime(2011, 5, 20, 10), OleTime(2011, 5, 20, 9, 59, 59), &kFutureMessage},
      /* 8 */ {"28", OleTime(2011, 5, 20, 10), OleTime(2011, 5, 20, 10), nullptr},
      /* 9 */ {"28", OleDay(2011, 5, 21), OleTime(2011, 5, 20, 23, 59, 59), &kFutureMessage},
      /* 10 */ {"28", OleDay(2011, 5, 20), OleTime(2011, 5, 20, 23, 59, 59), nullptr},
      /* 11 */ {"28", kMaxDateValue + 1, OleDay(2011, 5, 20), &kFutureMessage},
      /* 12 */ {"28", kMinDateValue - 1, OleDay(2011, 5, 20), &kTooFarBackMessage},
      /* 13 */ {"28", -1.75, -1.5, &kFutureMessage},  // 1899-12-29: 18:00 is after 12:00
      /* 14 */ {"28", -1.25, -1.5, nullptr},          // and 06:00 before it
  };
  for (size_t i = 0; i < std::size(rows); ++i) {
    const Row& r = rows[i];
    const Computed c = Compute(r.start, r.cycle, "5", r.now);
    if (r.message) {
      EXPECT_EQ(c.notices, std::vector<std::string>{*r.message}) << "row " << i;
      EXPECT_TRUE(SameTables(c.tables, GarbageTables())) << "row " << i;
    } else {
      EXPECT_TRUE(c.notices.empty()) << "row " << i;
      EXPECT_EQ(c.tables.periodStart[0], DateOnly(r.start)) << "row " << i;
    }
  }
}

// The two date checks each read the clock: here "now" moves back between them.
TEST(Cycle, ReadsTheClockAfreshForEachDateCheck) {
  FakeCycleView view;
  view.start = OleTime(2011, 5, 1, 12);
  SequenceClock clock({OleDay(2011, 5, 20), OleTime(2011, 5, 1, 11)});
  PhaseTables t;
  ComputeCycle(view, clock, PhaseColours{}, t);
  EXPECT_EQ(view.notices, std::vector<std::string>{kFutureMessage});
  EXPECT_EQ(clock.Reads(), 2u);
}

TEST(Cycle, FractionalLengthsAreTruncated) {
  const Computed c = Compute(OleDay(2011, 5, 1), "28.9", "3.5", OleDay(2011, 5, 1));
  ASSERT_TRUE(c.notices.empty());
  EXPECT_EQ(c.tables.periodStart[1], OleDay(2011, 5, 29));
  EXPECT_EQ(c.tables.periodEnd[0], OleDay(2011, 5, 3));
  // A start with a time of day still gives midnight dates.
  const Computed t = Compute(OleTime(2011, 5, 1, 18), "28", "5", OleTime(2011, 5, 20, 7));
  ASSERT_TRUE(t.notices.empty());
  EXPECT_EQ(t.tables.periodStart[0], OleDay(2011, 5, 1));
  EXPECT_EQ(t.tables.periodStart[1], OleDay(2011, 5, 29));
  EXPECT_EQ(t.tables.ovulationEnd[4], OleDay(2011, 8, 11));
}

TEST(Cycle, PeriodEnd) {
  EXPECT_EQ(PeriodEnd(OleDay(2011, 5, 1), 5), OleDay(2011, 5, 5));
  EXPECT_EQ(PeriodEnd(OleDay(2011, 5, 1), 3.5), OleDay(2011, 5, 3));
  EXPECT_EQ(PeriodEnd(OleTime(2011, 5, 1, 18), 8), OleDay(2011, 5, 8));
  EXPECT_EQ(PeriodEnd(-1.25, 3), 1);
  // Lengths that no accepted input gives stay defined.
  const double inf = std::numeric_limits<double>::infinity();
  EXPECT_EQ(PeriodEnd(OleDay(2011, 5, 1), inf), kMaxDateValue);
  EXPECT_EQ(PeriodEnd(OleDay(2011, 5, 1), -inf), kMinDateValue);
  EXPECT_EQ(PeriodEnd(OleDay(2011, 5, 1), std::nan("")), OleDay(2011, 5, 1));
}

TEST(Cycle, NothingComputedIsNotSet) {
  const PhaseTables zero;
  for (DateValue d : {1.0, 40664.0, kMaxDateValue, -1.0, kMinDateValue}) {
    EXPECT_EQ(PhaseOfDay(zero, d), Phase::NotSet) << d;
  }
}

TEST(Cycle, DecemberStartCaptionsDecemberAndJanuary) {
  FakeCycleView view;
  view.start = OleDay(2011, 12, 20);
  PhaseTables t;
  ComputeCycle(view, FixedClock(OleDay(2011, 12, 25)), PhaseColours{}, t);
  ASSERT_TRUE(view.notices.empty());
  EXPECT_EQ(view.groups.at("分组框1"), "12月");
  EXPECT_EQ(view.groups.at("分组框3"), "1月");
  EXPECT_EQ(t.periodStart[1], OleDay(2012, 1, 17));
}

// A failed check after a good computation keeps the tables, every cell and both captions.
TEST(Cycle, FailedCheckLeavesEverythingAsItWas) {
  FakeCycleView view;
  PhaseTables t;
  ComputeCycle(view, FixedClock(OleDay(2011, 5, 20)), PhaseColours{}, t);
  ASSERT_TRUE(view.notices.empty());
  const PhaseTables tablesBefore = t;
  const auto cellsBefore = view.cells;
  const auto groupsBefore = view.groups;

  struct Row {
    std::string cycle, period;
    DateValue start, now;
    const std::string* message;
  } rows[] = {
      {"40", "5", OleDay(2011, 12, 1), OleDay(2011, 12, 5), &kCycleMessage},
      {"30", "9", OleDay(2011, 12, 1), OleDay(2011, 12, 5), &kPeriodMessage},
      {"30", "5", OleDay(2011, 10, 1), OleDay(2011, 12, 5), &kTooFarBackMessage},
      {"30", "5", OleDay(2011, 12, 6), OleDay(2011, 12, 5), &kFutureMessage},
  };
  for (const Row& r : rows) {
    view.cycleText = r.cycle;
    view.periodText = r.period;
    view.start = r.start;
    view.notices.clear();
    ComputeCycle(view, FixedClock(r.now), PhaseColours{}, t);
    EXPECT_EQ(view.notices, std::vector<std::string>{*r.message});
    EXPECT_TRUE(SameTables(t, tablesBefore));
    EXPECT_TRUE(view.cells == cellsBefore);
    EXPECT_EQ(view.groups, groupsBefore);
  }
}

TEST(Cycle, FailedFirstCheckWritesNoCell) {
  FakeCycleView view;
  view.cycleText = "";
  PhaseTables t;
  ComputeCycle(view, FixedClock(OleDay(2011, 5, 20)), PhaseColours{}, t);
  EXPECT_TRUE(view.cells == FakeCycleView().cells);
  EXPECT_EQ(view.groups, FakeCycleView().groups);
  EXPECT_TRUE(SameTables(t, PhaseTables{}));
}

}  // namespace
}  // namespace mirelle
