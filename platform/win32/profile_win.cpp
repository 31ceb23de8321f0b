#include "platform/win32/profile_win.h"

#include <windows.h>

#include <vector>

#include "platform/win32/text_win.h"

namespace mirelle::win {

std::string Win32Profile::ReadString(const NativePath& file, const std::string& section, const std::string& key,
                                     const std::string& defaultText, size_t bufferSize) {
  std::vector<wchar_t> buffer(bufferSize, L'\0');
  const std::wstring path = WidePath(file);
  const DWORD length = ::GetPrivateProfileStringW(Wide(section).c_str(), Wide(key).c_str(), Wide(defaultText).c_str(),
                                                  buffer.data(), static_cast<DWORD>(buffer.size()), path.c_str());
  return Gbk(std::wstring(buffer.data(), length));
}

bool Win32Profile::WriteString(const NativePath& file, const std::string& section, const std::string& key,
                               const std::string& value) {
  const std::wstring path = WidePath(file);
  return ::WritePrivateProfileStringW(Wide(section).c_str(), Wide(key).c_str(), Wide(value).c_str(), path.c_str()) !=
         FALSE;
}

}  // namespace mirelle::win
