// The registry, process start and clipboard behind opening web pages.
#pragma once

#include "web/page_opener.h"

namespace mirelle::win {

class Win32Browser final : public BrowserPort {
 public:
  std::optional<std::string> ReadMachineString(const std::string& path) override;
  bool StartProcess(const std::string& commandLine) override;
  bool PutOnClipboard(const std::string& text) override;
};

}  // namespace mirelle::win
