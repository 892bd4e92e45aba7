#include "toolkit/core/TypInfo.h"

namespace {

// The property of kind kind (or any kind for tkUnknown), else nullptr.
const TPropInfo* Find(const TObject* obj, const String& name, TTypeKind kind = tkUnknown) {
  const TPropInfo* p = FindPropInfo(obj, name);
  if (!p || (kind != tkUnknown && p->Kind != kind)) return nullptr;
  return p;
}

uint64_t SetMask(const TPropInfo& p) {
  const size_t count = p.EnumType ? p.EnumType->Identifiers.size() : 64;
  return count >= 64 ? ~uint64_t{0} : (uint64_t{1} << count) - 1;
}

bool ParseSetMembers(const TPropInfo& p, String text, uint64_t& bits) {
  text = Trim(text);
  if (!text.empty() && text.front() == '[') {
    if (text.back() != ']') return false;
    text = text.substr(1, text.size() - 2);
  }
  bits = 0;
  size_t start = 0;
  while (start <= text.size()) {
    size_t comma = text.find(',', start);
    if (comma == String::npos) comma = text.size();
    const String member = Trim(text.substr(start, comma - start));
    if (!member.empty()) {
      const int ordinal = p.EnumType ? p.EnumType->ValueOf(member) : -1;
      if (ordinal < 0 || ordinal >= 64) return false;
      bits |= uint64_t{1} << ordinal;
    } else if (comma < text.size()) {
      return false;  // an empty member between commas
    }
    start = comma + 1;
  }
  return true;
}

}  // namespace

const TPropInfo* GetPropInfo(const TClassInfo* cls, const String& name) {
  return cls ? cls->FindProperty(name) : nullptr;
}

const TPropInfo* FindPropInfo(const TObject* obj, const String& name) {
  return obj ? GetPropInfo(obj->ClassType(), name) : nullptr;
}

bool IsPublishedProp(const TObject* obj, const String& name) {
  return FindPropInfo(obj, name) != nullptr;
}

TTypeKind PropType(const TObject* obj, const String& name) {
  const TPropInfo* p = FindPropInfo(obj, name);
  return p ? p->Kind : tkUnknown;
}

std::vector<const TPropInfo*> GetPropList(const TObject* obj) {
  return obj ? obj->ClassType()->AllProperties() : std::vector<const TPropInfo*>{};
}

int64_t GetOrdProp(TObject* obj, const String& name) {
  const TPropInfo* p = Find(obj, name, tkInteger);
  return p && p->GetOrd ? p->GetOrd(*obj) : -1;
}

bool SetOrdProp(TObject* obj, const String& name, int64_t value) {
  const TPropInfo* p = Find(obj, name, tkInteger);
  if (!p || !p->SetOrd || value < p->MinValue || value > p->MaxValue) return false;
  p->SetOrd(*obj, value);
  return true;
}

String GetEnumProp(TObject* obj, const String& name) {
  const TPropInfo* p = Find(obj, name, tkEnumeration);
  return p && p->GetOrd && p->EnumType ? p->EnumType->NameOf(p->GetOrd(*obj)) : String();
}

bool SetEnumProp(TObject* obj, const String& name, const String& identifier) {
  const TPropInfo* p = Find(obj, name, tkEnumeration);
  if (!p || !p->SetOrd || !p->EnumType) return false;
  const int ordinal = p->EnumType->ValueOf(Trim(identifier));
  if (ordinal < 0) return false;
  p->SetOrd(*obj, ordinal);
  return true;
}

String GetStrProp(TObject* obj, const String& name) {
  const TPropInfo* p = Find(obj, name);
  if (!p) return {};
  if (p->Kind == tkString && p->GetStr) return p->GetStr(*obj);
  if (p->Kind == tkWideString && p->GetWide) return WideToUtf8(p->GetWide(*obj));
  return {};
}

bool SetStrProp(TObject* obj, const String& name, const String& value) {
  const TPropInfo* p = Find(obj, name);
  if (!p) return false;
  if (p->Kind == tkString && p->SetStr) {
    p->SetStr(*obj, value);
    return true;
  }
  if (p->Kind == tkWideString && p->SetWide) {
    p->SetWide(*obj, Utf8ToWide(value));
    return true;
  }
  return false;
}

