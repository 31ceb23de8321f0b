// How long one press of the compute button takes in the engine: the checks, the prediction, both
// calendars and today's phase; and reading a stored date text.
#include <benchmark/benchmark.h>

#include <array>
#include <string>

#include "engine/cycle.h"
#include "engine/date_value.h"
#include "engine/today_phase.h"

namespace mirelle {
namespace {

// A main window that costs next to nothing: cells are found from their names ("h3s5", "h3s5b")
// by arithmetic rather than by a lookup, so the figures are the engine's own.
class FlatView final : public CycleView {
 public:
  DateValue LastPeriodStart() override { return 40664; }  // 2011-05-01
  std::string CycleText() override { return "28"; }
  std::string PeriodText() override { return "5"; }
  std::string CellCaption(std::string_view cell) override { return captions_[Index(cell)]; }
  void SetCellCaption(std::string_view cell, const std::string& text) override { captions_[Index(cell)] = text; }
  void SetCellVisible(std::string_view cell, bool visible) override { visible_[Index(cell)] = visible; }
  void SetCellColour(std::string_view cell, uint32_t colour) override { colours_[Index(cell)] = colour; }
  void SetGroupCaption(std::string_view, const std::string& text) override { group_ = text; }
  void ShowNotice(const std::string& text) override { notice_ = text; }

  uint32_t Checksum() const { return colours_[10] + colours_[50] + static_cast<uint32_t>(group_.size()); }

 private:
  static size_t Index(std::string_view cell) {
    const size_t calendar = cell.size() == 5 ? 37 : 0;
    return calendar + static_cast<size_t>(cell[1] - '1') * 7 + static_cast<size_t>(cell[3] - '1');
  }
  std::array<std::string, 74> captions_;
  std::array<bool, 74> visible_{};
  std::array<uint32_t, 74> colours_{};
  std::string group_, notice_;
};

class FixedClock final : public Clock {
 public:
  DateValue Now() const override { return 40683.5; }  // 2011-05-20 12:00
};

class NullTray final : public TrayIconSink {
 public:
  void SetTrayIcon(const IconImage& image, const std::string&) override { benchmark::DoNotOptimize(&image); }
};

void BM_ComputeCycleAndTodayPhase(benchmark::State& state) {
  FlatView view;
  const FixedClock clock;
  NullTray tray;
  PhaseTables tables;
  const std::string title = "Mirelle";
  for (auto _ : state) {
    ComputeCycle(view, clock, PhaseColours{}, tables);
    std::string status = UpdateTodayPhase(clock, tables, tray, title);
    benchmark::DoNotOptimize(status);
  }
  benchmark::DoNotOptimize(view.Checksum());
}
BENCHMARK(BM_ComputeCycleAndTodayPhase);

void BM_DateFromText(benchmark::State& state) {
  const std::string text = "2011年5月20日8时30分5秒";
  for (auto _ : state) benchmark::DoNotOptimize(DateFromText(text));
}
BENCHMARK(BM_DateFromText);

void BM_DateToText(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(DateToText(40683.3542245370));
}
BENCHMARK(BM_DateToText);

}  // namespace
}  // namespace mirelle
