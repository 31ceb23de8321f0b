// The whole program on fakes: a fixed clock, an in-memory mnconfig.ini and a scripted desktop.
#pragma once

#include "host/app_fakes.h"
#include "ui/application.h"
#include "web/page_opener.h"

namespace mirelle::fakes {

inline constexpr char kTipCaption[] = "启动窗口";
inline constexpr char kMainCaption[] = "Mirelle生理周期自测";

struct AppHarness {
  AppHarness() { desktop.profile = &profile; }

  const NativePath configPath = u"C:\\Program Files\\Mirelle\\mnconfig.ini";
  FakeDesktop desktop;
  FakeProfile profile;
  FixedClock clock{40683.5};  // 2011-05-20 12:00, a Friday
  FakeRandom random;
  FakeBrowser browser;
  PageOpener pages{browser, desktop};
  Application app{Services{desktop, profile, clock, random, pages}};

  FakeWindow* Tip() { return desktop.Window(kTipCaption); }
  FakeWindow* Main() { return desktop.Window(kMainCaption); }
  std::optional<std::string> Stored(const std::string& key) const { return profile.Stored(configPath, key); }

  // A stored file with the given password and inputs, then a start answered with that password.
  bool StartWith(const std::string& password, const std::string& period = "28", const std::string& last = "5",
                 const std::string& lastdate = "2011年5月1日") {
    profile.Store(configPath, "pw", password);
    profile.Store(configPath, "period", period);
    profile.Store(configPath, "last", last);
    profile.Store(configPath, "lastdate", lastdate);
    desktop.passwords.push_back(password);
    return app.Start();
  }
};

}  // namespace mirelle::fakes
