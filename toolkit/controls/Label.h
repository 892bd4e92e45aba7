// A windowless text label, painted by its parent.
#pragma once

#include "toolkit/controls/GraphicControl.h"

class TLabel : public TGraphicControl {
  TAPVANE_CLASS(TLabel)
 public:
  explicit TLabel(TComponent* owner);

  bool AutoSize() const { return autoSize_; }
  void SetAutoSize(bool value);
  TAlignment Alignment() const { return alignment_; }
  void SetAlignment(TAlignment value);
  TTextLayout Layout() const { return layout_; }
  void SetLayout(TTextLayout value);
  bool Transparent() const { return transparent_; }
  void SetTransparent(bool value);
  bool WordWrap() const { return wordWrap_; }
  void SetWordWrap(bool value);
  bool ShowAccelChar() const { return showAccelChar_; }
  void SetShowAccelChar(bool value);

  void WndProc(TMessage& message) override;
  void Loaded() override;

 protected:
  void Paint() override;

 private:
  // The alignment on screen: a right-to-left label mirrors left and right.
  TAlignment ShownAlignment() const;
  UINT TextFlags() const;
  void AdjustBounds();

  bool autoSize_ = true;
  TAlignment alignment_ = taLeftJustify;
  TTextLayout layout_ = tlTop;
  bool transparent_ = false;
  bool wordWrap_ = false;
  bool showAccelChar_ = true;
};
