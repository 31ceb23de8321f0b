#include "platform/win32/desktop_win.h"

#include <chrono>
#include <vector>

#include "app/app_texts.h"
#include "platform/win32/form_window_win.h"
#include "platform/win32/text_win.h"

namespace mirelle::win {
namespace {

// The font of every control: a 9-point Chinese UI font (Wine maps the GB2312 charset to the
// installed CJK font when the face is missing).
HFONT CreateUiFont() {
  LOGFONTW font{};
  font.lfHeight = -12;
  font.lfWeight = FW_NORMAL;
  font.lfCharSet = GB2312_CHARSET;
  font.lfQuality = CLEARTYPE_QUALITY;
  wcscpy(font.lfFaceName, L"宋体");
  return ::CreateFontIndirectW(&font);
}

}  // namespace

Win32Desktop::Win32Desktop() : font_(CreateUiFont()) {}

void Win32Desktop::ShowNotice(const std::string& text) {
  ::MessageBoxW(nullptr, Wide(text).c_str(), Wide(texts::kNoticeTitle).c_str(),
                MB_OK | MB_TOPMOST | MB_TASKMODAL | MB_SETFOREGROUND);
}

void Win32Desktop::ShowMessage(const std::string& title, const std::string& text) {
  ::MessageBoxW(nullptr, Wide(text).c_str(), Wide(title).c_str(), MB_OK | MB_TOPMOST | MB_TASKMODAL);
}

std::optional<std::string> Win32Desktop::AskPassword(const std::string& title, const std::string& prompt) {
  const std::optional<std::wstring> typed = ShowPasswordDialog(Wide(title), Wide(prompt));
  if (!typed) return std::nullopt;
  return Gbk(*typed);
}

Size Win32Desktop::ScreenSize() const { return {::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN)}; }

int Win32Desktop::WorkAreaBottom() const {
  RECT work{};
  if (!::SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0)) return ::GetSystemMetrics(SM_CYSCREEN);
  return work.bottom;
}

Point Win32Desktop::CursorPos() const {
  POINT point{};
  ::GetCursorPos(&point);
  return {point.x, point.y};
}

bool Win32Desktop::FileExists(const NativePath& path) const {
  const DWORD attributes = ::GetFileAttributesW(WidePath(path).c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

NativePath Win32Desktop::ExePath() const {
  std::vector<wchar_t> buffer(MAX_PATH);
  for (;;) {
    const DWORD length = ::GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
    if (length < buffer.size()) return NativeFromWide(std::wstring(buffer.data(), length));
    buffer.resize(buffer.size() * 2);  // a long path: try again with room for it
  }
}

WindowPort* Win32Desktop::OpenWindow(const FormSpec& form, FormHandler& handler) {
  if (ending_) return nullptr;
  return FormWindow::Create(form, handler, font_.get());
}

void Win32Desktop::EndProgram() {
  ending_ = true;
  ::PostQuitMessage(0);
}

int Win32Desktop::RunMessageLoop() {
  MSG message;
  while (::GetMessageW(&message, nullptr, 0, 0) > 0) {
    // Tab between the inputs, and Escape (as IDCANCEL) for the program's borderless windows.
    const HWND root = message.hwnd != nullptr ? ::GetAncestor(message.hwnd, GA_ROOT) : nullptr;
    if (root != nullptr && FormWindow::IsForm(root) && ::IsDialogMessageW(root, &message)) continue;
    ::TranslateMessage(&message);
    ::DispatchMessageW(&message);
  }
  return 0;
}

void Win32Random::SeedFromClock() {
  const auto ticks = std::chrono::system_clock::now().time_since_epoch().count();
  engine_.seed(static_cast<std::mt19937::result_type>(ticks ^ (ticks >> 32) ^ ::GetTickCount()));
}

int Win32Random::Between(int low, int high) { return std::uniform_int_distribution<int>(low, high)(engine_); }

}  // namespace mirelle::win
