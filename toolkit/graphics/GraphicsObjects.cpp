#include "toolkit/graphics/GraphicsObjects.h"

#include <algorithm>

#include "toolkit/core/ClassBuilder.h"
#include "toolkit/graphics/ColorIdents.h"

const TEnumInfo& FontStyleInfo() {
  static const TEnumInfo info{"TFontStyle", {"fsBold", "fsItalic", "fsUnderline", "fsStrikeOut"}};
  return info;
}

const TEnumInfo& FontPitchInfo() {
  static const TEnumInfo info{"TFontPitch", {"fpDefault", "fpVariable", "fpFixed"}};
  return info;
}

const TEnumInfo& BrushStyleInfo() {
  static const TEnumInfo info{"TBrushStyle",
                              {"bsSolid", "bsClear", "bsHorizontal", "bsVertical", "bsFDiagonal",
                               "bsBDiagonal", "bsCross", "bsDiagCross"}};
  return info;
}

const TEnumInfo& PenStyleInfo() {
  static const TEnumInfo info{
      "TPenStyle",
      {"psSolid", "psDash", "psDot", "psDashDot", "psDashDotDot", "psClear", "psInsideFrame"}};
  return info;
}

const TClassInfo& TGraphicsObject::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TGraphicsObject>("TGraphicsObject", &TPersistent::StaticClass()).Build();
  return info;
}

void TGraphicsObject::Changed() {
  if (OnChange) OnChange(this);
  DropHandle();
}

// --- TFont

const TClassInfo& TFont::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TFont>("TFont", &TGraphicsObject::StaticClass())
          .Integer("Charset", &TFont::Charset, &TFont::SetCharset)
          .Integer("Color", &TFont::Color, &TFont::SetColor)
          .Idents(ColorIdents())
          .Integer("Height", &TFont::Height, &TFont::SetHeight)
          .Str("Name", &TFont::Name, &TFont::SetName)
          .Enum("Pitch", FontPitchInfo(), &TFont::Pitch, &TFont::SetPitch)
          .Integer("Size", &TFont::Size, &TFont::SetSize)
          .Set("Style", FontStyleInfo(), &TFont::Style, &TFont::SetStyle)
          .Build();
  return info;
}

namespace {

// Asked of the screen once: every canvas makes a font, and under Wine each
// GetDC of the screen costs round trips to the server and the display. The
// system DPI of a process does not change while it runs.
int ScreenPixelsPerInch() {
  static const int pixelsPerInch = [] {
    TScreenDC screen;
    return screen.Get() ? GetDeviceCaps(screen.Get(), LOGPIXELSY) : 0;
  }();
  return pixelsPerInch;
}

}  // namespace

TFont::TFont() {
  if (const int pixelsPerInch = ScreenPixelsPerInch()) SetPixelsPerInch(pixelsPerInch);
}

void TFont::SetName(const String& name) {
  if (name == name_ || name.empty()) return;
  name_ = name;
  Changed();
}

void TFont::SetHeight(int height) {
  if (height == height_) return;
  height_ = height;
  Changed();
}

int TFont::Size() const { return -MulDiv(height_, 72, pixelsPerInch_); }

void TFont::SetSize(int size) { SetHeight(-MulDiv(size, pixelsPerInch_, 72)); }

void TFont::SetColor(TColor color) {
  if (color == color_) return;
  color_ = color;
  // The colour is not part of the GDI font; listeners still want to know.
  if (OnChange) OnChange(this);
}

void TFont::SetStyle(TFontStyles style) {
  if (style == style_) return;
  style_ = style;
  Changed();
}

void TFont::SetCharset(int charset) {
  if (charset == charset_) return;
  charset_ = charset & 0xFF;
  Changed();
}

void TFont::SetPitch(TFontPitch pitch) {
  if (pitch < fpDefault || pitch > fpFixed) pitch = fpDefault;
  if (pitch == pitch_) return;
  pitch_ = pitch;
  Changed();
}

LOGFONTW TFont::LogFont() const {
  LOGFONTW lf{};
  lf.lfHeight = height_;
  lf.lfWeight = style_.Contains(fsBold) ? FW_BOLD : FW_NORMAL;
  lf.lfItalic = style_.Contains(fsItalic);
  lf.lfUnderline = style_.Contains(fsUnderline);
  lf.lfStrikeOut = style_.Contains(fsStrikeOut);
  lf.lfCharSet = static_cast<BYTE>(charset_);
  lf.lfOutPrecision = OUT_DEFAULT_PRECIS;
  lf.lfClipPrecision = CLIP_DEFAULT_PRECIS;
  lf.lfQuality = DEFAULT_QUALITY;
  lf.lfPitchAndFamily = pitch_ == fpFixed      ? FIXED_PITCH
                        : pitch_ == fpVariable ? VARIABLE_PITCH
                                               : DEFAULT_PITCH;
  const WideString face = Utf8ToWide(name_);
  const size_t n = std::min<size_t>(face.size(), LF_FACESIZE - 1);
  for (size_t i = 0; i < n; ++i) lf.lfFaceName[i] = static_cast<wchar_t>(face[i]);
  return lf;
}

