#include "toolkit/controls/ListView.h"

#include <commctrl.h>

#include <algorithm>

#include "toolkit/controls/PropertyTypes.h"
#include "toolkit/controls/WideText.h"

namespace {

const TEnumInfo& ViewStyleInfo() {
  static const TEnumInfo info{"TViewStyle", {"vsIcon", "vsSmallIcon", "vsList", "vsReport"}};
  return info;
}

int ColumnFormatOf(TAlignment alignment) {
  switch (alignment) {
    case taRightJustify:
      return LVCFMT_RIGHT;
    case taCenter:
      return LVCFMT_CENTER;
    default:
      return LVCFMT_LEFT;
  }
}

std::vector<String> SplitAtTabs(const String& line) {
  std::vector<String> parts;
  size_t start = 0;
  for (;;) {
    const size_t end = line.find('\t', start);
    parts.push_back(line.substr(start, end == String::npos ? String::npos : end - start));
    if (end == String::npos) return parts;
    start = end + 1;
  }
}

}  // namespace

const TClassInfo& TListColumn::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TListColumn>("TListColumn", &TPersistent::StaticClass())
          .Str("Caption", &TListColumn::Caption, &TListColumn::SetCaption)
          .Integer("Width", &TListColumn::Width, &TListColumn::SetWidth)
          .Enum("Alignment", AlignmentInfo(), &TListColumn::Alignment, &TListColumn::SetAlignment)
          .Build();
  return info;
}

const TClassInfo& TListColumns::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TListColumns>("TListColumns", &TStrings::StaticClass()).Build();
  return info;
}

const TClassInfo& TListItem::StaticClass() {
  static const TClassInfo info = TClassBuilder<TListItem>("TListItem", &TPersistent::StaticClass())
                                     .Str("Caption", &TListItem::Caption, &TListItem::SetCaption)
                                     .Object("SubItems", &TListItem::SubItems)
                                     .Build();
  return info;
}

const TClassInfo& TListItems::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TListItems>("TListItems", &TStrings::StaticClass()).Build();
  return info;
}

const TClassInfo& TListView::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TListView>("TListView", &TWinControl::StaticClass())
          .Enum("BorderStyle", BorderStyleInfo(), &TListView::BorderStyle,
                &TListView::SetBorderStyle)
          .Object("Columns", &TListView::Columns)
          .Str("ColumnWidths", &TListView::ColumnWidths, &TListView::SetColumnWidths)
          .Object("Items", &TListView::Items)
          .Enum("ViewStyle", ViewStyleInfo(), &TListView::ViewStyle, &TListView::SetViewStyle)
          .Build();
  return info;
}

// Columns.

void TListColumn::SetCaption(const String& value) {
  caption_ = value;
  view_.UpdateColumn(Index());
}

int TListColumn::Width() const {
  const int index = Index();
  // Only a window made as a report view has columns of its own; the
  // window's style is asked, since ViewStyle may already name the next one.
  if (!view_.HandleAllocated() || index < 0 ||
      (GetWindowLongPtrW(view_.Handle(), GWL_STYLE) & LVS_TYPEMASK) != LVS_REPORT)
    return width_;
  return static_cast<int>(
      SendMessageW(view_.Handle(), LVM_GETCOLUMNWIDTH, static_cast<WPARAM>(index), 0));
}

// A negative width would ask the system to size the column itself.
void TListColumn::SetWidth(int value) {
  width_ = value < 0 ? 0 : value;
  view_.UpdateColumn(Index());
}

void TListColumn::SetAlignment(TAlignment value) {
  alignment_ = value;
  view_.UpdateColumn(Index());
}

int TListColumn::Index() const { return view_.Columns()->IndexOfColumn(this); }

TListColumns::~TListColumns() = default;

TListColumn* TListColumns::Items(int index) const {
  CheckIndex(index, GetCount());
  return columns_[static_cast<size_t>(index)].get();
}

int TListColumns::IndexOfColumn(const TListColumn* column) const {
  for (size_t i = 0; i < columns_.size(); ++i)
    if (columns_[i].get() == column) return static_cast<int>(i);
  return -1;
}

