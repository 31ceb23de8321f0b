// Measures, in one run, the time from process start to the first visible window for velorix.exe
// (its login dialog) and for a bare Win32 program, alternating runs, and reports medians and ratio.
// Usage: startup_timer <velorix.exe> <bare_window.exe> [runs]
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

namespace {

struct Search {
  DWORD processId;
  bool found;
};

BOOL CALLBACK FindVisible(HWND window, LPARAM param) {
  auto* search = reinterpret_cast<Search*>(param);
  DWORD owner = 0;
  ::GetWindowThreadProcessId(window, &owner);
  if (owner == search->processId && ::IsWindowVisible(window)) {
    search->found = true;
    return FALSE;
  }
  return TRUE;
}

// Milliseconds from CreateProcess to the first visible top-level window; -1 on failure.
double TimeToFirstWindow(const std::wstring& exe, const std::wstring& folder) {
  LARGE_INTEGER frequency, start, now;
  ::QueryPerformanceFrequency(&frequency);
  std::wstring command = L"\"" + exe + L"\"";
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  ::QueryPerformanceCounter(&start);
  if (!::CreateProcessW(exe.c_str(), command.data(), nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(), &startup,
                        &process)) {
    return -1;
  }
  double elapsed = -1;
  for (;;) {
    Search search{process.dwProcessId, false};
    ::EnumWindows(&FindVisible, reinterpret_cast<LPARAM>(&search));
    ::QueryPerformanceCounter(&now);
    const double ms = 1000.0 * static_cast<double>(now.QuadPart - start.QuadPart) / static_cast<double>(frequency.QuadPart);
    if (search.found) {
      elapsed = ms;
      break;
    }
    if (ms > 20000) break;
    ::Sleep(1);
  }
  ::TerminateProcess(process.hProcess, 0);
  ::WaitForSingleObject(process.hProcess, 5000);
  ::CloseHandle(process.hThread);
  ::CloseHandle(process.hProcess);
  return elapsed;
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

std::wstring FolderOf(const std::wstring& path) { return path.substr(0, path.find_last_of(L'\\')); }

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: startup_timer <velorix.exe> <bare_window.exe> [runs]\n");
    return 2;
  }
  const int runs = argc > 3 ? std::max(1, _wtoi(argv[3])) : 10;
  std::vector<double> velorix, bare;
  for (int i = 0; i < runs; ++i) {
    const double a = TimeToFirstWindow(argv[1], FolderOf(argv[1]));
    const double b = TimeToFirstWindow(argv[2], FolderOf(argv[2]));
    if (a < 0 || b < 0) {
      std::fprintf(stderr, "a program did not show a window\n");
      return 1;
    }
    velorix.push_back(a);
    bare.push_back(b);
  }
  const double v = Median(velorix), b = Median(bare);
  std::printf("runs: %d\nvelorix.exe to its login dialog: median %.1f ms\nbare Win32 window: median %.1f ms\nratio: %.2f\n",
              runs, v, b, v / b);
  return 0;
}
