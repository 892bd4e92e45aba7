#pragma once
// The binary layout format, little-endian throughout:
//
//   layout    := "TVL1" component
//   component := str(class name) str(name) property* str("") child* 0x00
//   property  := str(name) value            (dotted names reach sub-objects)
//   child     := 0x01 component
//   str       := u32 length, UTF-8 bytes
//   value     := one tag byte (TValueType) and its data:
//     vaInt32 i32 | vaInt64 i64 | vaIdent str | vaString str
//     | vaWString u32 count, count UTF-16 units | vaSet u32 count, count str
//     | vaList u32 count, count str | vaBinary u32 length, bytes | vaNil
//
// Enumerations and set members go by identifier, so reordering an
// enumeration does not break stored layouts. A reader also takes a set as
// an integer of bits.

#include <cstdint>
#include <vector>

#include "toolkit/core/SysUtils.h"

enum TValueType : uint8_t {
  vaNull = 0,
  vaInt32 = 1,
  vaInt64 = 2,
  vaIdent = 3,
  vaString = 4,
  vaWString = 5,
  vaSet = 6,
  vaList = 7,
  vaBinary = 8,
  vaNil = 9,
};

inline constexpr char LayoutSignature[4] = {'T', 'V', 'L', '1'};
inline constexpr uint8_t LayoutChildMarker = 1;
inline constexpr uint8_t LayoutEndMarker = 0;

// Bounds a reader applies to untrusted layouts.
inline constexpr uint32_t LayoutMaxString = 16u << 20;
inline constexpr uint32_t LayoutMaxBinary = 64u << 20;
inline constexpr int LayoutMaxDepth = 64;

// One value of any type, as tools see it without the classes behind it.
struct TLayoutValue {
  TValueType Type = vaNull;
  int64_t Int = 0;             // vaInt32, vaInt64
  String Text;                 // vaIdent, vaString
  WideString Wide;             // vaWString
  std::vector<String> Items;   // vaSet, vaList
  std::vector<uint8_t> Bytes;  // vaBinary

  bool operator==(const TLayoutValue&) const = default;
};
