#include "tests/win32/skin_test_program/PlainTestWindow.h"

#include <stdexcept>

namespace {

LRESULT CALLBACK PlainProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_PAINT) {
    PAINTSTRUCT paint;
    const HDC dc = BeginPaint(window, &paint);
    RECT client;
    GetClientRect(window, &client);
    // Over whatever background the window was given, the skin's included.
    SetBkMode(dc, TRANSPARENT);
    DrawTextW(dc, L"A window without the toolkit", -1, &client,
              DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    EndPaint(window, &paint);
    return 0;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

ATOM PlainClass() {
  static const ATOM atom = [] {
    WNDCLASSEXW cls{};
    cls.cbSize = sizeof cls;
    cls.lpfnWndProc = &PlainProcedure;
    cls.hInstance = GetModuleHandleW(nullptr);
    cls.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    cls.hIcon = LoadIconW(nullptr, IDI_APPLICATION);
    cls.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    cls.lpszClassName = L"TapvanePlainTestWindow";
    return RegisterClassExW(&cls);
  }();
  return atom;
}

}  // namespace

TPlainTestWindow::TPlainTestWindow(int x, int y, const wchar_t* caption) {
  window_ = CreateWindowExW(0, MAKEINTATOM(PlainClass()), caption, WS_OVERLAPPEDWINDOW, x, y, 340,
                            240, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
  if (!window_) throw std::runtime_error("CreateWindowExW failed for the plain test window");
}

TPlainTestWindow::~TPlainTestWindow() {
  if (IsWindow(window_)) DestroyWindow(window_);
}
