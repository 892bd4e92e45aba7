// A toolkit form of the skin test program. Its stored layout gives it
// SkinData1 carrying our skin package, as the main window has, so that the
// form comes up skinned once a skin manager exists.
#pragma once

#include "toolkit/controls/Forms.h"

class TSkinData;

class TSkinTestForm : public TForm {
  TAPVANE_CLASS(TSkinTestForm)
 public:
  // Reads the layout stored as RCDATA "TSKINTESTFORM" (the program's .rc).
  explicit TSkinTestForm(TComponent* owner);
  TSkinTestForm(TComponent* owner, TFormBorderStyle style, const String& caption);

  void Loaded() override;
  TSkinData* SkinData1 = nullptr;
};
