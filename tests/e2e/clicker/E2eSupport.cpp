#include "E2eSupport.h"

#include <algorithm>
#include <cstdio>
#include <thread>

namespace e2e {

std::wstring Widen(const std::string& utf8) {
  if (utf8.empty()) return {};
  const int n =
      MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
  std::wstring wide(static_cast<std::size_t>(n), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), wide.data(), n);
  return wide;
}

std::string Narrow(const std::wstring& wide) {
  if (wide.empty()) return {};
  const int n = WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), nullptr,
                                    0, nullptr, nullptr);
  std::string text(static_cast<std::size_t>(n), '\0');
  WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), text.data(), n,
                      nullptr, nullptr);
  return text;
}

std::wstring WinPathOfUnix(const std::string& unixPath) {
  std::wstring path = L"Z:" + Widen(unixPath);
  for (auto& c : path)
    if (c == L'/') c = L'\\';
  return path;
}

double NowMs() {
  LARGE_INTEGER counter{}, frequency{};
  QueryPerformanceCounter(&counter);
  QueryPerformanceFrequency(&frequency);
  return static_cast<double>(counter.QuadPart) * 1000.0 / static_cast<double>(frequency.QuadPart);
}

void Pump(std::chrono::milliseconds duration) {
  const double end = NowMs() + static_cast<double>(duration.count());
  while (NowMs() < end) {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
    std::this_thread::sleep_for(5ms);
  }
}

bool WaitFor(const std::function<bool()>& condition, std::chrono::milliseconds timeout) {
  const double end = NowMs() + static_cast<double>(timeout.count());
  for (;;) {
    if (condition()) return true;
    if (NowMs() > end) return false;
    Pump(20ms);
  }
}

TProcess::TProcess(const std::wstring& commandLine) {
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  std::wstring mutableLine = commandLine;
  if (!CreateProcessW(nullptr, mutableLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                      &startup, &info_))
    info_ = {};
}

TProcess::~TProcess() {
  if (!info_.hProcess) return;
  if (Running()) {
    TerminateProcess(info_.hProcess, 1);
    WaitForSingleObject(info_.hProcess, 5000);
  }
  CloseHandle(info_.hThread);
  CloseHandle(info_.hProcess);
}

bool TProcess::WaitExit(std::chrono::milliseconds timeout) {
  return WaitFor([this] { return !Running(); }, timeout);
}

bool TProcess::Running() const {
  return info_.hProcess && WaitForSingleObject(info_.hProcess, 0) == WAIT_TIMEOUT;
}

DWORD TProcess::ExitCode() const {
  DWORD code = STILL_ACTIVE;
  if (info_.hProcess) GetExitCodeProcess(info_.hProcess, &code);
  return code;
}

bool RunUnix(const std::string& shellCommand, std::chrono::milliseconds timeout) {
  // Wine starts Unix programs but splits their command line by Windows rules
  // and gives no handle to wait on: the command goes into a script, which
  // leaves a marker file with its status when it is done.
  static int serial = 0;
  const std::string base =
      "/tmp/tapvane-e2e-" + std::to_string(GetCurrentProcessId()) + "-" + std::to_string(++serial);
  const std::string script = base + ".sh", marker = base + ".done";
  const std::wstring scriptPath = WinPathOfUnix(script), markerPath = WinPathOfUnix(marker);
  FILE* f = _wfopen(scriptPath.c_str(), L"wb");
  if (!f) return false;
  const std::string body = shellCommand + "\necho $? > " + marker + "\n";
  std::fwrite(body.data(), 1, body.size(), f);
  std::fclose(f);
  std::wstring line = L"/bin/sh " + Widen(script);
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION info{};
  if (!CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                      &info)) {
    DeleteFileW(scriptPath.c_str());
    return false;
  }
  if (info.hProcess) CloseHandle(info.hProcess);
  if (info.hThread) CloseHandle(info.hThread);
  std::string status;
  const bool done = WaitFor(
      [&] {
        FILE* m = _wfopen(markerPath.c_str(), L"r");
        if (!m) return false;
        char buffer[16] = {};
        const bool complete = std::fgets(buffer, sizeof buffer, m) != nullptr;
        std::fclose(m);
        status = buffer;
        return complete;
      },
      timeout);
  DeleteFileW(markerPath.c_str());
  DeleteFileW(scriptPath.c_str());
  return done && status.rfind("0", 0) == 0;
}

bool PressKeys(HWND window, const std::string& keys) {
  // Wine keeps the X window of a top-level window in this property.
  const auto xWindow = reinterpret_cast<UINT_PTR>(GetPropW(window, L"__wine_x11_whole_window"));
  if (!xWindow) return false;
  return RunUnix("xdotool windowfocus --sync " + std::to_string(xWindow) + " key --delay 60 " +
                 keys);
}

