#include "ui/application.h"

namespace mirelle {

Application::Application(Services services)
    : services_(services),
      settings_(services_.profile, values_),
      main_(services_, values_, settings_, startup_),
      startup_(services_, values_, settings_, main_),
      tray_(services_, values_, settings_, startup_, main_) {
  startup_.SetTrayMenu(tray_);
}

bool Application::Start() { return services_.desktop.OpenWindow(StartupWindow::Form(), startup_) != nullptr; }

}  // namespace mirelle
