#include "toolkit/graphics/Canvas.h"

#include "toolkit/core/ClassBuilder.h"
#include "toolkit/graphics/Graphic.h"

const TClassInfo& TCanvas::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TCanvas>("TCanvas", &TPersistent::StaticClass()).Build();
  return info;
}

TCanvas::TCanvas() {
  // A changed object leaves the DC before its old handle is deleted; the new
  // one goes in with the next Handle().
  font_.OnChange = [this](TObject*) { Deselect(savedFont_); };
  brush_.OnChange = [this](TObject*) { Deselect(savedBrush_); };
  pen_.OnChange = [this](TObject*) { Deselect(savedPen_); };
}

TCanvas::~TCanvas() { SetHandle(nullptr); }

HDC TCanvas::Handle() {
  if (!dc_) CreateHandle();
  if (dc_) SelectObjects();
  return dc_;
}

HDC TCanvas::BareHandle() {
  if (!dc_) CreateHandle();
  return dc_;
}

void TCanvas::SetHandle(HDC dc) {
  if (dc == dc_) return;
  DeselectObjects();
  dc_ = dc;
  if (dc_) {
    POINT pos{};
    GetCurrentPositionEx(dc_, &pos);
    penPos_ = pos;
  }
}

void TCanvas::SelectObjects() {
  if (!savedFont_) {
    savedFont_ = SelectObject(dc_, font_.Handle());
  }
  // The text colour follows the font; kept up to date on every use.
  SetTextColor(dc_, static_cast<COLORREF>(ColorToRGB(font_.Color())));
  if (!savedBrush_) {
    savedBrush_ = SelectObject(dc_, brush_.Handle());
  }
  if (brush_.Style() == bsSolid) {
    SetBkColor(dc_, static_cast<COLORREF>(ColorToRGB(brush_.Color())));
    SetBkMode(dc_, OPAQUE);
  } else {
    SetBkMode(dc_, TRANSPARENT);
  }
  if (!savedPen_) {
    savedPen_ = SelectObject(dc_, pen_.Handle());
  }
}

void TCanvas::Deselect(HGDIOBJ& saved) {
  if (dc_ && saved) SelectObject(dc_, saved);
  saved = nullptr;
}

void TCanvas::DeselectObjects() {
  Deselect(savedFont_);
  Deselect(savedBrush_);
  Deselect(savedPen_);
}

void TCanvas::FillRect(const RECT& rect) {
  HDC dc = Handle();
  if (dc && brush_.Style() != bsClear) ::FillRect(dc, &rect, brush_.Handle());
}

void TCanvas::FrameRect(const RECT& rect) {
  HDC dc = Handle();
  if (dc) ::FrameRect(dc, &rect, brush_.Handle());
}

void TCanvas::Rectangle(int left, int top, int right, int bottom) {
  HDC dc = Handle();
  if (dc) ::Rectangle(dc, left, top, right, bottom);
}

void TCanvas::MoveTo(int x, int y) {
  HDC dc = Handle();
  if (dc) MoveToEx(dc, x, y, nullptr);
  penPos_ = {x, y};
}

void TCanvas::LineTo(int x, int y) {
  HDC dc = Handle();
  if (dc) ::LineTo(dc, x, y);
  penPos_ = {x, y};
}

namespace {

const wchar_t* Wide(const WideString& text) {
  return reinterpret_cast<const wchar_t*>(text.c_str());
}

}  // namespace

void TCanvas::TextOut(int x, int y, const String& text) { TextOut(x, y, Utf8ToWide(text)); }

void TCanvas::TextOut(int x, int y, const WideString& text) {
  HDC dc = Handle();
  if (!dc) return;
  ::TextOutW(dc, x, y, Wide(text), static_cast<int>(text.size()));
  SIZE size{};
  GetTextExtentPoint32W(dc, Wide(text), static_cast<int>(text.size()), &size);
  penPos_ = {x + size.cx, y};
}

void TCanvas::TextRect(const RECT& rect, int x, int y, const String& text) {
  TextRect(rect, x, y, Utf8ToWide(text));
}

void TCanvas::TextRect(const RECT& rect, int x, int y, const WideString& text) {
  HDC dc = Handle();
  if (!dc) return;
  const UINT options = ETO_CLIPPED | (brush_.Style() == bsClear ? 0 : ETO_OPAQUE);
  ExtTextOutW(dc, x, y, options, &rect, Wide(text), static_cast<UINT>(text.size()), nullptr);
}

SIZE TCanvas::TextExtent(const String& text) { return TextExtent(Utf8ToWide(text)); }

SIZE TCanvas::TextExtent(const WideString& text) {
  SIZE size{};
  HDC dc = Handle();
  if (dc) GetTextExtentPoint32W(dc, Wide(text), static_cast<int>(text.size()), &size);
  return size;
}

void TCanvas::Draw(int x, int y, TGraphic& graphic) {
  if (graphic.Empty()) return;
  graphic.Draw(*this, RECT{x, y, x + graphic.Width(), y + graphic.Height()});
}

void TCanvas::StretchDraw(const RECT& rect, TGraphic& graphic) {
  if (!graphic.Empty()) graphic.Draw(*this, rect);
}

void TCanvas::CopyRect(const RECT& dest, TCanvas& source, const RECT& sourceRect) {
  HDC dc = Handle();
  HDC from = source.Handle();
  if (!dc || !from) return;
  SetStretchBltMode(dc, COLORONCOLOR);
  StretchBlt(dc, dest.left, dest.top, dest.right - dest.left, dest.bottom - dest.top, from,
             sourceRect.left, sourceRect.top, sourceRect.right - sourceRect.left,
             sourceRect.bottom - sourceRect.top, CopyMode);
}

TColor TCanvas::Pixel(int x, int y) {
  HDC dc = Handle();
  return dc ? static_cast<TColor>(GetPixel(dc, x, y)) : clNone;
}

void TCanvas::SetPixel(int x, int y, TColor color) {
  HDC dc = Handle();
  if (dc) ::SetPixel(dc, x, y, static_cast<COLORREF>(ColorToRGB(color)));
}

RECT TCanvas::ClipRect() {
  RECT rect{};
  HDC dc = Handle();
  if (dc) GetClipBox(dc, &rect);
  return rect;
}
