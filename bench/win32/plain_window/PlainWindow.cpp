// A plain Win32 window that does what Tapvane's capture timer does and
// nothing else: two edit fields show the cursor position, refreshed every
// 100 ms, and set only when the text differs. bench/idle_cost.sh runs it
// beside Tapvane.exe as the floor of idle memory and CPU under Wine.
#include <windows.h>

#include <cwchar>

namespace {

constexpr UINT_PTR kCaptureTimer = 1;
constexpr UINT kCaptureMilliseconds = 100;

struct TFields {
  HWND x = nullptr, y = nullptr;
};
TFields fields;

void ShowNumber(HWND edit, long value) {
  wchar_t wanted[16], shown[16];
  std::swprintf(wanted, 16, L"%ld", value);
  GetWindowTextW(edit, shown, 16);
  if (std::wcscmp(wanted, shown) != 0) SetWindowTextW(edit, wanted);
}

HWND CreateField(HWND parent, int top) {
  return CreateWindowExW(WS_EX_CLIENTEDGE, L"EDIT", L"0", WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL,
                         20, top, 80, 22, parent, nullptr, GetModuleHandleW(nullptr), nullptr);
}

LRESULT CALLBACK PlainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CREATE:
      fields.x = CreateField(window, 20);
      fields.y = CreateField(window, 50);
      SetTimer(window, kCaptureTimer, kCaptureMilliseconds, nullptr);
      return 0;
    case WM_TIMER: {
      POINT cursor{};
      if (wParam == kCaptureTimer && GetCursorPos(&cursor)) {
        ShowNumber(fields.x, cursor.x);
        ShowNumber(fields.y, cursor.y);
      }
      return 0;
    }
    case WM_DESTROY:
      KillTimer(window, kCaptureTimer);
      PostQuitMessage(0);
      return 0;
    default:
      return DefWindowProcW(window, message, wParam, lParam);
  }
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int show) {
  WNDCLASSW windowClass{};
  windowClass.lpfnWndProc = PlainWindowProc;
  windowClass.hInstance = instance;
  windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  windowClass.lpszClassName = L"TapvanePlainWindow";
  if (!RegisterClassW(&windowClass)) return 1;
  // The client size of Tapvane's main window.
  RECT frame{0, 0, 347, 455};
  AdjustWindowRect(&frame, WS_OVERLAPPEDWINDOW, FALSE);
  HWND window = CreateWindowExW(0, windowClass.lpszClassName, L"Plain window", WS_OVERLAPPEDWINDOW,
                                CW_USEDEFAULT, CW_USEDEFAULT, frame.right - frame.left,
                                frame.bottom - frame.top, nullptr, nullptr, instance, nullptr);
  if (!window) return 1;
  ShowWindow(window, show);
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return static_cast<int>(message.wParam);
}
