// Recording fakes of the desktop, the windows, the INI file, the clock and the browser, so that
// the program's sequences run on the host in milliseconds.
#pragma once

#include <deque>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "app/config_store.h"
#include "app/hex_codec.h"
#include "app/window_port.h"
#include "engine/date_value.h"
#include "host/fake_cycle_view.h"
#include "web/page_opener.h"

namespace mirelle::fakes {

// An INI file in memory with the profile functions' rules: sections and keys in first-written
// order, missing keys give the default, values are cut to the buffer.
class FakeProfile final : public ProfilePort {
 public:
  std::string ReadString(const NativePath& file, const std::string& section, const std::string& key,
                         const std::string& defaultText, size_t bufferSize) override {
    ++reads;
    const auto found = files.find(file);
    if (found == files.end()) return defaultText;
    for (const auto& [name, value] : found->second) {
      if (name == section + "/" + key) return value.substr(0, bufferSize - 1);
    }
    return defaultText;
  }
  bool WriteString(const NativePath& file, const std::string& section, const std::string& key,
                   const std::string& value) override {
    log.push_back(key + "=" + value);
    if (failWrites) return false;
    auto& entries = files[file];
    for (auto& [name, stored] : entries) {
      if (name == section + "/" + key) {
        stored = value;
        return true;
      }
    }
    entries.emplace_back(section + "/" + key, value);
    return true;
  }
  // The decoded value of a key of section "general", or nullopt.
  std::optional<std::string> Stored(const NativePath& file, const std::string& key) const {
    const auto found = files.find(file);
    if (found == files.end()) return std::nullopt;
    for (const auto& [name, value] : found->second) {
      if (name == HexEncode("general") + "/" + HexEncode(key)) return HexDecode(value);
    }
    return std::nullopt;
  }
  void Store(const NativePath& file, const std::string& key, const std::string& value) {
    WriteString(file, HexEncode("general"), HexEncode(key), HexEncode(value));
  }

  std::map<NativePath, std::vector<std::pair<std::string, std::string>>> files;
  std::vector<std::string> log;  // hex key=value of every write, in order
  bool failWrites = false;
  int reads = 0;
};

struct FakeControl {
  ControlKind kind = ControlKind::Label;
  std::string text;
  uint32_t colour = kFormColour;
  bool visible = true;
  Rect place;
  DateValue date = 0;
};

class FakeDesktop;

// A window built from its form, recording every change of its controls.
class FakeWindow final : public WindowPort {
 public:
  FakeWindow(FakeDesktop& desktop, const FormSpec& form, FormHandler& handler);

  std::string Text(std::string_view control) const override { return Get(control).text; }
  void SetText(std::string_view control, const std::string& gbk) override { Get(control).text = gbk; }
  void SetBackColour(std::string_view control, uint32_t colour) override { Get(control).colour = colour; }
  void SetVisible(std::string_view control, bool visible) override { Get(control).visible = visible; }
  bool IsVisible(std::string_view control) const override { return Get(control).visible; }
  Rect Place(std::string_view control) const override { return Get(control).place; }
  void SetPlace(std::string_view control, const Rect& place) override { Get(control).place = place; }
  DateValue DateOf(std::string_view control) const override { return Get(control).date; }
  void SetDate(std::string_view control, DateValue date) override { Get(control).date = date; }
  void SetTimer(std::string_view timer, int periodMs) override { timers[std::string(timer)] = periodMs; }
  void SetAlpha(uint8_t value) override { alpha = value; }
  void PopupMenu(std::string_view menu, Point at, MenuAnchor anchor) override {
    menus.push_back({std::string(menu), at, anchor});
  }
  void BringToFront() override { ++broughtToFront; }
  void StartDrag() override { ++drags; }
  void SetTrayIcon(const IconImage* image, const std::string& tip) override {
    trayIcon = image != nullptr ? std::optional<IconImage>(*image) : std::nullopt;
    trayTip = tip;
  }
  void Destroy() override;

  FakeControl& Get(std::string_view control) { return controls[std::string(control)]; }
  const FakeControl& Get(std::string_view control) const {
    static const FakeControl missing;
    const auto found = controls.find(std::string(control));
    return found == controls.end() ? missing : found->second;
  }

  struct MenuCall {
    std::string menu;
    Point at;
    MenuAnchor anchor;
  };

