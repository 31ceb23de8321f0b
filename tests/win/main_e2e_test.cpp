// velorix.exe end to end: the main window, the tray menu, the password change and lock, the exit,
// and opening web pages, driven through window messages.
#include <gtest/gtest.h>

#include <windows.h>

#include <shellapi.h>

#include "app/config_store.h"
#include "app/startup_window.h"
#include "engine/date_value.h"
#include "engine/month_grid.h"
#include "platform/win32/form_window_win.h"
#include "platform/win32/profile_win.h"
#include "platform/win32/text_win.h"
#include "ui/main_window.h"
#include "win/driver_win.h"

namespace mirelle::test {
namespace {

constexpr wchar_t kTipCaption[] = L"启动窗口";

// The designed tray menu: how many steps down reach an item (separators are skipped).
enum TrayItem { kShowMain = 1, kShowTip, kChangePassword, kLock, kSearchBox, kChannel, kExit };

HWND Control(HWND window, const FormSpec& form, std::string_view name) {
  for (size_t i = 0; i < form.controls.size(); ++i) {
    if (form.controls[i].name == name) return ::GetDlgItem(window, 100 + static_cast<int>(i));
  }
  return nullptr;
}

DateValue Today() {
  SYSTEMTIME now{};
  ::GetLocalTime(&now);
  return DateFromText(std::to_string(now.wYear) + "年" + std::to_string(now.wMonth) + "月" +
                      std::to_string(now.wDay) + "日");
}

class Session {
 public:
  // A folder with mnconfig.ini holding the password and the inputs, and the program logged in.
  Session(const std::string& password, const std::string& period, const std::string& last,
          const std::string& lastdate) {
    Write("pw", password);
    Write("period", period);
    Write("last", last);
    Write("lastdate", lastdate);
    app_ = std::make_unique<Velorix>(folder_);
    app_->AnswerPassword(kLoginTitle, win::Wide(password));
    tip_ = app_->WaitForForm(kTipCaption);
    main_ = WaitForMain();
  }

  void Write(const std::string& key, const std::string& value) {
    store_.WriteSetting(Path(), "general", key, value);
  }
  std::string Read(const std::string& key) { return store_.ReadSetting(Path(), "general", key, "<none>"); }
  NativePath Path() const { return win::NativeFromWide(folder_.File(L"mnconfig.ini")); }

  HWND WaitForMain() {
    return app_->WaitForWindow([&](HWND w) { return ClassOf(w) == L"MirelleForm" && w != tip_; }, true);
  }
  HWND MainControl(std::string_view name) { return Control(main_, MainWindow::Form(), name); }

  // Opens the tray menu as a click on the icon does and chooses the item `steps` down.
  void ChooseTrayItem(int steps) {
    ::PostMessageW(tip_, win::WMAPP_TRAY, win::kTrayIconId, WM_RBUTTONUP);
    ChooseFromOpenMenu(steps);
  }
  bool ChooseFromOpenMenu(int steps) {
    const HWND menu = app_->WaitForWindow([](HWND w) { return ClassOf(w) == L"#32768"; }, true);
    if (menu == nullptr) return false;
    for (int i = 0; i < steps; ++i) ::PostMessageW(menu, WM_KEYDOWN, VK_DOWN, 0);
    ::PostMessageW(menu, WM_KEYDOWN, VK_RETURN, 0);
    if (!WaitFor([&] { return !::IsWindowVisible(menu); })) return false;
    // The program runs the chosen item from a command it posts once the menu has closed; give it
    // that moment, so that the test's next posted event does not overtake the command.
    ::Sleep(200);
    DWORD_PTR ignored = 0;
    ::SendMessageTimeoutW(tip_, WM_NULL, 0, 0, SMTO_NORMAL, 5000, &ignored);
    return true;
  }
  bool MenuIsOpen() {
    for (HWND window : WindowsOf(app_->Id(), true)) {
      if (ClassOf(window) == L"#32768") return true;
    }
    return false;
  }

