#include "toolkit/controls/TabSet.h"

#include <commctrl.h>

#include <algorithm>

#include "toolkit/controls/WideText.h"
#include "toolkit/graphics/Canvas.h"

namespace {

// The scroller keeps one pixel of its room free next to the last tab.
constexpr int kScrollerWidth = TTabSet::kScrollerRoom - 1;
constexpr int kScrollerMaxHeight = 17;

}  // namespace

const TClassInfo& TTabSetScroller::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TTabSetScroller>("TTabSetScroller", &TWinControl::StaticClass()).Build();
  return info;
}

TTabSetScroller::TTabSetScroller(TTabSet* tabSet) : TWinControl(tabSet), tabSet_(*tabSet) {
  SetVisible(false);
  SetParent(tabSet);
}

void TTabSetScroller::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.BaseClass = UPDOWN_CLASSW;
  params.Style |= UDS_HORZ;
}

void TTabSetScroller::CreateHandleDone() { SetRange(max_, position_); }

void TTabSetScroller::SetRange(int max, int position) {
  max_ = std::max(max, 0);
  position_ = std::clamp(position, 0, max_);
  if (!HandleAllocated()) return;
  SendMessageW(Handle(), UDM_SETRANGE32, 0, max_);
  SendMessageW(Handle(), UDM_SETPOS32, 0, position_);
}

// The arrows report to the tab set, which the toolkit hands back here.
void TTabSetScroller::WndProc(TMessage& message) {
  if (message.Msg == CN_HSCROLL) {
    // The position rides along; asking the arrows for it fails without a
    // buddy under Wine. A tab set never has 32767 tabs.
    if (LOWORD(message.WParam) == SB_THUMBPOSITION) {
      tabSet_.SetFirstIndex(static_cast<short>(HIWORD(message.WParam)));
    }
    message.Result = 0;
    return;
  }
  TWinControl::WndProc(message);
}

const TClassInfo& TTabSet::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TTabSet>("TTabSet", &TCustomControl::StaticClass())
          .Object("Tabs", &TTabSet::Tabs)
          .Integer("TabIndex", &TTabSet::TabIndex, &TTabSet::SetTabIndex)
          .Integer("FirstIndex", &TTabSet::FirstIndex, &TTabSet::SetFirstIndex)
          .Integer("StartMargin", &TTabSet::StartMargin, &TTabSet::SetStartMargin)
          .Integer("EndMargin", &TTabSet::EndMargin, &TTabSet::SetEndMargin)
          .Event("OnChange", &TTabSet::OnChange)
          .Build();
  return info;
}

TTabSet::TTabSet(TComponent* owner)
    : TCustomControl(owner), tabs_(std::make_unique<TStringList>()) {
  SetBounds(0, 0, 185, 21);
  scroller_ = new TTabSetScroller(this);
  tabs_->OnChange = [this](TObject*) { Layout(); };
}

// The scroller reports to this object; it goes while this one is whole.
TTabSet::~TTabSet() {
  tabs_->OnChange = nullptr;
  delete scroller_;
  scroller_ = nullptr;
  DestroyHandle();
}

// The face fill must not run over the scroller.
void TTabSet::CreateParams(TCreateParams& params) {
  TCustomControl::CreateParams(params);
  params.Style |= WS_CLIPCHILDREN;
}

void TTabSet::SetTabIndex(int value) {
  tabIndex_ = std::max(value, -1);
  if (!ComponentState().Contains(csLoading) && tabIndex_ >= tabs_->GetCount()) tabIndex_ = -1;
  Invalidate();
}

void TTabSet::SetFirstIndex(int value) {
  firstIndex_ = std::max(value, 0);
  Layout();
}

void TTabSet::SetStartMargin(int value) {
  startMargin_ = value;
  Layout();
}

void TTabSet::SetEndMargin(int value) {
  endMargin_ = value;
  Layout();
}

void TTabSet::Loaded() {
  TCustomControl::Loaded();
  if (tabIndex_ >= tabs_->GetCount()) tabIndex_ = -1;
  Layout();
}

void TTabSet::CreateHandleDone() { Layout(); }

std::vector<int> TTabSet::TabWidths() const {
  std::vector<int> widths;
  const TMemoryDC dc;
  const TSelection font(dc.Get(), Font()->Handle());
  for (int i = 0; i < tabs_->GetCount(); ++i) {
    const std::wstring text = ToWide(tabs_->Get(i));
    SIZE size{};
    GetTextExtentPoint32W(dc.Get(), text.c_str(), static_cast<int>(text.size()), &size);
    widths.push_back(size.cx + kTabPadding);
  }
  return widths;
}

