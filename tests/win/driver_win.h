// Drives a real velorix.exe from a test: a fresh folder, the process, its windows and dialogs,
// all through window messages.
#pragma once

#include <windows.h>

#include <chrono>
#include <functional>
#include <string>
#include <vector>

namespace mirelle::test {

// A Unix path of the build (as CMake knows it) in the form Wine gives it.
std::wstring FromUnixPath(const char* unixPath);
std::string ReadFileBytes(const std::wstring& path);
void WriteFileBytes(const std::wstring& path, const std::string& bytes);
bool FileExists(const std::wstring& path);

// Polls until the predicate holds or the time runs out.
bool WaitFor(const std::function<bool()>& predicate, std::chrono::milliseconds timeout = std::chrono::seconds(30));

// A new empty folder under the temporary folder, removed with all its files at the end.
class TempFolder {
 public:
  TempFolder();
  ~TempFolder();
  const std::wstring& Path() const { return path_; }
  std::wstring File(const std::wstring& name) const { return path_ + L"\\" + name; }

 private:
  std::wstring path_;
};

// The top-level windows of a process.
std::vector<HWND> WindowsOf(DWORD processId, bool visibleOnly);
std::wstring WindowText(HWND window);
std::wstring ClassOf(HWND window);
// The text of a message box's (or dialog's) static controls, joined.
std::wstring StaticTexts(HWND dialog);

class Velorix {
 public:
  // Copies velorix.exe into the folder under the given name and starts it there.
  Velorix(const TempFolder& folder, const std::wstring& exeName = L"velorix.exe");
  ~Velorix();
  Velorix(const Velorix&) = delete;
  Velorix& operator=(const Velorix&) = delete;

  DWORD Id() const { return info_.dwProcessId; }
  // The first top-level window of the process that matches, waited for; nullptr on time-out.
  HWND WaitForWindow(const std::function<bool(HWND)>& matches, bool visibleOnly,
                     std::chrono::milliseconds timeout = std::chrono::seconds(30));
  // A dialog (#32770) of the process with this title, waited for.
  HWND WaitForDialog(const std::wstring& title, std::chrono::milliseconds timeout = std::chrono::seconds(30));
  // A top-level window of our form class with this caption.
  HWND WaitForForm(const std::wstring& caption, std::chrono::milliseconds timeout = std::chrono::seconds(30));
  // The notice box currently shown: its text; closes it with OK.
  std::wstring TakeNotice(const std::wstring& title);
  // Answers the password dialog with the given title.
  void AnswerPassword(const std::wstring& title, const std::wstring& password);
  void CancelPassword(const std::wstring& title);
  // Waits for the end of the process; its exit code, or STILL_ACTIVE on time-out.
  DWORD WaitForExit(std::chrono::milliseconds timeout = std::chrono::seconds(30));
  // Finds a child control of a window by its text.
  static HWND ChildWithText(HWND parent, const std::wstring& text);

 private:
  PROCESS_INFORMATION info_{};
};

inline constexpr wchar_t kNoticeTitle[] = L"Qumo软件之Mirelle生理周期自测";
inline constexpr wchar_t kLoginTitle[] = L"请输入登录密码：";

}  // namespace mirelle::test
