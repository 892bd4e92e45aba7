#include "toolkit/core/ClassInfo.h"

int TEnumInfo::ValueOf(const String& identifier) const {
  for (size_t i = 0; i < Identifiers.size(); ++i)
    if (SameText(Identifiers[i], identifier)) return static_cast<int>(i);
  return -1;
}

String TEnumInfo::NameOf(int64_t ordinal) const {
  if (ordinal < 0 || ordinal >= static_cast<int64_t>(Identifiers.size())) return {};
  return Identifiers[static_cast<size_t>(ordinal)];
}

const TEnumInfo& BooleanInfo() {
  static const TEnumInfo info{"Boolean", {"False", "True"}};
  return info;
}

bool TIntegerIdents::IdentToInt(const String& ident, int64_t& value) const {
  for (const auto& [name, v] : Values) {
    if (SameText(name, ident)) {
      value = v;
      return true;
    }
  }
  return false;
}

bool TIntegerIdents::IntToIdent(int64_t value, String& ident) const {
  for (const auto& [name, v] : Values) {
    if (v == value) {
      ident = name;
      return true;
    }
  }
  return false;
}

bool TPropInfo::Writable() const {
  switch (Kind) {
    case tkInteger:
    case tkEnumeration:
    case tkSet:
      return static_cast<bool>(SetOrd);
    case tkString:
      return static_cast<bool>(SetStr);
    case tkWideString:
      return static_cast<bool>(SetWide);
    case tkClass:
      return static_cast<bool>(SetObj);
    case tkMethod:
      return static_cast<bool>(SetMethod);
    case tkUnknown:
      break;
  }
  return false;
}

bool TClassInfo::InheritsFrom(const TClassInfo* other) const {
  for (const TClassInfo* c = this; c; c = c->Parent)
    if (c == other) return true;
  return false;
}

const TPropInfo* TClassInfo::FindProperty(const String& name) const {
  for (const TClassInfo* c = this; c; c = c->Parent)
    for (const TPropInfo& p : c->Properties)
      if (SameText(p.Name, name)) return &p;
  return nullptr;
}

const TMethodInfo* TClassInfo::FindMethod(const String& name) const {
  for (const TClassInfo* c = this; c; c = c->Parent)
    for (const TMethodInfo& m : c->Methods)
      if (SameText(m.Name, name)) return &m;
  return nullptr;
}

std::vector<const TPropInfo*> TClassInfo::AllProperties() const {
  std::vector<const TClassInfo*> chain;
  for (const TClassInfo* c = this; c; c = c->Parent) chain.push_back(c);
  std::vector<const TPropInfo*> list;
  for (auto it = chain.rbegin(); it != chain.rend(); ++it) {
    for (const TPropInfo& p : (*it)->Properties) {
      bool replaced = false;
      for (const TPropInfo*& seen : list) {
        if (SameText(seen->Name, p.Name)) {
          seen = &p;
          replaced = true;
        }
      }
      if (!replaced) list.push_back(&p);
    }
  }
  return list;
}
