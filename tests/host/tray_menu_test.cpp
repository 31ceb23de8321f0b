// The tray icon's menu: the lock, the items, the password change and the exit.
#include <gtest/gtest.h>

#include "host/app_harness.h"

namespace mirelle {
namespace {

using fakes::AppHarness;

class TrayMenuTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(h.StartWith("pw1")); }
  size_t MenusOpened() { return h.Tip()->menus.size(); }
  AppHarness h;
};

TEST_F(TrayMenuTest, EveryIconEventOpensTheMenuAtThePointer) {
  for (TrayEvent event : {TrayEvent::LeftUp, TrayEvent::LeftDoubleClick, TrayEvent::RightUp}) {
    h.app.Tip().OnTray(event);
  }
  ASSERT_EQ(MenusOpened(), 3u);
  const auto& call = h.Tip()->menus.back();
  EXPECT_EQ(call.menu, "托盘菜单");
  EXPECT_EQ(call.at.x, 1195);
  EXPECT_EQ(call.at.y, 995);
  EXPECT_EQ(call.anchor, MenuAnchor::TopRight);
  EXPECT_GT(h.Tip()->broughtToFront, 0);
  const std::vector<std::string_view> items = h.Tip()->form.menus.at(0).items;
  EXPECT_EQ(items, (std::vector<std::string_view>{"显示主窗口", "-", "显示右下角简洁提示", "-", "修改登录密码", "-",
                                                  "锁定托盘菜单", "-", "zi推荐：vodod", "-", "淘宝淘实惠", "-",
                                                  "退出"}));
}

TEST_F(TrayMenuTest, LockAsksForThePasswordUntilItIsGiven) {
  h.app.Tip().OnMenuItem("托盘菜单", "锁定托盘菜单");
  h.desktop.passwords = {std::nullopt, std::string("wrong")};
  h.app.Tip().OnTray(TrayEvent::RightUp);
  h.app.Tip().OnTray(TrayEvent::LeftUp);
  EXPECT_EQ(h.desktop.notices, (std::vector<std::string>{"不键入密码无法使用托盘菜单！", "密码错误！"}));
  EXPECT_EQ(MenusOpened(), 0u);
  EXPECT_TRUE(h.app.Values().trayMenuLocked);

  h.desktop.passwords = {std::string("pw1")};
  h.app.Tip().OnTray(TrayEvent::LeftUp);
  EXPECT_EQ(MenusOpened(), 1u);
  EXPECT_FALSE(h.app.Values().trayMenuLocked);
  h.app.Tip().OnTray(TrayEvent::LeftUp);  // no password any more
  EXPECT_EQ(MenusOpened(), 2u);
  EXPECT_EQ(h.desktop.passwordPrompts.size(), 4u);  // the login and the three tries
}

TEST_F(TrayMenuTest, LockChosenInTheMenuThePasswordOpenedStaysLocked) {
  h.app.Tip().OnMenuItem("托盘菜单", "锁定托盘菜单");
  h.desktop.passwords = {std::string("pw1")};
  h.app.Tip().OnTray(TrayEvent::RightUp);  // the menu opens and closes; its choice arrives after
  h.app.Tip().OnMenuItem("托盘菜单", "锁定托盘菜单");
  EXPECT_TRUE(h.app.Values().trayMenuLocked);
}

TEST_F(TrayMenuTest, PasswordChange) {
  h.desktop.passwords = {std::string("")};
  h.app.Tip().OnMenuItem("托盘菜单", "修改登录密码");
  EXPECT_EQ(h.desktop.notices.back(), "不允许设置空密码！原密码未被更改。");
  EXPECT_EQ(h.Stored("pw"), "pw1");
  EXPECT_EQ(h.desktop.passwordPrompts.back(), "请输入新的登录密码：|修改后请牢记！不允许设置空密码。");

  h.desktop.passwords = {std::nullopt};
  const size_t notices = h.desktop.notices.size();
  h.app.Tip().OnMenuItem("托盘菜单", "修改登录密码");
  EXPECT_EQ(h.desktop.notices.size(), notices);

  h.desktop.passwords = {std::string("新 密码")};
  h.app.Tip().OnMenuItem("托盘菜单", "修改登录密码");
  EXPECT_EQ(h.desktop.notices.back(), "　　登录密码已更改，下次登录时将要求您输入此密码，请牢记！");
  EXPECT_EQ(h.Stored("pw"), "新 密码");
}

TEST_F(TrayMenuTest, FailedPasswordWriteIsReportedAndTheOldOneStays) {
  h.profile.failWrites = true;
  h.desktop.passwords = {std::string("next")};
  h.app.Tip().OnMenuItem("托盘菜单", "修改登录密码");
  EXPECT_EQ(h.desktop.notices.back(), "　　新密码未能保存，原密码未被更改。");
  EXPECT_EQ(h.Stored("pw"), "pw1");
}

TEST_F(TrayMenuTest, ShowItemsReopenTheMainWindowAndShowTheTip) {
  h.Main()->SetText("周期", "30");
  h.app.Tip().OnMenuItem("托盘菜单", "显示主窗口");
  EXPECT_EQ(h.Stored("period"), "30");  // the old window saved its inputs
  ASSERT_NE(h.Main(), nullptr);
  EXPECT_EQ(h.Main()->Text("周期"), "30");
  EXPECT_EQ(h.desktop.windows.size(), 2u);

  h.Tip()->SetVisible("", false);
  h.app.Tip().OnMenuItem("托盘菜单", "显示右下角简洁提示");
  EXPECT_TRUE(h.Tip()->IsVisible(""));
}

TEST_F(TrayMenuTest, ExitSavesTypedInputsRemovesTheIconAndEnds) {
  h.Main()->SetText("行经", "6");
  h.app.Tip().OnMenuItem("托盘菜单", "退出");
  EXPECT_EQ(h.Stored("last"), "6");
  EXPECT_EQ(h.Main(), nullptr);
  EXPECT_FALSE(h.Tip()->trayIcon.has_value());
  EXPECT_TRUE(h.desktop.ended);
}

TEST_F(TrayMenuTest, ChannelItemOpensTheChannelPage) {
  h.app.Tip().OnMenuItem("托盘菜单", "淘宝淘实惠");
  ASSERT_EQ(h.browser.started.size(), 1u);
  EXPECT_EQ(h.browser.started[0],
            " \"http://www.taobao.com/go/chn/tbk_channel/channelcode.php?pid=mm_62738049_0_0&eventid=101329\"");
}

}  // namespace
}  // namespace mirelle
