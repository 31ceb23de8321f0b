// The system's INI profile functions (the W forms; Windows keeps the file in the ANSI code page).
#pragma once

#include "app/config_store.h"

namespace mirelle::win {

class Win32Profile final : public ProfilePort {
 public:
  std::string ReadString(const NativePath& file, const std::string& section, const std::string& key,
                         const std::string& defaultText, size_t bufferSize) override;
  bool WriteString(const NativePath& file, const std::string& section, const std::string& key,
                   const std::string& value) override;
};

}  // namespace mirelle::win
