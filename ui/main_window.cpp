#include "ui/main_window.h"

#include <cmath>
#include <vector>

#include "engine/month_grid.h"
#include "engine/number_text.h"
#include "engine/today_phase.h"
#include "web/page_opener.h"
#include "web/web_pages.h"

namespace mirelle {
namespace {

// Controls of the window.
constexpr char kTitleLabel[] = "窗口假上";
constexpr char kLeftEdge[] = "标签_窗口假左";
constexpr char kRightEdge[] = "标签_窗口假右";
constexpr char kBottomLabel[] = "标签_假下并广告";
constexpr char kCloseButton[] = "窗口关闭按钮";
constexpr char kMoreButton[] = "窗口更多按钮";
constexpr char kDateCaption[] = "造访";
constexpr char kDateBox[] = "日期框1";
constexpr char kCycleCaption[] = "莅临";
constexpr char kCycleBox[] = "周期";
constexpr char kPeriodCaption[] = "驻留";
constexpr char kPeriodBox[] = "行经";
constexpr char kComputeButton[] = "超级按钮1";
constexpr char kLegendPeriod[] = "月经期";
constexpr char kLegendSafe[] = "安全期";
constexpr char kLegendOvulationDay[] = "排卵日";
constexpr char kLegendOvulationPeriod[] = "排卵期";

// The "more" menu.
constexpr char kMoreMenu[] = "更多菜单";
constexpr char kItemSettings[] = "设置";
constexpr char kItemSearchPads[] = "淘宝网：卫生护垫";
constexpr char kItemSearchContraception[] = "淘宝网：避孕";
constexpr char kItemSearchBox[] = "zi推荐：vodod";
constexpr char kItemChannel[] = "淘宝淘实惠";
constexpr char kItemCheckUpdate[] = "检查更新";

// Stored settings and their defaults.
constexpr char kDefaultCycle[] = "28";
constexpr char kDefaultPeriod[] = "5";
constexpr char kDefaultCycleCaption[] = "例假周期";
constexpr char kDefaultPeriodCaption[] = "例假持续";
constexpr char kDefaultDateCaption[] = "上次例假";
constexpr char kTitlePrefix[] = "Qumo软件之Mirelle生理周期自测 v1.12 [";

// The painted frame: title bar, edges and bottom line in the program's colour, white text.
constexpr uint32_t kFrameColour = 0x9370DB;  // RGB 219, 112, 147
constexpr uint32_t kFrameText = 0xFFFFFF;

std::vector<ControlSpec> BuildControls() {
  std::vector<ControlSpec> controls = {
      {kTitleLabel, ControlKind::Label, {8, 0, 568, 24}, "", {}, Align::LeftMiddle, kFrameColour, kFrameText},
      {kLeftEdge, ControlKind::Label, {8, 8, 2, 200}, "", {}, Align::Left, kFrameColour},
      {kRightEdge, ControlKind::Label, {8, 8, 2, 200}, "", {}, Align::Left, kFrameColour},
      {kBottomLabel, ControlKind::Label, {-48, 373, 449, 16}, "淘宝淘实惠", {}, Align::Centre, kFrameColour, kFrameText},
      {kCloseButton, ControlKind::PictureButton, {304, 0, 20, 17}, "×", {}, Align::Centre, kFrameColour, kFrameText},
      {kMoreButton, ControlKind::PictureButton, {264, 8, 21, 17}, "▼", {}, Align::Centre, kFrameColour, kFrameText},
      {"分组框2", ControlKind::GroupBox, {17, 34, 306, 84}, ""},
      {kDateCaption, ControlKind::Label, {16, 18, 50, 20}, kDefaultDateCaption, "分组框2", Align::LeftMiddle},
      {kDateBox, ControlKind::DatePicker, {71, 18, 214, 20}, "", "分组框2"},
      {kCycleCaption, ControlKind::Label, {16, 50, 50, 20}, kDefaultCycleCaption, "分组框2", Align::LeftMiddle},
      {kCycleBox, ControlKind::Edit, {71, 50, 28, 20}, kDefaultCycle, "分组框2"},
      {"标签2", ControlKind::Label, {119, 50, 16, 20}, "天", "分组框2", Align::LeftMiddle},
      {"标签25", ControlKind::Label, {147, 50, 9, 20}, "|", "分组框2", Align::LeftMiddle},
      {kPeriodCaption, ControlKind::Label, {170, 50, 50, 20}, kDefaultPeriodCaption, "分组框2", Align::LeftMiddle},
      {kPeriodBox, ControlKind::Edit, {225, 50, 28, 20}, kDefaultPeriod, "分组框2"},
      {"标签4", ControlKind::Label, {273, 50, 16, 20}, "天", "分组框2", Align::LeftMiddle},
      {kComputeButton, ControlKind::Button, {130, 128, 80, 24}, "计算"},
      {"分组框1", ControlKind::GroupBox, {17, 161, 148, 172}, ""},
      {"分组框3", ControlKind::GroupBox, {175, 161, 148, 172}, ""},
      {kLegendPeriod, ControlKind::Label, {19, 333, 60, 16}, "月经期", {}, Align::Centre},
      {kLegendSafe, ControlKind::Label, {99, 333, 60, 16}, "安全期", {}, Align::Centre},
      {kLegendOvulationDay, ControlKind::Label, {180, 333, 60, 16}, "排卵日", {}, Align::Centre},
      {kLegendOvulationPeriod, ControlKind::Label, {260, 333, 60, 16}, "排卵期", {}, Align::Centre},
  };
  // Both calendars: a weekday header row and 37 day cells each, named as the engine names them.
  static const char* const kWeekdays[7] = {"日", "一", "二", "三", "四", "五", "六"};
  // Built once and kept for the program's life: the form's string_views point into it.
  static const std::vector<std::string> names = [] {
    std::vector<std::string> list;
    for (int calendar = 1; calendar <= 2; ++calendar) {
      const std::string suffix = calendar == 1 ? "" : "b";
      for (int column = 0; column < 7; ++column) list.push_back("表头" + std::to_string(column + 1) + suffix);
      for (int i = 0; i < kMonthGridCells; ++i) list.push_back(CellName(calendar, i));
    }
    return list;
  }();
  size_t next = 0;
  for (int calendar = 1; calendar <= 2; ++calendar) {
    const char* group = calendar == 1 ? "分组框1" : "分组框3";
    for (int column = 0; column < 7; ++column) {
      controls.push_back({names[next++], ControlKind::Label, {4 + 20 * column, 24, 20, 16}, kWeekdays[column], group, Align::Centre});
    }
    for (int i = 0; i < kMonthGridCells; ++i) {
      const int row = i / 7, column = i % 7;
      controls.push_back({names[next++], ControlKind::Label, {4 + 20 * column, 44 + 20 * row, 20, 16}, "_", group, Align::Centre});
    }
  }
  return controls;
}

}  // namespace

std::string WeekdayName(DateValue date) {
  static const char* const kNames[8] = {"", "星期天", "星期一", "星期二", "星期三", "星期四", "星期五", "星期六"};
  const int weekday = WeekdayOf(date);
  return weekday >= 1 && weekday <= 7 ? kNames[weekday] : "";
}

std::string FullTitleFor(DateValue now) {
  return std::string(kTitlePrefix) + std::to_string(MonthOf(now)) + "月" + std::to_string(DayOf(now)) + "日/" +
         WeekdayName(now) + "]";
}

uint32_t ColourFromText(const std::string& text) {
  const double value = std::trunc(ReadNumber(text));
  if (!(value > 0)) return 0;  // also NaN
  if (value >= 0xFFFFFF) return 0xFFFFFF;
  return static_cast<uint32_t>(value);
}

MainWindow::MainWindow(Services& services, ProgramValues& values, Settings& settings, StartupWindow& tip)
    : services_(services), values_(values), settings_(settings), tip_(tip) {}

const FormSpec& MainWindow::Form() {
  static const FormSpec form{
      .caption = "Mirelle生理周期自测",
      .designSize = {341, 571},
      .background = 0xECECEC,
      .topmost = false,
      .taskbarButton = true,
      .escapeCloses = true,
      .controls = BuildControls(),
      .menus = {{kMoreMenu,
                 {kItemSettings, "-", kItemSearchPads, "-", kItemSearchContraception, "-", kItemSearchBox, "-",
                  kItemChannel, "-", kItemCheckUpdate}}},
  };
  return form;
}

void MainWindow::Load() {
  DestroyIfOpen();
  services_.desktop.OpenWindow(Form(), *this);
}

void MainWindow::DestroyIfOpen() {
  if (window_ != nullptr) window_->Destroy();
}

bool MainWindow::OnCreate(WindowPort& window) {
  window_ = &window;
  const DateValue now = CurrentDateTime(services_.clock);
  values_.fullTitleText = FullTitleFor(now);

  const Rect legend = window.Place(kLegendOvulationPeriod);
  Rect place = window.Place("");
  place.height = legend.top + legend.height + 18;
  window.SetPlace("", place);

  if (services_.desktop.FileExists(values_.configPath)) {
    LoadStoredInputs();
  } else {
    window.SetText(kCycleBox, kDefaultCycle);
    window.SetText(kPeriodBox, kDefaultPeriod);
    window.SetDate(kDateBox, now);
    window.SetText(kCycleCaption, kDefaultCycleCaption);
    window.SetText(kPeriodCaption, kDefaultPeriodCaption);
    window.SetText(kDateCaption, kDefaultDateCaption);
    window.SetText("", values_.fullTitleText);
  }
  values_.trayTitleText = window.Text("");

  LoadColours();
  window.SetBackColour(kLegendPeriod, values_.phaseColours.period);
  window.SetBackColour(kLegendSafe, values_.phaseColours.safe);
  window.SetBackColour(kLegendOvulationPeriod, values_.phaseColours.ovulationPeriod);
  window.SetBackColour(kLegendOvulationDay, values_.phaseColours.ovulationDay);

  ComputeCycle(*this, services_.clock, values_.phaseColours, values_.phaseTables);
  values_.todayStatusText = UpdateTodayPhase(services_.clock, values_.phaseTables, tip_, values_.trayTitleText);
  if (window_ == nullptr) return false;  // a notice's owner went away meanwhile

  LayoutFrame();
  window.SetText(kTitleLabel, window.Text(""));

  const Size screen = services_.desktop.ScreenSize();
  const Rect final = window.Place("");
  window.SetPlace("", {(screen.width - final.width) / 2, (screen.height - final.height) / 2, final.width,
                       final.height});
  window.SetVisible("", true);
  return true;
}

void MainWindow::LoadStoredInputs() {
  window_->SetText(kCycleBox, settings_.Read("period", kDefaultCycle));
  window_->SetText(kPeriodBox, settings_.Read("last", kDefaultPeriod));
  const std::string today = DateToText(DateOnly(CurrentDateTime(services_.clock)));
  window_->SetDate(kDateBox, DateFromText(settings_.Read("lastdate", today)));
  window_->SetText(kCycleCaption, settings_.Read("periodname", kDefaultCycleCaption));
  window_->SetText(kPeriodCaption, settings_.Read("lastname", kDefaultPeriodCaption));
  window_->SetText(kDateCaption, settings_.Read("lastdatename", kDefaultDateCaption));
  const std::string title = settings_.Read("title", "");
  window_->SetText("", title.empty() ? values_.fullTitleText : title);
}

void MainWindow::LoadColours() {
  const PhaseColours defaults;
  values_.phaseColours.period = ColourFromText(settings_.Read("yjqys", std::to_string(defaults.period)));
  values_.phaseColours.safe = ColourFromText(settings_.Read("aqqys", std::to_string(defaults.safe)));
  values_.phaseColours.ovulationPeriod =
      ColourFromText(settings_.Read("pnqys", std::to_string(defaults.ovulationPeriod)));
  values_.phaseColours.ovulationDay = ColourFromText(settings_.Read("pnrys", std::to_string(defaults.ovulationDay)));
}

void MainWindow::LayoutFrame() {
  const Rect window = window_->Place("");
  const int w = window.width, h = window.height;
  window_->SetPlace(kTitleLabel, {2, 0, w, 24});
  window_->SetPlace(kLeftEdge, {0, 0, 2, h});
  window_->SetPlace(kRightEdge, {w - 2, 0, 2, h});
  window_->SetPlace(kBottomLabel, {0, h - 16, w, 16});
  Rect close = window_->Place(kCloseButton);
  close = {w - close.width - 2, 4, close.width, close.height};
  window_->SetPlace(kCloseButton, close);
  const Rect more = window_->Place(kMoreButton);
  window_->SetPlace(kMoreButton, {close.left - more.width - 2, 4, more.width, more.height});
}

void MainWindow::SaveInputs() {
  if (window_ == nullptr) return;
  settings_.Write("period", window_->Text(kCycleBox));
  settings_.Write("last", window_->Text(kPeriodBox));
  settings_.Write("lastdate", DateToText(DateOnly(window_->DateOf(kDateBox))));
}

void MainWindow::Compute() {
  ComputeCycle(*this, services_.clock, values_.phaseColours, values_.phaseTables);
  SaveInputs();
  values_.todayStatusText = UpdateTodayPhase(services_.clock, values_.phaseTables, tip_, values_.trayTitleText);
  tip_.ShowStatus(values_.todayStatusText);
  tip_.Show();
}

void MainWindow::OnDestroy() {
  SaveInputs();
  window_ = nullptr;
}

void MainWindow::OnClick(std::string_view control) {
  if (control == kComputeButton) Compute();
}

void MainWindow::OnMouseDown(std::string_view control) {
  if (window_ == nullptr) return;
  if (control == kCloseButton) {
    window_->Destroy();
  } else if (control == kMoreButton) {
    const Point cursor = services_.desktop.CursorPos();
    window_->PopupMenu(kMoreMenu, {cursor.x + 3, cursor.y + 3}, MenuAnchor::TopLeft);
  } else if (control == kTitleLabel) {
    window_->StartDrag();
  } else if (control == kBottomLabel) {
    // Until the advertisement arrives from the online information, the label links the channel.
    services_.pages.Open(pages::ChannelPage());
  }
}

void MainWindow::OnMenuItem(std::string_view menu, std::string_view item) {
  if (menu != kMoreMenu) return;
  if (item == kItemSearchPads) {
    services_.pages.Open(pages::SearchPage("卫生护垫"));
  } else if (item == kItemSearchContraception) {
    services_.pages.Open(pages::SearchPage("避孕"));
  } else if (item == kItemChannel) {
    services_.pages.Open(pages::ChannelPage());
  } else if (item == kItemCheckUpdate) {
    services_.pages.Open(pages::MakerHomePage());
  }
  // "设置" and "zi推荐：vodod" open the settings and search box windows once those exist.
}

DateValue MainWindow::LastPeriodStart() { return window_ ? window_->DateOf(kDateBox) : 0; }
std::string MainWindow::CycleText() { return window_ ? window_->Text(kCycleBox) : std::string(); }
std::string MainWindow::PeriodText() { return window_ ? window_->Text(kPeriodBox) : std::string(); }
std::string MainWindow::CellCaption(std::string_view cell) { return window_ ? window_->Text(cell) : std::string(); }
void MainWindow::SetCellCaption(std::string_view cell, const std::string& text) {
  if (window_) window_->SetText(cell, text);
}
void MainWindow::SetCellVisible(std::string_view cell, bool visible) {
  if (window_) window_->SetVisible(cell, visible);
}
void MainWindow::SetCellColour(std::string_view cell, uint32_t colour) {
  if (window_) window_->SetBackColour(cell, colour);
}
void MainWindow::SetGroupCaption(std::string_view group, const std::string& text) {
  if (window_) window_->SetText(group, text);
}
void MainWindow::ShowNotice(const std::string& text) { services_.desktop.ShowNotice(text); }

}  // namespace mirelle
