// Starts the real Tapvane.exe and works its main window the way a user
// does: real keys for the hotkeys, button presses, text typed into fields.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "E2eSupport.h"

namespace e2e {

inline const std::wstring kMainCaption = L"Tapvane - 多功能版";

// A copy of Tapvane.exe alone in a folder with a list file beside it: the
// program keeps its list there (portable use), never in the Wine user's
// profile, and each test starts it from a known file.
struct TPortableTapvane {
  std::wstring folder, exe, listFile;
};
// Made once from the built program, in a folder of the output directory.
bool MakePortableTapvane(const std::wstring& builtExe, const std::wstring& folder);
const TPortableTapvane& PortableTapvane();
// Replaces the list file beside the copy (empty: the program's start state).
bool WriteListFile(const std::string& bytes);
std::string ReadFileBytes(const std::wstring& path);
// The skin's source folder (its images and tapvane.ini), for checking what
// is on screen against the skin's own pictures; empty when not given.
void SetSkinSource(const std::wstring& folder);
const std::wstring& SkinSource();

class TClicker {
 public:
  explicit TClicker(const std::wstring& exePath);
  ~TClicker();

  // True when the main window and its controls were found.
  bool Ready() const { return ready_; }
  std::string Problem() const { return problem_; }
  TProcess& Process() { return process_; }
  DWORD Id() const { return process_.Id(); }

  HWND Form() const { return form_; }
  HWND GroupBox1() const { return groupBox1_; }
  HWND EditX() const { return editX_; }
  HWND EditY() const { return editY_; }
  HWND EditClickTime() const { return editClickTime_; }
  HWND ListBox() const { return listBox_; }
  HWND StatusBar() const { return statusBar_; }
  HWND PageControl() const { return pageControl_; }
  HWND Control(const std::wstring& text) const { return FindChildByText(form_, text); }

  // Posts a click to the control with that caption (no wait for handlers).
  bool Press(const std::wstring& caption);
  void SetText(HWND control, const std::wstring& text);
  std::vector<std::wstring> Items() const;
  std::wstring Status() const { return WindowText(statusBar_); }
  // Waits until the window handles messages again (after a pass, say).
  bool Responsive(std::chrono::milliseconds timeout = 10s) const;

  void BringToFront();
  // Puts the real cursor at (x, y), presses Ctrl+S and waits until the
  // fields show the position.
  bool Capture(int x, int y);
  // Capture, choose the action's radio button, press "添加".
  bool AddItem(int x, int y, const std::wstring& action);
  // Shows the page with that tab index (0 settings, 1 about).
  void ShowPage(int index);

 private:
  TProcess process_;
  HWND form_ = nullptr, groupBox1_ = nullptr, editX_ = nullptr, editY_ = nullptr,
       editClickTime_ = nullptr, listBox_ = nullptr, statusBar_ = nullptr, pageControl_ = nullptr;
  bool ready_ = false;
  std::string problem_;
};

}  // namespace e2e
