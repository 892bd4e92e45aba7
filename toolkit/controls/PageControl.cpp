#include "toolkit/controls/PageControl.h"

#include <commctrl.h>

#include <algorithm>

#include "toolkit/controls/PropertyTypes.h"
#include "toolkit/controls/WideText.h"
#include "toolkit/graphics/ImageList.h"

const TClassInfo& TTabSheet::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TTabSheet>("TTabSheet", &TCustomControl::StaticClass())
          .Str("Caption", &TControl::Caption, &TControl::SetCaption)
          .Integer("ImageIndex", &TTabSheet::ImageIndex, &TTabSheet::SetImageIndex)
          .Build();
  return info;
}

const TClassInfo& TPageControl::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TPageControl>("TPageControl", &TWinControl::StaticClass())
          .Enum("Style", TabStyleInfo(), &TPageControl::Style, &TPageControl::SetStyle)
          .Object("Images", &TPageControl::Images, &TPageControl::SetImages)
          .Object("ActivePage", &TPageControl::ActivePage, &TPageControl::SetActivePage)
          .Event("OnChange", &TPageControl::OnChange)
          .Build();
  return info;
}

TTabSheet::TTabSheet(TComponent* owner) : TCustomControl(owner) {
  SetVisible(false);
  clickOnRelease_ = false;
}

TTabSheet::~TTabSheet() {
  if (pageControl_) pageControl_->RemovePage(this);
}

void TTabSheet::SetPageControl(TPageControl* value) { SetParent(value); }

void TTabSheet::SetParent(TWinControl* parent) {
  if (pageControl_) pageControl_->RemovePage(this);
  TCustomControl::SetParent(parent);
  if (auto* pageControl = dynamic_cast<TPageControl*>(parent)) pageControl->InsertPage(this);
}

void TTabSheet::SetImageIndex(int value) {
  if (value < -1) value = -1;
  if (value == imageIndex_) return;
  imageIndex_ = value;
  if (pageControl_) pageControl_->UpdateTab(this);
}

int TTabSheet::PageIndex() const {
  if (!pageControl_) return -1;
  const auto& pages = pageControl_->pages_;
  return static_cast<int>(std::find(pages.begin(), pages.end(), this) - pages.begin());
}

void TTabSheet::WndProc(TMessage& message) {
  if (message.Msg == CM_TEXTCHANGED && pageControl_) pageControl_->UpdateTab(this);
  TCustomControl::WndProc(message);
}

TPageControl::TPageControl(TComponent* owner) : TWinControl(owner) {
  SetBounds(0, 0, 289, 193);
  SetTabStop(true);
}

TPageControl::~TPageControl() {
  // The list outlives this control: it must not call back into it.
  if (images_) {
    images_->RemoveChangeLink(this);
    images_->RemoveFreeNotification(this);
  }
  for (TTabSheet* page : pages_) page->pageControl_ = nullptr;
  pages_.clear();
  activePage_ = nullptr;
}

void TPageControl::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.BaseClass = WC_TABCONTROLW;
  params.Style |= WS_CLIPCHILDREN;
  if (style_ == tsButtons) params.Style |= TCS_BUTTONS;
  if (style_ == tsFlatButtons) params.Style |= TCS_BUTTONS | TCS_FLATBUTTONS;
}

void TPageControl::CreateHandleDone() {
  ApplyImages();
  for (size_t i = 0; i < pages_.size(); ++i) InsertTab(static_cast<int>(i), pages_[i]);
  ShowActivePage();
}

void TPageControl::InsertTab(int index, TTabSheet* page) {
  std::wstring text = ToWide(page->Caption());
  TCITEMW item{};
  item.mask = TCIF_TEXT | TCIF_IMAGE;
  item.pszText = text.data();
  item.iImage = page->ImageIndex();
  SendMessageW(Handle(), TCM_INSERTITEMW, static_cast<WPARAM>(index),
               reinterpret_cast<LPARAM>(&item));
}

void TPageControl::InsertPage(TTabSheet* page) {
  page->pageControl_ = this;
  pages_.push_back(page);
  if (HandleAllocated()) InsertTab(PageCount() - 1, page);
  if (!activePage_) SetActivePage(page);
  Realign();
}

