#pragma once
// Helpers of the layout tests.

#include <vector>

#include "tests/host/toolkit/TestComponents.h"

inline std::vector<uint8_t> LoadBytes(const String& path) {
  TMemoryStream s;
  s.LoadFromFile(path);
  return {s.Bytes().begin(), s.Bytes().end()};
}

inline void ReadLayout(const std::vector<uint8_t>& bytes, TComponent* root) {
  TMemoryStream s;
  s.WriteBuffer(bytes.data(), static_cast<int64_t>(bytes.size()));
  s.SetPosition(0);
  s.ReadComponent(root);
}

inline std::vector<uint8_t> WriteLayout(TComponent* root) {
  TMemoryStream s;
  s.WriteComponent(root);
  return {s.Bytes().begin(), s.Bytes().end()};
}
