// A menu bar drop-down drawn in the skin: its entries (and those of its
// submenus) turn owner-drawn while it is open, so that the window's
// measure and draw handlers paint them, and go back to what they were when
// it closes, so that an unskinned window never keeps entries nobody draws.
#pragma once

#include <windows.h>

#include <vector>

class TOwnerDrawnDropDown {
 public:
  explicit TOwnerDrawnDropDown(HMENU popup);
  ~TOwnerDrawnDropDown();
  TOwnerDrawnDropDown(const TOwnerDrawnDropDown&) = delete;
  TOwnerDrawnDropDown& operator=(const TOwnerDrawnDropDown&) = delete;

 private:
  struct TChanged {
    HMENU menu;
    UINT position;
    UINT id;
  };
  void MakeOwnerDrawn(HMENU menu, int depth);
  std::vector<TChanged> changed_;
};
