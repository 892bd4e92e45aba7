// TSkinTab31: the older tab set that is not a system tab control, drawn
// whole from the skin's "Tabs" frames turned upside down (its tabs hang
// below the pages), with its scroller's arrows skinned side by side.
#pragma once

#include <memory>

#include "skin/controls/SkinControl.h"

class TBitmap;

class TSkinTab31 : public TSkinControl {
  TAPVANE_CLASS(TSkinTab31)
 public:
  explicit TSkinTab31(TControl* control);
  ~TSkinTab31() override;

  // A toolkit tab set is taken over through its window, as a plain one.
  void InitSkin(TSkinControlHost* form, TSkinData* skinData, bool changeColor,
                TCanvas* canvas) override;
  void InitWindow(HWND handle, TSkinData* skinData, TSkinControlHost* form,
                  TCanvas* canvas) override;
  bool HasPicture() const override;
  bool BeforeProc(TMessage& message) override;
  void DrawControl(HDC dc, const RECT& rect) override;
  void SkinChange() override;

  // The "Tabs" image flipped upside down, 24-bit.
  std::unique_ptr<TBitmap> TabImage;
  // The tab set's scroller, whose arrows got their own skin object.
  HWND ScrollerWindow = nullptr;

 private:
  void PrepareImage();
  void AttachScroller();
  bool ScrollerShown() const;
  void DrawTabs(HDC dc, int width, int height);

  std::unique_ptr<TBitmap> picture_;
  RECT margins_{};
};