bool XMove(int x, int y) {
  // Always through a neighbouring point: Wine's idea of the cursor may be
  // where the program's own input left it while the server's pointer is
  // elsewhere, and "mousemove --sync" would wait for a motion that never
  // comes when the pointer is there already. The pause lets Wine see it.
  const std::string to = std::to_string(x) + " " + std::to_string(y);
  const std::string beside = std::to_string(x > 0 ? x - 1 : x + 1) + " " + std::to_string(y);
  return RunUnix("xdotool mousemove " + beside + " sleep 0.05 mousemove " + to + " sleep 0.1");
}

bool XClick(int x, int y, int button) {
  return XMove(x, y) && RunUnix("xdotool click " + std::to_string(button));
}

bool SaveScreenshot(const std::string& unixPath, const RECT* area) {
  std::string crop;
  if (area) {
    crop = " -crop " + std::to_string(area->right - area->left) + "x" +
           std::to_string(area->bottom - area->top) + "+" + std::to_string(area->left) + "+" +
           std::to_string(area->top);
  }
  return RunUnix("import -display \"$DISPLAY\" -window root" + crop + " '" + unixPath + "'", 30s);
}

void ClickAt(int x, int y, bool right) {
  SetCursorPos(x, y);
  Pump(50ms);
  mouse_event(right ? MOUSEEVENTF_RIGHTDOWN : MOUSEEVENTF_LEFTDOWN, 0, 0, 0, 0);
  Pump(30ms);
  mouse_event(right ? MOUSEEVENTF_RIGHTUP : MOUSEEVENTF_LEFTUP, 0, 0, 0, 0);
  Pump(50ms);
}

std::wstring WindowText(HWND window) {
  wchar_t buffer[1024] = {};
  DWORD_PTR copied = 0;
  if (!SendMessageTimeoutW(window, WM_GETTEXT, 1024, reinterpret_cast<LPARAM>(buffer),
                           SMTO_ABORTIFHUNG, 3000, &copied))
    return L"<no answer>";
  return std::wstring(buffer, std::min<std::size_t>(copied, 1023));
}

std::wstring ClassOf(HWND window) {
  wchar_t buffer[256] = {};
  GetClassNameW(window, buffer, 256);
  return buffer;
}

DWORD ProcessOf(HWND window) {
  DWORD process = 0;
  GetWindowThreadProcessId(window, &process);
  return process;
}

