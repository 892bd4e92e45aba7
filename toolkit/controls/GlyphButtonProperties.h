// Glyph, NumGlyphs, Layout, Margin and Spacing, as glyph buttons and speed
// buttons both publish them; every change repaints the button.
#pragma once

#include <functional>
#include <memory>

#include "toolkit/controls/ButtonGlyph.h"
#include "toolkit/core/ClassBuilder.h"

class TGlyphButtonProperties {
 public:
  TBitmap* Glyph() const { return glyph_->Glyph(); }
  void SetGlyph(TBitmap* value) { glyph_->SetGlyph(value); }
  int NumGlyphs() const { return glyph_->NumGlyphs(); }
  void SetNumGlyphs(int value) { glyph_->SetNumGlyphs(value); }
  TButtonLayout Layout() const { return glyph_->Layout(); }
  void SetLayout(TButtonLayout value) { glyph_->SetLayout(value); }
  int Margin() const { return glyph_->Margin(); }
  void SetMargin(int value) { glyph_->SetMargin(value); }
  int Spacing() const { return glyph_->Spacing(); }
  void SetSpacing(int value) { glyph_->SetSpacing(value); }

 protected:
  explicit TGlyphButtonProperties(std::function<void()> repaint)
      : glyph_(std::make_unique<TButtonGlyph>()) {
    glyph_->OnChange = std::move(repaint);
  }
  ~TGlyphButtonProperties() = default;
  TGlyphButtonProperties(const TGlyphButtonProperties&) = delete;
  TGlyphButtonProperties& operator=(const TGlyphButtonProperties&) = delete;

  TButtonGlyph& ButtonGlyph() const { return *glyph_; }

 private:
  std::unique_ptr<TButtonGlyph> glyph_;
};

// The five properties under their published names, with the defaults a
// stored layout leaves out.
template <typename T>
TClassBuilder<T>& PublishGlyphProperties(TClassBuilder<T>& builder) {
  return builder.Object("Glyph", &T::Glyph, &T::SetGlyph)
      .Enum("Layout", ButtonLayoutInfo(), &T::Layout, &T::SetLayout)
      .Default(blGlyphLeft)
      .Integer("Margin", &T::Margin, &T::SetMargin)
      .Default(-1)
      .Integer("NumGlyphs", &T::NumGlyphs, &T::SetNumGlyphs)
      .Default(1)
      .Integer("Spacing", &T::Spacing, &T::SetSpacing)
      .Default(4);
}
