// Opening web pages: the browser found in the registry, one quoted argument, the clipboard fallback.
#include <gtest/gtest.h>

#include "host/app_fakes.h"
#include "web/page_opener.h"

namespace mirelle {
namespace {

constexpr char kNameKey[] = "SOFTWARE\\Clients\\StartMenuInternet\\";

TEST(PageOpener, AddressChecks) {
  const struct {
    const char* address;
    bool openable;
  } rows[] = {
      {"http://www.taobao.com/x?a=1&b=2", true}, {"HTTPS://example.com/", true},
      {"http://s.taobao.com/search?q=避孕", true}, {"ftp://example.com/", false},
      {"file:///C:/Windows/system32/calc.exe", false}, {"http://a.com/\" --evil", false},
      {"http://a.com/\r\nx", false}, {"http://a.com/\tx", false},
      {"", false}, {"javascript:alert(1)", false},
  };
  for (const auto& row : rows) EXPECT_EQ(IsOpenableAddress(row.address), row.openable) << row.address;
}

TEST(PageOpener, StartsTheRegisteredBrowserWithTheAddressAsOneArgument) {
  fakes::FakeBrowser browser;
  fakes::FakeDesktop desktop;
  browser.registry[kNameKey] = "Firefox";
  browser.registry[std::string(kNameKey) + "Firefox\\shell\\open\\command\\"] = "\"C:\\Fx\\firefox.exe\"";
  PageOpener opener(browser, desktop);
  EXPECT_TRUE(opener.Open("http://a.com/x y"));
  EXPECT_EQ(browser.started, std::vector<std::string>{"\"C:\\Fx\\firefox.exe\" \"http://a.com/x y\""});
  EXPECT_TRUE(desktop.messages.empty());
}

TEST(PageOpener, MissingBrowserPutsTheAddressOnTheClipboard) {
  fakes::FakeBrowser browser;
  fakes::FakeDesktop desktop;
  browser.startSucceeds = false;
  PageOpener opener(browser, desktop);
  EXPECT_TRUE(opener.Open("http://a.com/"));
  // No name registered: the client key IEXPLORE.EXE was looked up, and no command found.
  EXPECT_EQ(browser.lookups.back(), std::string(kNameKey) + "IEXPLORE.EXE\\shell\\open\\command\\");
  EXPECT_EQ(browser.started, std::vector<std::string>{" \"http://a.com/\""});
  EXPECT_EQ(browser.clipboard, "http://a.com/");
  EXPECT_EQ(desktop.messages,
            std::vector<std::string>{"提示：|未发现默认网络浏览器或默认网络浏览器配置错误，该网址已送至剪贴板。"});
}

TEST(PageOpener, RefusedAddressesStartNothing) {
  fakes::FakeBrowser browser;
  fakes::FakeDesktop desktop;
  PageOpener opener(browser, desktop);
  EXPECT_FALSE(opener.Open("cmd.exe /c calc"));
  EXPECT_TRUE(browser.started.empty());
  EXPECT_TRUE(browser.clipboard.empty());
}

}  // namespace
}  // namespace mirelle
