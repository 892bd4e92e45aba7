// Every control of every gallery page repainted a thousand times, frame
// and background included: the skin's drawing gives back every object it
// takes.
#include <gtest/gtest.h>
#include <windows.h>

#include <vector>

#include "GalleryFormFixture.h"
#include "toolkit/controls/GraphicControl.h"
#include "toolkit/controls/PageControl.h"

namespace {

constexpr UINT kRepaint = RDW_INVALIDATE | RDW_UPDATENOW | RDW_ERASE | RDW_FRAME;

// What one page shows: its windows (the system's own parts of a control,
// such as a list view's header, among them) and the windowless controls,
// painted by the window under them.
struct TPageParts {
  std::vector<HWND> windows;
  std::vector<TControl*> windowless;
};

BOOL CALLBACK CollectWindow(HWND window, LPARAM parts) {
  if (IsWindowVisible(window)) reinterpret_cast<TPageParts*>(parts)->windows.push_back(window);
  return TRUE;
}

void CollectWindowless(const TWinControl& parent, TPageParts& parts) {
  for (int i = 0; i < parent.ControlCount(); ++i) {
    TControl* control = parent.Controls(i);
    if (auto* windowed = dynamic_cast<TWinControl*>(control)) {
      CollectWindowless(*windowed, parts);
    } else if (control->Visible()) {
      parts.windowless.push_back(control);
    }
  }
}

TPageParts PartsOf(TTabSheet& page) {
  TPageParts parts;
  EnumChildWindows(page.Handle(), CollectWindow, reinterpret_cast<LPARAM>(&parts));
  CollectWindowless(page, parts);
  return parts;
}

// Dispatches what the repaint queued (repaints a skin posts to itself)
// without waiting for quiet, which a thousand rounds cannot afford.
void DispatchQueued() {
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
}

void Repaint(const TPageParts& parts) {
  for (const HWND window : parts.windows) RedrawWindow(window, nullptr, nullptr, kRepaint);
  for (TControl* control : parts.windowless) {
    const RECT bounds = control->BoundsRect();
    RedrawWindow(control->Parent()->Handle(), &bounds, nullptr, kRepaint);
  }
  DispatchQueued();
}

TEST_F(GalleryFormTest, RepaintingEveryControlOfEveryPageAThousandTimesHoldsNoMoreObjects) {
  ASSERT_TRUE(Skinned(form_->Handle()));
  auto* pages = Find<TPageControl>("PageControl1");
  ASSERT_TRUE(pages);
  std::vector<TPageParts> shown;
  // A first round on every page: what the skin keeps from the first paint
  // on (cached pictures, fonts) is made before counting.
  for (int page = 0; page < pages->PageCount(); ++page) {
    pages->SetActivePageIndex(page);
    Flush();
    shown.push_back(PartsOf(*pages->Pages(page)));
    ASSERT_FALSE(shown.back().windows.empty() && shown.back().windowless.empty())
        << "page " << page << " shows nothing";
    Repaint(shown.back());
  }
  Flush();
  const wintest::HandleCounts before = wintest::Snapshot();
  for (int page = 0; page < pages->PageCount(); ++page) {
    pages->SetActivePageIndex(page);
    Flush();
    for (int round = 0; round < 1000; ++round) Repaint(shown[static_cast<size_t>(page)]);
  }
  Flush();
  wintest::ExpectHandlesFlat(before, wintest::Snapshot());
}

}  // namespace
