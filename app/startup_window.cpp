#include "app/startup_window.h"

#include "app/app_texts.h"
#include "app/tray_menu.h"

namespace mirelle {
namespace {

constexpr char kStatusLabel[] = "标签_今日处于";
constexpr char kCloseLabel[] = "×";
constexpr char kCloseLabelName[] = "标签_关闭";
constexpr char kOnlineTimer[] = "时钟_取联机信息";
constexpr char kPasswordKey[] = "pw";

NativePath FileNameOf(const NativePath& path) {
  const size_t slash = path.find_last_of(u"\\/");
  return slash == NativePath::npos ? path : path.substr(slash + 1);
}

NativePath DirectoryOf(const NativePath& path) {
  const size_t slash = path.find_last_of(u"\\/");
  return slash == NativePath::npos ? NativePath() : path.substr(0, slash);
}

}  // namespace

int TaskbarHeight(int screenHeight, int workAreaBottom) {
  const int height = screenHeight - workAreaBottom;
  return height == 0 ? kFallbackTaskbarHeight : height;
}

Rect BottomRightPlace(Size window, Size screen, int taskbarHeight) {
  return Rect{screen.width - window.width - 4, screen.height - window.height - taskbarHeight - 4, window.width,
              window.height};
}

StartupWindow::StartupWindow(Services& services, ProgramValues& values, Settings& settings,
                             MainWindowLoader& mainWindow)
    : services_(services), values_(values), settings_(settings), mainWindow_(mainWindow) {}

const FormSpec& StartupWindow::Form() {
  static const FormSpec form{
      .caption = "启动窗口",
      .designSize = {178, 97},
      .background = 0xC06000,
      .textColour = 0xFFFFFF,
      .topmost = true,
      .taskbarButton = false,
      .escapeCloses = true,
      .controls =
          {
              {kStatusLabel, ControlKind::Label, {2, 2, 174, 22}, "\r\n今日处于"},
              {kCloseLabelName, ControlKind::Label, {164, 7, 12, 11}, kCloseLabel, {}, Align::Centre},
          },
      .menus = {{texts::kTrayMenu,
                 {texts::kItemShowMainWindow, "-", texts::kItemShowTip, "-", texts::kItemChangePassword, "-",
                  texts::kItemLockTrayMenu, "-", texts::kItemSearchBox, "-", texts::kItemChannel, "-",
                  texts::kItemExit}}},
  };
  return form;
}

// The whole start-up runs inside the creation of the tip window; a failed check or login ends
// the program from here, before any other window exists.
bool StartupWindow::OnCreate(WindowPort& window) {
  window_ = &window;
  if (!CheckExeName()) return false;
  values_.configPath = DirectoryOf(services_.desktop.ExePath()) + u"\\" + texts::kConfigFileName;
  if (!Login()) return false;

  const Rect label = window.Place(kStatusLabel);
  Rect place = window.Place("");
  place.height = label.top + label.height + 2;
  window.SetPlace("", place);
  PlaceAtBottomRight();

  mainWindow_.Load();
  if (window_ == nullptr) return false;
  window.SetText(kStatusLabel, values_.todayStatusText);
  window.SetAlpha(kTipAlpha);
  window.SetVisible("", true);

  services_.random.SeedFromClock();
  window.SetTimer(kOnlineTimer, services_.random.Between(10, 15) * 1000);
  // The shopping search box window opens here once it exists.
  values_.trayMenuLocked = false;
  return true;
}

bool StartupWindow::CheckExeName() {
  if (FileNameOf(services_.desktop.ExePath()) == texts::kRequiredExeName) return true;
  services_.desktop.ShowNotice(texts::kNameChanged);
  services_.desktop.EndProgram();
  return false;
}

bool StartupWindow::Login() {
  Desktop& desktop = services_.desktop;
  const bool firstRun = !desktop.FileExists(values_.configPath);
  const std::string prompt = firstRun ? std::string(texts::kFirstRunPromptBefore) + kInitialPassword +
                                            texts::kFirstRunPromptAfter
                                      : std::string(texts::kLoginPrompt);
  const std::optional<std::string> typed = desktop.AskPassword(texts::kLoginTitle, prompt);
  if (!typed) {
    desktop.ShowNotice(texts::kNoPasswordNoLogin);
    desktop.EndProgram();
    return false;
  }
  const std::string expected = firstRun ? std::string(kInitialPassword) : settings_.Read(kPasswordKey, "");
  if (*typed != expected) {
    desktop.ShowNotice(texts::kWrongPassword);
    desktop.EndProgram();
    return false;
  }
  // A failed first-run write is silent: the next start is simply a first run again.
  if (firstRun) settings_.Write(kPasswordKey, kInitialPassword);
  return true;
}

void StartupWindow::PlaceAtBottomRight() {
  if (window_ == nullptr) return;
  const Size screen = services_.desktop.ScreenSize();
  const Rect place = window_->Place("");
  window_->SetPlace("", BottomRightPlace({place.width, place.height}, screen,
                                         TaskbarHeight(screen.height, services_.desktop.WorkAreaBottom())));
}

void StartupWindow::ShowStatus(const std::string& text) {
  if (window_ != nullptr) window_->SetText(kStatusLabel, text);
}

void StartupWindow::Show() {
  if (window_ != nullptr) window_->SetVisible("", true);
}

void StartupWindow::SetTrayIcon(const IconImage& image, const std::string& tip) {
  if (window_ != nullptr) window_->SetTrayIcon(&image, tip);
}

void StartupWindow::RemoveTrayIcon() {
  if (window_ != nullptr) window_->SetTrayIcon(nullptr, {});
}

void StartupWindow::PopupTrayMenu(Point at) {
  if (window_ == nullptr) return;
  window_->BringToFront();
  window_->PopupMenu(texts::kTrayMenu, {at.x - 5, at.y - 5}, MenuAnchor::TopRight);
}

void StartupWindow::OnMouseDown(std::string_view control) {
  if ((control == kStatusLabel || control == kCloseLabelName) && window_ != nullptr) window_->SetVisible("", false);
}

void StartupWindow::OnMenuItem(std::string_view menu, std::string_view item) {
  if (menu == texts::kTrayMenu && trayMenu_ != nullptr) trayMenu_->OnItem(item);
}

void StartupWindow::OnTray(TrayEvent) {
  if (trayMenu_ != nullptr) trayMenu_->OnTrayEvent();
}

}  // namespace mirelle
