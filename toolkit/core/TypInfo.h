#pragma once
// Published properties by name. Every helper takes an object that may be
// nullptr; a missing object or property, or one of another kind, gives the
// neutral result and changes nothing.

#include <any>
#include <cstdint>
#include <vector>

#include "toolkit/core/Object.h"

const TPropInfo* GetPropInfo(const TClassInfo* cls, const String& name);
const TPropInfo* FindPropInfo(const TObject* obj, const String& name);
bool IsPublishedProp(const TObject* obj, const String& name);
TTypeKind PropType(const TObject* obj, const String& name);  // tkUnknown when missing
std::vector<const TPropInfo*> GetPropList(const TObject* obj);

// Integer kind only; -1 otherwise. The setter refuses values out of range.
int64_t GetOrdProp(TObject* obj, const String& name);
bool SetOrdProp(TObject* obj, const String& name, int64_t value);

// Enumeration kind (Boolean included): the identifier ("True", "tsTabs"),
// "" otherwise. The setter takes an identifier (without case).
String GetEnumProp(TObject* obj, const String& name);
bool SetEnumProp(TObject* obj, const String& name, const String& identifier);

// String kinds: UTF-8 String as is, wide strings converted; "" otherwise.
String GetStrProp(TObject* obj, const String& name);
bool SetStrProp(TObject* obj, const String& name, const String& value);
// Wide string as is, other strings converted; "" otherwise.
WideString GetWideStrProp(TObject* obj, const String& name);
bool SetWideStrProp(TObject* obj, const String& name, const WideString& value);

// Set kind as member identifiers "xoPreview,xoToolbarBK" ("" when empty or
// missing); the setter takes the same, with or without brackets, and
// refuses unknown identifiers. Bits: bit n = ordinal n; 0 when missing.
String GetSetProp(TObject* obj, const String& name);
bool SetSetProp(TObject* obj, const String& name, const String& members);
uint64_t GetSetBits(TObject* obj, const String& name);
bool SetSetBits(TObject* obj, const String& name, uint64_t bits);

// Class kind: the object held, when it is of cls (any class for nullptr);
// nullptr otherwise. The setter refuses objects of another class.
TObject* GetObjectProp(TObject* obj, const String& name, const TClassInfo* cls = nullptr);
bool SetObjectProp(TObject* obj, const String& name, TObject* value);

// Method kind: whether a handler is assigned; assigning takes a std::any
// holding the event's std::function (empty clears).
bool IsMethodAssigned(TObject* obj, const String& name);
bool SetMethodProp(TObject* obj, const String& name, const std::any& handler);

// Integer kind: the text converted (a text that is no integer changes
// nothing); enumeration kind: the member named; string kinds: the text;
// other kinds are left alone. Returns whether the property changed.
bool SetPropFromText(TObject* obj, const String& name, const String& text);
