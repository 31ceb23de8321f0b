#include "app/tray_menu.h"

#include "app/app_texts.h"
#include "web/page_opener.h"
#include "web/web_pages.h"

namespace mirelle {
namespace {
constexpr char kPasswordKey[] = "pw";
}

TrayMenu::TrayMenu(Services& services, ProgramValues& values, Settings& settings, StartupWindow& tip,
                   MainWindowLoader& mainWindow)
    : services_(services), values_(values), settings_(settings), tip_(tip), mainWindow_(mainWindow) {}

void TrayMenu::OnTrayEvent() {
  Desktop& desktop = services_.desktop;
  if (!values_.trayMenuLocked) {
    tip_.PopupTrayMenu(desktop.CursorPos());
    return;
  }
  const std::optional<std::string> typed = desktop.AskPassword(texts::kLoginTitle, texts::kLoginPrompt);
  if (!typed) {
    desktop.ShowNotice(texts::kNoPasswordNoTrayMenu);
    return;
  }
  if (*typed != settings_.Read(kPasswordKey, "")) {
    desktop.ShowNotice(texts::kWrongPassword);
    return;
  }
  tip_.PopupTrayMenu(desktop.CursorPos());
  // The menu has closed; its chosen item runs after this, so locking from it stays in force.
  values_.trayMenuLocked = false;
}

void TrayMenu::OnItem(std::string_view item) {
  if (item == texts::kItemShowMainWindow) {
    mainWindow_.Load();
  } else if (item == texts::kItemShowTip) {
    tip_.Show();
  } else if (item == texts::kItemChangePassword) {
    ChangePassword();
  } else if (item == texts::kItemLockTrayMenu) {
    values_.trayMenuLocked = true;
  } else if (item == texts::kItemChannel) {
    services_.pages.Open(pages::ChannelPage());
  } else if (item == texts::kItemExit) {
    Exit();
  }
  // "zi推荐：vodod" opens the shopping search box window once that window exists.
}

// The new password counts only once it reads back from the file: a lost write must not be
// reported as a change, since the next login would then refuse the password just announced.
void TrayMenu::ChangePassword() {
  Desktop& desktop = services_.desktop;
  const std::optional<std::string> typed = desktop.AskPassword(texts::kNewPasswordTitle, texts::kNewPasswordPrompt);
  if (!typed) return;
  if (typed->empty()) {
    desktop.ShowNotice(texts::kEmptyPasswordRefused);
    return;
  }
  settings_.Write(kPasswordKey, *typed);
  if (settings_.Read(kPasswordKey, "") == *typed) {
    desktop.ShowNotice(texts::kPasswordChanged);
  } else {
    desktop.ShowNotice(texts::kPasswordNotSaved);
  }
}

// The main window is destroyed (saving its inputs) before the program's values are released.
void TrayMenu::Exit() {
  // The shopping search box window is closed here, in order, once it exists.
  tip_.RemoveTrayIcon();
  mainWindow_.DestroyIfOpen();
  services_.desktop.EndProgram();
}

}  // namespace mirelle
