#include "platform/win32/form_window_win.h"

#include <commctrl.h>
#include <shellapi.h>

#include <cmath>
#include <cstdio>

#include "app/gbk_text.h"
#include "platform/win32/text_win.h"

namespace mirelle::win {
namespace {

constexpr wchar_t kFormClass[] = L"MirelleForm";
constexpr int kFirstControlId = 100;  // clear of IDOK and IDCANCEL
constexpr UINT kFirstMenuCommand = 1000;
constexpr UINT kMenuCommandStride = 100;
constexpr UINT_PTR kFirstTimerId = 1;
constexpr size_t kTrayTipBytes = 62;

int g_liveForms = 0;

UINT TaskbarCreatedMessage() {
  static const UINT message = ::RegisterWindowMessageW(L"TaskbarCreated");
  return message;
}

COLORREF ToColorRef(uint32_t colour) { return static_cast<COLORREF>(colour & 0x00FFFFFF); }

SYSTEMTIME SystemTimeOf(DateValue date) {
  SYSTEMTIME time{};
  time.wYear = static_cast<WORD>(YearOf(date));
  time.wMonth = static_cast<WORD>(MonthOf(date));
  time.wDay = static_cast<WORD>(DayOf(date));
  time.wDayOfWeek = static_cast<WORD>(WeekdayOf(date) - 1);
  const double clamped = ClampDate(date);
  long seconds = std::lround(std::fabs(clamped - std::trunc(clamped)) * 86400.0);
  if (seconds > 86399) seconds = 86399;
  time.wHour = static_cast<WORD>(seconds / 3600);
  time.wMinute = static_cast<WORD>(seconds / 60 % 60);
  time.wSecond = static_cast<WORD>(seconds % 60);
  return time;
}

DateValue DateValueOf(const SYSTEMTIME& time) {
  char text[64];
  std::snprintf(text, sizeof text, "%d年%d月%d日%d时%d分%d秒", time.wYear, time.wMonth, time.wDay, time.wHour,
                time.wMinute, time.wSecond);
  return DateFromText(text);
}

}  // namespace

UniqueIcon IconFromImage(const IconImage& image) {
  constexpr DWORD kImageOffset = 22;  // past the file header and the one directory entry
  return UniqueIcon(::CreateIconFromResourceEx(const_cast<BYTE*>(image.data() + kImageOffset),
                                               static_cast<DWORD>(image.size() - kImageOffset), TRUE, 0x00030000, 16,
                                               16, LR_DEFAULTCOLOR));
}

HICON ProgramIcon() {
  static const UniqueIcon icon = IconFromImage(PhaseIconImage(PhaseIcon::NotSet));
  return icon.get();
}

FormWindow::FormWindow(const FormSpec& form, FormHandler& handler, HFONT font)
    : form_(form), handler_(handler), font_(font) {}

FormWindow* FormWindow::Create(const FormSpec& form, FormHandler& handler, HFONT font) {
  static const bool registered = [] {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.style = CS_DBLCLKS;
    wc.lpfnWndProc = &FormWindow::WindowProc;
    wc.hInstance = ::GetModuleHandleW(nullptr);
    wc.hCursor = ::LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    wc.hIcon = ProgramIcon();
    wc.lpszClassName = kFormClass;
    return ::RegisterClassExW(&wc) != 0;
  }();
  if (!registered) return nullptr;

  DWORD exStyle = WS_EX_CONTROLPARENT;
  if (form.topmost) exStyle |= WS_EX_TOPMOST;
  exStyle |= form.taskbarButton ? WS_EX_APPWINDOW : WS_EX_TOOLWINDOW;
  // Designed size, centred on the screen; the creation handler moves and fits it.
  const int width = form.designSize.width, height = form.designSize.height;
  const int left = (::GetSystemMetrics(SM_CXSCREEN) - width) / 2;
  const int top = (::GetSystemMetrics(SM_CYSCREEN) - height) / 2;

  auto* window = new FormWindow(form, handler, font);
  const HWND hwnd = ::CreateWindowExW(exStyle, kFormClass, Wide(std::string(form.caption)).c_str(),
                                      WS_POPUP | WS_CLIPCHILDREN, left, top, width, height, nullptr, nullptr,
                                      ::GetModuleHandleW(nullptr), window);
  // On a refused creation the window was destroyed inside CreateWindowExW and freed itself.
  return hwnd != nullptr ? window : nullptr;
}

bool FormWindow::IsForm(HWND hwnd) {
  wchar_t name[32] = {};
  ::GetClassNameW(hwnd, name, 32);
  return std::wstring(name) == kFormClass;
}

int FormWindow::LiveCount() { return g_liveForms; }

LRESULT CALLBACK FormWindow::WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  FormWindow* self = nullptr;
  if (message == WM_NCCREATE) {
    self = static_cast<FormWindow*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
    self->hwnd_ = hwnd;
    ::SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    ++g_liveForms;
  } else {
    self = reinterpret_cast<FormWindow*>(::GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  }
  if (self == nullptr) return ::DefWindowProcW(hwnd, message, wParam, lParam);
  if (message == WM_NCDESTROY) {
    ::SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
    delete self;
    if (--g_liveForms == 0) ::PostQuitMessage(0);  // the last window is gone: the program ends
    return ::DefWindowProcW(hwnd, message, wParam, lParam);
  }
  return self->OnMessage(message, wParam, lParam);
}

LRESULT FormWindow::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CREATE:
      backgroundBrush_.reset(::CreateSolidBrush(ToColorRef(form_.background)));
      CreateControls();
      return handler_.OnCreate(*this) ? 0 : -1;
    case WM_ERASEBKGND: {
      RECT client;
      ::GetClientRect(hwnd_, &client);
      ::FillRect(reinterpret_cast<HDC>(wParam), &client, backgroundBrush_.get());
      return 1;
    }
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORBTN:
      return OnControlColour(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
    case WM_COMMAND:
      OnCommand(LOWORD(wParam), HIWORD(wParam));
      return 0;
    case WM_TIMER: {
      const size_t index = wParam - kFirstTimerId;
      if (index < timers_.size()) handler_.OnTimer(timers_[index]);
      return 0;
    }
    case WMAPP_TRAY:
      switch (LOWORD(lParam)) {
        case WM_LBUTTONUP: handler_.OnTray(TrayEvent::LeftUp); break;
        case WM_LBUTTONDBLCLK: handler_.OnTray(TrayEvent::LeftDoubleClick); break;
        case WM_RBUTTONUP:
        case WM_CONTEXTMENU: handler_.OnTray(TrayEvent::RightUp); break;
        default: break;
      }
      return 0;
    case WM_DESTROY:
      handler_.OnDestroy();
      for (size_t i = 0; i < timers_.size(); ++i) ::KillTimer(hwnd_, kFirstTimerId + i);
      SetTrayIcon(nullptr, {});
      return 0;
    default:
      if (message == TaskbarCreatedMessage() && trayAdded_) {
        trayAdded_ = false;  // Explorer restarted: the icon is gone and must be added again
        AddTrayIcon();
        return 0;
      }
      return ::DefWindowProcW(hwnd_, message, wParam, lParam);
  }
}

