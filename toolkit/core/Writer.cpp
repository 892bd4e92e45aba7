#include <algorithm>
#include <limits>

#include "toolkit/core/ClassInfo.h"
#include "toolkit/core/Filer.h"
#include "toolkit/core/ScopeExit.h"
#include "toolkit/core/Strings.h"

namespace {

// Sub-objects of sub-objects are rare; the bound stops a cycle of
// objects that hold each other.
constexpr int MaxSubObjectDepth = 8;

}  // namespace

void TStream::WriteComponent(TComponent* Instance) {
  TWriter writer(*this);
  writer.WriteRootComponent(Instance);
}

void TWriter::WriteRootComponent(TComponent* Root) {
  root_ = Root;
  WriteSignature();
  WriteComponent(Root);
}

void TWriter::WriteComponent(TComponent* component) {
  component->SetComponentStateItem(csWriting, true);
  const TScopeExit written([component] { component->SetComponentStateItem(csWriting, false); });
  WriteComponentHeader(component->ClassName(), component->Name());
  WriteProperties(*component, String());
  WritePropertiesEnd();
  std::vector<TComponent*> children;
  component->GetChildren([&children](TComponent* child) { children.push_back(child); }, root_);
  for (TComponent* child : children) {
    WriteChildMarker();
    WriteComponent(child);
  }
  WriteChildrenEnd();
}

void TWriter::WriteProperties(TObject& object, const String& prefix) {
  const bool isComponent = dynamic_cast<TComponent*>(&object) != nullptr;
  for (const TPropInfo* p : object.ClassType()->AllProperties()) {
    if (isComponent && prefix.empty() && SameText(p->Name, "Name")) continue;  // in the header
    if (p->IsStored && !p->IsStored(object)) continue;
    WriteProperty(object, *p, prefix);
  }
  if (auto* const persistent = dynamic_cast<TPersistent*>(&object)) {
    const String saved = propPrefix_;
    propPrefix_ = prefix;
    persistent->DefineProperties(*this);
    propPrefix_ = saved;
  }
}

void TWriter::WriteProperty(TObject& object, const TPropInfo& p, const String& prefix) {
  const String name = prefix + p.Name;
  switch (p.Kind) {
    case tkInteger:
      WriteIntegerProperty(object, p, name);
      break;
    case tkEnumeration:
      WriteEnumProperty(object, p, name);
      break;
    case tkSet:
      WriteSetProperty(object, p, name);
      break;
    case tkString:
      if (!p.Writable()) break;
      WritePropName(name);
      WriteString(p.GetStr(object));
      break;
    case tkWideString:
      if (!p.Writable()) break;
      WritePropName(name);
      WriteWideString(p.GetWide(object));
      break;
    case tkMethod:
      WriteMethodProperty(object, p, prefix);
      break;
    case tkClass:
      WriteClassProperty(object, p, prefix);
      break;
    case tkUnknown:
      break;
  }
}

void TWriter::WriteIntegerProperty(TObject& object, const TPropInfo& p, const String& name) {
  if (!p.Writable()) return;
  const int64_t value = p.GetOrd(object);
  String ident;
  WritePropName(name);
  if (p.Idents && p.Idents->IntToIdent(value, ident))
    WriteIdent(ident);
  else
    WriteInteger(value);
}

void TWriter::WriteEnumProperty(TObject& object, const TPropInfo& p, const String& name) {
  const String ident = p.EnumType ? p.EnumType->NameOf(p.GetOrd(object)) : String();
  if (!p.Writable() || ident.empty()) return;
  WritePropName(name);
  WriteIdent(ident);
}

void TWriter::WriteSetProperty(TObject& object, const TPropInfo& p, const String& name) {
  if (!p.Writable() || !p.EnumType) return;
  const auto bits = static_cast<uint64_t>(p.GetOrd(object));
  std::vector<String> members;
  for (size_t i = 0; i < p.EnumType->Identifiers.size() && i < 64; ++i)
    if (bits & (uint64_t{1} << i)) members.push_back(p.EnumType->Identifiers[i]);
  WritePropName(name);
  WriteSet(members);
}

// An event handler is written by its bound name, on the component itself only.
void TWriter::WriteMethodProperty(TObject& object, const TPropInfo& p, const String& prefix) {
  auto* const component = dynamic_cast<TComponent*>(&object);
  const String* handler =
      component && prefix.empty() ? component->BoundMethodName(p.Name) : nullptr;
  if (!handler || !p.IsAssigned || !p.IsAssigned(object)) return;
  WritePropName(prefix + p.Name);
  WriteIdent(*handler);
}

void TWriter::WriteClassProperty(TObject& object, const TPropInfo& p, const String& prefix) {
  TObject* const value = p.GetObj ? p.GetObj(object) : nullptr;
  if (!value) return;
  const String name = prefix + p.Name;
  if (const auto* strings = dynamic_cast<const TStrings*>(value)) {
    std::vector<String> lines;
    for (int i = 0; i < strings->Count(); ++i) lines.push_back(strings->Get(i));
    WritePropName(name);
    WriteStringList(lines);
  } else if (const auto* reference = dynamic_cast<const TComponent*>(value)) {
    // A reference by name, to the root or to a component it owns.
    if (!p.Writable() || reference->Name().empty()) return;
    if (reference != root_ && reference->Owner() != root_) return;
    WritePropName(name);
    WriteIdent(reference->Name());
  } else if (static_cast<int>(std::count(prefix.begin(), prefix.end(), '.')) < MaxSubObjectDepth) {
    WriteProperties(*value, name + ".");
  }
}

