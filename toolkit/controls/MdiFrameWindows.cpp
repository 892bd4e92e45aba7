#include "toolkit/controls/MdiFrameWindows.h"

#include <stdexcept>

namespace {

constexpr UINT kFirstChildId = 50000;
// DefFrameProc needs the client for every message; the frame keeps it here.
constexpr wchar_t kClientProperty[] = L"TapvaneMdiClient";

LRESULT CALLBACK ChildProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  return DefMDIChildProcW(window, message, wParam, lParam);
}

void RegisterOnce(const wchar_t* name, WNDPROC procedure, int background) {
  const HINSTANCE instance = GetModuleHandleW(nullptr);
  WNDCLASSEXW cls{};
  cls.cbSize = sizeof cls;
  if (GetClassInfoExW(instance, name, &cls)) return;
  cls.hInstance = instance;
  cls.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  cls.hIcon = LoadIconW(nullptr, IDI_APPLICATION);
  cls.lpfnWndProc = procedure;
  cls.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(background + 1));
  cls.lpszClassName = name;
  RegisterClassExW(&cls);
}

}  // namespace

LRESULT CALLBACK MdiFrameProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  const HWND client = MdiClientOf(window);
  if (message == WM_NCDESTROY) RemovePropW(window, kClientProperty);
  return DefFrameProcW(window, client, message, wParam, lParam);
}

HWND MdiClientOf(HWND frame) { return static_cast<HWND>(GetPropW(frame, kClientProperty)); }

TMdiFrameWindows::TMdiFrameWindows(const TMdiFrameArgs& args) {
  RegisterOnce(args.FrameClass, args.FrameProcedure ? args.FrameProcedure : &MdiFrameProc,
               COLOR_APPWORKSPACE);
  RegisterOnce(args.ChildClass, &ChildProcedure, COLOR_WINDOW);
  const HINSTANCE instance = GetModuleHandleW(nullptr);
  frame_ = CreateWindowExW(0, args.FrameClass, args.Title, WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN,
                           args.Origin.x, args.Origin.y, args.Size.cx, args.Size.cy, nullptr,
                           args.Menu, instance, nullptr);
  if (!frame_) {
    if (args.Menu) DestroyMenu(args.Menu);
    throw std::runtime_error("CreateWindowExW failed for the MDI frame");
  }
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
  for (size_t i = 0; i < children_.size(); ++i) {
    MDICREATESTRUCTW create{args.ChildClass,
                            args.ChildTitles[i],
                            instance,
                            CW_USEDEFAULT,
                            CW_USEDEFAULT,
                            args.ChildSize.cx,
                            args.ChildSize.cy,
                            0,
                            0};
    children_[i] = reinterpret_cast<HWND>(
        SendMessageW(client_, WM_MDICREATE, 0, reinterpret_cast<LPARAM>(&create)));
    if (!children_[i]) {
      DestroyWindow(frame_);
      throw std::runtime_error("WM_MDICREATE made no MDI child");
    }
  }
}

TMdiFrameWindows::~TMdiFrameWindows() {
  if (IsWindow(frame_)) DestroyWindow(frame_);
}
