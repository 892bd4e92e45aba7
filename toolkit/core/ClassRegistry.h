#pragma once
// The class registry: layouts make components by class name.

#include <initializer_list>

#include "toolkit/core/ClassInfo.h"

// Registering the same class twice is harmless; another class under a name
// already taken replaces it.
void RegisterComponentClass(const TClassInfo& cls);
void UnRegisterComponentClass(const TClassInfo& cls);
// nullptr when no class of that name (compared without case) is registered.
const TClassInfo* FindClass(const String& name);
const TClassInfo* GetClass(const String& name);

// Inline so that <windows.h>'s RegisterClass macro, when a file includes it
// first, renames only this wrapper and nothing that must link.
inline void RegisterClass(const TClassInfo& cls) { RegisterComponentClass(cls); }
inline void RegisterClasses(std::initializer_list<const TClassInfo*> classes) {
  for (const TClassInfo* cls : classes) RegisterComponentClass(*cls);
}
inline void UnRegisterClass(const TClassInfo& cls) { UnRegisterComponentClass(cls); }