void TWriter::DefineProperty(const String& Name, const TReaderProc& /*ReadData*/,
                             const TWriterProc& WriteData, bool HasData) {
  if (!HasData || !WriteData) return;
  WritePropName(propPrefix_ + Name);
  WriteData(*this);
}

void TWriter::DefineBinaryProperty(const String& Name, const TStreamProc& /*ReadData*/,
                                   const TStreamProc& WriteData, bool HasData) {
  if (!HasData || !WriteData) return;
  TMemoryStream data;
  WriteData(data);
  WritePropName(propPrefix_ + Name);
  WriteBinary(data.Bytes());
}

void TWriter::WriteSignature() { stream_.WriteBuffer(LayoutSignature, sizeof LayoutSignature); }

void TWriter::WriteComponentHeader(const String& className, const String& name) {
  WriteStr(className);
  WriteStr(name);
}

void TWriter::WritePropName(const String& name) {
  if (name.empty()) throw EWriteError("Property without a name");
  WriteStr(name);
}

void TWriter::WritePropertiesEnd() { WriteStr(String()); }
void TWriter::WriteChildMarker() { WriteByte(LayoutChildMarker); }
void TWriter::WriteChildrenEnd() { WriteByte(LayoutEndMarker); }

void TWriter::WriteInteger(int64_t value) {
  if (value >= std::numeric_limits<int32_t>::min() &&
      value <= std::numeric_limits<int32_t>::max()) {
    WriteByte(vaInt32);
    const auto v = static_cast<uint32_t>(static_cast<int32_t>(value));
    WriteU32(v);
    return;
  }
  WriteByte(vaInt64);
  const auto v = static_cast<uint64_t>(value);
  WriteU32(static_cast<uint32_t>(v));
  WriteU32(static_cast<uint32_t>(v >> 32));
}

void TWriter::WriteBoolean(bool value) { WriteIdent(value ? "True" : "False"); }

void TWriter::WriteIdent(const String& ident) {
  WriteByte(vaIdent);
  WriteStr(ident);
}

void TWriter::WriteString(const String& text) {
  WriteByte(vaString);
  WriteStr(text);
}

void TWriter::WriteWideString(const WideString& text) {
  if (text.size() > LayoutMaxString / 2) throw EWriteError("Text too long for a layout");
  WriteByte(vaWString);
  WriteU32(static_cast<uint32_t>(text.size()));
  for (const char16_t unit : text) {
    const uint8_t bytes[2] = {static_cast<uint8_t>(unit & 0xFF), static_cast<uint8_t>(unit >> 8)};
    stream_.WriteBuffer(bytes, 2);
  }
}

void TWriter::WriteStringList(const std::vector<String>& lines) {
  WriteByte(vaList);
  WriteU32(static_cast<uint32_t>(lines.size()));
  for (const String& line : lines) WriteStr(line);
}

void TWriter::WriteSet(const std::vector<String>& members) {
  WriteByte(vaSet);
  WriteU32(static_cast<uint32_t>(members.size()));
  for (const String& member : members) WriteStr(member);
}

void TWriter::WriteBinary(std::span<const uint8_t> bytes) {
  if (bytes.size() > LayoutMaxBinary) throw EWriteError("Binary property too large for a layout");
  WriteByte(vaBinary);
  WriteU32(static_cast<uint32_t>(bytes.size()));
  stream_.WriteBuffer(bytes.data(), static_cast<int64_t>(bytes.size()));
}

void TWriter::WriteNil() { WriteByte(vaNil); }

void TWriter::WriteLayoutValue(const TLayoutValue& value) {
  switch (value.Type) {
    case vaInt32:
    case vaInt64:
      WriteInteger(value.Int);
      return;
    case vaIdent:
      WriteIdent(value.Text);
      return;
    case vaString:
      WriteString(value.Text);
      return;
    case vaWString:
      WriteWideString(value.Wide);
      return;
    case vaSet:
      WriteSet(value.Items);
      return;
    case vaList:
      WriteStringList(value.Items);
      return;
    case vaBinary:
      WriteBinary(value.Bytes);
      return;
    case vaNil:
      WriteNil();
      return;
    case vaNull:
      break;
  }
  throw EWriteError("Layout value without a type");
}

void TWriter::WriteStr(const String& text) {
  if (text.size() > LayoutMaxString) throw EWriteError("Text too long for a layout");
  WriteU32(static_cast<uint32_t>(text.size()));
  stream_.WriteBuffer(text.data(), static_cast<int64_t>(text.size()));
}

void TWriter::WriteByte(uint8_t value) { stream_.WriteBuffer(&value, 1); }

void TWriter::WriteU32(uint32_t value) {
  const uint8_t bytes[4] = {static_cast<uint8_t>(value), static_cast<uint8_t>(value >> 8),
                            static_cast<uint8_t>(value >> 16), static_cast<uint8_t>(value >> 24)};
  stream_.WriteBuffer(bytes, 4);
}
