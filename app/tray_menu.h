// The tray icon's menu: its password lock, its items and the program's exit.
#pragma once

#include <string_view>

#include "app/program.h"
#include "app/startup_window.h"

namespace mirelle {

class TrayMenu {
 public:
  TrayMenu(Services& services, ProgramValues& values, Settings& settings, StartupWindow& tip,
           MainWindowLoader& mainWindow);

  // Any of the icon's three mouse events: the menu, or first the password while it is locked.
  void OnTrayEvent();
  // An item chosen in the menu, delivered after OnTrayEvent has returned.
  void OnItem(std::string_view item);

 private:
  void ChangePassword();
  void Exit();

  Services& services_;
  ProgramValues& values_;
  Settings& settings_;
  StartupWindow& tip_;
  MainWindowLoader& mainWindow_;
};

}  // namespace mirelle