namespace {

struct TTopSearch {
  DWORD process;
  std::function<bool(HWND)> match;
  HWND found = nullptr;
};

BOOL CALLBACK TopLevelVisitor(HWND window, LPARAM data) {
  auto* search = reinterpret_cast<TTopSearch*>(data);
  if (ProcessOf(window) != search->process || !IsWindowVisible(window)) return TRUE;
  if (!search->match(window)) return TRUE;
  search->found = window;
  return FALSE;
}

HWND FindTopLevelWhere(DWORD process, std::function<bool(HWND)> match) {
  TTopSearch search{process, std::move(match)};
  EnumWindows(TopLevelVisitor, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

struct TChildSearch {
  std::wstring text;
  HWND found = nullptr;
};

BOOL CALLBACK ChildVisitor(HWND window, LPARAM data) {
  auto* search = reinterpret_cast<TChildSearch*>(data);
  if (WindowText(window) != search->text) return TRUE;
  search->found = window;
  return FALSE;
}

}  // namespace

HWND FindTopLevel(DWORD process, const std::wstring& caption) {
  return FindTopLevelWhere(process, [&](HWND window) { return WindowText(window) == caption; });
}

HWND FindChildByText(HWND parent, const std::wstring& text) {
  TChildSearch search{text};
  EnumChildWindows(parent, ChildVisitor, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

HWND ChildAt(HWND container, int x, int y) {
  HWND child = ChildWindowFromPointEx(container, POINT{x, y}, CWP_SKIPINVISIBLE);
  return child == container ? nullptr : child;
}

TMessageBox WaitForMessageBox(DWORD process, std::chrono::milliseconds timeout) {
  TMessageBox box;
  WaitFor(
      [&] {
        box.window = FindTopLevelWhere(process, [](HWND w) { return ClassOf(w) == L"#32770"; });
        return box.window != nullptr;
      },
      timeout);
  if (!box.window) return box;
  box.caption = WindowText(box.window);
  // The message text is the static control with the dialog's text id.
  if (HWND text = GetDlgItem(box.window, 0xFFFF)) box.text = WindowText(text);
  return box;
}

void CloseMessageBox(const TMessageBox& box) {
  if (HWND ok = GetDlgItem(box.window, IDOK))
    PostMessageW(ok, BM_CLICK, 0, 0);
  else
    PostMessageW(box.window, WM_COMMAND, IDOK, 0);
}

bool AnyMessageBox(DWORD process) {
  return FindTopLevelWhere(process, [](HWND w) { return ClassOf(w) == L"#32770"; }) != nullptr;
}

int MessageBoxCount(DWORD process) {
  int count = 0;
  FindTopLevelWhere(process, [&](HWND w) {
    count += ClassOf(w) == L"#32770";
    return false;
  });
  return count;
}

std::vector<COLORREF> ScreenPixels(const RECT& r) {
  const int width = r.right - r.left, height = r.bottom - r.top;
  std::vector<COLORREF> pixels;
  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
  HGDIOBJ old = SelectObject(memory, bitmap);
  BitBlt(memory, 0, 0, width, height, screen, r.left, r.top, SRCCOPY);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) pixels.push_back(GetPixel(memory, x, y));
  }
  SelectObject(memory, old);
  DeleteObject(bitmap);
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
  return pixels;
}

TBitmapPixels BitmapFilePixels(const std::wstring& path) {
  TBitmapPixels out;
  const HBITMAP bitmap = static_cast<HBITMAP>(
      LoadImageW(nullptr, path.c_str(), IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE | LR_CREATEDIBSECTION));
  if (!bitmap) return out;
  BITMAP info{};
  GetObjectW(bitmap, sizeof info, &info);
  BITMAPINFO request{};
  request.bmiHeader = {
      sizeof(BITMAPINFOHEADER), info.bmWidth, -info.bmHeight, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  std::vector<DWORD> raw(static_cast<size_t>(info.bmWidth) * info.bmHeight);
  const HDC screen = GetDC(nullptr);
  const int rows = GetDIBits(screen, bitmap, 0, static_cast<UINT>(info.bmHeight), raw.data(),
                             &request, DIB_RGB_COLORS);
  ReleaseDC(nullptr, screen);
  DeleteObject(bitmap);
  if (rows != info.bmHeight) return out;
  out.width = info.bmWidth;
  out.height = info.bmHeight;
  for (const DWORD p : raw) out.pixels.push_back(RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF));
  return out;
}

namespace {

bool CornersMatch(const std::vector<COLORREF>& control, int width, const TBitmapPixels& strip,
                  int frameLeft, int frameWidth, int corner) {
  const int height = static_cast<int>(control.size()) / width;
  for (int y = 0; y < 2 * corner; ++y) {
    const bool bottom = y >= corner;
    const int stripY = bottom ? strip.height - 2 * corner + y : y;
    const int controlY = bottom ? height - 2 * corner + y : y;
    for (int x = 0; x < 2 * corner; ++x) {
      const bool right = x >= corner;
      const COLORREF skin = strip.At(frameLeft + (right ? frameWidth - 2 * corner + x : x), stripY);
      const int controlX = right ? width - 2 * corner + x : x;
      if (skin != RGB(255, 0, 255) &&
          control[static_cast<size_t>(controlY) * width + controlX] != skin)
        return false;
    }
  }
  return true;
}

// Which frame of a strip of `frames` frames the control's pixels show;
// magenta pixels of the strip are transparent and skipped.
int FrameShown(const std::vector<COLORREF>& control, int width, const TBitmapPixels& strip,
               int frames, int corner) {
  if (frames <= 0 || width < 2 * corner || strip.width / frames < 2 * corner ||
      strip.height < 2 * corner || static_cast<int>(control.size()) < 2 * corner * width)
    return -1;
  const int frameWidth = strip.width / frames;
  for (int frame = 0; frame < frames; ++frame) {
    if (CornersMatch(control, width, strip, frame * frameWidth, frameWidth, corner)) return frame;
  }
  return -1;
}

}  // namespace

HWND FocusInThreadOf(HWND window) {
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  return GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info) ? info.hwndFocus
                                                                            : nullptr;
}

TButtonStrip ButtonStrip(const std::wstring& skinSource) {
  const std::wstring ini = skinSource + L"\\tapvane.ini";
  wchar_t image[MAX_PATH] = L"";
  GetPrivateProfileStringW(L"Buttons", L"Bitmap", L"", image, MAX_PATH, ini.c_str());
  const auto value = [&](const wchar_t* key) {
    return static_cast<int>(GetPrivateProfileIntW(L"Buttons", key, 0, ini.c_str()));
  };
  return {BitmapFilePixels(skinSource + L"\\" + image), value(L"Frame"), value(L"LeftWidth")};
}

int ButtonFrameShown(HWND button, const TButtonStrip& strip) {
  RECT r{};
  if (strip.image.pixels.empty() || !GetWindowRect(button, &r)) return -1;
  return FrameShown(ScreenPixels(r), r.right - r.left, strip.image, strip.frames, strip.corner);
}

}  // namespace e2e
