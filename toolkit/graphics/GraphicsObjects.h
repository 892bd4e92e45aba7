// Font, brush and pen: persistent descriptions whose GDI handle is made on
// demand and remade after every change.
#pragma once

#include <windows.h>

#include "toolkit/core/Events.h"
#include "toolkit/core/Persistent.h"
#include "toolkit/core/Sets.h"
#include "toolkit/graphics/Colors.h"
#include "toolkit/graphics/ScopedHandles.h"

class TGraphicsObject : public TPersistent {
  TAPVANE_CLASS(TGraphicsObject)
 public:
  // Called after every change, before the previous handle is deleted, so that
  // a canvas can take it out of its DC first.
  TNotifyEvent OnChange;

 protected:
  // Drops the current handle (after OnChange) so the next Handle() remakes it.
  void Changed();
  virtual void DropHandle() = 0;
};

enum TFontStyle { fsBold, fsItalic, fsUnderline, fsStrikeOut };
using TFontStyles = TSet<TFontStyle>;
enum TFontPitch { fpDefault, fpVariable, fpFixed };

class TFont : public TGraphicsObject {
  TAPVANE_CLASS(TFont)
 public:
  TFont();

  const String& Name() const { return name_; }
  void SetName(const String& name);
  // Negative: character height in pixels; positive: cell height.
  int Height() const { return height_; }
  void SetHeight(int height);
  // Points at PixelsPerInch().
  int Size() const;
  void SetSize(int size);
  TColor Color() const { return color_; }
  void SetColor(TColor color);
  TFontStyles Style() const { return style_; }
  void SetStyle(TFontStyles style);
  int Charset() const { return charset_; }
  void SetCharset(int charset);
  TFontPitch Pitch() const { return pitch_; }
  void SetPitch(TFontPitch pitch);
  int PixelsPerInch() const { return pixelsPerInch_; }
  void SetPixelsPerInch(int ppi) { pixelsPerInch_ = ppi > 0 ? ppi : 96; }

  HFONT Handle();
  // Takes the description of a font made elsewhere (WM_GETFONT of a control);
  // the handle itself stays its maker's.
  void SetHandle(HFONT font);
  LOGFONTW LogFont() const;

  void Assign(const TPersistent* Source) override;

 protected:
  void DropHandle() override { handle_.Reset(); }

 private:
  String name_ = "Tahoma";
  int height_ = -11;
  TColor color_ = clWindowText;
  TFontStyles style_;
  int charset_ = DEFAULT_CHARSET;
  TFontPitch pitch_ = fpDefault;
  int pixelsPerInch_ = 96;
  TFontHandle handle_;
};

enum TBrushStyle {
  bsSolid,
  bsClear,
  bsHorizontal,
  bsVertical,
  bsFDiagonal,
  bsBDiagonal,
  bsCross,
  bsDiagCross
};

class TBrush : public TGraphicsObject {
  TAPVANE_CLASS(TBrush)
 public:
  TColor Color() const { return color_; }
  void SetColor(TColor color);
  TBrushStyle Style() const { return style_; }
  void SetStyle(TBrushStyle style);

  HBRUSH Handle();
  void Assign(const TPersistent* Source) override;

 protected:
  void DropHandle() override { handle_.Reset(); }

 private:
  TColor color_ = clWhite;
  TBrushStyle style_ = bsSolid;
  TBrushHandle handle_;
};

enum TPenStyle { psSolid, psDash, psDot, psDashDot, psDashDotDot, psClear, psInsideFrame };

class TPen : public TGraphicsObject {
  TAPVANE_CLASS(TPen)
 public:
  TColor Color() const { return color_; }
  void SetColor(TColor color);
  int Width() const { return width_; }
  void SetWidth(int width);
  TPenStyle Style() const { return style_; }
  void SetStyle(TPenStyle style);

  HPEN Handle();
  void Assign(const TPersistent* Source) override;

 protected:
  void DropHandle() override { handle_.Reset(); }

 private:
  TColor color_ = clBlack;
  int width_ = 1;
  TPenStyle style_ = psSolid;
  TPenHandle handle_;
};

// Enumeration information for the published properties.
const TEnumInfo& FontStyleInfo();
const TEnumInfo& FontPitchInfo();
const TEnumInfo& BrushStyleInfo();
const TEnumInfo& PenStyleInfo();
