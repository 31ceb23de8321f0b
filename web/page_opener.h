// Opening a web address in the user's default browser, or putting it on the clipboard.
#pragma once

#include <optional>
#include <string>

#include "app/window_port.h"

namespace mirelle {

// The system facilities the browser start needs.
class BrowserPort {
 public:
  virtual ~BrowserPort() = default;
  // A string value under HKEY_LOCAL_MACHINE; the part after the last backslash names the value
  // ("" = the key's default value). nullopt when the key, the value or a string type is missing.
  virtual std::optional<std::string> ReadMachineString(const std::string& path) = 0;
  // Starts the command line without waiting for the process, except at most 1000 ms for it to
  // become ready for input. False when no process could be created.
  virtual bool StartProcess(const std::string& commandLine) = 0;
  // Empties the clipboard and puts the text on it; false when the clipboard could not be opened.
  virtual bool PutOnClipboard(const std::string& text) = 0;
};

inline constexpr char kBrowserMissing[] = "未发现默认网络浏览器或默认网络浏览器配置错误，该网址已送至剪贴板。";
inline constexpr char kBrowserMessageTitle[] = "提示：";

// Whether an address may be handed to a browser: http or https only, no double quote and no
// control characters (an address may come from the network, and must stay one argument).
bool IsOpenableAddress(const std::string& address);
// The browser command followed by the address as one quoted argument.
std::string BrowserCommandLine(const std::string& command, const std::string& address);

class PageOpener {
 public:
  PageOpener(BrowserPort& browser, Desktop& desktop) : browser_(browser), desktop_(desktop) {}
  // Returns whether the address was accepted (opened, or put on the clipboard).
  bool Open(const std::string& address);

 private:
  BrowserPort& browser_;
  Desktop& desktop_;
};

}  // namespace mirelle
