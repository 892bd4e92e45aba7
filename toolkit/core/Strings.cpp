#include "toolkit/core/Strings.h"

#include <algorithm>

#include "toolkit/core/ClassBuilder.h"
#include "toolkit/core/Streams.h"

const TClassInfo& TStrings::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TStrings>("TStrings", &TPersistent::StaticClass()).Build();
  return info;
}

const TClassInfo& TStringList::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TStringList>("TStringList", &TStrings::StaticClass()).Build();
  return info;
}

void TStrings::CheckIndex(int index, int count) const {
  if (index < 0 || index >= count)
    throw EStringListError(Format("List index out of bounds (%d)", index));
}

void TStrings::Put(int index, const String& s) {
  CheckIndex(index, GetCount());
  TObject* object = GetObjectAt(index);
  BeginUpdate();
  Delete(index);
  InsertObject(index, s, object);
  EndUpdate();
}

TObject* TStrings::GetObjectAt(int /*index*/) const { return nullptr; }

void TStrings::PutObjectAt(int /*index*/, TObject* /*object*/) {}

int TStrings::Add(const String& s) {
  const int index = GetCount();
  Insert(index, s);
  return index;
}

int TStrings::AddObject(const String& s, TObject* object) {
  const int index = Add(s);
  PutObjectAt(index, object);
  return index;
}

void TStrings::AddStrings(const TStrings& source) {
  // Copied first: source may be this list.
  std::vector<std::pair<String, TObject*>> lines;
  for (int i = 0; i < source.GetCount(); ++i)
    lines.emplace_back(source.Get(i), source.GetObjectAt(i));
  BeginUpdate();
  for (const auto& [text, object] : lines) AddObject(text, object);
  EndUpdate();
}

void TStrings::InsertObject(int index, const String& s, TObject* object) {
  Insert(index, s);
  PutObjectAt(index, object);
}

void TStrings::Exchange(int index1, int index2) {
  CheckIndex(index1, GetCount());
  CheckIndex(index2, GetCount());
  if (index1 == index2) return;
  const String text1 = Get(index1);
  TObject* const object1 = GetObjectAt(index1);
  BeginUpdate();
  Put(index1, Get(index2));
  PutObjectAt(index1, GetObjectAt(index2));
  Put(index2, text1);
  PutObjectAt(index2, object1);
  EndUpdate();
}

void TStrings::Move(int curIndex, int newIndex) {
  CheckIndex(curIndex, GetCount());
  CheckIndex(newIndex, GetCount());
  if (curIndex == newIndex) return;
  const String text = Get(curIndex);
  TObject* const object = GetObjectAt(curIndex);
  BeginUpdate();
  Delete(curIndex);
  InsertObject(newIndex, text, object);
  EndUpdate();
}

int TStrings::IndexOf(const String& s) const {
  for (int i = 0; i < GetCount(); ++i)
    if (SameText(Get(i), s)) return i;
  return -1;
}

int TStrings::IndexOfObject(const TObject* object) const {
  for (int i = 0; i < GetCount(); ++i)
    if (GetObjectAt(i) == object) return i;
  return -1;
}

int TStrings::IndexOfName(const String& name) const {
  for (int i = 0; i < GetCount(); ++i) {
    const String line = Get(i);
    const size_t eq = line.find('=');
    if (eq != String::npos && SameText(line.substr(0, eq), name)) return i;
  }
  return -1;
}

String TStrings::Names(int index) const {
  const String line = Get(index);
  const size_t eq = line.find('=');
  return eq == String::npos ? String() : line.substr(0, eq);
}

String TStrings::ValueFromIndex(int index) const {
  const String line = Get(index);
  const size_t eq = line.find('=');
  return eq == String::npos ? String() : line.substr(eq + 1);
}

String TStrings::Values(const String& name) const {
  const int index = IndexOfName(name);
  return index < 0 ? String() : ValueFromIndex(index);
}

void TStrings::SetValue(const String& name, const String& value) {
  const int index = IndexOfName(name);
  if (value.empty()) {
    if (index >= 0) Delete(index);
  } else if (index >= 0) {
    Put(index, name + "=" + value);
  } else {
    Add(name + "=" + value);
  }
}

String TStrings::Text() const {
  String text;
  for (int i = 0; i < GetCount(); ++i) text += Get(i) + "\r\n";
  return text;
}

void TStrings::SetText(const String& text) {
  BeginUpdate();
  Clear();
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find_first_of("\r\n", start);
    if (end == String::npos) end = text.size();
    Add(text.substr(start, end - start));
    if (end < text.size() && text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n')
      ++end;
    start = end + 1;
  }
  EndUpdate();
}

