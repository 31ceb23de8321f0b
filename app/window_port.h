// How the program's logic sees its windows and the desktop. The Win32 layer implements these;
// the host tests use recording fakes.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/config_store.h"
#include "engine/date_value.h"
#include "engine/today_phase.h"

namespace mirelle {

struct Rect {
  int left = 0, top = 0, width = 0, height = 0;
  bool operator==(const Rect&) const = default;
};
struct Point {
  int x = 0, y = 0;
};
struct Size {
  int width = 0, height = 0;
};

enum class ControlKind { Label, Edit, DatePicker, Button, PictureButton, GroupBox };
enum class Align { Left, LeftMiddle, Centre };  // Centre is also vertically centred
inline constexpr uint32_t kFormColour = 0xFFFFFFFFu;  // "use the window's own colour"

// One control of a window's design: place relative to its group box (or to the window).
struct ControlSpec {
  std::string_view name;
  ControlKind kind;
  Rect place;
  std::string_view text;
  std::string_view group = {};  // the group box it stands in, if any
  Align align = Align::Left;
  uint32_t back = kFormColour;  // background colour 0x00BBGGRR
  uint32_t fore = kFormColour;  // text colour
};

struct MenuSpec {
  std::string_view name;
  std::vector<std::string_view> items;  // "-" is a separator line
};

// A window of the program described as data; one generic host builds it.
struct FormSpec {
  std::string_view caption;
  Size designSize;
  uint32_t background = 0;  // 0x00BBGGRR
  uint32_t textColour = 0;
  bool topmost = false;
  bool taskbarButton = true;
  bool escapeCloses = true;
  std::vector<ControlSpec> controls;
  std::vector<MenuSpec> menus;
};

enum class TrayEvent { LeftUp, LeftDoubleClick, RightUp };
enum class MenuAnchor { TopLeft, TopRight };  // which corner of the menu sits at the point

// One live window. The control name "" means the window itself (caption, place, visibility).
class WindowPort {
 public:
  virtual ~WindowPort() = default;
  virtual std::string Text(std::string_view control) const = 0;
  virtual void SetText(std::string_view control, const std::string& gbk) = 0;
  virtual void SetBackColour(std::string_view control, uint32_t colour) = 0;
  virtual void SetVisible(std::string_view control, bool visible) = 0;
  virtual bool IsVisible(std::string_view control) const = 0;
  virtual Rect Place(std::string_view control) const = 0;  // window: screen; control: client
  virtual void SetPlace(std::string_view control, const Rect& place) = 0;
  virtual DateValue DateOf(std::string_view control) const = 0;
  virtual void SetDate(std::string_view control, DateValue date) = 0;
  virtual void SetTimer(std::string_view timer, int periodMs) = 0;  // 0 disarms
  virtual void SetAlpha(uint8_t alpha) = 0;                         // layered, constant opacity
  // Opens a menu of the form; the chosen item arrives later through FormHandler::OnMenuItem.
  virtual void PopupMenu(std::string_view menu, Point at, MenuAnchor anchor) = 0;
  virtual void BringToFront() = 0;
  virtual void StartDrag() = 0;  // moves the window with the mouse, as its caption would
  // Adds or replaces the window's notification-area icon; nullptr removes it. Tip cut at 62 bytes.
  virtual void SetTrayIcon(const IconImage* image, const std::string& tip) = 0;
  virtual void Destroy() = 0;
};

// The events of one window, routed by control, menu and timer names.
class FormHandler {
 public:
  virtual ~FormHandler() = default;
  // Runs inside the window's creation; false ends the creation (the window is not made).
  virtual bool OnCreate(WindowPort& window) = 0;
  // The window is about to be destroyed; the WindowPort is gone after this returns.
  virtual void OnDestroy() {}
  virtual void OnClick(std::string_view /*control*/) {}
  virtual void OnMouseDown(std::string_view /*control*/) {}
  virtual void OnMenuItem(std::string_view /*menu*/, std::string_view /*item*/) {}
  virtual void OnTimer(std::string_view /*timer*/) {}
  virtual void OnTray(TrayEvent /*event*/) {}
};

// What the program asks of the desktop besides its own windows.
class Desktop {
 public:
  virtual ~Desktop() = default;
  // The program's notice: fixed title, OK only, no icon, topmost, modal for the program.
  virtual void ShowNotice(const std::string& text) = 0;
  // A titled message box with OK only, topmost and task-modal.
  virtual void ShowMessage(const std::string& title, const std::string& text) = 0;
  // The masked password dialog; nullopt when cancelled or closed.
  virtual std::optional<std::string> AskPassword(const std::string& title, const std::string& prompt) = 0;
  virtual Size ScreenSize() const = 0;
  virtual int WorkAreaBottom() const = 0;
  virtual Point CursorPos() const = 0;
  virtual bool FileExists(const NativePath& path) const = 0;
  virtual NativePath ExePath() const = 0;
  // Creates a window from its form; handler.OnCreate runs before this returns.
  // nullptr when the creation was refused.
  virtual WindowPort* OpenWindow(const FormSpec& form, FormHandler& handler) = 0;
  // Ends the run with exit code 0 once the current handler returns.
  virtual void EndProgram() = 0;
};

// Random draws; tests fix them.
class RandomSource {
 public:
  virtual ~RandomSource() = default;
  virtual void SeedFromClock() = 0;
  virtual int Between(int low, int high) = 0;  // inclusive, each equally likely
};

}  // namespace mirelle
