#include "toolkit/core/ClassRegistry.h"

#include <map>

namespace {

// Keyed by upper-cased name: lookups are without case.
std::map<String, const TClassInfo*>& Registry() {
  static std::map<String, const TClassInfo*> registry;
  return registry;
}

}  // namespace

void RegisterComponentClass(const TClassInfo& cls) { Registry()[UpperCase(cls.Name)] = &cls; }

void UnRegisterComponentClass(const TClassInfo& cls) {
  const auto it = Registry().find(UpperCase(cls.Name));
  if (it != Registry().end() && it->second == &cls) Registry().erase(it);
}

const TClassInfo* FindClass(const String& name) {
  const auto it = Registry().find(UpperCase(name));
  return it == Registry().end() ? nullptr : it->second;
}

const TClassInfo* GetClass(const String& name) { return FindClass(name); }