std::vector<RECT> TTabSet::FittingTabs(const std::vector<int>& widths, int first, int room) const {
  const RECT client = ClientRect();
  const int limit = client.right - endMargin_ - room;
  std::vector<RECT> rects;
  int x = startMargin_;
  for (size_t i = static_cast<size_t>(std::max(first, 0)); i < widths.size(); ++i) {
    if (x + widths[i] > limit) break;
    rects.push_back(RECT{x, client.top, x + widths[i], client.bottom});
    x += widths[i];
  }
  return rects;
}

void TTabSet::Layout() {
  if (laying_ || ComponentState().Contains(csLoading) || ComponentState().Contains(csDestroying)) {
    return;
  }
  laying_ = true;
  const std::vector<int> widths = TabWidths();
  const int count = static_cast<int>(widths.size());
  const bool allFit = static_cast<int>(FittingTabs(widths, 0, 0).size()) == count;
  int maxFirst = 0;
  if (allFit) {
    firstIndex_ = 0;
    shown_ = FittingTabs(widths, 0, 0);
  } else {
    // The last first tab worth scrolling to shows every tab after it.
    maxFirst = std::max(count - 1, 0);
    for (int first = 0; first < count; ++first) {
      if (static_cast<int>(FittingTabs(widths, first, kScrollerRoom).size()) == count - first) {
        maxFirst = first;
        break;
      }
    }
    firstIndex_ = std::clamp(firstIndex_, 0, maxFirst);
    shown_ = FittingTabs(widths, firstIndex_, kScrollerRoom);
  }
  if (scroller_) {
    const RECT client = ClientRect();
    const int height = std::min<int>(client.bottom - client.top - 2, kScrollerMaxHeight);
    scroller_->SetBounds(client.right - endMargin_ - kScrollerWidth, 1, kScrollerWidth,
                         std::max(height, 0));
    scroller_->SetRange(maxFirst, firstIndex_);
    scroller_->SetVisible(!allFit);
  }
  laying_ = false;
  Invalidate();
}

bool TTabSet::TabRect(int index, RECT& rect) const {
  const int slot = index - firstIndex_;
  if (slot < 0 || slot >= static_cast<int>(shown_.size())) return false;
  rect = shown_[static_cast<size_t>(slot)];
  return true;
}

int TTabSet::TabAtPos(POINT point) const {
  for (size_t i = 0; i < shown_.size(); ++i) {
    if (PtInRect(&shown_[i], point)) return firstIndex_ + static_cast<int>(i);
  }
  return -1;
}

void TTabSet::Paint() {
  const HDC dc = Canvas()->Handle();
  const RECT client = ClientRect();
  FillRect(dc, &client, GetSysColorBrush(COLOR_BTNFACE));
  const TSelection font(dc, Font()->Handle());
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
  for (size_t i = 0; i < shown_.size(); ++i) {
    const int index = firstIndex_ + static_cast<int>(i);
    RECT tab = shown_[i];
    if (index == tabIndex_) {
      FillRect(dc, &tab, GetSysColorBrush(COLOR_WINDOW));
      DrawEdge(dc, &tab, EDGE_RAISED, BF_LEFT | BF_RIGHT | BF_BOTTOM);
    } else {
      tab.bottom -= 2;
      DrawEdge(dc, &tab, BDR_RAISEDOUTER, BF_LEFT | BF_RIGHT | BF_BOTTOM);
    }
    std::wstring text = ToWide(tabs_->Get(index));
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &tab,
              DT_CENTER | DT_VCENTER | DT_SINGLELINE);
  }
}

void TTabSet::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  TCustomControl::MouseDown(button, shift, x, y);
  if (button != mbLeft) return;
  const int index = TabAtPos(POINT{x, y});
  if (index < 0 || index == tabIndex_) return;
  tabIndex_ = index;
  Invalidate();
  if (OnChange) OnChange(this);
}

void TTabSet::WndProc(TMessage& message) {
  switch (message.Msg) {
    case WM_GETFONT:
      // A window class of our own keeps no font; the skin asks for it.
      message.Result = reinterpret_cast<LRESULT>(Font()->Handle());
      return;
    case WM_SIZE:
    case CM_FONTCHANGED:
      TCustomControl::WndProc(message);
      Layout();
      return;
    default:
      TCustomControl::WndProc(message);
  }
}
