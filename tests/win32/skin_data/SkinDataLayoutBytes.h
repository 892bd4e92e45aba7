// A binary layout holding one active skin data component with the given
// SkinStream value under a root of the given class, written by hand so that
// tests and the load benchmark can feed the reader any value.
#pragma once

#include <cstdint>
#include <vector>

#include "toolkit/core/Filer.h"
#include "toolkit/core/Streams.h"

inline std::vector<std::uint8_t> SkinDataLayoutBytes(const char* rootClass,
                                                     const std::vector<std::uint8_t>& skinStream) {
  TMemoryStream stream;
  TWriter writer(stream);
  writer.WriteSignature();
  writer.WriteComponentHeader(rootClass, "Form1");
  writer.WritePropertiesEnd();
  writer.WriteChildMarker();
  writer.WriteComponentHeader("TSkinData", "SkinData1");
  writer.WritePropName("Active");
  writer.WriteBoolean(true);
  writer.WritePropName("SkinStream");
  writer.WriteBinary(skinStream);
  writer.WritePropertiesEnd();
  writer.WriteChildrenEnd();
  writer.WriteChildrenEnd();
  const auto bytes = stream.Bytes();
  return {bytes.begin(), bytes.end()};
}
