#include "gallery/SampleForm.h"

#include "toolkit/controls/Buttons.h"
#include "toolkit/controls/Label.h"

TForm* CreateSampleForm(TComponent* owner, TFormBorderStyle style, const String& caption, int x,
                        int y) {
  auto* form = new TForm(owner);
  form->SetBorderStyle(style);
  form->SetCaption(caption);
  form->SetPosition(poDesigned);
  form->SetBounds(x, y, 300, 160);
  auto* text = new TLabel(form);
  text->SetParent(form);
  text->SetBounds(16, 16, 260, 16);
  text->SetCaption("边框样式: " + caption);
  auto* close = new TButton(form);
  close->SetParent(form);
  close->SetBounds(16, 48, 80, 25);
  close->SetCaption("关闭");
  close->OnClick = [form](TObject*) { form->Close(); };
  return form;
}
