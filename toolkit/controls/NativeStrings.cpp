#include "toolkit/controls/NativeStrings.h"

#include "toolkit/controls/WideText.h"
#include "toolkit/controls/WinControl.h"

const TNativeListMessages ListBoxMessages{LB_ADDSTRING,    LB_INSERTSTRING, LB_DELETESTRING,
                                          LB_RESETCONTENT, LB_GETCOUNT,     LB_GETTEXT,
                                          LB_GETTEXTLEN,   LB_SETITEMDATA,  LB_GETITEMDATA};
const TNativeListMessages ComboBoxMessages{CB_ADDSTRING,    CB_INSERTSTRING, CB_DELETESTRING,
                                           CB_RESETCONTENT, CB_GETCOUNT,     CB_GETLBTEXT,
                                           CB_GETLBTEXTLEN, CB_SETITEMDATA,  CB_GETITEMDATA};

bool TNativeStrings::InWindow() const { return control_.HandleAllocated(); }

LRESULT TNativeStrings::Send(UINT msg, WPARAM wParam, LPARAM lParam) const {
  return SendMessageW(control_.Handle(), msg, wParam, lParam);
}

String TNativeStrings::Get(int index) const {
  if (!InWindow()) return waiting_.Get(index);
  CheckIndex(index, GetCount());
  const LRESULT length = Send(messages_.GetTextLen, static_cast<WPARAM>(index));
  if (length <= 0) return {};
  std::wstring text(static_cast<size_t>(length) + 1, L'\0');
  const LRESULT copied =
      Send(messages_.GetText, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.data()));
  return FromWide(text.data(), static_cast<size_t>(copied > 0 ? copied : 0));
}

int TNativeStrings::GetCount() const {
  if (!InWindow()) return waiting_.GetCount();
  const LRESULT count = Send(messages_.GetCount);
  return count > 0 ? static_cast<int>(count) : 0;
}

TObject* TNativeStrings::GetObjectAt(int index) const {
  if (!InWindow()) return waiting_.GetObjectAt(index);
  CheckIndex(index, GetCount());
  return reinterpret_cast<TObject*>(Send(messages_.GetItemData, static_cast<WPARAM>(index)));
}

void TNativeStrings::PutObjectAt(int index, TObject* object) {
  if (!InWindow()) return waiting_.PutObjectAt(index, object);
  CheckIndex(index, GetCount());
  Send(messages_.SetItemData, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(object));
}

void TNativeStrings::Insert(int index, const String& s) {
  if (!InWindow()) return waiting_.Insert(index, s);
  CheckIndex(index, GetCount() + 1);
  const std::wstring text = ToWide(s);
  const LRESULT result = Send(messages_.InsertString, static_cast<WPARAM>(index),
                              reinterpret_cast<LPARAM>(text.c_str()));
  if (result < 0) throw EOutOfResources("Cannot insert a line into the list");
}

void TNativeStrings::Delete(int index) {
  if (!InWindow()) return waiting_.Delete(index);
  CheckIndex(index, GetCount());
  Send(messages_.DeleteString, static_cast<WPARAM>(index));
}

void TNativeStrings::Clear() {
  if (!InWindow()) return waiting_.Clear();
  Send(messages_.ResetContent);
}

void TNativeStrings::MoveToWindow() {
  for (int i = 0; i < waiting_.GetCount(); ++i) {
    const std::wstring text = ToWide(waiting_.Get(i));
    const LRESULT index = Send(messages_.AddString, 0, reinterpret_cast<LPARAM>(text.c_str()));
    if (index >= 0 && waiting_.GetObjectAt(i)) {
      Send(messages_.SetItemData, static_cast<WPARAM>(index),
           reinterpret_cast<LPARAM>(waiting_.GetObjectAt(i)));
    }
  }
  waiting_.Clear();
}

void TNativeStrings::MoveFromWindow() {
  waiting_.Clear();
  const int count = GetCount();
  for (int i = 0; i < count; ++i) waiting_.AddObject(Get(i), GetObjectAt(i));
}
