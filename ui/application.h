// The whole program above the platform: its values, its windows' logic and how they meet.
#pragma once

#include "app/program.h"
#include "app/startup_window.h"
#include "app/tray_menu.h"
#include "ui/main_window.h"

namespace mirelle {

class Application {
 public:
  explicit Application(Services services);

  // Opens the tip window, whose creation runs the start-up; false when the run ends there.
  bool Start();

  ProgramValues& Values() { return values_; }
  StartupWindow& Tip() { return startup_; }
  MainWindow& Main() { return main_; }
  TrayMenu& Tray() { return tray_; }

 private:
  Services services_;
  ProgramValues values_;
  Settings settings_;
  MainWindow main_;
  StartupWindow startup_;
  TrayMenu tray_;
};

}  // namespace mirelle