WideString GetWideStrProp(TObject* obj, const String& name) {
  const TPropInfo* p = Find(obj, name);
  if (!p) return {};
  if (p->Kind == tkWideString && p->GetWide) return p->GetWide(*obj);
  if (p->Kind == tkString && p->GetStr) return Utf8ToWide(p->GetStr(*obj));
  return {};
}

bool SetWideStrProp(TObject* obj, const String& name, const WideString& value) {
  const TPropInfo* p = Find(obj, name);
  if (!p) return false;
  if (p->Kind == tkWideString && p->SetWide) {
    p->SetWide(*obj, value);
    return true;
  }
  if (p->Kind == tkString && p->SetStr) {
    p->SetStr(*obj, WideToUtf8(value));
    return true;
  }
  return false;
}

String GetSetProp(TObject* obj, const String& name) {
  const TPropInfo* p = Find(obj, name, tkSet);
  if (!p || !p->GetOrd || !p->EnumType) return {};
  const uint64_t bits = static_cast<uint64_t>(p->GetOrd(*obj));
  String text;
  for (size_t i = 0; i < p->EnumType->Identifiers.size() && i < 64; ++i) {
    if (!(bits & (uint64_t{1} << i))) continue;
    if (!text.empty()) text += ',';
    text += p->EnumType->Identifiers[i];
  }
  return text;
}

bool SetSetProp(TObject* obj, const String& name, const String& members) {
  const TPropInfo* p = Find(obj, name, tkSet);
  uint64_t bits = 0;
  if (!p || !p->SetOrd || !ParseSetMembers(*p, members, bits)) return false;
  p->SetOrd(*obj, static_cast<int64_t>(bits));
  return true;
}

uint64_t GetSetBits(TObject* obj, const String& name) {
  const TPropInfo* p = Find(obj, name, tkSet);
  return p && p->GetOrd ? static_cast<uint64_t>(p->GetOrd(*obj)) & SetMask(*p) : 0;
}

bool SetSetBits(TObject* obj, const String& name, uint64_t bits) {
  const TPropInfo* p = Find(obj, name, tkSet);
  if (!p || !p->SetOrd || (bits & ~SetMask(*p)) != 0) return false;
  p->SetOrd(*obj, static_cast<int64_t>(bits));
  return true;
}

TObject* GetObjectProp(TObject* obj, const String& name, const TClassInfo* cls) {
  const TPropInfo* p = Find(obj, name, tkClass);
  if (!p || !p->GetObj) return nullptr;
  TObject* value = p->GetObj(*obj);
  if (value && cls && !value->InheritsFrom(cls)) return nullptr;
  return value;
}

bool SetObjectProp(TObject* obj, const String& name, TObject* value) {
  const TPropInfo* p = Find(obj, name, tkClass);
  if (!p || !p->SetObj) return false;
  if (value && p->PropClass && !value->InheritsFrom(p->PropClass)) return false;
  try {
    p->SetObj(*obj, value);
  } catch (const EConvertError&) {
    return false;
  }
  return true;
}

bool IsMethodAssigned(TObject* obj, const String& name) {
  const TPropInfo* p = Find(obj, name, tkMethod);
  return p && p->IsAssigned && p->IsAssigned(*obj);
}

bool SetMethodProp(TObject* obj, const String& name, const std::any& handler) {
  const TPropInfo* p = Find(obj, name, tkMethod);
  if (!p || !p->SetMethod) return false;
  try {
    p->SetMethod(*obj, handler);
  } catch (const EConvertError&) {
    return false;
  }
  return true;
}

bool SetPropFromText(TObject* obj, const String& name, const String& text) {
  const TPropInfo* p = Find(obj, name);
  if (!p) return false;
  switch (p->Kind) {
    case tkInteger: {
      int value = 0;
      return TryStrToInt(text, value) && SetOrdProp(obj, name, value);
    }
    case tkEnumeration:
      return SetEnumProp(obj, name, text);
    case tkString:
    case tkWideString:
      return SetStrProp(obj, name, text);
    default:
      return false;
  }
}
