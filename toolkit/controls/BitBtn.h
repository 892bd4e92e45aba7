// A push button with a glyph beside its caption, over an owner-drawn
// BUTTON window: the toolkit draws the face, the system keeps the clicks,
// focus and keyboard.
#pragma once

#include <memory>

#include "toolkit/controls/Buttons.h"
#include "toolkit/controls/GlyphButtonProperties.h"

// Kinds give a caption and the Default or Cancel role; bkClose closes the
// form the button is on.
enum TBitBtnKind {
  bkCustom,
  bkOK,
  bkCancel,
  bkHelp,
  bkYes,
  bkNo,
  bkClose,
  bkAbort,
  bkRetry,
  bkIgnore,
  bkAll
};

class TBitBtn : public TButton, public TGlyphButtonProperties {
  TAPVANE_CLASS(TBitBtn)
 public:
  explicit TBitBtn(TComponent* owner);
  ~TBitBtn() override;

  TBitBtnKind Kind() const { return kind_; }
  void SetKind(TBitBtnKind value);

  void Click() override;
  void WndProc(TMessage& message) override;

 protected:
  DWORD PushStyle() const override { return BS_OWNERDRAW; }

 private:
  void DrawItem(const DRAWITEMSTRUCT& item);

  std::unique_ptr<TCanvas> canvas_;
  TBitBtnKind kind_ = bkCustom;
};
