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

// Whether the package holds a file of that name (any letter case) with bytes.
using TSkinEntryCheck = std::function<bool(std::string_view name)>;

// Loads the description text into ini and returns why it cannot skin
// anything, or "" when it can. A leading UTF-8 byte-order mark is read as
// nothing; trailing NUL bytes are padding. name is the description's file
// name, for the message.
std::string CheckSkinDescription(std::string_view name, std::span<const uint8_t> text,
                                 const TSkinEntryCheck& holds, TQuickIni& ini);

// The same for a package the reader accepted: its first ".ini" file is its
// description, and a package without one is refused too.
std::string CheckSkinDescription(const TSkinReader& package, TQuickIni& ini);
