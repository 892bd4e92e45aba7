#include "toolkit/controls/HintWindow.h"

#include "toolkit/controls/WideText.h"

const TClassInfo& THintWindow::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<THintWindow>("THintWindow", &TCustomControl::StaticClass()).Build();
  return info;
}

THintWindow::THintWindow(TComponent* owner) : TCustomControl(owner) {
  SetColor(clInfoBk);
  Font()->SetColor(clInfoText);
  SetVisible(false);
}

void THintWindow::CreateParams(TCreateParams& params) {
  TCustomControl::CreateParams(params);
  params.Style = WS_POPUP | WS_BORDER;
  params.ExStyle = WS_EX_TOOLWINDOW | WS_EX_TOPMOST;
  params.WndParent = nullptr;
  params.ClassStyle |= CS_SAVEBITS;
}

RECT THintWindow::CalcHintRect(int maxWidth, const String& hint) {
  TMemoryDC dc;
  TSelection font(dc.Get(), Font()->Handle());
  RECT rect{0, 0, maxWidth, 0};
  const std::wstring text = ToWide(hint);
  DrawTextW(dc.Get(), text.c_str(), static_cast<int>(text.size()), &rect,
            DT_CALCRECT | DT_LEFT | DT_WORDBREAK | DT_NOPREFIX);
  rect.right += 6;
  rect.bottom += 4;
  return rect;
}

void THintWindow::ActivateHint(const RECT& rect, const String& hint) {
  SetCaption(hint);
  SetBounds(rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top);
  SetWindowPos(Handle(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  SetVisible(true);
  Invalidate();
}

void THintWindow::Paint() {
  RECT rect = ClientRect();
  InflateRect(&rect, -2, -2);
  const std::wstring text = ToWide(Caption());
  const HDC dc = Canvas()->Handle();
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, static_cast<COLORREF>(ColorToRGB(Font()->Color())));
  DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &rect,
            DT_LEFT | DT_WORDBREAK | DT_NOPREFIX);
}