HFONT TFont::Handle() {
  if (!handle_) {
    const LOGFONTW lf = LogFont();
    handle_.Reset(CreateFontIndirectW(&lf));
  }
  return handle_.Get();
}

void TFont::SetHandle(HFONT font) {
  LOGFONTW lf{};
  if (!font || GetObjectW(font, sizeof lf, &lf) == 0) return;
  WideString face;
  for (int i = 0; i < LF_FACESIZE && lf.lfFaceName[i]; ++i)
    face.push_back(static_cast<char16_t>(lf.lfFaceName[i]));
  name_ = WideToUtf8(face);
  height_ = lf.lfHeight;
  style_ = TFontStyles{};
  if (lf.lfWeight >= FW_BOLD) style_.Include(fsBold);
  if (lf.lfItalic) style_.Include(fsItalic);
  if (lf.lfUnderline) style_.Include(fsUnderline);
  if (lf.lfStrikeOut) style_.Include(fsStrikeOut);
  charset_ = lf.lfCharSet;
  const int pitch = lf.lfPitchAndFamily & 3;
  pitch_ = pitch == FIXED_PITCH ? fpFixed : pitch == VARIABLE_PITCH ? fpVariable : fpDefault;
  Changed();
}

void TFont::Assign(const TPersistent* Source) {
  if (const auto* font = dynamic_cast<const TFont*>(Source)) {
    if (font == this) return;
    name_ = font->name_;
    height_ = font->height_;
    color_ = font->color_;
    style_ = font->style_;
    charset_ = font->charset_;
    pitch_ = font->pitch_;
    Changed();
    return;
  }
  TPersistent::Assign(Source);
}

// --- TBrush

const TClassInfo& TBrush::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TBrush>("TBrush", &TGraphicsObject::StaticClass())
          .Integer("Color", &TBrush::Color, &TBrush::SetColor)
          .Idents(ColorIdents())
          .Enum("Style", BrushStyleInfo(), &TBrush::Style, &TBrush::SetStyle)
          .Build();
  return info;
}

void TBrush::SetColor(TColor color) {
  if (color == color_) return;
  color_ = color;
  // Setting a colour makes a cleared brush paint again, as callers expect.
  if (style_ == bsClear) style_ = bsSolid;
  Changed();
}

void TBrush::SetStyle(TBrushStyle style) {
  if (style < bsSolid || style > bsDiagCross) style = bsSolid;
  if (style == style_) return;
  style_ = style;
  Changed();
}

HBRUSH TBrush::Handle() {
  if (!handle_) {
    LOGBRUSH lb{};
    lb.lbColor = static_cast<COLORREF>(ColorToRGB(color_));
    switch (style_) {
      case bsSolid:
        lb.lbStyle = BS_SOLID;
        break;
      case bsClear:
        lb.lbStyle = BS_HOLLOW;
        break;
      default:
        lb.lbStyle = BS_HATCHED;
        lb.lbHatch = static_cast<ULONG_PTR>(style_ - bsHorizontal);  // HS_HORIZONTAL ...
        break;
    }
    handle_.Reset(CreateBrushIndirect(&lb));
  }
  return handle_.Get();
}

void TBrush::Assign(const TPersistent* Source) {
  if (const auto* brush = dynamic_cast<const TBrush*>(Source)) {
    if (brush == this) return;
    color_ = brush->color_;
    style_ = brush->style_;
    Changed();
    return;
  }
  TPersistent::Assign(Source);
}

// --- TPen

const TClassInfo& TPen::StaticClass() {
  static const TClassInfo info = TClassBuilder<TPen>("TPen", &TGraphicsObject::StaticClass())
                                     .Integer("Color", &TPen::Color, &TPen::SetColor)
                                     .Idents(ColorIdents())
                                     .Enum("Style", PenStyleInfo(), &TPen::Style, &TPen::SetStyle)
                                     .Integer("Width", &TPen::Width, &TPen::SetWidth)
                                     .Build();
  return info;
}

void TPen::SetColor(TColor color) {
  if (color == color_) return;
  color_ = color;
  Changed();
}

void TPen::SetWidth(int width) {
  width = width < 0 ? 0 : width;
  if (width == width_) return;
  width_ = width;
  Changed();
}

void TPen::SetStyle(TPenStyle style) {
  if (style < psSolid || style > psInsideFrame) style = psSolid;
  if (style == style_) return;
  style_ = style;
  Changed();
}

HPEN TPen::Handle() {
  if (!handle_) {
    static constexpr int kStyles[] = {PS_SOLID,      PS_DASH, PS_DOT,        PS_DASHDOT,
                                      PS_DASHDOTDOT, PS_NULL, PS_INSIDEFRAME};
    handle_.Reset(CreatePen(kStyles[style_], width_, static_cast<COLORREF>(ColorToRGB(color_))));
  }
  return handle_.Get();
}

void TPen::Assign(const TPersistent* Source) {
  if (const auto* pen = dynamic_cast<const TPen*>(Source)) {
    if (pen == this) return;
    color_ = pen->color_;
    width_ = pen->width_;
    style_ = pen->style_;
    Changed();
    return;
  }
  TPersistent::Assign(Source);
}
