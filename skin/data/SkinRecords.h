// Skin element records: what the skin description says about one element
// (margins of its nine-slice grid, its bitmap and frame count, colours).
// Forms and controls only read them; the skin data component fills them.
#pragma once

#include <windows.h>

#include <memory>

#include "toolkit/core/SysUtils.h"
#include "toolkit/graphics/Colors.h"

class TBitmap;

class TDataSkinObject {
 public:
  explicit TDataSkinObject(String name = {});
  virtual ~TDataSkinObject();
  TDataSkinObject(const TDataSkinObject&) = delete;
  TDataSkinObject& operator=(const TDataSkinObject&) = delete;

  int LeftWidth = 0;
  int TopHeight = 0;
  int RightWidth = 0;
  int BottomHeight = 0;
  // The four above as a margins rectangle, for framed-image drawing.
  RECT Margins() const { return RECT{LeftWidth, TopHeight, RightWidth, BottomHeight}; }
  std::unique_ptr<TBitmap> Image;  // never null; empty until loaded
  int Trans = 0;                   // nonzero: magenta is transparent
  int Tile = 0;                    // nonzero tiles the centre, zero stretches it
  String Name;
  int Frame = 0;
  int Style = 0;
  TColor NormalColour = 0;
  TColor MouseOverColour = 0;
  TColor PressedColour = 0;
  TColor NormalColour2 = 0;
  TColor MouseOverColour2 = 0;
  TColor PressedColour2 = 0;
};

class TDataSkinBorder : public TDataSkinObject {
 public:
  explicit TDataSkinBorder(String name = {});
  ~TDataSkinBorder() override;

  std::unique_ptr<TBitmap> Image2;  // never null
};

class TDataSkinTitle : public TDataSkinObject {
 public:
  using TDataSkinObject::TDataSkinObject;

  int TextAlignment = 0;
  int Textbackground = 0;
  int FontHeight = 0;
  int TXTBackleft = 0;
  int TXTBackRight = 0;
  TColor ActiveText = clNone;  // clNone (0x1FFFFFFF) when the skin gives none
  TColor InActiveText = clNone;
};

class TDataSkinButton : public TDataSkinObject {
 public:
  explicit TDataSkinButton(String name = {});
  ~TDataSkinButton() override;

  std::unique_ptr<TBitmap> CheckImage;  // never null
  std::unique_ptr<TBitmap> RadioImage;  // never null
  int RadioButtonFrame = 0;
  int CheckButtonFrame = 0;
  bool HasNormalColour2 = false;
  bool HasMouseOverColour2 = false;
  bool HasPressedColour2 = false;
};

class TDataSkinSysButton : public TDataSkinObject {
 public:
  using TDataSkinObject::TDataSkinObject;

  int Action = 0;
  int Align = 0;
  int Xcoord = 0;
  int Ycoord = 0;
  int CombineOp = 0;
  int Visibility = 0;
  int Visibility1 = 0;
};

class TDataSkinBoxLabel : public TDataSkinObject {
 public:
  using TDataSkinObject::TDataSkinObject;

  int BackgroundLeftShift = 0;
  int BackgroundRightShift = 0;
  int BackgroundAlignment = 0;
};
