#include "skin/data/SkinManagerLink.h"

namespace {
TSkinManagerFactory factory = nullptr;
ISkinManager* manager = nullptr;
}  // namespace

void SetSkinManagerFactory(TSkinManagerFactory f) { factory = f; }

ISkinManager* SkinManager() { return manager; }

ISkinManager* CreateSkinManager() {
  if (!manager && factory) manager = factory();
  return manager;
}

void SkinManagerDestroyed() { manager = nullptr; }
