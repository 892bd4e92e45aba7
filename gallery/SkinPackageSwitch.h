// Switching the gallery to another skin package without losing the one it
// wears when the new one turns out to be unreadable.
#pragma once

#include <cstdint>
#include <span>
#include <string>

#include "toolkit/core/Strings.h"

class TSkinData;

struct TSkinSwitch {
  // Refused by the reader itself (an unknown version), or for what its
  // description lacks.
  enum TOutcome { Switched, Damaged, ReaderRefused, Unusable };
  TOutcome outcome = Damaged;
  // Why a refused package cannot be worn; empty for one the decoder cannot
  // expand.
  std::string reason;
  bool Done() const { return outcome == Switched; }
};

// Reads the package bytes with a scratch reader first; only a package it
// accepts, whose description can skin, is handed to skinData, which then
// re-skins every window. Shows nothing: a refused package leaves skinData
// with its current package, and the caller tells the user.
TSkinSwitch SwitchSkinPackage(TSkinData& skinData, std::span<const std::uint8_t> package);

// The same for the package file at path; a file that cannot be opened or
// a refused package is reported in a message box naming the file.
TSkinSwitch SwitchSkinPackageFile(TSkinData& skinData, const String& path);
