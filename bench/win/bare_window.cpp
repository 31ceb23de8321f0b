// The reference for start-up timing: a Win32 program that only registers a class and shows one window.
#include <windows.h>

static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_DESTROY) ::PostQuitMessage(0);
  return ::DefWindowProcW(hwnd, message, wParam, lParam);
}

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int show) {
  WNDCLASSW wc{};
  wc.lpfnWndProc = &WindowProc;
  wc.hInstance = instance;
  wc.lpszClassName = L"BareWindow";
  ::RegisterClassW(&wc);
  const HWND window = ::CreateWindowW(L"BareWindow", L"bare", WS_OVERLAPPEDWINDOW, CW_USEDEFAULT, CW_USEDEFAULT, 300,
                                      200, nullptr, nullptr, instance, nullptr);
  ::ShowWindow(window, show);
  MSG message;
  while (::GetMessageW(&message, nullptr, 0, 0) > 0) ::DispatchMessageW(&message);
  return 0;
}
