// Today's phase: the status text, the tray picture, and the bytes of the four icons.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "engine/today_phase.h"
#include "fake_cycle_view.h"

namespace mirelle {
namespace {

using engine_fakes::FakeCycleView;
using engine_fakes::FixedClock;
using engine_fakes::OleDay;
using engine_fakes::OleTime;
using engine_fakes::RecordingTray;

const std::string kTitle = "Mirelle生理周期自测";

PhaseTables WorkedExample() {
  FakeCycleView view;  // 2011-05-01, cycle 28, period 5
  PhaseTables t;
  ComputeCycle(view, FixedClock(OleDay(2011, 5, 1)), PhaseColours{}, t);
  EXPECT_TRUE(view.notices.empty());
  return t;
}

TEST(TodayPhase, StatusTextAndIconOfEachDay) {
  const PhaseTables t = WorkedExample();
  struct Row {
    DateValue now;
    const char* text;
    PhaseIcon icon;
  } rows[] = {
      /* 0 */ {OleDay(2011, 5, 20), "今日处于：排卵后安全期", PhaseIcon::Safe},
      /* 1 */ {OleDay(2011, 5, 3), "今日处于：月经期", PhaseIcon::Period},
      /* 2 */ {OleDay(2011, 5, 8), "今日处于：排卵前安全期", PhaseIcon::Safe},
      /* 3 */ {OleDay(2011, 5, 12), "今日处于：排卵期", PhaseIcon::Ovulation},
      /* 4 */ {OleDay(2011, 5, 15), "今日处于：排卵日", PhaseIcon::Ovulation},
      /* 5 */ {OleDay(2011, 5, 1), "今日处于：月经期", PhaseIcon::Period},  // the last period start itself
      /* 6 */ {OleTime(2011, 5, 15, 23, 59, 59), "今日处于：排卵日", PhaseIcon::Ovulation},
      /* 7 */ {OleTime(2011, 5, 9, 23, 59, 59), "今日处于：排卵前安全期", PhaseIcon::Safe},
      /* 8 */ {OleDay(2011, 4, 30), "今日处于：请先设置", PhaseIcon::NotSet},
      /* 9 */ {OleDay(2011, 8, 26), "今日处于：请先设置", PhaseIcon::NotSet},
  };
  for (size_t i = 0; i < std::size(rows); ++i) {
    RecordingTray tray;
    EXPECT_EQ(UpdateTodayPhase(FixedClock(rows[i].now), t, tray, kTitle), rows[i].text) << "row " << i;
    ASSERT_EQ(tray.calls.size(), 1u) << "row " << i;
    EXPECT_EQ(tray.calls[0].image, &PhaseIconImage(rows[i].icon)) << "row " << i;
    EXPECT_EQ(tray.calls[0].tip, kTitle) << "row " << i;
  }
}

TEST(TodayPhase, EveryPhaseHasItsTextAndIcon) {
  struct Row {
    Phase phase;
    const char* text;
    PhaseIcon icon;
  } rows[] = {
      {Phase::NotSet, "今日处于：请先设置", PhaseIcon::NotSet},
      {Phase::Period, "今日处于：月经期", PhaseIcon::Period},
      {Phase::SafeBefore, "今日处于：排卵前安全期", PhaseIcon::Safe},
      {Phase::OvulationPeriod, "今日处于：排卵期", PhaseIcon::Ovulation},
      {Phase::OvulationDay, "今日处于：排卵日", PhaseIcon::Ovulation},
      {Phase::SafeAfter, "今日处于：排卵后安全期", PhaseIcon::Safe},
  };
  for (const Row& r : rows) {
    EXPECT_STREQ(StatusTextForPhase(r.phase), r.text);
    EXPECT_EQ(IconForPhase(r.phase), r.icon);
  }
  // The texts are GBK bytes: 今日处于：月经期.
  EXPECT_EQ(std::string(StatusTextForPhase(Phase::Period)),
            "\xBD\xF1\xC8\xD5\xB4\xA6\xD3\xDA\xA3\xBA\xD4\xC2\xBE\xAD\xC6\xDA");
}

// Stored inputs that fail a check at start-up: the message, then "please set up first".
TEST(TodayPhase, NothingComputedAsksToSetUp) {
  FakeCycleView view;
  view.start = OleDay(2011, 4, 10);  // 40 days back with cycle 28
  PhaseTables t;
  const FixedClock clock(OleDay(2011, 5, 20));
  ComputeCycle(view, clock, PhaseColours{}, t);
  EXPECT_EQ(view.notices.size(), 1u);
  RecordingTray tray;
  EXPECT_EQ(UpdateTodayPhase(clock, t, tray, kTitle), "今日处于：请先设置");
  ASSERT_EQ(tray.calls.size(), 1u);
  EXPECT_EQ(tray.calls[0].image, &PhaseIconImage(PhaseIcon::NotSet));
  EXPECT_EQ(tray.calls[0].tip, kTitle);
}

TEST(TodayPhase, FailedComputationKeepsTheEarlierTables) {
  FakeCycleView view;
  PhaseTables t;
  ComputeCycle(view, FixedClock(OleDay(2011, 5, 20)), PhaseColours{}, t);
  view.cycleText = "40";
  ComputeCycle(view, FixedClock(OleDay(2011, 5, 20)), PhaseColours{}, t);
  ASSERT_EQ(view.notices.size(), 1u);
  RecordingTray tray;
  EXPECT_EQ(UpdateTodayPhase(FixedClock(OleDay(2011, 5, 20)), t, tray, kTitle), "今日处于：排卵后安全期");
  EXPECT_EQ(UpdateTodayPhase(FixedClock(OleDay(2011, 9, 1)), t, tray, kTitle), "今日处于：请先设置");
}

// ---- The icon files ----

uint32_t Le16(const IconImage& b, size_t at) { return b[at] | b[at + 1] << 8; }
uint32_t Le32(const IconImage& b, size_t at) { return Le16(b, at) | Le16(b, at + 2) << 16; }

constexpr size_t kInfo = 22;
constexpr size_t kPalette = kInfo + 40;
constexpr size_t kColourBits = kPalette + 64;
constexpr size_t kMaskBits = kColourBits + 128;

// Palette index of the pixel at (row, column), row 0 at the top; rows are stored bottom first.
int Pixel(const IconImage& b, int row, int column) {
  const uint8_t pair = b[kColourBits + (15 - row) * 8 + column / 2];
  return column % 2 == 0 ? pair >> 4 : pair & 0x0F;
}
bool Transparent(const IconImage& b, int row, int column) {
  return (b[kMaskBits + (15 - row) * 4 + column / 8] >> (7 - column % 8)) & 1;
}

const PhaseIcon kIcons[] = {PhaseIcon::NotSet, PhaseIcon::Period, PhaseIcon::Safe, PhaseIcon::Ovulation};

TEST(PhaseIcons, HeaderDirectoryAndBitmapHeader) {
  for (PhaseIcon icon : kIcons) {
    const IconImage& b = PhaseIconImage(icon);
    SCOPED_TRACE(static_cast<int>(icon));
    EXPECT_EQ(Le16(b, 0), 0u);
    EXPECT_EQ(Le16(b, 2), 1u);   // icon
    EXPECT_EQ(Le16(b, 4), 1u);   // one image
    EXPECT_EQ(b[6], 16);         // width
    EXPECT_EQ(b[7], 16);         // height
    EXPECT_EQ(b[8], 16);         // colours
    EXPECT_EQ(b[9], 0);
    EXPECT_EQ(Le16(b, 10), 1u);  // planes
    EXPECT_EQ(Le16(b, 12), 4u);  // bits per pixel
    EXPECT_EQ(Le32(b, 14), 296u);
    EXPECT_EQ(Le32(b, 18), 22u);
    EXPECT_EQ(Le32(b, kInfo + 0), 40u);
    EXPECT_EQ(static_cast<int32_t>(Le32(b, kInfo + 4)), 16);
    EXPECT_EQ(static_cast<int32_t>(Le32(b, kInfo + 8)), 32);
    EXPECT_EQ(Le16(b, kInfo + 12), 1u);
    EXPECT_EQ(Le16(b, kInfo + 14), 4u);
    EXPECT_EQ(Le32(b, kInfo + 16), 0u);  // BI_RGB
    EXPECT_EQ(Le32(b, kInfo + 20), 192u);
    EXPECT_EQ(Le32(b, kInfo + 32), 16u);
  }
}

TEST(PhaseIcons, StandardPaletteAsBlueGreenRedQuads) {
  const uint8_t expected[16][4] = {
      {0, 0, 0, 0},     {0, 0, 128, 0},   {0, 128, 0, 0},   {0, 128, 128, 0}, {128, 0, 0, 0},   {128, 0, 128, 0},
      {128, 128, 0, 0}, {192, 192, 192, 0}, {128, 128, 128, 0}, {0, 0, 255, 0}, {0, 255, 0, 0},   {0, 255, 255, 0},
      {255, 0, 0, 0},   {255, 0, 255, 0}, {255, 255, 0, 0}, {255, 255, 255, 0},
  };
  for (PhaseIcon icon : kIcons) {
    EXPECT_EQ(std::memcmp(PhaseIconImage(icon).data() + kPalette, expected, 64), 0) << static_cast<int>(icon);
  }
}

constexpr int kRed = 9;
constexpr int kWhite = 15;

TEST(PhaseIcons, FrameInteriorTransparentColumnAndGlyph) {
  for (PhaseIcon icon : kIcons) {
    const IconImage& b = PhaseIconImage(icon);
    SCOPED_TRACE(static_cast<int>(icon));
    int glyphPixels = 0;
    for (int row = 0; row < 16; ++row) {
      for (int column = 0; column < 16; ++column) {
        const int p = Pixel(b, row, column);
        EXPECT_EQ(Transparent(b, row, column), column == 15) << row << "," << column;
        if (column == 15) {
          EXPECT_EQ(p, 0) << "row " << row << ": black under the mask leaves the screen as it is";
        } else if (row == 0 || row == 15 || column == 0 || column == 14) {
          EXPECT_EQ(p, kRed) << row << "," << column;
        } else if (row >= 2 && row <= 12 && column >= 2 && column <= 12) {
          EXPECT_TRUE(p == kRed || p == kWhite) << row << "," << column;
          glyphPixels += p == kRed;
        } else {
          EXPECT_EQ(p, kWhite) << "margin " << row << "," << column;
        }
      }
    }
    EXPECT_GE(glyphPixels, 25);
    const uint8_t maskRow[4] = {0x00, 0x01, 0x00, 0x00};  // column 15 only, padded to four bytes
    for (int row = 0; row < 16; ++row) EXPECT_EQ(std::memcmp(b.data() + kMaskBits + row * 4, maskRow, 4), 0) << row;
  }
  // Four different pictures.
  for (PhaseIcon a : kIcons) {
    for (PhaseIcon b : kIcons) {
      if (a != b) {
        EXPECT_NE(PhaseIconImage(a), PhaseIconImage(b));
      }
    }
  }
}

}  // namespace
}  // namespace mirelle