String TListColumns::Get(int index) const { return Items(index)->Caption(); }

void TListColumns::Put(int index, const String& s) { Items(index)->SetCaption(s); }

void TListColumns::Insert(int index, const String& s) {
  CheckIndex(index, GetCount() + 1);
  view_.KeepColumnWidths();
  auto column = std::unique_ptr<TListColumn>(new TListColumn(view_));
  column->caption_ = s;
  columns_.insert(columns_.begin() + index, std::move(column));
  view_.UpdateColumns();
}

void TListColumns::Delete(int index) {
  CheckIndex(index, GetCount());
  view_.KeepColumnWidths();
  columns_.erase(columns_.begin() + index);
  view_.UpdateColumns();
}

void TListColumns::Clear() {
  columns_.clear();
  view_.UpdateColumns();
}

// Items.

String TListSubItems::Get(int index) const {
  CheckIndex(index, GetCount());
  return texts_[static_cast<size_t>(index)];
}

void TListSubItems::Insert(int index, const String& s) {
  CheckIndex(index, GetCount() + 1);
  texts_.insert(texts_.begin() + index, s);
  item_.Changed();
}

void TListSubItems::Delete(int index) {
  CheckIndex(index, GetCount());
  texts_.erase(texts_.begin() + index);
  item_.Changed();
}

void TListSubItems::Clear() {
  texts_.clear();
  item_.Changed();
}

void TListItem::SetCaption(const String& value) {
  caption_ = value;
  Changed();
}

int TListItem::Index() const { return view_.Items()->IndexOfItem(this); }

void TListItem::Changed() { view_.UpdateItem(Index()); }

TListItems::~TListItems() = default;

TListItem* TListItems::Items(int index) const {
  CheckIndex(index, GetCount());
  return items_[static_cast<size_t>(index)].get();
}

int TListItems::IndexOfItem(const TListItem* item) const {
  for (size_t i = 0; i < items_.size(); ++i)
    if (items_[i].get() == item) return static_cast<int>(i);
  return -1;
}

String TListItems::Get(int index) const {
  const TListItem* item = Items(index);
  String line = item->caption_;
  for (const String& sub : item->subItems_->texts_) line += "\t" + sub;
  return line;
}

void TListItems::Put(int index, const String& s) {
  TListItem* item = Items(index);
  std::vector<String> parts = SplitAtTabs(s);
  item->caption_ = parts.front();
  item->subItems_->texts_.assign(parts.begin() + 1, parts.end());
  item->Changed();
}

void TListItems::Insert(int index, const String& s) {
  CheckIndex(index, GetCount() + 1);
  items_.insert(items_.begin() + index, std::unique_ptr<TListItem>(new TListItem(view_)));
  view_.UpdateItems();
  Put(index, s);
}

void TListItems::Delete(int index) {
  CheckIndex(index, GetCount());
  items_.erase(items_.begin() + index);
  view_.UpdateItems();
}

void TListItems::Clear() {
  items_.clear();
  view_.UpdateItems();
}

// The view.

TListView::TListView(TComponent* owner)
    : TWinControl(owner),
      columns_(std::make_unique<TListColumns>(*this)),
      items_(std::make_unique<TListItems>(*this)) {
  SetBounds(0, 0, 250, 150);
  SetTabStop(true);
  SetParentColor(false);
  SetColor(clWindow);
}

// The window goes while columns and items still exist.
TListView::~TListView() { DestroyHandle(); }

void TListView::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.BaseClass = WC_LISTVIEWW;
  static const DWORD styles[] = {LVS_ICON, LVS_SMALLICON, LVS_LIST, LVS_REPORT};
  params.Style |= styles[viewStyle_] | LVS_SHOWSELALWAYS | LVS_SHAREIMAGELISTS;
  if (borderStyle_ == bsSingle) params.ExStyle |= WS_EX_CLIENTEDGE;
}

void TListView::CreateHandleDone() {
  UpdateColumns();
  UpdateItems();
}

void TListView::DestroyWnd() {
  KeepColumnWidths();
  TWinControl::DestroyWnd();
}

