// The tip window: start-up and login, the translucent status tip at the bottom right, and the
// owner of the program's tray icon, whose events open the tray menu.
#pragma once

#include <string>

#include "app/program.h"
#include "app/window_port.h"
#include "engine/today_phase.h"

namespace mirelle {

class TrayMenu;

// Loading and closing the main calendar window, as the start-up and the tray menu need it.
class MainWindowLoader {
 public:
  virtual ~MainWindowLoader() = default;
  virtual void Load() = 0;           // creates it (destroying an existing one first)
  virtual void DestroyIfOpen() = 0;  // its destruction saves its inputs
};

inline constexpr char kInitialPassword[] = "520";
inline constexpr uint8_t kTipAlpha = 200;
inline constexpr int kFallbackTaskbarHeight = 40;

int TaskbarHeight(int screenHeight, int workAreaBottom);
// Where a window of the given size goes: 4 px from the right edge, 4 px above the taskbar.
Rect BottomRightPlace(Size window, Size screen, int taskbarHeight);

class StartupWindow final : public FormHandler, public TrayIconSink {
 public:
  StartupWindow(Services& services, ProgramValues& values, Settings& settings, MainWindowLoader& mainWindow);

  static const FormSpec& Form();

  void SetTrayMenu(TrayMenu& menu) { trayMenu_ = &menu; }

  // The label and visibility of the tip; nothing happens once the window is destroyed.
  void ShowStatus(const std::string& text);
  void Show();
  void SetTrayIcon(const IconImage& image, const std::string& tip) override;
  void RemoveTrayIcon();
  void PopupTrayMenu(Point at);
  void PlaceAtBottomRight();

  bool OnCreate(WindowPort& window) override;
  void OnDestroy() override { window_ = nullptr; }
  void OnMouseDown(std::string_view control) override;
  void OnMenuItem(std::string_view menu, std::string_view item) override;
  void OnTray(TrayEvent event) override;

 private:
  bool CheckExeName();
  bool Login();

  Services& services_;
  ProgramValues& values_;
  Settings& settings_;
  MainWindowLoader& mainWindow_;
  TrayMenu* trayMenu_ = nullptr;
  WindowPort* window_ = nullptr;
};

}  // namespace mirelle
