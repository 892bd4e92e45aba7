// A push button with a glyph beside its caption, over an owner-drawn
// BUTTON window: the toolkit draws the face, the system keeps the clicks,
// focus and keyboard.
#pragma once

#include <memory>

#include "toolkit/controls/ButtonGlyph.h"
#include "toolkit/controls/Buttons.h"

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

class TBitBtn : public TButton {
  TAPVANE_CLASS(TBitBtn)
 public:
  explicit TBitBtn(TComponent* owner);
  ~TBitBtn() override;

  TBitmap* Glyph() const { return glyph_->Glyph(); }
  void SetGlyph(TBitmap* value) { glyph_->SetGlyph(value); }
  int NumGlyphs() const { return glyph_->NumGlyphs(); }
  void SetNumGlyphs(int value) { glyph_->SetNumGlyphs(value); }
  TButtonLayout Layout() const { return layout_; }
  void SetLayout(TButtonLayout value);
  int Margin() const { return margin_; }
  void SetMargin(int value);
  int Spacing() const { return spacing_; }
  void SetSpacing(int value);
  TBitBtnKind Kind() const { return kind_; }
  void SetKind(TBitBtnKind value);

  void Click() override;
  void WndProc(TMessage& message) override;

 protected:
  DWORD PushStyle() const override { return BS_OWNERDRAW; }

 private:
  void DrawItem(const DRAWITEMSTRUCT& item);

  std::unique_ptr<TButtonGlyph> glyph_;
  std::unique_ptr<TCanvas> canvas_;
  TButtonLayout layout_ = blGlyphLeft;
  int margin_ = -1;
  int spacing_ = 4;
  TBitBtnKind kind_ = bkCustom;
};