  TempFolder folder_;
  win::Win32Profile profile_;
  ConfigStore store_{profile_};
  std::unique_ptr<Velorix> app_;
  HWND tip_ = nullptr;
  HWND main_ = nullptr;
};

TEST(MainE2E, StoredInputsGiveTheCentredWindowAndBothCalendars) {
  const DateValue start = AddDays(Today(), -3);
  Session s("pw", "28", "5", DateToText(start));
  ASSERT_NE(s.main_, nullptr);
  RECT rect{};
  ::GetWindowRect(s.main_, &rect);
  EXPECT_EQ(rect.right - rect.left, 341);
  EXPECT_EQ(rect.bottom - rect.top, 367);
  EXPECT_EQ(rect.left, (::GetSystemMetrics(SM_CXSCREEN) - 341) / 2);
  EXPECT_EQ(rect.top, (::GetSystemMetrics(SM_CYSCREEN) - 367) / 2);
  EXPECT_TRUE(::GetWindowLongW(s.main_, GWL_EXSTYLE) & WS_EX_APPWINDOW);

  // Calendar 1: the month of the start, its days in the cells from the weekday of the 1st.
  const int year = YearOf(start), month = MonthOf(start);
  const int offset = WeekdayOf(DateFromText(std::to_string(year) + "年" + std::to_string(month) + "月1日")) - 1;
  const int days = DaysInMonth(year, month);
  for (int i = 0; i < kMonthGridCells; ++i) {
    const HWND cell = s.MainControl(CellName(1, i));
    const bool inMonth = i >= offset && i < offset + days;
    EXPECT_EQ(::IsWindowVisible(cell) != FALSE, inMonth) << i;
    if (inMonth) {
      EXPECT_EQ(WindowText(cell), std::to_wstring(i - offset + 1)) << i;
    }
  }
  EXPECT_EQ(WindowText(s.MainControl("分组框1")), std::to_wstring(month) + L"月");
  EXPECT_EQ(WindowText(s.MainControl("分组框3")), std::to_wstring(MonthOf(AddMonths(start, 1))) + L"月");
  EXPECT_EQ(WindowText(s.MainControl("周期")), L"28");
  // Three days after the start the period goes on.
  EXPECT_NE(Velorix::ChildWithText(s.tip_, L"今日处于：月经期"), nullptr);
}

TEST(MainE2E, ComputeWithACycleOf40ShowsTheNoticeAndStoresIt) {
  Session s("pw", "28", "5", DateToText(AddDays(Today(), -3)));
  ::SendMessageW(s.MainControl("周期"), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"40"));
  ::PostMessageW(s.MainControl("超级按钮1"), BM_CLICK, 0, 0);
  EXPECT_EQ(s.app_->TakeNotice(kNoticeTitle),
            L"　　月经周期一般为26-35天。\r\n　　您的月经周期不在此范围，无法应用本程序为您计算，请注意调理。");
  ASSERT_TRUE(WaitFor([&] { return s.Read("period") == "40"; }));
}

TEST(MainE2E, CloseAndReopenFromTheTrayKeepsTheInputs) {
  Session s("pw", "28", "5", DateToText(AddDays(Today(), -3)));
  ::SendMessageW(s.MainControl("行经"), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"7"));
  const HWND old = s.main_;
  ::PostMessageW(s.MainControl("窗口关闭按钮"), WM_LBUTTONDOWN, MK_LBUTTON, 0);
  ASSERT_TRUE(WaitFor([&] { return !::IsWindow(old); }));
  EXPECT_EQ(s.Read("last"), "7");
  s.ChooseTrayItem(kShowMain);
  s.main_ = s.WaitForMain();
  ASSERT_NE(s.main_, nullptr);
  EXPECT_EQ(WindowText(s.MainControl("行经")), L"7");
}

TEST(MainE2E, ChangedPasswordIsTheOnlyOneTheNextStartAccepts) {
  TempFolder* folder = nullptr;
  {
    Session s("old", "28", "5", DateToText(Today()));
    s.ChooseTrayItem(kChangePassword);
    s.app_->AnswerPassword(L"请输入新的登录密码：", L"新密码");
    EXPECT_EQ(s.app_->TakeNotice(kNoticeTitle), L"　　登录密码已更改，下次登录时将要求您输入此密码，请牢记！");
    s.ChooseTrayItem(kExit);
    EXPECT_EQ(s.app_->WaitForExit(), 0u);
    folder = &s.folder_;
    {
      Velorix again(*folder);
      again.AnswerPassword(kLoginTitle, L"old");
      EXPECT_EQ(again.TakeNotice(kNoticeTitle), L"密码错误！");
      EXPECT_EQ(again.WaitForExit(), 0u);
    }
    Velorix again(*folder);
    again.AnswerPassword(kLoginTitle, L"新密码");
    EXPECT_NE(again.WaitForForm(kTipCaption), nullptr);
  }
}

TEST(MainE2E, LockedTrayMenuAsksForThePassword) {
  Session s("pw", "28", "5", DateToText(Today()));
  s.ChooseTrayItem(kLock);
  ::PostMessageW(s.tip_, win::WMAPP_TRAY, win::kTrayIconId, WM_LBUTTONUP);
  s.app_->CancelPassword(kLoginTitle);
  EXPECT_EQ(s.app_->TakeNotice(kNoticeTitle), L"不键入密码无法使用托盘菜单！");
  EXPECT_FALSE(s.MenuIsOpen());

  ::PostMessageW(s.tip_, win::WMAPP_TRAY, win::kTrayIconId, WM_LBUTTONDBLCLK);
  s.app_->AnswerPassword(kLoginTitle, L"pw");
  ASSERT_TRUE(s.ChooseFromOpenMenu(kShowTip));
  ::PostMessageW(s.tip_, win::WMAPP_TRAY, win::kTrayIconId, WM_RBUTTONUP);  // unlocked now
  EXPECT_TRUE(s.ChooseFromOpenMenu(kShowTip));
}

TEST(MainE2E, ExitEndsWithCodeZeroAndSavesTypedInputs) {
  Session s("pw", "28", "5", DateToText(Today()));
  ::SendMessageW(s.MainControl("周期"), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"31"));
  s.ChooseTrayItem(kExit);
  EXPECT_EQ(s.app_->WaitForExit(), 0u);
  EXPECT_EQ(s.Read("period"), "31");
}

