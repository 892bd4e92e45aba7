// What a skin description must give before it can skin anything. A package
// whose description falls short is refused whole, as a damaged one is, so
// that the skin in use stays instead of windows without caption or frame.
#pragma once

#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <string_view>

class TQuickIni;
class TSkinReader;

// Decoded pixels of all the images of one package together: far above any
// real skin (ours holds 64 thousand), far below what would starve the
// program. An image past what is left of it is not loaded.
inline constexpr std::int64_t kSkinPixelBudget = 8 * 1024 * 1024;

// What a package makes of the image file of that name (any letter case).
enum class TSkinImageState { Missing, Unreadable, Readable };
using TSkinEntryCheck = std::function<TSkinImageState(std::string_view name)>;

// Loads the description text into ini and returns why it cannot skin
// anything, or "" when it can. A leading UTF-8 byte-order mark is read as
// nothing; trailing NUL bytes are padding. name is the description's file
// name, for the message.
std::string CheckSkinDescription(std::string_view name, std::span<const uint8_t> text,
                                 const TSkinEntryCheck& holds, TQuickIni& ini);

// The same for a package the reader accepted: its first ".ini" file is its
// description, and a package without one is refused too. The caption image
// must read as a bitmap within the package's pixel budget.
std::string CheckSkinDescription(const TSkinReader& package, TQuickIni& ini);
