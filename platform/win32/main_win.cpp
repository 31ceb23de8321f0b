// velorix.exe: the process entry. Prepares the common controls, builds the program on the Win32
// desktop, opens the tip window (whose creation runs the start-up) and serves the message loop.
#include <windows.h>

#include <commctrl.h>

#include "platform/win32/browser_win.h"
#include "platform/win32/desktop_win.h"
#include "platform/win32/profile_win.h"
#include "ui/application.h"
#include "web/page_opener.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_DATE_CLASSES | ICC_STANDARD_CLASSES};
  ::InitCommonControlsEx(&controls);

  mirelle::win::Win32Desktop desktop;
  mirelle::win::Win32Profile profile;
  mirelle::win::Win32Random random;
  mirelle::win::Win32Browser browser;
  mirelle::SystemClock clock;
  mirelle::PageOpener pages(browser, desktop);
  mirelle::Application application({desktop, profile, clock, random, pages});

  if (!application.Start()) return 0;
  return desktop.RunMessageLoop();
}
