// A window that writes every mouse message it receives, and every change of
// the cursor position, to a log file with a timestamp, so that end-to-end
// tests can see what another program's synthetic input really delivered.
//
//   e2e_click_target.exe LOG LEFT TOP WIDTH HEIGHT
//
// Log lines: "<ms> <EVENT> <screen x> <screen y>", ms from the performance
// counter, which every process of the machine shares.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cwchar>

namespace {

FILE* g_log = nullptr;
POINT g_lastCursor{LONG_MIN, LONG_MIN};
constexpr UINT_PTR kPollTimer = 1;

double NowMs() {
  LARGE_INTEGER counter{}, frequency{};
  QueryPerformanceCounter(&counter);
  QueryPerformanceFrequency(&frequency);
  return static_cast<double>(counter.QuadPart) * 1000.0 / static_cast<double>(frequency.QuadPart);
}

void Log(const char* event, LONG x, LONG y) {
  if (!g_log) return;
  std::fprintf(g_log, "%.3f %s %ld %ld\n", NowMs(), event, x, y);
  std::fflush(g_log);
}

void PollCursor() {
  POINT p{};
  if (!GetCursorPos(&p)) return;
  if (p.x == g_lastCursor.x && p.y == g_lastCursor.y) return;
  g_lastCursor = p;
  Log("POS", p.x, p.y);
}

const char* ButtonEventName(UINT message) {
  switch (message) {
    case WM_LBUTTONDOWN:
      return "LDOWN";
    case WM_LBUTTONUP:
      return "LUP";
    case WM_LBUTTONDBLCLK:
      return "LDBL";
    case WM_RBUTTONDOWN:
      return "RDOWN";
    case WM_RBUTTONUP:
      return "RUP";
    case WM_RBUTTONDBLCLK:
      return "RDBL";
    case WM_MBUTTONDOWN:
      return "MDOWN";
    case WM_MBUTTONUP:
      return "MUP";
    default:
      return nullptr;
  }
}

LRESULT CALLBACK TargetProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (const char* name = ButtonEventName(message)) {
    POINT p{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
    ClientToScreen(window, &p);
    Log(name, p.x, p.y);
    return 0;
  }
  switch (message) {
    case WM_MOUSEACTIVATE:
      // Clicks must not pull the target in front of the program under test.
      return MA_NOACTIVATE;
    case WM_TIMER:
      PollCursor();
      return 0;
    case WM_CLOSE:
      DestroyWindow(window);
      return 0;
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
    default:
      return DefWindowProcW(window, message, wParam, lParam);
  }
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc < 6) {
    std::fwprintf(stderr, L"usage: %ls LOG LEFT TOP WIDTH HEIGHT\n", argv[0]);
    return 2;
  }
  g_log = _wfopen(argv[1], L"w");
  if (!g_log) return 1;
  const int left = _wtoi(argv[2]), top = _wtoi(argv[3]), width = _wtoi(argv[4]),
            height = _wtoi(argv[5]);

  WNDCLASSW cls{};
  cls.lpfnWndProc = TargetProc;
  cls.hInstance = GetModuleHandleW(nullptr);
  cls.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  cls.hbrBackground = CreateSolidBrush(RGB(40, 110, 60));
  cls.lpszClassName = L"TapvaneClickTarget";
  RegisterClassW(&cls);
  HWND window = CreateWindowExW(WS_EX_TOPMOST | WS_EX_NOACTIVATE | WS_EX_TOOLWINDOW,
                                cls.lpszClassName, L"TapvaneClickTarget", WS_POPUP | WS_VISIBLE,
                                left, top, width, height, nullptr, nullptr, cls.hInstance, nullptr);
  if (!window) return 1;
  SetTimer(window, kPollTimer, 10, nullptr);
  Log("READY", left, top);

  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  std::fclose(g_log);
  return 0;
}
