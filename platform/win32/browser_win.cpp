#include "platform/win32/browser_win.h"

#include <windows.h>

#include <cstring>
#include <vector>

#include "platform/win32/handles_win.h"
#include "platform/win32/text_win.h"

namespace mirelle::win {
namespace {
constexpr DWORD kReadyWaitMs = 1000;
}

std::optional<std::string> Win32Browser::ReadMachineString(const std::string& path) {
  const std::wstring wide = Wide(path);
  const size_t slash = wide.find_last_of(L'\\');
  const std::wstring keyPath = slash == std::wstring::npos ? std::wstring() : wide.substr(0, slash);
  const std::wstring valueName = slash == std::wstring::npos ? wide : wide.substr(slash + 1);

  HKEY opened = nullptr;
  if (::RegOpenKeyExW(HKEY_LOCAL_MACHINE, keyPath.c_str(), 0, KEY_QUERY_VALUE, &opened) != ERROR_SUCCESS) {
    return std::nullopt;
  }
  UniqueKey key(opened);
  DWORD type = 0, size = 0;
  if (::RegQueryValueExW(key.get(), valueName.c_str(), nullptr, &type, nullptr, &size) != ERROR_SUCCESS ||
      (type != REG_SZ && type != REG_EXPAND_SZ)) {
    return std::nullopt;
  }
  std::vector<wchar_t> buffer(size / sizeof(wchar_t) + 1, L'\0');
  if (::RegQueryValueExW(key.get(), valueName.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(buffer.data()),
                         &size) != ERROR_SUCCESS) {
    return std::nullopt;
  }
  std::wstring value(buffer.data());
  if (type == REG_EXPAND_SZ) {
    const DWORD needed = ::ExpandEnvironmentStringsW(value.c_str(), nullptr, 0);
    std::vector<wchar_t> expanded(needed + 1, L'\0');
    if (::ExpandEnvironmentStringsW(value.c_str(), expanded.data(), needed + 1) != 0) value = expanded.data();
  }
  return Gbk(value);
}

bool Win32Browser::StartProcess(const std::string& commandLine) {
  std::wstring command = Wide(commandLine);
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESHOWWINDOW;
  startup.wShowWindow = SW_SHOWNORMAL;
  PROCESS_INFORMATION process{};
  if (!::CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process)) {
    return false;
  }
  UniqueKernelHandle processHandle(process.hProcess);
  UniqueKernelHandle threadHandle(process.hThread);
  ::WaitForInputIdle(processHandle.get(), kReadyWaitMs);
  return true;
}

bool Win32Browser::PutOnClipboard(const std::string& text) {
  const std::wstring wide = Wide(text);
  ClipboardOpen clipboard(nullptr);
  if (!clipboard) return false;
  ::EmptyClipboard();
  UniqueGlobal memory(::GlobalAlloc(GMEM_MOVEABLE, (wide.size() + 1) * sizeof(wchar_t)));
  if (!memory) return false;
  void* locked = ::GlobalLock(memory.get());
  if (locked == nullptr) return false;
  std::memcpy(locked, wide.c_str(), (wide.size() + 1) * sizeof(wchar_t));
  ::GlobalUnlock(memory.get());
  if (::SetClipboardData(CF_UNICODETEXT, memory.get()) == nullptr) return false;
  memory.release();  // the clipboard owns it now
  return true;
}

}  // namespace mirelle::win
