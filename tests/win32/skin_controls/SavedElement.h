// A skin element that a test replaces with solid frames, put back as it was
// when the test ends, so that the suite's shared skin stays whole.
#pragma once

#include "skin/data/SkinRecords.h"
#include "toolkit/graphics/Bitmap.h"

class SavedElement {
 public:
  explicit SavedElement(TDataSkinObject& element)
      : element_(element),
        frame_(element.Frame),
        style_(element.Style),
        trans_(element.Trans),
        tile_(element.Tile),
        margins_{element.LeftWidth, element.TopHeight, element.RightWidth, element.BottomHeight} {
    image_.Assign(element.Image.get());
    if (auto* border = dynamic_cast<TDataSkinBorder*>(&element))
      image2_.Assign(border->Image2.get());
  }
  SavedElement(const SavedElement&) = delete;
  SavedElement& operator=(const SavedElement&) = delete;
  ~SavedElement() {
    element_.Image->Assign(&image_);
    if (auto* border = dynamic_cast<TDataSkinBorder*>(&element_)) border->Image2->Assign(&image2_);
    element_.Frame = frame_;
    element_.Style = style_;
    element_.Trans = trans_;
    element_.Tile = tile_;
    element_.LeftWidth = margins_.left;
    element_.TopHeight = margins_.top;
    element_.RightWidth = margins_.right;
    element_.BottomHeight = margins_.bottom;
  }
  // No margins: every frame is one solid block stretched over its target.
  void Plain() {
    element_.LeftWidth = element_.TopHeight = element_.RightWidth = element_.BottomHeight = 0;
    element_.Tile = 0;
  }

 private:
  TDataSkinObject& element_;
  TBitmap image_, image2_;
  int frame_, style_, trans_, tile_;
  RECT margins_;
};
