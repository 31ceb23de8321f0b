// The month calendars: cell names, the shape of each month, and the colour of each day.
#include <gtest/gtest.h>

#include <string>

#include "engine/month_grid.h"
#include "fake_cycle_view.h"

namespace mirelle {
namespace {

using engine_fakes::FakeCycleView;
using engine_fakes::FixedClock;
using engine_fakes::OleDay;

// Distinct from the defaults and from each other, so a swapped colour shows.
constexpr PhaseColours kColours{101, 202, 303, 404};

TEST(MonthGrid, CellNames) {
  struct Row {
    int calendar, index;
    const char* name;
  } rows[] = {{1, 0, "h1s1"},  {1, 6, "h1s7"},   {1, 7, "h2s1"},   {1, 34, "h5s7"}, {1, 35, "h6s1"},
              {1, 36, "h6s2"}, {2, 0, "h1s1b"},  {2, 20, "h3s7b"}, {2, 36, "h6s2b"}, {1, 37, ""},
              {1, -1, ""},     {3, 0, ""},       {0, 0, ""}};
  for (const Row& r : rows) EXPECT_EQ(CellName(r.calendar, r.index), r.name) << r.calendar << "/" << r.index;
}

// Visible cells are exactly the month's days; numbering starts at the first day and runs on into
// the hidden cells after the month; hidden cells before it keep their captions.
TEST(MonthGrid, EachMonthShape) {
  struct Row {
    int year, month, offset, days;
  } rows[] = {
      /* 0 */ {2011, 5, 0, 31},   // begins on a Sunday
      /* 1 */ {2011, 6, 3, 30},
      /* 2 */ {2011, 10, 6, 31},  // begins on a Saturday: the only shape using cell 36
      /* 3 */ {2015, 2, 0, 28},   // exactly four rows
      /* 4 */ {2012, 2, 3, 29},
      /* 5 */ {2011, 2, 2, 28},
      /* 6 */ {2011, 12, 4, 31},
      /* 7 */ {2012, 1, 0, 31},
  };
  for (const Row& r : rows) {
    for (int calendar : {1, 2}) {
      SCOPED_TRACE(::testing::Message() << r.year << "-" << r.month << " in calendar " << calendar);
      FakeCycleView view;
      for (int i = 0; i < kMonthGridCells; ++i) view.Cell(calendar, i) = {"old" + std::to_string(i), i % 2 == 0, 7};
      LayoutMonthGrid(view, calendar, r.year, r.month, PhaseTables{}, kColours);
      for (int i = 0; i < kMonthGridCells; ++i) {
        const engine_fakes::FakeCell& cell = view.Cell(calendar, i);
        EXPECT_EQ(cell.visible, i >= r.offset && i < r.offset + r.days) << "cell " << i;
        EXPECT_EQ(cell.caption, i < r.offset ? "old" + std::to_string(i) : std::to_string(i - r.offset + 1))
            << "cell " << i;
        EXPECT_EQ(cell.colour, kNeutralCellColour) << "cell " << i;  // nothing computed yet
      }
      for (int i = 0; i < kMonthGridCells; ++i) {
        EXPECT_EQ(view.Cell(3 - calendar, i), engine_fakes::FakeCell{}) << "the other calendar, cell " << i;
      }
    }
  }
}

TEST(MonthGrid, NamedCellsOfTheExamples) {
  FakeCycleView view;
  LayoutMonthGrid(view, 1, 2011, 5, PhaseTables{}, kColours);
  for (int column = 1; column <= 7; ++column) EXPECT_EQ(view.cells["h1s" + std::to_string(column)].caption, std::to_string(column));
  EXPECT_EQ(view.cells["h5s3"].caption, "31");
  EXPECT_TRUE(view.cells["h5s3"].visible);
  for (const char* hidden : {"h5s4", "h5s5", "h5s6", "h5s7", "h6s1", "h6s2"}) EXPECT_FALSE(view.cells[hidden].visible) << hidden;
  EXPECT_EQ(view.cells["h6s2"].caption, "37");

  LayoutMonthGrid(view, 2, 2011, 6, PhaseTables{}, kColours);
  for (const char* hidden : {"h1s1b", "h1s2b", "h1s3b", "h5s6b", "h5s7b", "h6s1b", "h6s2b"}) {
    EXPECT_FALSE(view.cells[hidden].visible) << hidden;
  }
  EXPECT_EQ(view.cells["h1s4b"].caption, "1");
  EXPECT_EQ(view.cells["h5s5b"].caption, "30");
  EXPECT_TRUE(view.cells["h5s5b"].visible);

  LayoutMonthGrid(view, 1, 2011, 10, PhaseTables{}, kColours);
  EXPECT_EQ(view.cells["h6s1"].caption, "30");
  EXPECT_EQ(view.cells["h6s2"].caption, "31");
  EXPECT_TRUE(view.cells["h6s1"].visible && view.cells["h6s2"].visible);

  LayoutMonthGrid(view, 2, 2015, 2, PhaseTables{}, kColours);
  for (int column = 1; column <= 7; ++column) {
    EXPECT_TRUE(view.cells["h4s" + std::to_string(column) + "b"].visible);
    EXPECT_FALSE(view.cells["h5s" + std::to_string(column) + "b"].visible);
  }
  EXPECT_FALSE(view.cells["h6s1b"].visible || view.cells["h6s2b"].visible);
}

// The expected colours of a month, one letter a day: P period, S safe, O ovulation period,
// D ovulation day, N neutral.
uint32_t ColourOf(char code) {
  switch (code) {
    case 'P': return kColours.period;
    case 'S': return kColours.safe;
    case 'O': return kColours.ovulationPeriod;
    case 'D': return kColours.ovulationDay;
    default: return kNeutralCellColour;
  }
}

void ExpectMonthColours(FakeCycleView& view, int calendar, int offset, const std::string& days) {
  for (int i = 0; i < kMonthGridCells; ++i) {
    const int day = i - offset + 1;
    const bool inMonth = day >= 1 && day <= static_cast<int>(days.size());
    if (inMonth) {
      EXPECT_EQ(view.Cell(calendar, i).colour, ColourOf(days[day - 1])) << "calendar " << calendar << " day " << day;
    } else if (i >= offset) {
      EXPECT_EQ(view.Cell(calendar, i).colour, kNeutralCellColour) << "calendar " << calendar << " cell " << i;
    }
  }
}

TEST(MonthGrid, ColoursOfMayAndJune2011) {
  FakeCycleView view;  // 2011-05-01, cycle 28, period 5
  PhaseTables t;
  ComputeCycle(view, FixedClock(OleDay(2011, 5, 20)), kColours, t);
  ASSERT_TRUE(view.notices.empty());
  ExpectMonthColours(view, 1, 0, "PPPPPSSSSOOOOODOOOOSSSSSSSSSPPP");
  ExpectMonthColours(view, 2, 3, "PPSSSSOOOOODOOOOSSSSSSSSSPPPPP");
  for (int i = 0; i < 3; ++i) EXPECT_EQ(view.Cell(2, i).colour, kNeutralCellColour) << "placeholder \"_\"";
}

TEST(MonthGrid, DecemberAndTheFollowingJanuary) {
  FakeCycleView view;
  view.start = OleDay(2011, 12, 20);
  PhaseTables t;
  ComputeCycle(view, FixedClock(OleDay(2011, 12, 25)), kColours, t);
  ASSERT_TRUE(view.notices.empty());
  ExpectMonthColours(view, 1, 4, "NNNNNNNNNNNNNNNNNNNPPPPPSSSSOOO");  // days before the start are neutral
  ExpectMonthColours(view, 2, 0, "OODOOOOSSSSSSSSSPPPPPSSSSOOOOOD");
  EXPECT_EQ(view.cells["h1s1b"].caption, "1");
  EXPECT_EQ(view.cells["h1s5"].caption, "1");
}

// Hidden cells before the first day are coloured from the captions they kept.
TEST(MonthGrid, HiddenLeadingCellsAreColouredFromTheirOldCaptions) {
  FakeCycleView view;
  view.Cell(2, 0).caption = "12";
  view.Cell(2, 1).caption = "";
  PhaseTables t;
  ComputeCycle(view, FixedClock(OleDay(2011, 5, 20)), kColours, t);
  ASSERT_TRUE(view.notices.empty());
  EXPECT_EQ(view.Cell(2, 0).caption, "12");
  EXPECT_FALSE(view.Cell(2, 0).visible);
  EXPECT_EQ(view.Cell(2, 0).colour, kColours.ovulationDay);  // read as June 12
  EXPECT_EQ(view.Cell(2, 1).colour, kNeutralCellColour);
  EXPECT_EQ(view.Cell(2, 2).colour, kNeutralCellColour);
}

// Every cell, hidden or not, carries the colour DayColour gives for its caption, over the months
// around a computed cycle and with leftover captions in the leading cells.
TEST(MonthGrid, EachCellHasTheColourOfItsCaption) {
  FakeCycleView view;
  view.start = OleDay(2011, 12, 20);
  PhaseTables t;
  ComputeCycle(view, FixedClock(OleDay(2011, 12, 25)), kColours, t);
  ASSERT_TRUE(view.notices.empty());
  for (int calendar : {1, 2}) {
    for (int i = 0; i < 6; ++i) view.Cell(calendar, i).caption = std::to_string(20 + i);  // leftovers
    for (int m = 0; m < 8; ++m) {
      const int year = m < 2 ? 2011 : 2012;
      const int month = m < 2 ? 11 + m : m - 1;
      LayoutMonthGrid(view, calendar, year, month, t, kColours);
      for (int i = 0; i < kMonthGridCells; ++i) {
        const engine_fakes::FakeCell& cell = view.Cell(calendar, i);
        EXPECT_EQ(cell.colour, DayColour(year, month, cell.caption, t, kColours))
            << year << "-" << month << " calendar " << calendar << " cell " << i;
      }
    }
  }
}

TEST(MonthGrid, DayColourOfOneCaption) {
  FakeCycleView view;
  PhaseTables t;
  ComputeCycle(view, FixedClock(OleDay(2011, 5, 20)), kColours, t);
  struct Row {
    int year, month;
    std::string caption;
    uint32_t colour;
  } rows[] = {
      /* 0 */ {2011, 5, "15", kColours.ovulationDay},
      /* 1 */ {2011, 5, "05", kColours.period},
      /* 2 */ {2011, 5, "20", kColours.safe},
      /* 3 */ {2011, 5, "10", kColours.ovulationPeriod},
      /* 4 */ {2011, 4, "30", kNeutralCellColour},
      /* 5 */ {2011, 5, "_", kNeutralCellColour},
      /* 6 */ {2011, 5, "", kNeutralCellColour},
      /* 7 */ {2011, 5, "0", kNeutralCellColour},
      /* 8 */ {2011, 5, "0.00000001", kNeutralCellColour},
      /* 9 */ {2011, 5, "32", kNeutralCellColour},
      /* 10 */ {2011, 6, "31", kNeutralCellColour},
      /* 11 */ {2011, 5, "-3", kNeutralCellColour},
      /* 12 */ {2011, 5, "１５", kNeutralCellColour},  // a number, but no date text
      /* 13 */ {2011, 13, "1", kNeutralCellColour},
      /* 14 */ {2011, 5, "1e309", kNeutralCellColour},
  };
  for (size_t i = 0; i < std::size(rows); ++i) {
    EXPECT_EQ(DayColour(rows[i].year, rows[i].month, rows[i].caption, t, kColours), rows[i].colour) << "row " << i;
  }
}

TEST(MonthGrid, DefaultColours) {
  const PhaseColours defaults;
  EXPECT_EQ(defaults.period, 12632256u);
  EXPECT_EQ(defaults.safe, 57472u);
  EXPECT_EQ(defaults.ovulationPeriod, 33023u);
  EXPECT_EQ(defaults.ovulationDay, 12615935u);
  EXPECT_EQ(kNeutralCellColour, 15527148u);
  FakeCycleView view;
  PhaseTables t;
  ComputeCycle(view, FixedClock(OleDay(2011, 5, 20)), defaults, t);
  EXPECT_EQ(view.cells["h1s1"].colour, 12632256u);
  EXPECT_EQ(view.cells["h1s6"].colour, 57472u);
  EXPECT_EQ(view.cells["h2s3"].colour, 33023u);
  EXPECT_EQ(view.cells["h3s1"].colour, 12615935u);
}

}  // namespace
}  // namespace mirelle
