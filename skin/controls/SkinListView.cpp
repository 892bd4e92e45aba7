#include "skin/controls/SkinListView.h"

#include <commctrl.h>

#include "toolkit/core/ClassBuilder.h"

const TClassInfo& TSkinListView::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TSkinListView>("TSkinListView", &TSkinScrollbar::StaticClass()).Build();
  return info;
}

TSkinListView::~TSkinListView() = default;

void TSkinListView::InitScroll(TControl* control, TSkinData* skinData, TSkinControlHost* form,
                               TCanvas* canvas) {
  if (Attached) return;
  TSkinScrollbar::InitScroll(control, skinData, form, canvas);
  if (!Attached) return;
  const auto window = reinterpret_cast<HWND>(SendMessageW(Handle, LVM_GETHEADER, 0, 0));
  if (!window) return;
  // Not registered with the form: its list would own the object too.
  Header = std::make_unique<TSkinHeader>(nullptr);
  Header->InitWindow(window, skinData, nullptr, canvas);
}

void TSkinListView::Unskin() {
  if (Header && !Header->Gone()) Header->Unskin();
  TSkinScrollbar::Unskin();
}

void TSkinListView::SkinChange() {
  TSkinScrollbar::SkinChange();
  if (Header && !Header->Gone()) Header->SkinChange();
}
