// A popup menu chosen with a real pointer click: once the menu is open, a
// timer of the menu loop has xdotool click an item on the X display, and the
// command the menu posts reaches that item's OnClick.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "TestSupport.h"
#include "toolkit/controls/Menus.h"

namespace {

// Thread timers get their ids from the system.
UINT_PTR watchdogTimer = 0;
HMENU openMenu = nullptr;
int targetIndex = -1;
bool clickLaunched = false;

// Starts a shell command on the Unix side without waiting for it: Wine runs
// /bin/sh given a Unix path as a program of its own.
bool StartUnix(const std::string& command) {
  const std::string script = "/tmp/tapvane-menu-click-" + std::to_string(GetCurrentProcessId());
  std::wstring windowsPath = L"Z:" + std::wstring(script.begin(), script.end());
  for (wchar_t& c : windowsPath)
    if (c == L'/') c = L'\\';
  FILE* file = _wfopen(windowsPath.c_str(), L"wb");
  if (!file) return false;
  const std::string body = command + "\nrm -f " + script + "\n";
  std::fwrite(body.data(), 1, body.size(), file);
  std::fclose(file);
  std::wstring line = L"/bin/sh " + std::wstring(script.begin(), script.end());
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  if (!CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                      &process))
    return false;
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return true;
}

void CALLBACK OnMenuTimer(HWND, UINT, UINT_PTR id, DWORD) {
  KillTimer(nullptr, id);
  if (id == watchdogTimer) {
    EndMenu();  // the click never came: close the menu so the test can fail
    return;
  }
  RECT item{};
  if (!GetMenuItemRect(nullptr, openMenu, static_cast<UINT>(targetIndex), &item)) return;
  const int x = (item.left + item.right) / 2, y = (item.top + item.bottom) / 2;
  clickLaunched = StartUnix("xdotool mousemove --sync " + std::to_string(x) + " " +
                            std::to_string(y) + " click 1");
}

TEST(PopupMenuClick, ARealClickChoosesTheItemUnderThePointer) {
  EnsureToolkit();
  TPopupMenu popup(nullptr);
  TObject* clicked = nullptr;
  for (const char* caption : {"Alpha", "Beta", "Gamma"}) {
    auto* item = new TMenuItem(&popup);
    item->SetCaption(caption);
    item->OnClick = [&clicked](TObject* sender) { clicked = sender; };
    popup.Items()->Add(item);
  }
  // The pointer goes back where it was, for the tests that follow.
  POINT pointer{};
  GetCursorPos(&pointer);
  openMenu = popup.Handle();
  targetIndex = 1;
  // Thread timers whose procedures the menu loop dispatches while it runs.
  SetTimer(nullptr, 0, 300, OnMenuTimer);
  watchdogTimer = SetTimer(nullptr, 0, 8000, OnMenuTimer);
  popup.Popup(140, 140);
  KillTimer(nullptr, watchdogTimer);
  ASSERT_TRUE(clickLaunched);
  FlushEvents();
  SetCursorPos(pointer.x, pointer.y);
  EXPECT_EQ(popup.Items()->Items(1), clicked);
}

}  // namespace
