#include "win/driver_win.h"

#include <shellapi.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <thread>

namespace mirelle::test {

std::wstring FromUnixPath(const char* unixPath) {
  std::wstring path = L"Z:";
  for (const char* c = unixPath; *c != '\0'; ++c) path.push_back(*c == '/' ? L'\\' : static_cast<wchar_t>(*c));
  return path;
}

std::string ReadFileBytes(const std::wstring& path) {
  std::ifstream in(std::filesystem::path(path), std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void WriteFileBytes(const std::wstring& path, const std::string& bytes) {
  std::ofstream out(std::filesystem::path(path), std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

bool FileExists(const std::wstring& path) { return ::GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

bool WaitFor(const std::function<bool()>& predicate, std::chrono::milliseconds timeout) {
  const auto deadline = std::chrono::steady_clock::now() + timeout;
  while (!predicate()) {
    if (std::chrono::steady_clock::now() > deadline) return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
  return true;
}

TempFolder::TempFolder() {
  wchar_t base[MAX_PATH];
  ::GetTempPathW(MAX_PATH, base);
  static int counter = 0;
  for (;;) {
    path_ = std::wstring(base) + L"velorix-test-" + std::to_wstring(::GetCurrentProcessId()) + L"-" +
            std::to_wstring(++counter);
    if (::CreateDirectoryW(path_.c_str(), nullptr)) break;
  }
}

TempFolder::~TempFolder() {
  std::wstring from = path_;
  from.push_back(L'\0');  // the list ends with a second zero
  SHFILEOPSTRUCTW operation{};
  operation.wFunc = FO_DELETE;
  operation.pFrom = from.c_str();
  operation.fFlags = FOF_NO_UI;
  ::SHFileOperationW(&operation);
}

namespace {
struct EnumArgs {
  DWORD processId;
  bool visibleOnly;
  std::vector<HWND>* out;
};
BOOL CALLBACK CollectWindow(HWND window, LPARAM param) {
  auto* args = reinterpret_cast<EnumArgs*>(param);
  DWORD owner = 0;
  ::GetWindowThreadProcessId(window, &owner);
  if (owner == args->processId && (!args->visibleOnly || ::IsWindowVisible(window))) args->out->push_back(window);
  return TRUE;
}
BOOL CALLBACK CollectStatic(HWND child, LPARAM param) {
  if (ClassOf(child) == L"Static") {
    auto* text = reinterpret_cast<std::wstring*>(param);
    const std::wstring part = WindowText(child);
    if (!part.empty()) *text += part;
  }
  return TRUE;
}
struct FindArgs {
  std::wstring text;
  HWND found = nullptr;
};
BOOL CALLBACK FindChild(HWND child, LPARAM param) {
  auto* args = reinterpret_cast<FindArgs*>(param);
  if (WindowText(child) == args->text) {
    args->found = child;
    return FALSE;
  }
  return TRUE;
}
}  // namespace

std::vector<HWND> WindowsOf(DWORD processId, bool visibleOnly) {
  std::vector<HWND> windows;
  EnumArgs args{processId, visibleOnly, &windows};
  ::EnumWindows(&CollectWindow, reinterpret_cast<LPARAM>(&args));
  return windows;
}

std::wstring WindowText(HWND window) {
  // GetWindowText does not ask a control of another process; WM_GETTEXT does.
  wchar_t text[4096] = {};
  DWORD_PTR copied = 0;
  ::SendMessageTimeoutW(window, WM_GETTEXT, 4096, reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG, 2000, &copied);
  return text;
}

std::wstring ClassOf(HWND window) {
  wchar_t name[256] = {};
  ::GetClassNameW(window, name, 256);
  std::wstring result = name;
  // Class names compare without regard to case ("STATIC" and "Static").
  if (_wcsicmp(name, L"static") == 0) result = L"Static";
  return result;
}

std::wstring StaticTexts(HWND dialog) {
  std::wstring text;
  ::EnumChildWindows(dialog, &CollectStatic, reinterpret_cast<LPARAM>(&text));
  return text;
}

Velorix::Velorix(const TempFolder& folder, const std::wstring& exeName) {
  const std::wstring target = folder.File(exeName);
  ::CopyFileW(FromUnixPath(VELORIX_EXE_UNIX_PATH).c_str(), target.c_str(), FALSE);
  std::wstring command = L"\"" + target + L"\"";
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  ::CreateProcessW(target.c_str(), command.data(), nullptr, nullptr, FALSE, 0, nullptr, folder.Path().c_str(), &startup,
                   &info_);
}

Velorix::~Velorix() {
  if (info_.hProcess != nullptr) {
    if (::WaitForSingleObject(info_.hProcess, 0) == WAIT_TIMEOUT) {
      ::TerminateProcess(info_.hProcess, 99);
      ::WaitForSingleObject(info_.hProcess, 5000);
    }
    ::CloseHandle(info_.hProcess);
    ::CloseHandle(info_.hThread);
  }
}

HWND Velorix::WaitForWindow(const std::function<bool(HWND)>& matches, bool visibleOnly,
                            std::chrono::milliseconds timeout) {
  HWND found = nullptr;
  WaitFor(
      [&] {
        for (HWND window : WindowsOf(Id(), visibleOnly)) {
          if (matches(window)) {
            found = window;
            return true;
          }
        }
        return false;
      },
      timeout);
  return found;
}

HWND Velorix::WaitForDialog(const std::wstring& title, std::chrono::milliseconds timeout) {
  return WaitForWindow([&](HWND w) { return ClassOf(w) == L"#32770" && WindowText(w) == title; }, true, timeout);
}

HWND Velorix::WaitForForm(const std::wstring& caption, std::chrono::milliseconds timeout) {
  return WaitForWindow([&](HWND w) { return ClassOf(w) == L"MirelleForm" && WindowText(w) == caption; }, false,
                       timeout);
}

std::wstring Velorix::TakeNotice(const std::wstring& title) {
  const HWND box = WaitForDialog(title);
  if (box == nullptr) return L"<no notice>";
  const std::wstring text = StaticTexts(box);
  ::PostMessageW(box, WM_COMMAND, IDOK, 0);
  WaitFor([&] { return !::IsWindow(box); });
  return text;
}

void Velorix::AnswerPassword(const std::wstring& title, const std::wstring& password) {
  const HWND dialog = WaitForDialog(title);
  if (dialog == nullptr) return;
  ::SetDlgItemTextW(dialog, 101, password.c_str());
  ::PostMessageW(dialog, WM_COMMAND, IDOK, 0);
  WaitFor([&] { return !::IsWindow(dialog); });
}

void Velorix::CancelPassword(const std::wstring& title) {
  const HWND dialog = WaitForDialog(title);
  if (dialog == nullptr) return;
  ::PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
  WaitFor([&] { return !::IsWindow(dialog); });
}

DWORD Velorix::WaitForExit(std::chrono::milliseconds timeout) {
  if (::WaitForSingleObject(info_.hProcess, static_cast<DWORD>(timeout.count())) != WAIT_OBJECT_0) return STILL_ACTIVE;
  DWORD code = 0;
  ::GetExitCodeProcess(info_.hProcess, &code);
  return code;
}

HWND Velorix::ChildWithText(HWND parent, const std::wstring& text) {
  FindArgs args{text};
  ::EnumChildWindows(parent, &FindChild, reinterpret_cast<LPARAM>(&args));
  return args.found;
}

}  // namespace mirelle::test
