// TCaptionBar: the caption of a skinned frame. It owns the caption buttons
// the skin describes, the caption text and the window icon drawn there, and
// the pointer's hover over a button with the hint it brings. The form that
// owns it paints the band and passes the non-client mouse messages on.
#pragma once

#include <windows.h>

#include <memory>
#include <vector>

#include "toolkit/core/SysUtils.h"
#include "toolkit/graphics/ScopedHandles.h"

class TBitmap;
class TCanvas;
class TNCObject;
class TTimer;
class TWinSkinForm;
class TWinSysButton;
struct TCaptionShifts;

class TCaptionBar {
 public:
  explicit TCaptionBar(TWinSkinForm& form);
  ~TCaptionBar();
  TCaptionBar(const TCaptionBar&) = delete;
  TCaptionBar& operator=(const TCaptionBar&) = delete;

  // Buttons (CaptionButtons.cpp).
  void CreateButtons();
  void ReleaseButtons();
  // Decides each button's visibility and places the visible ones.
  void LayoutButtons();
  void PaintButtons(TCanvas& canvas) const;
  TWinSysButton* ButtonAt(POINT p) const;
  int ButtonCount() const { return static_cast<int>(buttons_.size()); }
  TWinSysButton* Button(int index) const { return buttons_.at(static_cast<size_t>(index)).get(); }
  // What the hot button does once released at x, y (screen; CaptionMouse.cpp).
  void ButtonAction(int x, int y);

  // Text (CaptionText.cpp): drawn into canvas over the caption band.
  void DrawText(TCanvas& canvas, const RECT& caption);
  // Where the text strip and the text itself went at the last paint.
  const RECT& TitleRect() const { return titleRect_; }
  const RECT& TextRect() const { return textRect_; }
  // Room the right-aligned buttons take from the caption's right end.
  int RightButtonsWidth() const { return rightButtonsWidth_; }
  HFONT Font() const { return font_.Get(); }

  // The window icon (CaptionIcon.cpp).
  void RebuildIcon();
  void DrawIcon(HDC dc, const RECT& rect) const;

  // The object under the pointer and the hover watch (CaptionHover.cpp).
  TNCObject* HotObject() const { return hotObject_; }
  void SetHotObject(TNCObject* object) { hotObject_ = object; }
  // The hot object leaves, if there is one.
  void LeaveHotObject();
  // A caption object turned hot: the hover timer watches it while the form
  // is active, and stops itself once nothing is hot.
  void WatchHotObject();
  void CreateHoverTimer();
  void DestroyHoverTimer();
  void EnableHover(bool enabled);
  TTimer* HoverTimer() const { return hoverTimer_.get(); }
  void HintReset();

 private:
  bool UpdateButtonVisibility(TWinSysButton& button) const;
  RECT ButtonRect(const TWinSysButton& button) const;
  void MeasureRightButtons();
  RECT PlaceText(HDC dc, const WideString& text, const RECT& caption, const TCaptionShifts& title,
                 int alignment) const;
  void HoverTick();
  void ShowHint(const TWinSysButton& button, POINT cursor);
  void CloseAction();
  void MaximiseAction();
  void MinimiseAction();
  void MdiChildCommand(int action) const;

  TWinSkinForm& form_;
  std::vector<std::unique_ptr<TWinSysButton>> buttons_;
  TNCObject* hotObject_ = nullptr;
  std::unique_ptr<TTimer> hoverTimer_;
  TFontHandle font_;
  std::unique_ptr<TBitmap> iconBitmap_;
  // The window icon at the caption's size, copied when the icon changes, not
  // on every frame paint.
  TIconHandle icon_;
  int smallIconSize_;
  RECT titleRect_{};
  RECT textRect_{};
  int rightButtonsWidth_ = 0;
};
