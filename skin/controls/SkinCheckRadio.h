// TSkinCheckBox and TSkinRadioButton: the box drawn as one cell of the
// skin's check or radio strip, with the caption beside it. The two are twins
// and differ only in how the cell is chosen and where a left-text box ends.
#pragma once

#include "skin/controls/SkinControl.h"

class TBitmap;

// Inputs of the cell choice, read from the window and the control.
struct TCheckCellInputs {
  UINT ButtonState = 0;  // BM_GETSTATE (check boxes) or BM_GETCHECK (radio buttons)
  String StateText;      // a "State" property's identifier, lower-cased; empty if none
  bool HasState = false;
  String CheckedText;  // a "Checked" property's identifier, lower-cased
  bool HasChecked = false;
  bool HasDataField = false;
  bool HasDataBinding = false;
  int CheckState = 0;  // the last BM_SETCHECK + 1, 0 before any
  bool Disabled = false;
  int Cells = 4;
};

// The cell (from 1) of a check box strip of 4 or 12 cells.
int CheckBoxCell(const TCheckCellInputs& in);
// The cell (from 1) of a radio strip of 4 or 8 cells.
int RadioButtonCell(const TCheckCellInputs& in);

// What both classes share: attach, message handling, geometry, drawing.
class TSkinCheckRadio : public TSkinControl {
  TAPVANE_CLASS(TSkinCheckRadio)
 public:
  using TSkinControl::TSkinControl;

  void InitSkin(TSkinControlHost* form, TSkinData* skinData, bool changeColor,
                TCanvas* canvas) override;
  bool HasPicture() const override;
  bool BeforeProc(TMessage& message) override;
  void AfterProc(TMessage& message) override;
  void DrawControl(HDC dc, const RECT& rect) override;

  bool Transparent = false;
  // Where the box and the caption went at the last draw.
  RECT LastBoxRect{};
  RECT LastTextRect{};

 protected:
  virtual TBitmap& Strip() const = 0;
  virtual int StripCells() const = 0;
  virtual int ChooseCell() = 0;
  // Pixels between a left-text box and the window's right edge.
  virtual int LeftTextInset() const = 0;
  TCheckCellInputs ReadInputs(UINT buttonState);
  void DrawCaption(HDC dc, RECT textRect, UINT flags);
};

class TSkinCheckBox : public TSkinCheckRadio {
  TAPVANE_CLASS(TSkinCheckBox)
 public:
  using TSkinCheckRadio::TSkinCheckRadio;
  void InitSkin(TSkinControlHost* form, TSkinData* skinData, bool changeColor,
                TCanvas* canvas) override;
  void AfterProc(TMessage& message) override;

  int CheckState = 0;  // 1 unchecked, 2 checked, 3 indeterminate; 0 before any BM_SETCHECK

 protected:
  TBitmap& Strip() const override;
  int StripCells() const override;
  int ChooseCell() override;
  int LeftTextInset() const override { return 0; }
};

class TSkinRadioButton : public TSkinCheckRadio {
  TAPVANE_CLASS(TSkinRadioButton)
 public:
  using TSkinCheckRadio::TSkinCheckRadio;

 protected:
  TBitmap& Strip() const override;
  int StripCells() const override;
  int ChooseCell() override;
  int LeftTextInset() const override { return 1; }
};
