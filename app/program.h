// The values the whole program shares, and the services its windows use.
#pragma once

#include <string>

#include "app/config_store.h"
#include "app/window_port.h"
#include "engine/cycle.h"
#include "engine/date_value.h"

namespace mirelle {

class PageOpener;

// Program-wide values: one object, owned by the program, released at its end.
struct ProgramValues {
  NativePath configPath;
  bool trayMenuLocked = false;
  std::string todayStatusText;
  std::string trayTitleText;
  std::string fullTitleText;
  PhaseColours phaseColours;
  PhaseTables phaseTables;
};

struct Services {
  Desktop& desktop;
  ProfilePort& profile;
  const Clock& clock;
  RandomSource& random;
  PageOpener& pages;
};

// ConfigStore bound to the program's file and its one section.
class Settings {
 public:
  Settings(ProfilePort& profile, const ProgramValues& values) : store_(profile), values_(values) {}
  std::string Read(const std::string& key, const std::string& defaultText) const {
    return store_.ReadSetting(values_.configPath, kGeneralSection, key, defaultText);
  }
  bool Write(const std::string& key, const std::string& value) const {
    return store_.WriteSetting(values_.configPath, kGeneralSection, key, value);
  }

 private:
  ConfigStore store_;
  const ProgramValues& values_;
};

}  // namespace mirelle
