// Tools for driving another program under Wine from a test: processes, Unix
// commands (X input, screenshots), windows found by text or position, and
// message boxes.
#pragma once

#include <windows.h>

#include <chrono>
#include <functional>
#include <string>
#include <vector>

namespace e2e {

using namespace std::chrono_literals;

std::wstring Widen(const std::string& utf8);
std::string Narrow(const std::wstring& wide);
// Z: maps the Unix root in every Wine prefix.
std::wstring WinPathOfUnix(const std::string& unixPath);

// Milliseconds of the performance counter, shared by every process.
double NowMs();
void Pump(std::chrono::milliseconds duration);
// Polls condition (pumping our own messages) until true or the time is up.
bool WaitFor(const std::function<bool()>& condition, std::chrono::milliseconds timeout);

// A Windows process that is ended when the object goes, if still running.
class TProcess {
 public:
  TProcess() = default;
  explicit TProcess(const std::wstring& commandLine);
  ~TProcess();
  TProcess(const TProcess&) = delete;
  TProcess& operator=(const TProcess&) = delete;

  bool Started() const { return info_.hProcess != nullptr; }
  DWORD Id() const { return info_.dwProcessId; }
  bool WaitExit(std::chrono::milliseconds timeout);
  bool Running() const;
  // The exit status once ended (STILL_ACTIVE before).
  DWORD ExitCode() const;

 private:
  PROCESS_INFORMATION info_{};
};

// Runs a /bin/sh command line on the Unix side and waits for it to finish.
bool RunUnix(const std::string& shellCommand, std::chrono::milliseconds timeout = 15s);
// Real X key presses, in xdotool's key names ("ctrl+s", "alt+F4"), with the
// X input focus put on window first (on a bare X server without a window
// manager the keys would otherwise go wherever the pointer is).
bool PressKeys(HWND window, const std::string& keys);
// Moves the X server's pointer, as a person's mouse does. SetCursorPos
// alone is undone when Wine next reads the pointer from the server.
bool XMove(int x, int y);
// A real X pointer click (button 1 left, 3 right) at a screen point.
bool XClick(int x, int y, int button = 1);
// The screen as a PNG (optionally the rectangle of one window).
bool SaveScreenshot(const std::string& unixPath, const RECT* area = nullptr);
// The screen's pixels in a rectangle, row by row, read in one copy.
std::vector<COLORREF> ScreenPixels(const RECT& r);

// A bitmap file's pixels, top row first; empty when it cannot be loaded.
struct TBitmapPixels {
  int width = 0, height = 0;
  std::vector<COLORREF> pixels;
  COLORREF At(int x, int y) const { return pixels[static_cast<size_t>(y) * width + x]; }
};
TBitmapPixels BitmapFilePixels(const std::wstring& path);
// The window with the keyboard focus in the GUI thread of window.
HWND FocusInThreadOf(HWND window);
// The frames of a skin's push button strip, in the order they are stored.
enum TButtonFrame { kNormalFrame, kPressedFrame, kDisabledFrame, kHotFrame, kFocusedFrame };
// The skin's button strip as its source folder has it: the image that the
// "Buttons" element of tapvane.ini names, its frame count and margin.
struct TButtonStrip {
  TBitmapPixels image;
  int frames = 0, corner = 0;
};
TButtonStrip ButtonStrip(const std::wstring& skinSource);
// Which frame of the strip a button shows on screen, judged by its four
// corners, which the skin copies unscaled. -1 when no frame matches.
int ButtonFrameShown(HWND button, const TButtonStrip& strip);

// Real mouse input, as a user's hand would give it.
void ClickAt(int x, int y, bool right = false);

std::wstring WindowText(HWND window);
std::wstring ClassOf(HWND window);
DWORD ProcessOf(HWND window);
// The visible top-level window of process with that caption (nullptr if none).
HWND FindTopLevel(DWORD process, const std::wstring& caption);
// A descendant whose text is exactly text.
HWND FindChildByText(HWND parent, const std::wstring& text);
// The visible direct child of container at a point of its client area.
HWND ChildAt(HWND container, int x, int y);

// A message box (dialog class) of process, with its caption and text.
struct TMessageBox {
  HWND window = nullptr;
  std::wstring caption;
  std::wstring text;
};
TMessageBox WaitForMessageBox(DWORD process, std::chrono::milliseconds timeout);
// Presses its OK button.
void CloseMessageBox(const TMessageBox& box);
// Any dialog of process showing now.
bool AnyMessageBox(DWORD process);
// How many dialogs of process show now.
int MessageBoxCount(DWORD process);

}  // namespace e2e
