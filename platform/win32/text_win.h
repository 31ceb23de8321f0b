// GBK (code page 936) at the core, UTF-16 at the Win32 boundary.
#pragma once

#include <string>

#include "app/config_store.h"

namespace mirelle::win {

std::wstring Wide(const std::string& gbk);
std::string Gbk(const std::wstring& wide);
// Native paths are UTF-16 on both sides; only the character type differs.
std::wstring WidePath(const NativePath& path);
NativePath NativeFromWide(const std::wstring& wide);

}  // namespace mirelle::win
