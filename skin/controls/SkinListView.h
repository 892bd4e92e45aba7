// TSkinListView: a list view's scroll bars covered as any scrolling
// control's are, and its report header skinned by a TSkinHeader that this
// object owns (the header is the list view's own window, not a control of
// ours, so nothing else would free its object).
#pragma once

#include <memory>

#include "skin/controls/SkinHeader.h"
#include "skin/controls/SkinScrollbar.h"

class TSkinListView : public TSkinScrollbar {
  TAPVANE_CLASS(TSkinListView)
 public:
  using TSkinScrollbar::TSkinScrollbar;
  ~TSkinListView() override;

  void InitScroll(TControl* control, TSkinData* skinData, TSkinControlHost* form,
                  TCanvas* canvas) override;
  void Unskin() override;
  void SkinChange() override;

  // Null when the list view had no header window at attach.
  std::unique_ptr<TSkinHeader> Header;
};
