#include "gallery/GalleryMdiFrame.h"

#include <stdexcept>

namespace {

constexpr wchar_t kFrameClass[] = L"SkinGalleryMdiFrame";
constexpr wchar_t kChildClass[] = L"SkinGalleryMdiChild";
constexpr UINT kFirstChildId = 50000;
// DefFrameProc needs the client for every message; the frame keeps it here.
constexpr wchar_t kClientProperty[] = L"SkinGalleryMdiClient";

LRESULT CALLBACK FrameProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  const auto client = static_cast<HWND>(GetPropW(window, kClientProperty));
  if (message == WM_NCDESTROY) RemovePropW(window, kClientProperty);
  return DefFrameProcW(window, client, message, wParam, lParam);
}

LRESULT CALLBACK ChildProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  return DefMDIChildProcW(window, message, wParam, lParam);
}

void RegisterClasses() {
  static const bool registered = [] {
    WNDCLASSEXW cls{};
    cls.cbSize = sizeof cls;
    cls.hInstance = GetModuleHandleW(nullptr);
    cls.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    cls.hIcon = LoadIconW(nullptr, IDI_APPLICATION);
    cls.lpfnWndProc = &FrameProcedure;
    cls.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_APPWORKSPACE + 1);
    cls.lpszClassName = kFrameClass;
    RegisterClassExW(&cls);
    cls.lpfnWndProc = &ChildProcedure;
    cls.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    cls.lpszClassName = kChildClass;
    RegisterClassExW(&cls);
    return true;
  }();
  (void)registered;
}

}  // namespace

TGalleryMdiFrame::TGalleryMdiFrame(int x, int y) {
  RegisterClasses();
  const HINSTANCE instance = GetModuleHandleW(nullptr);
  frame_ = CreateWindowExW(0, kFrameClass, L"MDI 框架", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, x, y,
                           480, 340, nullptr, nullptr, instance, nullptr);
  if (!frame_) throw std::runtime_error("CreateWindowExW failed for the MDI frame");
  CLIENTCREATESTRUCT clientCreate{nullptr, kFirstChildId};
  client_ = CreateWindowExW(WS_EX_CLIENTEDGE, L"MDICLIENT", nullptr,
                            WS_CHILD | WS_CLIPCHILDREN | WS_VSCROLL | WS_HSCROLL | WS_VISIBLE, 0, 0,
                            0, 0, frame_, nullptr, instance, &clientCreate);
  if (!client_) {
    DestroyWindow(frame_);
    throw std::runtime_error("CreateWindowExW failed for the MDI client");
  }
  SetPropW(frame_, kClientProperty, client_);
  RECT area;
  GetClientRect(frame_, &area);
  MoveWindow(client_, 0, 0, area.right, area.bottom, FALSE);
  const wchar_t* titles[] = {L"MDI 子窗口 1", L"MDI 子窗口 2"};
  for (size_t i = 0; i < children_.size(); ++i) {
    MDICREATESTRUCTW create{kChildClass, titles[i], instance, CW_USEDEFAULT, CW_USEDEFAULT, 220,
                            140,         0,         0};
    children_[i] = reinterpret_cast<HWND>(
        SendMessageW(client_, WM_MDICREATE, 0, reinterpret_cast<LPARAM>(&create)));
    if (!children_[i]) {
      DestroyWindow(frame_);
      throw std::runtime_error("WM_MDICREATE made no MDI child");
    }
  }
  ShowWindow(frame_, SW_SHOWNORMAL);
  UpdateWindow(frame_);
}

TGalleryMdiFrame::~TGalleryMdiFrame() {
  if (IsWindow(frame_)) DestroyWindow(frame_);
}
