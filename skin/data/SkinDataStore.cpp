// The stored skin package: streaming it with the form, opening it, reading
// its description into the records.
#include <cstdint>

#include "skin/data/SkinDescriptionCheck.h"
#include "skin/data/SkinRefusal.h"
#include "skin/data/WinSkinData.h"
#include "skin/read/SkinRead.h"
#include "skin/read/WinSkinIni.h"
#include "toolkit/core/Filer.h"
#include "toolkit/core/Streams.h"

namespace {
constexpr char kUnusableDescription[] = "皮肤包无法使用:\r";
}  // namespace

void TSkinData::DefineProperties(TFiler& Filer) {
  TComponent::DefineProperties(Filer);
  Filer.DefineBinaryProperty(
      "SkinStream", [this](TStream& s) { ReadSkinStream(s); },
      [this](TStream& s) { WriteSkinStream(s); }, true);
}

// The value is a 32-bit little-endian length and that many package bytes.
void TSkinData::ReadSkinStream(TStream& stream) {
  std::uint8_t length[4];
  stream.ReadBuffer(length, 4);
  const std::int32_t n =
      static_cast<std::int32_t>(length[0] | (length[1] << 8) | (length[2] << 16) |
                                (static_cast<std::uint32_t>(length[3]) << 24));
  if (n <= 0) return;
  // Checked before anything is allocated: a forged length must not cost memory.
  if (n > stream.Remaining()) throw EReadError("SkinStream is shorter than its stated length");
  skinStore_->Clear();
  skinStore_->SetSize(n);
  stream.ReadBuffer(skinStore_->Memory(), n);
  skinStore_->SetPosition(0);
  if (!Designing()) LoadSkinStore();
}

void TSkinData::WriteSkinStream(TStream& stream) {
  const auto n = static_cast<std::uint32_t>(skinStore_->Size());
  const std::uint8_t length[4] = {static_cast<std::uint8_t>(n), static_cast<std::uint8_t>(n >> 8),
                                  static_cast<std::uint8_t>(n >> 16),
                                  static_cast<std::uint8_t>(n >> 24)};
  stream.WriteBuffer(length, 4);
  if (n > 0) stream.WriteBuffer(skinStore_->Memory(), n);
}

bool TSkinData::LoadSkinStore() {
  skinPending_ = true;
  if (Designing()) return false;
  return ReadPackage(skinStore_->Bytes());
}

bool TSkinData::ReadPackage(std::span<const std::uint8_t> package) {
  // Reader, description and parser live only for this load.
  TSkinReader reader;
  reader.SetOnRefusal(ShowSkinRefusal);
  if (!reader.Load(package)) return false;
  TQuickIni ini;
  if (const std::string refusal = CheckSkinDescription(reader, ini); !refusal.empty()) {
    ShowSkinRefusal(kUnusableDescription + refusal);
    return false;
  }
  ReadSkin(ini, [&reader](std::string_view name, std::vector<std::uint8_t>& bytes) {
    reader.GetEntry(name, bytes);
  });
  return true;
}

void TSkinData::ReadSkin(const TQuickIni& ini, const TSkinEntrySource& entries) {
  skinPending_ = true;
  ReadSkinDescription(ini, entries, *skin_, GetModuleHandleW(nullptr));
  skinPending_ = false;
}

void TSkinData::SetSkinFile(const String& value) {
  const bool wasPending = skinPending_;
  skinPending_ = true;
  skinFile_ = value;
  if (Designing()) {
    if (!value.empty() && skinStore_->Size() > 0) skinStore_->Clear();
    return;
  }
  const WideString wide = Utf8ToWide(value);
  const DWORD attributes = GetFileAttributesW(reinterpret_cast<const wchar_t*>(wide.c_str()));
  if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY)) return;
  TMemoryStream incoming;
  incoming.LoadFromFile(value);
  skinPending_ = wasPending;
  TakePackage(incoming.Bytes());
}

bool TSkinData::TakePackage(std::span<const std::uint8_t> package) {
  const bool wasPending = skinPending_;
  skinPending_ = true;
  // The stored package is replaced only by one that is read whole: a refused
  // one leaves the current skin, its package and its state as they were.
  if (!ReadPackage(package)) {
    skinPending_ = wasPending;
    return false;
  }
  skinStore_->Clear();
  skinStore_->WriteBuffer(package.data(), static_cast<std::int64_t>(package.size()));
  skinStore_->SetPosition(0);
  ApplySkin();
  return true;
}