HWND TListView::HeaderHandle() const {
  if (!HandleAllocated()) return nullptr;
  return reinterpret_cast<HWND>(
      SendMessageW(const_cast<TListView*>(this)->Handle(), LVM_GETHEADER, 0, 0));
}

void TListView::KeepColumnWidths() {
  if (!HandleAllocated()) return;
  const int shown = Header_GetItemCount(HeaderHandle());
  for (int i = 0; i < shown && i < columns_->GetCount(); ++i)
    columns_->Items(i)->width_ = columns_->Items(i)->Width();
}

void TListView::UpdateColumns() {
  if (!HandleAllocated()) return;
  while (SendMessageW(Handle(), LVM_DELETECOLUMN, 0, 0)) {
  }
  for (int i = 0; i < columns_->GetCount(); ++i) {
    LVCOLUMNW column{};
    column.mask = LVCF_WIDTH;
    SendMessageW(Handle(), LVM_INSERTCOLUMNW, static_cast<WPARAM>(i),
                 reinterpret_cast<LPARAM>(&column));
    UpdateColumn(i);
  }
}

void TListView::UpdateColumn(int index) {
  if (!HandleAllocated() || index < 0 || index >= columns_->GetCount()) return;
  const TListColumn* source = columns_->Items(index);
  std::wstring text = ToWide(source->Caption());
  LVCOLUMNW column{};
  column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_FMT;
  column.pszText = text.data();
  column.cx = source->width_;
  // The first column is always drawn left aligned by the system.
  column.fmt = index == 0 ? LVCFMT_LEFT : ColumnFormatOf(source->alignment_);
  SendMessageW(Handle(), LVM_SETCOLUMNW, static_cast<WPARAM>(index),
               reinterpret_cast<LPARAM>(&column));
}

void TListView::UpdateItems() {
  if (!HandleAllocated()) return;
  SendMessageW(Handle(), LVM_DELETEALLITEMS, 0, 0);
  for (int i = 0; i < items_->GetCount(); ++i) {
    LVITEMW item{};
    item.iItem = i;
    SendMessageW(Handle(), LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
    UpdateItem(i);
  }
}

void TListView::UpdateItem(int index) {
  if (!HandleAllocated() || index < 0 || index >= items_->GetCount()) return;
  const TListItem* source = items_->Items(index);
  const int subCount = source->SubItems()->GetCount();
  // Sub-items beyond the last one set are cleared, so a shortened list shows short.
  const int columns = std::max(subCount + 1, columns_->GetCount());
  for (int sub = 0; sub < columns; ++sub) {
    std::wstring text =
        sub == 0 ? ToWide(source->Caption())
                 : (sub <= subCount ? ToWide(source->SubItems()->Get(sub - 1)) : std::wstring());
    LVITEMW item{};
    item.iSubItem = sub;
    item.pszText = text.data();
    SendMessageW(Handle(), LVM_SETITEMTEXTW, static_cast<WPARAM>(index),
                 reinterpret_cast<LPARAM>(&item));
  }
}

String TListView::ColumnWidths() const {
  String text;
  for (int i = 0; i < columns_->GetCount(); ++i) {
    if (i > 0) text += ",";
    text += std::to_string(columns_->Items(i)->Width());
  }
  return text;
}

// Anything not a number, and widths beyond the columns there are, are
// left out: a hand-written layout must not fail the form.
void TListView::SetColumnWidths(const String& value) {
  size_t start = 0;
  for (int i = 0; i < columns_->GetCount(); ++i) {
    const size_t end = value.find(',', start);
    int width = 0;
    if (TryStrToInt(value.substr(start, end == String::npos ? String::npos : end - start), width))
      columns_->Items(i)->SetWidth(width);
    if (end == String::npos) break;
    start = end + 1;
  }
}

void TListView::SetViewStyle(TViewStyle value) {
  if (value == viewStyle_) return;
  viewStyle_ = value;
  RecreateWnd();
}

void TListView::SetBorderStyle(TBorderStyle value) {
  if (value == borderStyle_) return;
  borderStyle_ = value;
  RecreateWnd();
}
