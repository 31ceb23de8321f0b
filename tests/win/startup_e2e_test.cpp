// velorix.exe end to end under the real system: the name check, both login flows and the tip window.
#include <gtest/gtest.h>

#include "win/driver_win.h"

namespace mirelle::test {
namespace {

constexpr char kFreshFile[] = "[67656E6572616C]\r\n7077=353230\r\n";

TEST(StartupE2E, AnotherNameEndsWithTheNameNoticeAndTouchesNoFile) {
  for (const wchar_t* name : {L"Velorix.exe", L"mirelle.exe"}) {
    TempFolder folder;
    Velorix app(folder, name);
    EXPECT_EQ(app.TakeNotice(kNoticeTitle), L"程序名已固定为 velorix.exe ，请勿修改") << name;
    EXPECT_EQ(app.WaitForExit(), 0u);
    EXPECT_FALSE(FileExists(folder.File(L"mnconfig.ini")));
  }
}

TEST(StartupE2E, FirstRunWithTheInitialPasswordCreatesTheFile) {
  TempFolder folder;
  Velorix app(folder);
  const HWND dialog = app.WaitForDialog(kLoginTitle);
  ASSERT_NE(dialog, nullptr);
  EXPECT_EQ(StaticTexts(dialog),
            L"　　初始密码：520。\r\n　　密码可修改。方法为：程序启动后，鼠标右键单击本程序托盘图标，点选修改登录密码，按提示操作。");
  app.AnswerPassword(kLoginTitle, L"520");
  ASSERT_NE(app.WaitForForm(L"启动窗口"), nullptr);
  EXPECT_EQ(ReadFileBytes(folder.File(L"mnconfig.ini")), kFreshFile);
}

TEST(StartupE2E, FailedLoginsEndWithTheirNoticeAndCreateNoFile) {
  const struct {
    const wchar_t* typed;  // nullptr = Cancel
    const wchar_t* notice;
  } rows[] = {{L"521", L"密码错误！"}, {L"", L"密码错误！"}, {nullptr, L"不键入密码无法登录！"}};
  for (const auto& row : rows) {
    TempFolder folder;
    Velorix app(folder);
    if (row.typed != nullptr) {
      app.AnswerPassword(kLoginTitle, row.typed);
    } else {
      app.CancelPassword(kLoginTitle);
    }
    EXPECT_EQ(app.TakeNotice(kNoticeTitle), row.notice);
    EXPECT_EQ(app.WaitForExit(), 0u);
    EXPECT_FALSE(FileExists(folder.File(L"mnconfig.ini")));
  }
}

TEST(StartupE2E, FileWithoutPasswordAcceptsOnlyTheEmptyText) {
  {
    TempFolder folder;
    WriteFileBytes(folder.File(L"mnconfig.ini"), "");
    Velorix app(folder);
    app.AnswerPassword(kLoginTitle, L"");
    EXPECT_NE(app.WaitForForm(L"启动窗口"), nullptr);
    EXPECT_EQ(app.WaitForExit(std::chrono::milliseconds(0)), static_cast<DWORD>(STILL_ACTIVE));
  }
  {
    TempFolder folder;
    WriteFileBytes(folder.File(L"mnconfig.ini"), "");
    Velorix app(folder);
    app.AnswerPassword(kLoginTitle, L"520");
    EXPECT_EQ(app.TakeNotice(kNoticeTitle), L"密码错误！");
    EXPECT_EQ(app.WaitForExit(), 0u);
  }
}

TEST(StartupE2E, TipWindowIsFittedPlacedTopmostAndTranslucent) {
  TempFolder folder;
  Velorix app(folder);
  app.AnswerPassword(kLoginTitle, L"520");
  const HWND tip = app.WaitForForm(L"启动窗口");
  ASSERT_NE(tip, nullptr);
  ASSERT_TRUE(WaitFor([&] { return ::IsWindowVisible(tip) != FALSE; }));
  RECT rect{};
  ::GetWindowRect(tip, &rect);
  RECT work{};
  ::SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
  const int screenWidth = ::GetSystemMetrics(SM_CXSCREEN), screenHeight = ::GetSystemMetrics(SM_CYSCREEN);
  const int taskbar = screenHeight - work.bottom == 0 ? 40 : screenHeight - work.bottom;
  EXPECT_EQ(rect.right - rect.left, 178);
  EXPECT_EQ(rect.bottom - rect.top, 26);
  EXPECT_EQ(rect.left, screenWidth - 178 - 4);
  EXPECT_EQ(rect.top, screenHeight - 26 - taskbar - 4);
  const LONG exStyle = ::GetWindowLongW(tip, GWL_EXSTYLE);
  EXPECT_TRUE(exStyle & WS_EX_TOPMOST);
  EXPECT_TRUE(exStyle & WS_EX_TOOLWINDOW);  // no taskbar button
  EXPECT_FALSE(::GetWindowLongW(tip, GWL_STYLE) & WS_CAPTION);
  BYTE alpha = 0;
  DWORD flags = 0;
  ASSERT_TRUE(::GetLayeredWindowAttributes(tip, nullptr, &alpha, &flags));
  EXPECT_EQ(alpha, 200);
  EXPECT_TRUE(flags & LWA_ALPHA);
  // The first run's last period is today: the label tells the period.
  EXPECT_NE(Velorix::ChildWithText(tip, L"今日处于：月经期"), nullptr);
  EXPECT_NE(Velorix::ChildWithText(tip, L"×"), nullptr);
}

}  // namespace
}  // namespace mirelle::test
