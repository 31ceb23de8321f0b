#include "web/page_opener.h"

namespace mirelle {
namespace {

constexpr char kBrowserNameKey[] = "SOFTWARE\\Clients\\StartMenuInternet\\";
constexpr char kDefaultBrowserName[] = "IEXPLORE.EXE";

bool StartsWithNoCase(const std::string& text, const std::string& prefix) {
  if (text.size() < prefix.size()) return false;
  for (size_t i = 0; i < prefix.size(); ++i) {
    char c = text[i];
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    if (c != prefix[i]) return false;
  }
  return true;
}

}  // namespace

bool IsOpenableAddress(const std::string& address) {
  if (!StartsWithNoCase(address, "http://") && !StartsWithNoCase(address, "https://")) return false;
  for (unsigned char c : address) {
    if (c < 0x20 || c == 0x7F || c == '"') return false;
  }
  return true;
}

std::string BrowserCommandLine(const std::string& command, const std::string& address) {
  return command + " \"" + address + "\"";
}

bool PageOpener::Open(const std::string& address) {
  if (!IsOpenableAddress(address)) return false;
  const std::string name = browser_.ReadMachineString(kBrowserNameKey).value_or(kDefaultBrowserName);
  const std::string command =
      browser_.ReadMachineString(std::string(kBrowserNameKey) + name + "\\shell\\open\\command\\").value_or("");
  if (browser_.StartProcess(BrowserCommandLine(command, address))) return true;
  browser_.PutOnClipboard(address);
  desktop_.ShowMessage(kBrowserMessageTitle, kBrowserMissing);
  return true;
}

}  // namespace mirelle
