#include "tests/win32/skin_test_program/SkinTestForm.h"

#include "skin/data/WinSkinData.h"
#include "toolkit/core/ClassBuilder.h"

const TClassInfo& TSkinTestForm::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TSkinTestForm>("TSkinTestForm", &TForm::StaticClass()).Build();
  return info;
}

TSkinTestForm::TSkinTestForm(TComponent* owner) : TForm(owner) {
  RegisterSkinDataClasses();
  LoadFormLayout(this);
}

TSkinTestForm::TSkinTestForm(TComponent* owner, TFormBorderStyle style, const String& caption)
    : TSkinTestForm(owner) {
  SetBorderStyle(style);
  SetCaption(caption);
}

void TSkinTestForm::Loaded() {
  TForm::Loaded();
  SkinData1 = dynamic_cast<TSkinData*>(FindComponent("SkinData1"));
  if (!SkinData1) throw Exception("The skin test form's layout has no SkinData1");
}
