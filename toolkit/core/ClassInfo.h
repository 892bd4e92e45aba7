#pragma once
// Run-time type information: what a class is called, what it derives from,
// how to make one, its published properties and the handler methods a
// layout may bind its events to.

#include <any>
#include <cstdint>
#include <functional>
#include <utility>
#include <vector>

#include "toolkit/core/SysUtils.h"

class TObject;
class TComponent;
struct TClassInfo;

enum TTypeKind {
  tkUnknown,
  tkInteger,
  tkEnumeration,  // Boolean is the enumeration False, True
  tkString,       // UTF-8 String
  tkWideString,   // UTF-16 WideString
  tkSet,
  tkClass,  // object, string list, persistent sub-object or component reference
  tkMethod  // event (a std::function member)
};

// Identifiers of an enumeration in ordinal order, from 0.
struct TEnumInfo {
  String Name;
  std::vector<String> Identifiers;

  // -1 when the text names no member (compared without case).
  int ValueOf(const String& identifier) const;
  // "" for an ordinal out of range.
  String NameOf(int64_t ordinal) const;
};

const TEnumInfo& BooleanInfo();

// Names for particular values of an integer property (colours: clBtnFace),
// used in layouts in place of the number.
struct TIntegerIdents {
  std::vector<std::pair<String, int64_t>> Values;

  bool IdentToInt(const String& ident, int64_t& value) const;  // without case
  bool IntToIdent(int64_t value, String& ident) const;
};

struct TPropInfo {
  String Name;
  TTypeKind Kind = tkUnknown;
  const TEnumInfo* EnumType = nullptr;     // tkEnumeration, and the members of a tkSet
  const TClassInfo* PropClass = nullptr;   // tkClass: the declared class
  const TIntegerIdents* Idents = nullptr;  // tkInteger, optional
  // tkInteger: the range of the C++ type behind the property.
  int64_t MinValue = INT32_MIN;
  int64_t MaxValue = INT32_MAX;
  // Ordinal kinds: integer value, enumeration ordinal, set bits.
  std::function<int64_t(TObject&)> GetOrd;
  std::function<void(TObject&, int64_t)> SetOrd;
  std::function<String(TObject&)> GetStr;  // tkString
  std::function<void(TObject&, const String&)> SetStr;
  std::function<WideString(TObject&)> GetWide;  // tkWideString
  std::function<void(TObject&, const WideString&)> SetWide;
  std::function<TObject*(TObject&)> GetObj;        // tkClass
  std::function<void(TObject&, TObject*)> SetObj;  // empty: the object is read-only (a sub-object)
  // tkMethod: whether a handler is assigned, and assignment from a bound
  // handler (std::any holding the event's std::function type; an empty
  // std::any clears it). Throws EConvertError when the handler type differs.
  std::function<bool(TObject&)> IsAssigned;
  std::function<void(TObject&, const std::any&)> SetMethod;
  // Optional: the writer leaves the property out when this says false.
  std::function<bool(TObject&)> IsStored;

  bool Writable() const;
};

// A handler method the root of a layout offers to event properties by name.
struct TMethodInfo {
  String Name;
  // Makes the event value (a std::function inside std::any) bound to instance.
  std::function<std::any(TObject& instance)> Bind;
};

struct TClassInfo {
  String Name;
  const TClassInfo* Parent = nullptr;
  // Makes an instance owned by owner; empty for abstract classes and for
  // classes that are not components.
  std::function<TComponent*(TComponent* owner)> Create;
  std::vector<TPropInfo> Properties;  // own published properties, declared order
  std::vector<TMethodInfo> Methods;

  bool InheritsFrom(const TClassInfo* other) const;
  // Searches this class, then its ancestors; names compared without case.
  const TPropInfo* FindProperty(const String& name) const;
  const TMethodInfo* FindMethod(const String& name) const;
  // Every published property, ancestors' first, declared order; a property
  // redeclared by a descendant keeps its place and takes the new accessors.
  std::vector<const TPropInfo*> AllProperties() const;
};
