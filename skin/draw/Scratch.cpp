#include "skin/draw/Scratch.h"

TBitmap& ScratchBitmap() {
  static TBitmap bitmap;
  return bitmap;
}

TStringList& ScratchStrings() {
  static TStringList strings;
  return strings;
}
