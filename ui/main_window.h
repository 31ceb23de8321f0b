// The calendar window: the three inputs, both month calendars, the legend, the compute button,
// the painted frame and the "more" menu.
#pragma once

#include <string>
#include <string_view>

#include "app/program.h"
#include "app/startup_window.h"
#include "engine/cycle.h"

namespace mirelle {

// "星期天" .. "星期六" for WeekdayOf 1..7.
std::string WeekdayName(DateValue date);
// "Qumo软件之Mirelle生理周期自测 v1.12 [12月9日/星期三]" for the given moment.
std::string FullTitleFor(DateValue now);
// A stored colour text as a colour value: read as a number, truncated, kept within 0..0xFFFFFF.
uint32_t ColourFromText(const std::string& text);

class MainWindow final : public FormHandler, public CycleView, public MainWindowLoader {
 public:
  MainWindow(Services& services, ProgramValues& values, Settings& settings, StartupWindow& tip);

  static const FormSpec& Form();

  // MainWindowLoader: at most one main window exists; every destruction saves the inputs.
  void Load() override;
  void DestroyIfOpen() override;

  void SaveInputs();

  bool OnCreate(WindowPort& window) override;
  void OnDestroy() override;
  void OnClick(std::string_view control) override;
  void OnMouseDown(std::string_view control) override;
  void OnMenuItem(std::string_view menu, std::string_view item) override;

  // CycleView: the engine's access to the inputs and the calendar cells.
  DateValue LastPeriodStart() override;
  std::string CycleText() override;
  std::string PeriodText() override;
  std::string CellCaption(std::string_view cell) override;
  void SetCellCaption(std::string_view cell, const std::string& text) override;
  void SetCellVisible(std::string_view cell, bool visible) override;
  void SetCellColour(std::string_view cell, uint32_t colour) override;
  void SetGroupCaption(std::string_view group, const std::string& text) override;
  void ShowNotice(const std::string& text) override;

 private:
  void LoadStoredInputs();
  void LoadColours();
  void LayoutFrame();
  void Compute();

  Services& services_;
  ProgramValues& values_;
  Settings& settings_;
  StartupWindow& tip_;
  WindowPort* window_ = nullptr;
};

}  // namespace mirelle
