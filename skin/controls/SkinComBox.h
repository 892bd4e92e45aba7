// TSkinComBox: a combo box's frame and drop-down button drawn from the
// skin's "ComboButton" (1 normal, 2 pressed, 3 disabled, 4 hot or focused)
// in the layout its "Style" names, and its list's scroll bar skinned too.
#pragma once

#include <memory>

#include "skin/controls/SkinControl.h"

class TSkinComBox : public TSkinControl {
  TAPVANE_CLASS(TSkinComBox)
 public:
  explicit TSkinComBox(TControl* control);
  ~TSkinComBox() override;

  void InitSkin(TSkinControlHost* form, TSkinData* skinData, bool changeColor,
                TCanvas* canvas) override;
  void InitWindow(HWND handle, TSkinData* skinData, TSkinControlHost* form,
                  TCanvas* canvas) override;
  void Unskin() override;
  void AfterProc(TMessage& message) override;
  bool HasPicture() const override;
  void DrawControl(HDC dc, const RECT& rect) override;

  int ComboStyle = 0;  // CBS_SIMPLE, CBS_DROPDOWN or CBS_DROPDOWNLIST
  HWND ListWindow = nullptr;
  HWND EditWindow = nullptr;
  RECT ButtonRect{};  // client coordinates
  bool DroppedDown = false;
  bool Extended = false;  // drawn as an edit with an arrow cell
  // The frame of "ComboButton" the combo shows now.
  int StateFrame() const;

 private:
  struct TEditHook;

  void AttachParts();
  void ReadComboInfo();
  void SetHot(bool hot);
  void DrawComposite(HDC dc, const RECT& rect, int frame) const;
  void DrawFlat(HDC dc, const RECT& rect, int frame) const;
  void DrawSunk(HDC dc, const RECT& rect, int frame) const;
  void DrawExtended(HDC dc, const RECT& rect, int frame) const;
  bool LeftScrollBar() const;

  std::unique_ptr<TEditHook> editHook_;
};
