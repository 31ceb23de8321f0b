// The calendar window: creation, saving, the compute sequence and the "more" menu.
#include <gtest/gtest.h>

#include "host/app_harness.h"
#include "ui/main_window.h"

namespace mirelle {
namespace {

using fakes::AppHarness;

TEST(MainWindowCreation, FirstRunShowsDefaultsAndTheFullTitle) {
  AppHarness h;
  h.desktop.passwords.push_back("520");
  ASSERT_TRUE(h.app.Start());
  fakes::FakeWindow* main = h.Main();
  ASSERT_NE(main, nullptr);
  EXPECT_EQ(main->Text("周期"), "28");
  EXPECT_EQ(main->Text("行经"), "5");
  EXPECT_EQ(main->DateOf("日期框1"), 40683.0);  // the login created the file: today by default
  EXPECT_EQ(main->Text("莅临"), "例假周期");
  EXPECT_EQ(main->Text("驻留"), "例假持续");
  EXPECT_EQ(main->Text("造访"), "上次例假");
  const std::string title = "Qumo软件之Mirelle生理周期自测 v1.12 [5月20日/星期五]";
  EXPECT_EQ(main->Text(""), title);
  EXPECT_EQ(main->Text("窗口假上"), title);
  EXPECT_EQ(h.app.Values().trayTitleText, title);
  EXPECT_EQ(h.Tip()->trayTip, title);
  EXPECT_EQ(h.Tip()->Text("标签_今日处于"), "今日处于：月经期");  // today is the default last period start
}

TEST(MainWindowCreation, FinalLayoutIsCentredWithTheFrameAroundIt) {
  AppHarness h;
  ASSERT_TRUE(h.StartWith("pw"));
  fakes::FakeWindow* main = h.Main();
  EXPECT_EQ(main->Place(""), (Rect{(1280 - 341) / 2, (1024 - 367) / 2, 341, 367}));
  EXPECT_EQ(main->Place("窗口关闭按钮"), (Rect{319, 4, 20, 17}));
  EXPECT_EQ(main->Place("窗口更多按钮"), (Rect{296, 4, 21, 17}));
  EXPECT_EQ(main->Place("窗口假上"), (Rect{2, 0, 341, 24}));
  EXPECT_EQ(main->Place("标签_窗口假右"), (Rect{339, 0, 2, 367}));
  EXPECT_EQ(main->Place("标签_假下并广告"), (Rect{0, 351, 341, 16}));
  EXPECT_EQ(main->Text("标签_假下并广告"), "淘宝淘实惠");
  EXPECT_TRUE(main->IsVisible(""));
}

TEST(MainWindowCreation, StoredSettingsFillTheControls) {
  AppHarness h;
  h.profile.Store(h.configPath, "periodname", "周期A");
  h.profile.Store(h.configPath, "lastname", "持续B");
  h.profile.Store(h.configPath, "lastdatename", "上次C");
  h.profile.Store(h.configPath, "title", "我的日历");
  h.profile.Store(h.configPath, "yjqys", "255");
  h.profile.Store(h.configPath, "aqqys", "abc");
  h.profile.Store(h.configPath, "pnqys", "99999999999");
  h.profile.Store(h.configPath, "pnrys", "-5");
  ASSERT_TRUE(h.StartWith("pw", "30", "4", "2011年5月10日"));
  fakes::FakeWindow* main = h.Main();
  EXPECT_EQ(main->Text("周期"), "30");
  EXPECT_EQ(main->Text("行经"), "4");
  EXPECT_EQ(main->DateOf("日期框1"), 40673.0);
  EXPECT_EQ(main->Text("莅临"), "周期A");
  EXPECT_EQ(main->Text("驻留"), "持续B");
  EXPECT_EQ(main->Text("造访"), "上次C");
  EXPECT_EQ(main->Text(""), "我的日历");
  EXPECT_EQ(h.Tip()->trayTip, "我的日历");
  EXPECT_EQ(main->Get("月经期").colour, 255u);
  EXPECT_EQ(main->Get("安全期").colour, 0u);
  EXPECT_EQ(main->Get("排卵期").colour, 0xFFFFFFu);
  EXPECT_EQ(main->Get("排卵日").colour, 0u);
  EXPECT_EQ(main->Text("分组框1"), "5月");
  EXPECT_EQ(main->Text("h2s3"), "10");
  EXPECT_EQ(main->Get("h2s3").colour, 255u);  // the stored period colour reaches the calendar
}

TEST(MainWindowColours, TextsBecomeColourValues) {
  const struct {
    const char* text;
    uint32_t colour;
  } rows[] = {{"12632256", 12632256}, {"57472.9", 57472}, {"", 0},       {"1e300", 0xFFFFFF},
              {"nan", 0},           {"-1", 0},           {"２５５", 255}, {"16777216", 0xFFFFFF}};
  for (const auto& row : rows) EXPECT_EQ(ColourFromText(row.text), row.colour) << row.text;
}

TEST(MainWindowTitle, WeekdayNamesAndTheFullTitle) {
  EXPECT_EQ(WeekdayName(40664), "星期天");  // 2011-05-01
  EXPECT_EQ(WeekdayName(40670), "星期六");
  EXPECT_EQ(FullTitleFor(46365.75), "Qumo软件之Mirelle生理周期自测 v1.12 [12月9日/星期三]");  // 2026-12-09 18:00
}

TEST(MainWindowSave, EveryDestructionSavesTheInputsAsTyped) {
  AppHarness h;
  ASSERT_TRUE(h.StartWith("pw"));
  h.Main()->SetText("周期", "40");
  h.Main()->SetText("行经", "abc");
  h.Main()->SetDate("日期框1", 40670.75);
  h.app.Main().OnMouseDown("窗口关闭按钮");
  EXPECT_EQ(h.Main(), nullptr);
  EXPECT_EQ(h.Stored("period"), "40");
  EXPECT_EQ(h.Stored("last"), "abc");
  EXPECT_EQ(h.Stored("lastdate"), "2011年5月7日");
}

TEST(MainWindowCompute, RunsComputeSaveTodayThenTheTip) {
  AppHarness h;
  ASSERT_TRUE(h.StartWith("pw"));
  h.Tip()->SetVisible("", false);
  h.Main()->SetText("周期", "40");
  h.profile.log.clear();
  h.app.Main().OnClick("超级按钮1");
  // The check's notice came first, then the inputs were stored all the same.
  EXPECT_EQ(h.desktop.notices.back(),
            "　　月经周期一般为26-35天。\r\n　　您的月经周期不在此范围，无法应用本程序为您计算，请注意调理。");
  EXPECT_EQ(h.desktop.writesAtNotice.back(), 0u);
  EXPECT_EQ(h.Stored("period"), "40");
  EXPECT_EQ(h.profile.log.size(), 3u);
  // The earlier tables still cover today, so the tip keeps telling today's phase.
  EXPECT_EQ(h.Tip()->Text("标签_今日处于"), "今日处于：排卵后安全期");
  EXPECT_TRUE(h.Tip()->IsVisible(""));

  h.Main()->SetText("周期", "28");
  h.Main()->SetDate("日期框1", 40682);  // 2011-05-19: today is in the period
  h.app.Main().OnClick("超级按钮1");
  EXPECT_EQ(h.Tip()->Text("标签_今日处于"), "今日处于：月经期");
  EXPECT_EQ(h.Stored("lastdate"), "2011年5月19日");
}

TEST(MainWindowMenu, MoreButtonAndLinks) {
  AppHarness h;
  ASSERT_TRUE(h.StartWith("pw"));
  h.desktop.cursor = {500, 400};
  h.app.Main().OnMouseDown("窗口更多按钮");
  ASSERT_EQ(h.Main()->menus.size(), 1u);
  EXPECT_EQ(h.Main()->menus[0].menu, "更多菜单");
  EXPECT_EQ(h.Main()->menus[0].at.x, 503);
  EXPECT_EQ(h.Main()->menus[0].at.y, 403);
  h.app.Main().OnMouseDown("窗口假上");
  EXPECT_EQ(h.Main()->drags, 1);

  h.app.Main().OnMenuItem("更多菜单", "淘宝网：卫生护垫");
  h.app.Main().OnMenuItem("更多菜单", "淘宝网：避孕");
  h.app.Main().OnMenuItem("更多菜单", "检查更新");
  h.app.Main().OnMouseDown("标签_假下并广告");
  ASSERT_EQ(h.browser.started.size(), 4u);
  EXPECT_EQ(h.browser.started[0], " \"http://s.taobao.com/search?commend=all&pid=mm_62738049_0_0&q=卫生护垫\"");
  EXPECT_EQ(h.browser.started[1], " \"http://s.taobao.com/search?commend=all&pid=mm_62738049_0_0&q=避孕\"");
  EXPECT_EQ(h.browser.started[2], " \"http://www.qumo.com/\"");
  EXPECT_NE(h.browser.started[3].find("channelcode.php"), std::string::npos);
}

}  // namespace
}  // namespace mirelle
