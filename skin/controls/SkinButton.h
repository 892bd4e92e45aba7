// TSkinButton: push buttons drawn whole from the skin's "Buttons" element,
// frame by state, composed off-screen and copied in one BitBlt.
#pragma once

#include <memory>

#include "skin/controls/SkinControl.h"

class TBitmap;

// Frames of the "Buttons" strip.
enum TButtonFrame : int {
  bfNormal = 1,
  bfPressed = 2,
  bfDisabled = 3,
  bfHot = 4,
  bfFocused = 5,  // focused or default
};

// A button with this Tag shows its parent through the image's magenta.
constexpr int kTransparentTag = 5555;

class TSkinButton : public TSkinControl {
  TAPVANE_CLASS(TSkinButton)
 public:
  explicit TSkinButton(TControl* control);
  ~TSkinButton() override;

  void InitSkin(TSkinControlHost* form, TSkinData* skinData, bool changeColor,
                TCanvas* canvas) override;
  bool HasPicture() const override;
  bool BeforeProc(TMessage& message) override;
  void AfterProc(TMessage& message) override;
  void DrawControl(HDC dc, const RECT& rect) override;

  bool Transparent = false;
  // Where the caption went at the last draw, in window coordinates.
  RECT LastTextRect{};

 protected:
  // The frame for the live state: disabled, pressed, hot, focused or default.
  int StateFrame();
  void Click();
  // Focused, Enabled and Caption as the window has them now.
  void ReadLiveState();
  // Buffer sized to rect, the background (the parent's or the face) and
  // the frame laid on it; nullptr when there is nothing to draw into.
  HDC ComposeFace(const RECT& rect, int frame);
  // The caption's font, and its colour for the frame.
  HFONT CaptionFont() const;
  TColor CaptionColour(int frame) const;
  // The focus rectangle around text, unless the skin says no.
  void DrawFocusFrame(HDC dc, const RECT& text) const;

  std::unique_ptr<TBitmap> Buffer;
};

// The caption with its first "||" turned into a line break.
WideString ButtonCaptionLines(const WideString& caption);