void TPageControl::RemovePage(TTabSheet* page) {
  const auto it = std::find(pages_.begin(), pages_.end(), page);
  if (it == pages_.end()) return;
  const auto index = static_cast<WPARAM>(it - pages_.begin());
  pages_.erase(it);
  page->pageControl_ = nullptr;
  if (HandleAllocated()) SendMessageW(Handle(), TCM_DELETEITEM, index, 0);
  if (activePage_ == page) {
    activePage_ = nullptr;
    if (!pages_.empty()) SetActivePage(pages_[std::min<size_t>(index, pages_.size() - 1)]);
  }
}

void TPageControl::UpdateTab(TTabSheet* page) {
  const int index = page->PageIndex();
  if (!HandleAllocated() || index < 0) return;
  std::wstring text = ToWide(page->Caption());
  TCITEMW item{};
  item.mask = TCIF_TEXT | TCIF_IMAGE;
  item.pszText = text.data();
  item.iImage = page->ImageIndex();
  SendMessageW(Handle(), TCM_SETITEMW, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
  Realign();
}

void TPageControl::SetActivePage(TTabSheet* page) {
  if (page && page->pageControl_ != this) return;
  activePage_ = page;
  ShowActivePage();
}

void TPageControl::ShowActivePage() {
  if (activePage_) activePage_->SetVisible(true);
  for (TTabSheet* page : pages_) {
    if (page != activePage_) page->SetVisible(false);
  }
  if (HandleAllocated())
    SendMessageW(Handle(), TCM_SETCURSEL, static_cast<WPARAM>(ActivePageIndex()), 0);
  if (activePage_ && activePage_->HandleAllocated()) {
    SetWindowPos(activePage_->Handle(), HWND_TOP, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  }
}

int TPageControl::ActivePageIndex() const { return activePage_ ? activePage_->PageIndex() : -1; }

void TPageControl::SetActivePageIndex(int index) {
  if (index >= 0 && index < PageCount()) SetActivePage(pages_[static_cast<size_t>(index)]);
}

void TPageControl::SetStyle(TTabStyle value) {
  if (value == style_) return;
  style_ = value;
  RecreateWnd();
}

void TPageControl::SetImages(TImageList* value) {
  if (value == images_) return;
  if (images_) {
    images_->RemoveChangeLink(this);
    images_->RemoveFreeNotification(this);
  }
  images_ = value;
  if (images_) {
    images_->FreeNotification(this);
    // A new size replaces the list's handle: the window must not keep the old one.
    images_->AddChangeLink(this, [this] { ApplyImages(); });
  }
  ApplyImages();
}

void TPageControl::ApplyImages() {
  if (!HandleAllocated()) return;
  const HIMAGELIST list = images_ ? images_->Handle() : nullptr;
  SendMessageW(Handle(), TCM_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(list));
  // Tabs grow or shrink with the pictures' height.
  Realign();
  Invalidate();
}

void TPageControl::Notification(TComponent* component, TOperation operation) {
  TWinControl::Notification(component, operation);
  if (operation != opRemove || component != images_) return;
  // Only a list that merely left its owner is still whole enough to be told.
  if (!component->ComponentState().Contains(csDestroying)) images_->RemoveChangeLink(this);
  images_ = nullptr;
  ApplyImages();
}

RECT TPageControl::AdjustedClientRect() const {
  RECT rect = ClientRect();
  if (HandleAllocated()) {
    SendMessageW(const_cast<TPageControl*>(this)->Handle(), TCM_ADJUSTRECT, FALSE,
                 reinterpret_cast<LPARAM>(&rect));
  } else {
    // Until the window exists: the usual frame and one row of tabs.
    rect.left += 4;
    rect.top += 24;
    rect.right -= 4;
    rect.bottom -= 4;
  }
  return rect;
}

void TPageControl::AlignControls(RECT& rect) {
  for (TTabSheet* page : pages_) {
    page->SetBounds(rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top);
  }
  TWinControl::AlignControls(rect);
}

void TPageControl::WndProc(TMessage& message) {
  if (message.Msg == CN_NOTIFY) {
    const auto* header = reinterpret_cast<const NMHDR*>(message.LParam);
    if (header->code == TCN_SELCHANGE) {
      const auto index = static_cast<int>(SendMessageW(Handle(), TCM_GETCURSEL, 0, 0));
      SetActivePageIndex(index);
      if (OnChange) OnChange(this);
      return;
    }
  }
  TWinControl::WndProc(message);
}
