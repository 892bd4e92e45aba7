// A page control over the system's tab control; each page is a TTabSheet
// child, and only the active page is shown.
#pragma once

#include <vector>

#include "toolkit/controls/WinControl.h"

class TImageList;
class TPageControl;

enum TTabStyle { tsTabs, tsButtons, tsFlatButtons };

class TTabSheet : public TCustomControl {
  TAPVANE_CLASS(TTabSheet)
 public:
  explicit TTabSheet(TComponent* owner);
  ~TTabSheet() override;

  TPageControl* PageControl() const { return pageControl_; }
  void SetPageControl(TPageControl* value);
  void SetParent(TWinControl* parent) override;
  int PageIndex() const;
  // The tab's picture in the page control's Images (-1: none); the native
  // tab item carries it, where whoever draws the tabs reads it.
  int ImageIndex() const { return imageIndex_; }
  void SetImageIndex(int value);
  void WndProc(TMessage& message) override;

 private:
  friend class TPageControl;
  TPageControl* pageControl_ = nullptr;
  int imageIndex_ = -1;
};

class TPageControl : public TWinControl {
  TAPVANE_CLASS(TPageControl)
 public:
  explicit TPageControl(TComponent* owner);
  ~TPageControl() override;

  int PageCount() const { return static_cast<int>(pages_.size()); }
  TTabSheet* Pages(int index) const { return pages_.at(static_cast<size_t>(index)); }
  TTabSheet* ActivePage() const { return activePage_; }
  void SetActivePage(TTabSheet* page);
  int ActivePageIndex() const;
  void SetActivePageIndex(int index);
  TTabStyle Style() const { return style_; }
  void SetStyle(TTabStyle value);
  // The pictures of the tabs; the native tab control is given its handle
  // (TCM_GETIMAGELIST answers it). Not owned: dropped when it is freed.
  TImageList* Images() const { return images_; }
  void SetImages(TImageList* value);

  TNotifyEvent OnChange;
  void WndProc(TMessage& message) override;

 protected:
  void CreateParams(TCreateParams& params) override;
  void CreateHandleDone() override;
  void AlignControls(RECT& rect) override;
  void Notification(TComponent* component, TOperation operation) override;
  RECT AdjustedClientRect() const override;

 private:
  friend class TTabSheet;
  void InsertPage(TTabSheet* page);
  void RemovePage(TTabSheet* page);
  void UpdateTab(TTabSheet* page);
  void InsertTab(int index, TTabSheet* page);
  void ApplyImages();
  void ShowActivePage();

  std::vector<TTabSheet*> pages_;
  TTabSheet* activePage_ = nullptr;
  TTabStyle style_ = tsTabs;
  TImageList* images_ = nullptr;
};
