#include "toolkit/controls/HeaderControl.h"

#include <commctrl.h>

#include "toolkit/controls/PropertyTypes.h"
#include "toolkit/controls/WideText.h"

namespace {

int FormatOf(TAlignment alignment) {
  switch (alignment) {
    case taRightJustify:
      return HDF_RIGHT;
    case taCenter:
      return HDF_CENTER;
    default:
      return HDF_LEFT;
  }
}

}  // namespace

const TClassInfo& THeaderSection::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<THeaderSection>("THeaderSection", &TPersistent::StaticClass())
          .Str("Text", &THeaderSection::Text, &THeaderSection::SetText)
          .Integer("Width", &THeaderSection::Width, &THeaderSection::SetWidth)
          .Enum("Alignment", AlignmentInfo(), &THeaderSection::Alignment,
                &THeaderSection::SetAlignment)
          .Build();
  return info;
}

const TClassInfo& THeaderSections::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<THeaderSections>("THeaderSections", &TStrings::StaticClass()).Build();
  return info;
}

const TClassInfo& THeaderControl::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<THeaderControl>("THeaderControl", &TWinControl::StaticClass())
          .Object("Sections", &THeaderControl::Sections)
          .Str("SectionWidths", &THeaderControl::SectionWidths, &THeaderControl::SetSectionWidths)
          .Build();
  return info;
}

void THeaderSection::SetText(const String& value) {
  text_ = value;
  header_.UpdateSection(Index());
}

// A negative width would make the system lay the next sections out over it.
void THeaderSection::SetWidth(int value) {
  width_ = value < 0 ? 0 : value;
  header_.UpdateSection(Index());
}

void THeaderSection::SetAlignment(TAlignment value) {
  alignment_ = value;
  header_.UpdateSection(Index());
}

int THeaderSection::Index() const { return header_.Sections()->IndexOfSection(this); }

THeaderSections::~THeaderSections() = default;

THeaderSection* THeaderSections::Items(int index) const {
  CheckIndex(index, GetCount());
  return sections_[static_cast<size_t>(index)].get();
}

int THeaderSections::IndexOfSection(const THeaderSection* section) const {
  for (size_t i = 0; i < sections_.size(); ++i)
    if (sections_[i].get() == section) return static_cast<int>(i);
  return -1;
}

String THeaderSections::Get(int index) const { return Items(index)->Text(); }

void THeaderSections::Put(int index, const String& s) { Items(index)->SetText(s); }

void THeaderSections::Insert(int index, const String& s) {
  CheckIndex(index, GetCount() + 1);
  auto section = std::unique_ptr<THeaderSection>(new THeaderSection(header_));
  section->text_ = s;
  sections_.insert(sections_.begin() + index, std::move(section));
  header_.UpdateSections();
}

void THeaderSections::Delete(int index) {
  CheckIndex(index, GetCount());
  sections_.erase(sections_.begin() + index);
  header_.UpdateSections();
}

void THeaderSections::Clear() {
  sections_.clear();
  header_.UpdateSections();
}

THeaderControl::THeaderControl(TComponent* owner)
    : TWinControl(owner), sections_(std::make_unique<THeaderSections>(*this)) {
  SetBounds(0, 0, 185, 17);
}

// The window goes while the sections still exist.
THeaderControl::~THeaderControl() { DestroyHandle(); }

void THeaderControl::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.BaseClass = WC_HEADERW;
  params.Style |= HDS_BUTTONS | HDS_HORZ;
}

void THeaderControl::CreateHandleDone() { UpdateSections(); }

void THeaderControl::UpdateSections() {
  if (!HandleAllocated()) return;
  updating_ = true;
  while (SendMessageW(Handle(), HDM_DELETEITEM, 0, 0)) {
  }
  for (int i = 0; i < sections_->GetCount(); ++i) {
    HDITEMW item{};
    item.mask = HDI_WIDTH;
    SendMessageW(Handle(), HDM_INSERTITEMW, static_cast<WPARAM>(i),
                 reinterpret_cast<LPARAM>(&item));
  }
  updating_ = false;
  for (int i = 0; i < sections_->GetCount(); ++i) UpdateSection(i);
}

void THeaderControl::UpdateSection(int index) {
  if (!HandleAllocated() || index < 0 || index >= sections_->GetCount()) return;
  const THeaderSection* section = sections_->Items(index);
  std::wstring text = ToWide(section->Text());
  HDITEMW item{};
  item.mask = HDI_TEXT | HDI_WIDTH | HDI_FORMAT;
  item.pszText = text.data();
  item.cxy = section->Width();
  item.fmt = HDF_STRING | FormatOf(section->Alignment());
  updating_ = true;
  SendMessageW(Handle(), HDM_SETITEMW, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
  updating_ = false;
}

String THeaderControl::SectionWidths() const {
  String text;
  for (int i = 0; i < sections_->GetCount(); ++i) {
    if (i > 0) text += ",";
    text += std::to_string(sections_->Items(i)->Width());
  }
  return text;
}

// Widths beyond the sections there are, and anything not a number, are
// left out: a layout written by hand must not fail the form.
void THeaderControl::SetSectionWidths(const String& value) {
  size_t start = 0;
  for (int i = 0; i < sections_->GetCount() && start <= value.size(); ++i) {
    const size_t end = value.find(',', start);
    const String part = value.substr(start, end == String::npos ? String::npos : end - start);
    int width = 0;
    if (TryStrToInt(part, width)) sections_->Items(i)->SetWidth(width);
    if (end == String::npos) break;
    start = end + 1;
  }
}

void THeaderControl::SectionChangedInWindow(int index) {
  if (updating_ || index < 0 || index >= sections_->GetCount()) return;
  HDITEMW item{};
  item.mask = HDI_WIDTH;
  if (!SendMessageW(Handle(), HDM_GETITEMW, static_cast<WPARAM>(index),
                    reinterpret_cast<LPARAM>(&item)))
    return;
  THeaderSection* section = sections_->Items(index);
  if (item.cxy == section->width_) return;
  section->width_ = item.cxy;
  if (OnSectionResize) OnSectionResize(this, section);
}

void THeaderControl::WndProc(TMessage& message) {
  if (message.Msg == CN_NOTIFY) {
    const auto* notify = reinterpret_cast<const NMHEADERW*>(message.LParam);
    if (notify->hdr.code == HDN_ITEMCHANGEDW || notify->hdr.code == HDN_ITEMCHANGEDA) {
      SectionChangedInWindow(notify->iItem);
      return;
    }
  }
  TWinControl::WndProc(message);
}
