// The one generic Win32 window host: builds a borderless window and its controls from a
// FormSpec and routes their events, by name, to the window's FormHandler.
#pragma once

#include <windows.h>

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "app/window_port.h"
#include "platform/win32/handles_win.h"

namespace mirelle::win {

inline constexpr UINT WMAPP_TRAY = WM_APP + 1;
inline constexpr UINT kTrayIconId = 1;

// An icon from the bytes of an ICO file holding one 16x16 image.
UniqueIcon IconFromImage(const IconImage& image);
// The program's own icon (the "M" of its tray pictures), for its windows and dialogs.
HICON ProgramIcon();

class FormWindow final : public WindowPort {
 public:
  // Creates the window (hidden) and its controls and runs handler.OnCreate inside WM_CREATE.
  // Returns nullptr when the handler refused the creation. The window owns itself and is freed
  // at WM_NCDESTROY.
  static FormWindow* Create(const FormSpec& form, FormHandler& handler, HFONT font);
  // Whether the window is one of the program's forms (for the message loop's key handling).
  static bool IsForm(HWND hwnd);
  // Number of forms still alive.
  static int LiveCount();

  HWND Handle() const { return hwnd_; }

  std::string Text(std::string_view control) const override;
  void SetText(std::string_view control, const std::string& gbk) override;
  void SetBackColour(std::string_view control, uint32_t colour) override;
  void SetVisible(std::string_view control, bool visible) override;
  bool IsVisible(std::string_view control) const override;
  Rect Place(std::string_view control) const override;
  void SetPlace(std::string_view control, const Rect& place) override;
  DateValue DateOf(std::string_view control) const override;
  void SetDate(std::string_view control, DateValue date) override;
  void SetTimer(std::string_view timer, int periodMs) override;
  void SetAlpha(uint8_t alpha) override;
  void PopupMenu(std::string_view menu, Point at, MenuAnchor anchor) override;
  void BringToFront() override;
  void StartDrag() override;
  void SetTrayIcon(const IconImage* image, const std::string& tip) override;
  void Destroy() override;

 private:
  struct Control {
    std::string name;
    ControlKind kind;
    HWND hwnd = nullptr;
    uint32_t back;
    uint32_t fore;
    UniqueBrush brush;
  };

  FormWindow(const FormSpec& form, FormHandler& handler, HFONT font);
  static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam);
  void CreateControls();
  HWND ControlHandle(std::string_view control) const;
  Control* FindControl(std::string_view control);
  const Control* FindControl(std::string_view control) const;
  LRESULT OnControlColour(HDC dc, HWND child);
  void OnCommand(WORD id, WORD code);
  void AddTrayIcon();

  const FormSpec& form_;
  FormHandler& handler_;
  HFONT font_;
  HWND hwnd_ = nullptr;
  std::vector<std::unique_ptr<Control>> controls_;
  std::map<std::string, size_t, std::less<>> byName_;
  std::vector<std::string> timers_;
  UniqueBrush backgroundBrush_;
  UniqueIcon trayIcon_;
  std::wstring trayTip_;
  bool trayAdded_ = false;
};

}  // namespace mirelle::win