String TStrings::CommaText() const {
  String text;
  for (int i = 0; i < GetCount(); ++i) {
    const String line = Get(i);
    if (i > 0) text += ',';
    const bool quote = line.empty() || line.find_first_of(" ,\"\t") != String::npos;
    if (!quote) {
      text += line;
      continue;
    }
    text += '"';
    for (const char c : line) {
      if (c == '"') text += '"';
      text += c;
    }
    text += '"';
  }
  return text;
}

void TStrings::SetCommaText(const String& text) {
  BeginUpdate();
  Clear();
  size_t i = 0;
  const auto skipBlanks = [&] {
    while (i < text.size() && static_cast<unsigned char>(text[i]) <= ' ') ++i;
  };
  skipBlanks();
  while (i < text.size()) {
    String item;
    if (text[i] == '"') {
      ++i;
      while (i < text.size()) {
        if (text[i] == '"') {
          if (i + 1 < text.size() && text[i + 1] == '"') {
            item += '"';
            i += 2;
            continue;
          }
          ++i;
          break;
        }
        item += text[i++];
      }
    } else {
      while (i < text.size() && text[i] != ',' && static_cast<unsigned char>(text[i]) > ' ')
        item += text[i++];
    }
    Add(item);
    skipBlanks();
    if (i < text.size() && text[i] == ',') {
      ++i;
      skipBlanks();
      if (i == text.size()) Add(String());
    }
  }
  EndUpdate();
}

void TStrings::LoadFromStream(TStream& stream) {
  const int64_t size = stream.Size() - stream.Position();
  String text(static_cast<size_t>(size > 0 ? size : 0), '\0');
  stream.ReadBuffer(text.data(), static_cast<int64_t>(text.size()));
  if (text.rfind("\xEF\xBB\xBF", 0) == 0) text.erase(0, 3);
  SetText(text);
}

void TStrings::SaveToStream(TStream& stream) const {
  const String text = Text();
  stream.WriteBuffer(text.data(), static_cast<int64_t>(text.size()));
}

bool TStrings::Equals(const TStrings& other) const {
  if (GetCount() != other.GetCount()) return false;
  for (int i = 0; i < GetCount(); ++i)
    if (Get(i) != other.Get(i)) return false;
  return true;
}

void TStrings::Assign(const TPersistent* Source) {
  const auto* source = dynamic_cast<const TStrings*>(Source);
  if (!source) {
    TPersistent::Assign(Source);
    return;
  }
  if (source == this) return;
  BeginUpdate();
  Clear();
  AddStrings(*source);
  EndUpdate();
}

void TStrings::BeginUpdate() {
  if (updateCount_ == 0) SetUpdateState(true);
  ++updateCount_;
}

void TStrings::EndUpdate() {
  if (updateCount_ > 0 && --updateCount_ == 0) SetUpdateState(false);
}

TStringList::TStringList(std::initializer_list<String> lines) {
  for (const String& line : lines) items_.push_back({line, nullptr});
}

String TStringList::Get(int index) const {
  CheckIndex(index, GetCount());
  return items_[static_cast<size_t>(index)].text;
}

void TStringList::Put(int index, const String& s) {
  CheckIndex(index, GetCount());
  Changing();
  items_[static_cast<size_t>(index)].text = s;
  Changed();
}

TObject* TStringList::GetObjectAt(int index) const {
  CheckIndex(index, GetCount());
  return items_[static_cast<size_t>(index)].object;
}

void TStringList::PutObjectAt(int index, TObject* object) {
  CheckIndex(index, GetCount());
  Changing();
  items_[static_cast<size_t>(index)].object = object;
  Changed();
}

void TStringList::Insert(int index, const String& s) {
  CheckIndex(index, GetCount() + 1);
  Changing();
  items_.insert(items_.begin() + index, Item{s, nullptr});
  Changed();
}

void TStringList::Delete(int index) {
  CheckIndex(index, GetCount());
  Changing();
  items_.erase(items_.begin() + index);
  Changed();
}

void TStringList::Clear() {
  if (items_.empty()) return;
  Changing();
  items_.clear();
  Changed();
}

void TStringList::Sort() {
  Changing();
  std::stable_sort(items_.begin(), items_.end(),
                   [](const Item& a, const Item& b) { return CompareText(a.text, b.text) < 0; });
  Changed();
}

void TStringList::SetUpdateState(bool updating) {
  if (updating)
    Changing();
  else
    Changed();
}

void TStringList::Changing() {
  if (UpdateCount() == 0 && OnChanging) OnChanging(this);
}

void TStringList::Changed() {
  if (UpdateCount() == 0 && OnChange) OnChange(this);
}
