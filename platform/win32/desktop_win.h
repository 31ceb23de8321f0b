// The desktop as the program's logic sees it: notices, the password dialog, the screen, files,
// and the creation of the program's windows.
#pragma once

#include <windows.h>

#include <random>

#include "app/window_port.h"
#include "platform/win32/handles_win.h"

namespace mirelle::win {

class Win32Desktop final : public Desktop {
 public:
  Win32Desktop();

  void ShowNotice(const std::string& text) override;
  void ShowMessage(const std::string& title, const std::string& text) override;
  std::optional<std::string> AskPassword(const std::string& title, const std::string& prompt) override;
  Size ScreenSize() const override;
  int WorkAreaBottom() const override;
  Point CursorPos() const override;
  bool FileExists(const NativePath& path) const override;
  NativePath ExePath() const override;
  WindowPort* OpenWindow(const FormSpec& form, FormHandler& handler) override;
  void EndProgram() override;

  // Runs the message loop until the program ends; returns the exit code.
  int RunMessageLoop();

 private:
  UniqueFont font_;
  bool ending_ = false;
};

class Win32Random final : public RandomSource {
 public:
  void SeedFromClock() override;
  int Between(int low, int high) override;

 private:
  std::mt19937 engine_;
};

// The masked password dialog; nullopt on Cancel or any other way of closing it.
std::optional<std::wstring> ShowPasswordDialog(const std::wstring& title, const std::wstring& prompt);

}  // namespace mirelle::win
