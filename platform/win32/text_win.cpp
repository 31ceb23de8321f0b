#include "platform/win32/text_win.h"

#include <windows.h>

namespace mirelle::win {
namespace {
constexpr UINT kGbkCodePage = 936;
}

std::wstring Wide(const std::string& gbk) {
  if (gbk.empty()) return {};
  const int length = ::MultiByteToWideChar(kGbkCodePage, 0, gbk.data(), static_cast<int>(gbk.size()), nullptr, 0);
  std::wstring wide(static_cast<size_t>(length), L'\0');
  ::MultiByteToWideChar(kGbkCodePage, 0, gbk.data(), static_cast<int>(gbk.size()), wide.data(), length);
  return wide;
}

std::string Gbk(const std::wstring& wide) {
  if (wide.empty()) return {};
  const int length = ::WideCharToMultiByte(kGbkCodePage, 0, wide.data(), static_cast<int>(wide.size()), nullptr, 0,
                                           nullptr, nullptr);
  std::string gbk(static_cast<size_t>(length), '\0');
  ::WideCharToMultiByte(kGbkCodePage, 0, wide.data(), static_cast<int>(wide.size()), gbk.data(), length, nullptr,
                        nullptr);
  return gbk;
}

std::wstring WidePath(const NativePath& path) { return std::wstring(path.begin(), path.end()); }
NativePath NativeFromWide(const std::wstring& wide) { return NativePath(wide.begin(), wide.end()); }

}  // namespace mirelle::win
