// Test doubles for the cycle engine: a main window that remembers what was written to it, fixed
// clocks, a tray that records the icons it is given, and date helpers independent of the engine.
#pragma once

#include <gtest/gtest.h>

#include <chrono>
#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "engine/cycle.h"
#include "engine/today_phase.h"

namespace mirelle::engine_fakes {

// OLE day number of a civil date, computed with <chrono> rather than with the engine.
inline DateValue OleDay(int year, unsigned month, unsigned day) {
  using namespace std::chrono;
  return static_cast<DateValue>(sys_days{std::chrono::year{year} / month / day}.time_since_epoch().count() + 25569);
}

inline DateValue OleTime(int year, unsigned month, unsigned day, int hour, int minute = 0, int second = 0) {
  return OleDay(year, month, day) + (hour * 3600 + minute * 60 + second) / 86400.0;
}

// Colour a cell has before the engine has written any: proves "left untouched".
inline constexpr uint32_t kUnwrittenColour = 0xDEADBEEF;

struct FakeCell {
  std::string caption = "_";  // the form's placeholder
  bool visible = true;
  uint32_t colour = kUnwrittenColour;
  friend bool operator==(const FakeCell&, const FakeCell&) = default;
};

// The main window as the engine sees it. The cell table is built from the form's naming scheme
// here, independently of the engine, and a write to any other name fails the test.
class FakeCycleView : public CycleView {
 public:
  DateValue start = OleDay(2011, 5, 1);
  std::string cycleText = "28";
  std::string periodText = "5";

  std::map<std::string, FakeCell, std::less<>> cells;
  std::map<std::string, std::string, std::less<>> groups{{"分组框1", "分组框1"}, {"分组框3", "分组框3"}};
  std::vector<std::string> notices;

  FakeCycleView() {
    for (const char* suffix : {"", "b"}) {
      for (int row = 1; row <= 5; ++row) {
        for (int column = 1; column <= 7; ++column) cells[Name(row, column, suffix)] = {};
      }
      cells[Name(6, 1, suffix)] = {};
      cells[Name(6, 2, suffix)] = {};
    }
  }

  static std::string Name(int row, int column, const char* suffix) {
    return "h" + std::to_string(row) + "s" + std::to_string(column) + suffix;
  }

  // Cell i of a calendar, in row-major order, Sunday first.
  FakeCell& Cell(int calendar, int index) {
    return cells.at(Name(index / 7 + 1, index % 7 + 1, calendar == 2 ? "b" : ""));
  }

  DateValue LastPeriodStart() override { return start; }
  std::string CycleText() override { return cycleText; }
  std::string PeriodText() override { return periodText; }
  std::string CellCaption(std::string_view cell) override { return Find(cell).caption; }
  void SetCellCaption(std::string_view cell, const std::string& text) override { Find(cell).caption = text; }
  void SetCellVisible(std::string_view cell, bool visible) override { Find(cell).visible = visible; }
  void SetCellColour(std::string_view cell, uint32_t colour) override { Find(cell).colour = colour; }
  void SetGroupCaption(std::string_view group, const std::string& text) override {
    auto it = groups.find(group);
    if (it == groups.end()) {
      ADD_FAILURE() << "unknown group box " << group;
      return;
    }
    it->second = text;
  }
  void ShowNotice(const std::string& text) override { notices.push_back(text); }

 private:
  FakeCell& Find(std::string_view cell) {
    auto it = cells.find(cell);
    if (it == cells.end()) {
      ADD_FAILURE() << "unknown cell " << cell;
      static FakeCell sink;
      return sink;
    }
    return it->second;
  }
};

// A view that takes the calendar writes without keeping them, for loops over many computations.
class DiscardingCycleView : public CycleView {
 public:
  DateValue start = 0;
  std::string cycleText;
  std::string periodText;
  int notices = 0;

  DateValue LastPeriodStart() override { return start; }
  std::string CycleText() override { return cycleText; }
  std::string PeriodText() override { return periodText; }
  std::string CellCaption(std::string_view) override { return "_"; }
  void SetCellCaption(std::string_view, const std::string&) override {}
  void SetCellVisible(std::string_view, bool) override {}
  void SetCellColour(std::string_view, uint32_t) override {}
  void SetGroupCaption(std::string_view, const std::string&) override {}
  void ShowNotice(const std::string&) override { ++notices; }
};

class FixedClock : public Clock {
 public:
  explicit FixedClock(DateValue now) : now(now) {}
  DateValue Now() const override { return now; }
  DateValue now;
};

// Gives its readings one after the other (the last one repeats).
class SequenceClock : public Clock {
 public:
  explicit SequenceClock(std::vector<DateValue> readings) : readings_(std::move(readings)) {}
  DateValue Now() const override {
    const DateValue v = readings_.at(next_ < readings_.size() ? next_ : readings_.size() - 1);
    ++next_;
    return v;
  }
  size_t Reads() const { return next_; }

 private:
  std::vector<DateValue> readings_;
  mutable size_t next_ = 0;
};

struct RecordingTray : TrayIconSink {
  struct Call {
    const IconImage* image;
    std::string tip;
  };
  std::vector<Call> calls;
  void SetTrayIcon(const IconImage& image, const std::string& tip) override { calls.push_back({&image, tip}); }
};

}  // namespace mirelle::engine_fakes
