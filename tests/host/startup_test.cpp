// Start-up and login: the name check, both login flows, the fitted and placed tip window.
#include <gtest/gtest.h>

#include "app/startup_window.h"
#include "host/app_harness.h"

namespace mirelle {
namespace {

using fakes::AppHarness;

constexpr char kFirstRunPrompt[] =
    "请输入登录密码：|　　初始密码：520。\r\n"
    "　　密码可修改。方法为：程序启动后，鼠标右键单击本程序托盘图标，点选修改登录密码，按提示操作。";

TEST(StartupName, AnyOtherNameEndsBeforeTheLoginAndTouchesNothing) {
  for (const char16_t* path : {u"C:\\x\\Velorix.exe", u"C:\\x\\velorix.EXE", u"C:\\x\\velorix (2).exe",
                               u"C:\\x\\velorix.exe.exe", u"velorix"}) {
    AppHarness h;
    h.desktop.exePath = path;
    EXPECT_FALSE(h.app.Start());
    EXPECT_EQ(h.desktop.notices, std::vector<std::string>{"程序名已固定为 velorix.exe ，请勿修改"});
    EXPECT_TRUE(h.desktop.ended);
    EXPECT_TRUE(h.desktop.passwordPrompts.empty());
    EXPECT_TRUE(h.profile.log.empty());
    EXPECT_EQ(h.profile.reads, 0);
  }
}

TEST(StartupLogin, FirstRunAcceptsOnlyTheInitialPasswordAndStoresIt) {
  AppHarness h;
  h.desktop.passwords.push_back("520");
  ASSERT_TRUE(h.app.Start());
  EXPECT_EQ(h.desktop.passwordPrompts, std::vector<std::string>{kFirstRunPrompt});
  EXPECT_EQ(h.app.Values().configPath, u"C:\\Program Files\\Mirelle\\mnconfig.ini");
  EXPECT_EQ(h.profile.log.front(), "7077=353230");
  EXPECT_FALSE(h.desktop.ended);
}

TEST(StartupLogin, FailuresEndTheProgramWithTheirNotice) {
  const struct {
    bool fileExists;
    std::optional<std::string> typed;
    const char* notice;
  } rows[] = {
      /* 0 */ {false, std::string(""), "密码错误！"},
      /* 1 */ {false, std::string("521"), "密码错误！"},
      /* 2 */ {false, std::string("520 "), "密码错误！"},
      /* 3 */ {false, std::nullopt, "不键入密码无法登录！"},
      /* 4 */ {true, std::string("Secret"), "密码错误！"},  // stored "secret": letter case counts
      /* 5 */ {true, std::nullopt, "不键入密码无法登录！"},
  };
  for (const auto& row : rows) {
    AppHarness h;
    if (row.fileExists) h.profile.Store(h.configPath, "pw", "secret");
    const size_t writesBefore = h.profile.log.size();
    h.desktop.passwords.push_back(row.typed);
    EXPECT_FALSE(h.app.Start());
    EXPECT_EQ(h.desktop.notices, std::vector<std::string>{row.notice}) << row.notice;
    EXPECT_TRUE(h.desktop.ended);
    EXPECT_EQ(h.profile.log.size(), writesBefore);  // no file created, nothing written
    EXPECT_EQ(h.Main(), nullptr);
  }
}

TEST(StartupLogin, ExistingFileWithoutPasswordAcceptsOnlyTheEmptyText) {
  for (const std::string typed : {"", "520", " "}) {
    AppHarness h;
    h.profile.Store(h.configPath, "period", "28");
    h.desktop.passwords.push_back(typed);
    EXPECT_EQ(h.app.Start(), typed.empty()) << "[" << typed << "]";
    EXPECT_EQ(h.desktop.passwordPrompts.front(), "请输入登录密码：|如忘记密码可与作者联系。作者QQ：407152386。");
  }
}

TEST(StartupLogin, FailedFirstRunWriteIsSilentAndTheStartGoesOn) {
  AppHarness h;
  h.profile.failWrites = true;
  h.desktop.passwords.push_back("520");
  EXPECT_TRUE(h.app.Start());
  EXPECT_TRUE(h.desktop.notices.empty());
}

TEST(StartupTip, FittedPlacedTranslucentVisibleWithTodaysStatus) {
  AppHarness h;
  ASSERT_TRUE(h.StartWith("pw1"));
  fakes::FakeWindow* tip = h.Tip();
  ASSERT_NE(tip, nullptr);
  // Screen 1280x1024, work area ending at 984: a taskbar of 40 at the bottom.
  EXPECT_EQ(tip->Place(""), (Rect{1280 - 178 - 4, 1024 - 26 - 40 - 4, 178, 26}));
  EXPECT_EQ(tip->alpha, std::optional<uint8_t>(200));
  EXPECT_TRUE(tip->IsVisible(""));
  EXPECT_EQ(tip->Text("标签_今日处于"), "今日处于：排卵后安全期");
  EXPECT_TRUE(h.random.seeded);
  EXPECT_EQ(h.random.lastLow, 10);
  EXPECT_EQ(h.random.lastHigh, 15);
  EXPECT_EQ(tip->timers["时钟_取联机信息"], 12000);
  EXPECT_FALSE(h.app.Values().trayMenuLocked);
  ASSERT_NE(h.Main(), nullptr);
}

TEST(StartupTip, PlacementArithmetic) {
  const struct {
    int screenHeight, workAreaBottom, taskbar;
  } heights[] = {{1024, 984, 40}, {1024, 1024, 40}, {768, 738, 30}, {1080, 1032, 48}};
  for (const auto& row : heights) EXPECT_EQ(TaskbarHeight(row.screenHeight, row.workAreaBottom), row.taskbar);
  EXPECT_EQ(BottomRightPlace({178, 26}, {1280, 1024}, 40), (Rect{1098, 954, 178, 26}));
  EXPECT_EQ(BottomRightPlace({178, 26}, {800, 600}, 30), (Rect{618, 540, 178, 26}));
}

TEST(StartupTip, LabelsHideTheTipWhichStaysAlive) {
  AppHarness h;
  ASSERT_TRUE(h.StartWith("pw1"));
  for (const char* label : {"标签_关闭", "标签_今日处于"}) {
    h.Tip()->SetVisible("", true);
    h.app.Tip().OnMouseDown(label);
    EXPECT_FALSE(h.Tip()->IsVisible("")) << label;
  }
  EXPECT_TRUE(h.Tip()->trayIcon.has_value());
}

}  // namespace
}  // namespace mirelle