  FakeDesktop& desktop;
  const FormSpec& form;
  FormHandler& handler;
  std::map<std::string, FakeControl> controls;  // "" is the window itself
  std::map<std::string, int> timers;
  std::optional<uint8_t> alpha;
  std::vector<MenuCall> menus;
  int broughtToFront = 0;
  int drags = 0;
  std::optional<IconImage> trayIcon;
  std::string trayTip;
};

class FakeDesktop final : public Desktop {
 public:
  void ShowNotice(const std::string& text) override {
    notices.push_back(text);
    writesAtNotice.push_back(profile != nullptr ? profile->log.size() : 0);
  }
  void ShowMessage(const std::string& title, const std::string& text) override {
    messages.push_back(title + "|" + text);
  }
  std::optional<std::string> AskPassword(const std::string& title, const std::string& prompt) override {
    passwordPrompts.push_back(title + "|" + prompt);
    if (passwords.empty()) return std::nullopt;
    std::optional<std::string> answer = passwords.front();
    passwords.pop_front();
    return answer;
  }
  Size ScreenSize() const override { return screen; }
  int WorkAreaBottom() const override { return workAreaBottom; }
  Point CursorPos() const override { return cursor; }
  bool FileExists(const NativePath& path) const override { return profile != nullptr && profile->files.count(path); }
  NativePath ExePath() const override { return exePath; }
  WindowPort* OpenWindow(const FormSpec& form, FormHandler& handler) override {
    if (ended) return nullptr;
    auto window = std::make_unique<FakeWindow>(*this, form, handler);
    FakeWindow* raw = window.get();
    windows.push_back(std::move(window));
    if (!handler.OnCreate(*raw)) {
      Forget(raw);
      return nullptr;
    }
    return raw;
  }
  void EndProgram() override { ended = true; }

  // The live window of a form, by its designed caption.
  FakeWindow* Window(std::string_view caption) {
    for (auto& window : windows) {
      if (window->form.caption == caption) return window.get();
    }
    return nullptr;
  }
  void Forget(FakeWindow* window) {
    for (auto it = windows.begin(); it != windows.end(); ++it) {
      if (it->get() == window) {
        windows.erase(it);
        return;
      }
    }
  }

  const FakeProfile* profile = nullptr;  // whose files "exist"
  NativePath exePath = u"C:\\Program Files\\Mirelle\\velorix.exe";
  Size screen{1280, 1024};
  int workAreaBottom = 984;
  Point cursor{1200, 1000};
  std::deque<std::optional<std::string>> passwords;  // nullopt = Cancel
  std::vector<std::string> notices;
  std::vector<size_t> writesAtNotice;  // how many INI writes had happened when each notice showed
  std::vector<std::string> messages;
  std::vector<std::string> passwordPrompts;
  std::vector<std::unique_ptr<FakeWindow>> windows;
  bool ended = false;
};

inline FakeWindow::FakeWindow(FakeDesktop& owner, const FormSpec& design, FormHandler& events)
    : desktop(owner), form(design), handler(events) {
  controls[""] = FakeControl{ControlKind::Label, std::string(design.caption), kFormColour, false,
                             Rect{(owner.screen.width - design.designSize.width) / 2,
                                  (owner.screen.height - design.designSize.height) / 2, design.designSize.width,
                                  design.designSize.height}};
  for (const ControlSpec& control : design.controls) {
    Rect place = control.place;
    for (const ControlSpec& group : design.controls) {
      if (!control.group.empty() && group.name == control.group) {
        place.left += group.place.left;
        place.top += group.place.top;
      }
    }
    controls[std::string(control.name)] = FakeControl{control.kind, std::string(control.text), control.back, true, place};
  }
}

inline void FakeWindow::Destroy() {
  handler.OnDestroy();
  desktop.Forget(this);  // deletes this
}

// The engine tests' fixed clock serves here too.
using engine_fakes::FixedClock;

class FakeRandom final : public RandomSource {
 public:
  void SeedFromClock() override { seeded = true; }
  int Between(int low, int high) override {
    lastLow = low;
    lastHigh = high;
    return draw;
  }
  bool seeded = false;
  int draw = 12;
  int lastLow = 0, lastHigh = 0;
};

class FakeBrowser final : public BrowserPort {
 public:
  std::optional<std::string> ReadMachineString(const std::string& path) override {
    lookups.push_back(path);
    const auto found = registry.find(path);
    return found == registry.end() ? std::nullopt : std::optional<std::string>(found->second);
  }
  bool StartProcess(const std::string& commandLine) override {
    started.push_back(commandLine);
    return startSucceeds;
  }
  bool PutOnClipboard(const std::string& text) override {
    clipboard = text;
    return true;
  }
  std::map<std::string, std::string> registry;
  std::vector<std::string> lookups;
  std::vector<std::string> started;
  bool startSucceeds = true;
  std::string clipboard;
};

}  // namespace mirelle::fakes