TEST(MainE2E, EscapeClosesTheActiveMainWindowWhichSavesItsInputs) {
  Session s("pw", "28", "5", DateToText(Today()));
  ::SendMessageW(s.MainControl("行经"), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"4"));
  const HWND main = s.main_;
  // Escape closes it only while it is the active window, as the user's own would be.
  ::SetForegroundWindow(main);
  ASSERT_TRUE(WaitFor([&] { return ::GetForegroundWindow() == main; }));
  ::PostMessageW(s.MainControl("周期"), WM_KEYDOWN, VK_ESCAPE, 0);
  ASSERT_TRUE(WaitFor([&] { return !::IsWindow(main); }));
  EXPECT_EQ(s.Read("last"), "4");
  EXPECT_TRUE(::IsWindow(s.tip_));  // the program lives on in the tray
}

TEST(MainE2E, UnreadableStoredDateIsRejectedByTheComputation) {
  TempFolder folder;
  win::Win32Profile profile;
  ConfigStore store(profile);
  const NativePath path = win::NativeFromWide(folder.File(L"mnconfig.ini"));
  store.WriteSetting(path, "general", "pw", "pw");
  store.WriteSetting(path, "general", "lastdate", std::string(20000, '9'));
  Velorix app(folder);
  app.AnswerPassword(kLoginTitle, L"pw");
  EXPECT_EQ(app.TakeNotice(kNoticeTitle), L"按您设置的平均月经周期推算，您设置的上次行经日期有误，请重新设置。");
  const HWND tip = app.WaitForForm(kTipCaption);
  ASSERT_NE(tip, nullptr);
  ASSERT_TRUE(WaitFor([&] { return Velorix::ChildWithText(tip, L"今日处于：请先设置") != nullptr; }));
}

class BrowserE2E : public ::testing::Test {
 protected:
  static constexpr wchar_t kClients[] = L"SOFTWARE\\Clients\\StartMenuInternet";
  void TearDown() override { ::RegDeleteTreeW(HKEY_LOCAL_MACHINE, kClients); }
  static std::wstring ChannelPage() {
    return L"http://www.taobao.com/go/chn/tbk_channel/channelcode.php?pid=mm_62738049_0_0&eventid=101329";
  }
};

TEST_F(BrowserE2E, NoBrowserPutsTheAddressOnTheClipboard) {
  ::RegDeleteTreeW(HKEY_LOCAL_MACHINE, kClients);
  Session s("pw", "28", "5", DateToText(Today()));
  s.ChooseTrayItem(kChannel);
  EXPECT_EQ(s.app_->TakeNotice(L"提示："), L"未发现默认网络浏览器或默认网络浏览器配置错误，该网址已送至剪贴板。");
  ASSERT_TRUE(::OpenClipboard(nullptr));
  const HANDLE data = ::GetClipboardData(CF_UNICODETEXT);
  const std::wstring text = data != nullptr ? static_cast<const wchar_t*>(::GlobalLock(data)) : L"";
  if (data != nullptr) ::GlobalUnlock(data);
  ::CloseClipboard();
  EXPECT_EQ(text, ChannelPage());
}

TEST_F(BrowserE2E, RegisteredBrowserGetsTheAddressAsOneArgument) {
  Session s("pw", "28", "5", DateToText(Today()));
  const std::wstring browser = s.folder_.File(L"browser dir");
  ::CreateDirectoryW(browser.c_str(), nullptr);
  const std::wstring exe = browser + L"\\test_browser.exe";
  ASSERT_TRUE(::CopyFileW(FromUnixPath(TEST_BROWSER_UNIX_PATH).c_str(), exe.c_str(), FALSE));
  const std::wstring command = L"\"" + exe + L"\"";
  ASSERT_EQ(::RegSetKeyValueW(HKEY_LOCAL_MACHINE, kClients, nullptr, REG_SZ, L"TestBrowser", 24), ERROR_SUCCESS);
  ASSERT_EQ(::RegSetKeyValueW(HKEY_LOCAL_MACHINE, L"SOFTWARE\\Clients\\StartMenuInternet\\TestBrowser\\shell\\open\\command",
                              nullptr, REG_SZ, command.c_str(), static_cast<DWORD>((command.size() + 1) * 2)),
            ERROR_SUCCESS);
  s.ChooseTrayItem(kChannel);
  const std::wstring recorded = browser + L"\\browser-args.txt";
  ASSERT_TRUE(WaitFor([&] { return ReadFileBytes(recorded).size() > 0; }));
  const std::string bytes = ReadFileBytes(recorded);
  const std::wstring line(reinterpret_cast<const wchar_t*>(bytes.data()), bytes.size() / 2);
  int count = 0;
  LPWSTR* args = ::CommandLineToArgvW(line.c_str(), &count);
  ASSERT_EQ(count, 2) << win::Gbk(line);
  EXPECT_EQ(std::wstring(args[0]), exe);
  EXPECT_EQ(std::wstring(args[1]), ChannelPage());
  ::LocalFree(args);
}

}  // namespace
}  // namespace mirelle::test
