// A list view over the system's SysListView32 window: columns, items with
// sub-items, and the native header that the report view carries.
#pragma once

#include <memory>
#include <vector>

#include "toolkit/controls/WinControl.h"
#include "toolkit/core/Persistent.h"

class TListView;

enum TViewStyle { vsIcon, vsSmallIcon, vsList, vsReport };

class TListColumn : public TPersistent {
  TAPVANE_CLASS(TListColumn)
 public:
  const String& Caption() const { return caption_; }
  void SetCaption(const String& value);
  // The window's width once it exists: the user resizes columns there.
  int Width() const;
  void SetWidth(int value);
  TAlignment Alignment() const { return alignment_; }
  void SetAlignment(TAlignment value);
  int Index() const;

 private:
  friend class TListColumns;
  friend class TListView;
  explicit TListColumn(TListView& view) : view_(view) {}

  TListView& view_;
  String caption_;
  int width_ = 50;
  TAlignment alignment_ = taLeftJustify;
};

// The columns, as lines of captions.
class TListColumns : public TStrings {
  TAPVANE_CLASS(TListColumns)
 public:
  explicit TListColumns(TListView& view) : view_(view) {}
  ~TListColumns() override;

  TListColumn* Items(int index) const;
  int IndexOfColumn(const TListColumn* column) const;

  String Get(int index) const override;
  int GetCount() const override { return static_cast<int>(columns_.size()); }
  void Put(int index, const String& s) override;
  void Insert(int index, const String& s) override;
  void Delete(int index) override;
  void Clear() override;

 private:
  TListView& view_;
  std::vector<std::unique_ptr<TListColumn>> columns_;
};

class TListItem;

// An item's sub-items; every change shows in the window at once.
class TListSubItems : public TStrings {
 public:
  explicit TListSubItems(TListItem& item) : item_(item) {}

  String Get(int index) const override;
  int GetCount() const override { return static_cast<int>(texts_.size()); }
  void Insert(int index, const String& s) override;
  void Delete(int index) override;
  void Clear() override;

 private:
  friend class TListItem;
  friend class TListItems;
  TListItem& item_;
  std::vector<String> texts_;
};

class TListItem : public TPersistent {
  TAPVANE_CLASS(TListItem)
 public:
  const String& Caption() const { return caption_; }
  void SetCaption(const String& value);
  TStrings* SubItems() const { return subItems_.get(); }
  int Index() const;

 private:
  friend class TListItems;
  friend class TListSubItems;
  explicit TListItem(TListView& view)
      : view_(view), subItems_(std::make_unique<TListSubItems>(*this)) {}
  void Changed();

  TListView& view_;
  String caption_;
  std::unique_ptr<TListSubItems> subItems_;
};

// The items as lines: the caption and then each sub-item, split by tabs,
// so that a layout's string list keeps the whole table.
class TListItems : public TStrings {
  TAPVANE_CLASS(TListItems)
 public:
  explicit TListItems(TListView& view) : view_(view) {}
  ~TListItems() override;

  TListItem* Items(int index) const;
  int IndexOfItem(const TListItem* item) const;

  String Get(int index) const override;
  int GetCount() const override { return static_cast<int>(items_.size()); }
  void Put(int index, const String& s) override;
  void Insert(int index, const String& s) override;
  void Delete(int index) override;
  void Clear() override;

 private:
  TListView& view_;
  std::vector<std::unique_ptr<TListItem>> items_;
};

class TListView : public TWinControl {
  TAPVANE_CLASS(TListView)
 public:
  explicit TListView(TComponent* owner);
  ~TListView() override;

  TListColumns* Columns() const { return columns_.get(); }
  TListItems* Items() const { return items_.get(); }
  // Every column's width, comma separated, kept by layouts beside the captions.
  String ColumnWidths() const;
  void SetColumnWidths(const String& value);
  TViewStyle ViewStyle() const { return viewStyle_; }
  void SetViewStyle(TViewStyle value);
  TBorderStyle BorderStyle() const { return borderStyle_; }
  void SetBorderStyle(TBorderStyle value);
  // The report view's own header window; null until the window exists.
  HWND HeaderHandle() const;

  // Widths the user dragged are copied out before the window's columns
  // are rebuilt or the window goes.
  void KeepColumnWidths();
  void UpdateColumns();
  void UpdateColumn(int index);
  void UpdateItems();
  void UpdateItem(int index);

 protected:
  void CreateParams(TCreateParams& params) override;
  void CreateHandleDone() override;
  void DestroyWnd() override;

 private:
  std::unique_ptr<TListColumns> columns_;
  std::unique_ptr<TListItems> items_;
  TViewStyle viewStyle_ = vsIcon;
  TBorderStyle borderStyle_ = bsSingle;
};