void FormWindow::CreateControls() {
  const HINSTANCE instance = ::GetModuleHandleW(nullptr);
  for (const ControlSpec& design : form_.controls) {
    Rect place = design.place;
    if (!design.group.empty()) {
      for (const ControlSpec& group : form_.controls) {
        if (group.name == design.group) {
          place.left += group.place.left;
          place.top += group.place.top;
        }
      }
    }
    const wchar_t* className = L"STATIC";
    DWORD style = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS;
    DWORD exStyle = 0;
    switch (design.kind) {
      case ControlKind::Label:
      case ControlKind::PictureButton:
        style |= SS_NOTIFY;
        if (design.align == Align::Centre || design.kind == ControlKind::PictureButton) style |= SS_CENTER | SS_CENTERIMAGE;
        if (design.align == Align::LeftMiddle) style |= SS_CENTERIMAGE;
        break;
      case ControlKind::Edit:
        className = L"EDIT";
        style |= WS_TABSTOP | WS_BORDER | ES_AUTOHSCROLL | ES_CENTER;
        break;
      case ControlKind::DatePicker:
        className = DATETIMEPICK_CLASSW;
        style |= WS_TABSTOP | DTS_LONGDATEFORMAT;
        break;
      case ControlKind::Button:
        className = L"BUTTON";
        style |= WS_TABSTOP | BS_PUSHBUTTON;
        break;
      case ControlKind::GroupBox:
        className = L"BUTTON";
        style |= BS_GROUPBOX;
        exStyle |= WS_EX_TRANSPARENT;
        break;
    }
    auto control = std::make_unique<Control>();
    control->name = std::string(design.name);
    control->kind = design.kind;
    control->back = design.back;
    control->fore = design.fore;
    const int id = kFirstControlId + static_cast<int>(controls_.size());
    control->hwnd = ::CreateWindowExW(exStyle, className, Wide(std::string(design.text)).c_str(), style, place.left,
                                      place.top, place.width, place.height, hwnd_,
                                      reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance, nullptr);
    if (control->hwnd != nullptr && font_ != nullptr) {
      ::SendMessageW(control->hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
    }
    if (control->back != kFormColour) control->brush.reset(::CreateSolidBrush(ToColorRef(control->back)));
    // Each control stacks above the ones before it: the close mark above the tip's label,
    // the picture buttons above the title label, the calendar cells above their group box.
    ::SetWindowPos(control->hwnd, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    byName_.emplace(control->name, controls_.size());
    controls_.push_back(std::move(control));
  }
}

FormWindow::Control* FormWindow::FindControl(std::string_view control) {
  const auto found = byName_.find(control);
  return found == byName_.end() ? nullptr : controls_[found->second].get();
}

const FormWindow::Control* FormWindow::FindControl(std::string_view control) const {
  const auto found = byName_.find(control);
  return found == byName_.end() ? nullptr : controls_[found->second].get();
}

HWND FormWindow::ControlHandle(std::string_view control) const {
  if (control.empty()) return hwnd_;
  const Control* found = FindControl(control);
  return found != nullptr ? found->hwnd : nullptr;
}

LRESULT FormWindow::OnControlColour(HDC dc, HWND child) {
  const int index = ::GetDlgCtrlID(child) - kFirstControlId;
  const Control* control =
      index >= 0 && static_cast<size_t>(index) < controls_.size() ? controls_[static_cast<size_t>(index)].get() : nullptr;
  if (control != nullptr && control->kind == ControlKind::Edit) {
    return reinterpret_cast<LRESULT>(::GetSysColorBrush(COLOR_WINDOW));
  }
  const uint32_t fore = control != nullptr && control->fore != kFormColour ? control->fore : form_.textColour;
  ::SetTextColor(dc, ToColorRef(fore));
  if (control != nullptr && control->brush) {
    ::SetBkColor(dc, ToColorRef(control->back));
    return reinterpret_cast<LRESULT>(control->brush.get());
  }
  ::SetBkColor(dc, ToColorRef(form_.background));
  return reinterpret_cast<LRESULT>(backgroundBrush_.get());
}

void FormWindow::OnCommand(WORD id, WORD code) {
  if (id == IDCANCEL) {  // Escape, through the message loop's dialog-key handling
    if (form_.escapeCloses && ::GetActiveWindow() == hwnd_) ::DestroyWindow(hwnd_);
    return;
  }
  if (id >= kFirstMenuCommand) {
    const size_t menu = (id - kFirstMenuCommand) / kMenuCommandStride;
    const size_t item = (id - kFirstMenuCommand) % kMenuCommandStride;
    if (menu < form_.menus.size() && item < form_.menus[menu].items.size()) {
      handler_.OnMenuItem(form_.menus[menu].name, form_.menus[menu].items[item]);
    }
    return;
  }
  const int index = id - kFirstControlId;
  if (index < 0 || static_cast<size_t>(index) >= controls_.size()) return;
  const Control& control = *controls_[static_cast<size_t>(index)];
  // Copy the name: the handler may destroy this window.
  const std::string name = control.name;
  if (control.kind == ControlKind::Button && code == BN_CLICKED) {
    handler_.OnClick(name);
  } else if ((control.kind == ControlKind::Label || control.kind == ControlKind::PictureButton) &&
             code == STN_CLICKED) {
    handler_.OnMouseDown(name);  // a static control notifies as the left button goes down
  }
}

std::string FormWindow::Text(std::string_view control) const {
  const HWND hwnd = ControlHandle(control);
  if (hwnd == nullptr) return {};
  const int length = ::GetWindowTextLengthW(hwnd);
  std::wstring text(static_cast<size_t>(length) + 1, L'\0');
  const int copied = ::GetWindowTextW(hwnd, text.data(), length + 1);
  text.resize(static_cast<size_t>(copied > 0 ? copied : 0));
  return Gbk(text);
}

void FormWindow::SetText(std::string_view control, const std::string& gbk) {
  if (const HWND hwnd = ControlHandle(control)) ::SetWindowTextW(hwnd, Wide(gbk).c_str());
}

void FormWindow::SetBackColour(std::string_view control, uint32_t colour) {
  Control* found = FindControl(control);
  if (found == nullptr) return;
  found->back = colour;
  found->brush.reset(::CreateSolidBrush(ToColorRef(colour)));
  ::InvalidateRect(found->hwnd, nullptr, TRUE);
}

void FormWindow::SetVisible(std::string_view control, bool visible) {
  if (const HWND hwnd = ControlHandle(control)) {
    // A window with a taskbar button comes forward and takes the keyboard; the tip does not.
    const bool quiet = control.empty() && !form_.taskbarButton;
    ::ShowWindow(hwnd, visible ? (quiet ? SW_SHOWNOACTIVATE : SW_SHOW) : SW_HIDE);
  }
}

bool FormWindow::IsVisible(std::string_view control) const {
  const HWND hwnd = ControlHandle(control);
  return hwnd != nullptr && (::GetWindowLongW(hwnd, GWL_STYLE) & WS_VISIBLE) != 0;
}

Rect FormWindow::Place(std::string_view control) const {
  const HWND hwnd = ControlHandle(control);
  if (hwnd == nullptr) return {};
  RECT rect;
  ::GetWindowRect(hwnd, &rect);
  if (!control.empty()) ::MapWindowPoints(nullptr, hwnd_, reinterpret_cast<POINT*>(&rect), 2);
  return {rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top};
}

void FormWindow::SetPlace(std::string_view control, const Rect& place) {
  if (const HWND hwnd = ControlHandle(control)) {
    ::SetWindowPos(hwnd, nullptr, place.left, place.top, place.width, place.height,
                   SWP_NOZORDER | SWP_NOACTIVATE);
  }
}

DateValue FormWindow::DateOf(std::string_view control) const {
  SYSTEMTIME time{};
  const HWND hwnd = ControlHandle(control);
  if (hwnd == nullptr || ::SendMessageW(hwnd, DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(&time)) != GDT_VALID) {
    return kMinDateValue;
  }
  return DateValueOf(time);
}

void FormWindow::SetDate(std::string_view control, DateValue date) {
  // The date picker holds 1753-01-01 .. 9999-12-31: an earlier date (such as the lowest date that
  // an unreadable stored text gives) shows as its first day, so the computation still rejects it.
  static const DateValue kPickerFirstDay = DateFromText("1753年1月1日");
  if (const HWND hwnd = ControlHandle(control)) {
    SYSTEMTIME time = SystemTimeOf(DateBefore(date, kPickerFirstDay) ? kPickerFirstDay : date);
    ::SendMessageW(hwnd, DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&time));
  }
}

void FormWindow::SetTimer(std::string_view timer, int periodMs) {
  size_t index = 0;
  while (index < timers_.size() && timers_[index] != timer) ++index;
  if (index == timers_.size()) timers_.emplace_back(timer);
  if (periodMs > 0) {
    ::SetTimer(hwnd_, kFirstTimerId + index, static_cast<UINT>(periodMs), nullptr);
  } else {
    ::KillTimer(hwnd_, kFirstTimerId + index);
  }
}

void FormWindow::SetAlpha(uint8_t alpha) {
  const LONG_PTR exStyle = ::GetWindowLongPtrW(hwnd_, GWL_EXSTYLE);
  ::SetWindowLongPtrW(hwnd_, GWL_EXSTYLE, exStyle | WS_EX_LAYERED);
  ::SetLayeredWindowAttributes(hwnd_, 0, alpha, LWA_ALPHA);
}

void FormWindow::PopupMenu(std::string_view menu, Point at, MenuAnchor anchor) {
  size_t menuIndex = 0;
  while (menuIndex < form_.menus.size() && form_.menus[menuIndex].name != menu) ++menuIndex;
  if (menuIndex == form_.menus.size()) return;
  const MenuSpec& design = form_.menus[menuIndex];
  UniqueMenu popup(::CreatePopupMenu());
  for (size_t i = 0; i < design.items.size(); ++i) {
    if (design.items[i] == "-") {
      ::AppendMenuW(popup.get(), MF_SEPARATOR, 0, nullptr);
    } else {
      const UINT command = kFirstMenuCommand + static_cast<UINT>(menuIndex * kMenuCommandStride + i);
      ::AppendMenuW(popup.get(), MF_STRING, command, Wide(std::string(design.items[i])).c_str());
    }
  }
  // Without the foreground the menu would not close when the user clicks elsewhere.
  ::SetForegroundWindow(hwnd_);
  const UINT align = anchor == MenuAnchor::TopRight ? TPM_RIGHTALIGN : TPM_LEFTALIGN;
  const UINT command = static_cast<UINT>(::TrackPopupMenu(popup.get(), align | TPM_TOPALIGN | TPM_RETURNCMD |
                                                                           TPM_RIGHTBUTTON | TPM_NONOTIFY,
                                                          at.x, at.y, 0, hwnd_, nullptr));
  ::PostMessageW(hwnd_, WM_NULL, 0, 0);
  // The chosen item runs after the caller's handler has returned, as a command of its own.
  if (command != 0) ::PostMessageW(hwnd_, WM_COMMAND, MAKEWPARAM(command, 0), 0);
}

void FormWindow::BringToFront() { ::SetForegroundWindow(hwnd_); }

void FormWindow::StartDrag() {
  ::ReleaseCapture();
  ::SendMessageW(hwnd_, WM_NCLBUTTONDOWN, HTCAPTION, 0);
}

void FormWindow::SetTrayIcon(const IconImage* image, const std::string& tip) {
  if (image == nullptr) {
    if (trayAdded_) {
      NOTIFYICONDATAW data{};
      data.cbSize = sizeof data;
      data.hWnd = hwnd_;
      data.uID = kTrayIconId;
      ::Shell_NotifyIconW(NIM_DELETE, &data);
      trayAdded_ = false;
    }
    trayIcon_.reset();
    return;
  }
  trayIcon_ = IconFromImage(*image);
  trayTip_ = Wide(CutGbk(tip, kTrayTipBytes));
  AddTrayIcon();
}

void FormWindow::AddTrayIcon() {
  NOTIFYICONDATAW data{};
  data.cbSize = sizeof data;
  data.hWnd = hwnd_;
  data.uID = kTrayIconId;
  data.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
  data.uCallbackMessage = WMAPP_TRAY;
  data.hIcon = trayIcon_.get();
  wcsncpy(data.szTip, trayTip_.c_str(), ARRAYSIZE(data.szTip) - 1);
  if (trayAdded_) {
    ::Shell_NotifyIconW(NIM_MODIFY, &data);
  } else {
    trayAdded_ = ::Shell_NotifyIconW(NIM_ADD, &data) != FALSE;
  }
}

void FormWindow::Destroy() { ::DestroyWindow(hwnd_); }

}  // namespace mirelle::win
