#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// Length of the opaque block after the 16-byte header for each container
// version the reader accepts; nothing for any other version.
std::optional<int> SkinOpaqueBlockSize(int32_t version);

// Lower-cases ASCII letters only; other bytes are kept as they are.
std::string SkinLowerCase(std::string_view text);

// A skin package: a compressed container of named files (one ini text and the
// bitmaps it names). Load expands it once; entries are then served by name.
class TSkinReader {
 public:
  // Told the text to show the user when a package of an unknown version is
  // refused; the Windows build shows it in a message box.
  using TRefusalHandler = std::function<void(const std::string& message)>;

  static constexpr int kMaxEntries = 1001;
  static constexpr const char* kOlderSkinFileMessage =
      "This is Older Skin File\rPlease update to new version !";

  void SetOnRefusal(TRefusalHandler handler) { onRefusal_ = std::move(handler); }

  // True when the package was accepted. A refused package leaves what was
  // loaded before untouched; only an unknown version is reported to the user.
  bool Load(std::span<const uint8_t> package);

  // Expands a compressed stream (4-byte expanded size, then the bit stream).
  // Throws ElzhException for a size the data cannot account for.
  static void Expand(std::span<const uint8_t> package, std::vector<uint8_t>& output);

  // The entry stored under `name`, compared without regard to ASCII case;
  // `output` stays empty when there is none.
  void GetEntry(std::string_view name, std::vector<uint8_t>& output) const;

  // The first entry, in package order, whose name contains `fragment`
  // (case-sensitive). `foundName` is set only when one is found.
  void FindEntry(std::string_view fragment, std::vector<uint8_t>& output,
                 std::string& foundName) const;

  const std::vector<std::string>& Names() const { return names_; }
  int Count() const { return static_cast<int>(names_.size()); }
  // Sizes as the package declares them; entries are cut at the end of Data().
  const std::vector<int32_t>& Sizes() const { return sizes_; }
  const std::vector<uint8_t>& Data() const { return data_; }
  const std::array<uint8_t, 16>& Header() const { return header_; }

 private:
  struct TEntryRange {
    size_t offset = 0;
    size_t length = 0;
  };

  void CopyEntry(size_t index, std::vector<uint8_t>& output) const;

  TRefusalHandler onRefusal_;
  std::vector<std::string> names_;
  std::vector<int32_t> sizes_;
  std::vector<TEntryRange> ranges_;
  std::vector<uint8_t> data_;
  std::array<uint8_t, 16> header_{};
};
