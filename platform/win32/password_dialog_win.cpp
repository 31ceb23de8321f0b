// The masked password dialog, built from an in-memory dialog template.
#include <windows.h>

#include <optional>
#include <string>
#include <vector>

#include "platform/win32/desktop_win.h"
#include "platform/win32/form_window_win.h"

namespace mirelle::win {
namespace {

constexpr int kPromptId = 100;
constexpr int kPasswordId = 101;

// Writes a DLGTEMPLATE and its items into WORD-aligned memory.
class DialogTemplate {
 public:
  DialogTemplate(const std::wstring& title, DWORD style, short width, short height, short itemCount) {
    Align(2);
    Add(DLGTEMPLATE{style, 0, static_cast<WORD>(itemCount), 0, 0, width, height});
    Word(0);  // no menu
    Word(0);  // the standard dialog class
    Text(title);
    Word(9);  // DS_SETFONT: point size, then face
    Text(L"宋体");
  }

  void Item(const wchar_t* className, const std::wstring& text, DWORD style, short x, short y, short cx, short cy,
            int id) {
    Align(4);
    Add(DLGITEMTEMPLATE{style | WS_CHILD | WS_VISIBLE, 0, x, y, cx, cy, static_cast<WORD>(id)});
    Text(className);
    Text(text);
    Word(0);  // no creation data
  }

  const DLGTEMPLATE* Get() const { return reinterpret_cast<const DLGTEMPLATE*>(bytes_.data()); }

 private:
  template <typename T>
  void Add(const T& value) {
    const auto* raw = reinterpret_cast<const unsigned char*>(&value);
    bytes_.insert(bytes_.end(), raw, raw + sizeof value);
  }
  void Word(WORD value) { Add(value); }
  void Text(const std::wstring& text) {
    for (wchar_t c : text) Word(static_cast<WORD>(c));
    Word(0);
  }
  void Align(size_t to) {
    while (bytes_.size() % to != 0) bytes_.push_back(0);
  }

  std::vector<unsigned char> bytes_;
};

struct DialogState {
  const std::wstring* prompt;
  std::optional<std::wstring> typed;
};

INT_PTR CALLBACK PasswordDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_INITDIALOG: {
      ::SetWindowLongPtrW(dialog, DWLP_USER, lParam);
      const auto* state = reinterpret_cast<DialogState*>(lParam);
      ::SetDlgItemTextW(dialog, kPromptId, state->prompt->c_str());
      ::SendMessageW(dialog, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(ProgramIcon()));
      ::SetWindowPos(dialog, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
      ::SetForegroundWindow(dialog);
      ::SetFocus(::GetDlgItem(dialog, kPasswordId));
      return FALSE;  // the focus was set here
    }
    case WM_COMMAND: {
      auto* state = reinterpret_cast<DialogState*>(::GetWindowLongPtrW(dialog, DWLP_USER));
      if (LOWORD(wParam) == IDOK) {
        const HWND edit = ::GetDlgItem(dialog, kPasswordId);
        std::wstring text(static_cast<size_t>(::GetWindowTextLengthW(edit)) + 1, L'\0');
        text.resize(static_cast<size_t>(::GetWindowTextW(edit, text.data(), static_cast<int>(text.size()))));
        state->typed = text;
        ::EndDialog(dialog, IDOK);
        return TRUE;
      }
      if (LOWORD(wParam) == IDCANCEL) {
        ::EndDialog(dialog, IDCANCEL);
        return TRUE;
      }
      return FALSE;
    }
    default:
      return FALSE;
  }
}

// Disables the thread's other top-level windows while a dialog is open, as a task-modal box does.
class ThreadWindowsDisabled {
 public:
  ThreadWindowsDisabled() {
    ::EnumThreadWindows(::GetCurrentThreadId(), &Collect, reinterpret_cast<LPARAM>(&disabled_));
    for (HWND window : disabled_) ::EnableWindow(window, FALSE);
  }
  ~ThreadWindowsDisabled() {
    for (HWND window : disabled_) {
      if (::IsWindow(window)) ::EnableWindow(window, TRUE);
    }
  }
  ThreadWindowsDisabled(const ThreadWindowsDisabled&) = delete;
  ThreadWindowsDisabled& operator=(const ThreadWindowsDisabled&) = delete;

 private:
  static BOOL CALLBACK Collect(HWND window, LPARAM list) {
    if (::IsWindowEnabled(window) && ::IsWindowVisible(window)) {
      reinterpret_cast<std::vector<HWND>*>(list)->push_back(window);
    }
    return TRUE;
  }
  std::vector<HWND> disabled_;
};

}  // namespace

std::optional<std::wstring> ShowPasswordDialog(const std::wstring& title, const std::wstring& prompt) {
  // Room for a prompt of three lines (the first-run prompt), then the field and the buttons.
  DialogTemplate form(title, DS_SETFONT | DS_MODALFRAME | DS_CENTER | WS_POPUP | WS_CAPTION | WS_SYSMENU, 210, 82, 4);
  form.Item(L"STATIC", L"", SS_LEFT, 7, 7, 196, 30, kPromptId);
  form.Item(L"EDIT", L"", ES_PASSWORD | ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP, 7, 42, 196, 13, kPasswordId);
  form.Item(L"BUTTON", L"确定", BS_DEFPUSHBUTTON | WS_TABSTOP, 99, 61, 50, 14, IDOK);
  form.Item(L"BUTTON", L"取消", BS_PUSHBUTTON | WS_TABSTOP, 153, 61, 50, 14, IDCANCEL);

  DialogState state{&prompt, std::nullopt};
  ThreadWindowsDisabled modal;
  const INT_PTR result = ::DialogBoxIndirectParamW(::GetModuleHandleW(nullptr), form.Get(), nullptr,
                                                   &PasswordDialogProc, reinterpret_cast<LPARAM>(&state));
  if (result != IDOK) return std::nullopt;
  return state.typed;
}

}  // namespace mirelle::win
