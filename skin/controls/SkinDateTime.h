// TSkinDateTime: a date-time picker with the edit frame of the skin and a
// drop-down arrow of our own (TArrowButton) laid over the picker's button.
// The arrow only hands its presses on: the picker still drops its calendar.
#pragma once

#include "skin/controls/SkinControl.h"
#include "toolkit/controls/WinControl.h"

class TSkinData;

// The arrow panel inside the picker: "ButtonFace" under cell 1 of the skin's
// "ComboxArrow" strip, cell 4 while the mouse is over an enabled picker.
class TArrowButton : public TCustomControl {
  TAPVANE_CLASS(TArrowButton)
 public:
  TArrowButton(TComponent* owner, TWinControl* picker, TSkinData* skinData);

  bool Hot() const { return hot_; }
  void SetHot(bool value);
  void SetSkinData(TSkinData* value);
  void WndProc(TMessage& message) override;

 protected:
  void Paint() override;
  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
  void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;

 private:
  // Where in the picker a press at (x, y) of the arrow is handed on.
  POINT PickerButtonPoint(int x, int y);

  TWinControl* picker_;
  TSkinData* skinData_;
  bool hot_ = false;
};

class TSkinDateTime : public TSkinControl {
  TAPVANE_CLASS(TSkinDateTime)
 public:
  using TSkinControl::TSkinControl;

  void InitSkin(TSkinControlHost* form, TSkinData* skinData, bool changeColor,
                TCanvas* canvas) override;
  void Unskin() override;
  void AfterProc(TMessage& message) override;
  void DrawControl(HDC dc, const RECT& rect) override;
  void SkinChange() override;
  // The arrow goes with the skin and comes back with it.
  void ActiveChanged() override;

  TArrowButton* ArrowButton() const { return arrow_; }
  void Notification(TComponent* component, TOperation operation) override;

 private:
  void PlaceArrow();
  void RemoveArrow();

  TArrowButton* arrow_ = nullptr;
  bool addedClipChildren_ = false;
};
