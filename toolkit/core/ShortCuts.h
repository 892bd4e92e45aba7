#pragma once
// Menu shortcuts as a classic component library stores them: a virtual key
// in the low byte and the modifier bits above it.

#include <cstdint>

#include "toolkit/core/Events.h"
#include "toolkit/core/SysUtils.h"

using TShortCut = uint16_t;

constexpr TShortCut scShift = 0x2000;
constexpr TShortCut scCtrl = 0x4000;
constexpr TShortCut scAlt = 0x8000;
constexpr TShortCut scNone = 0;

// The shortcut of a virtual key with Shift, Ctrl and Alt from shift.
TShortCut ShortCut(uint16_t key, TShiftState shift);
void ShortCutToKey(TShortCut shortCut, uint16_t& key, TShiftState& shift);
// "Ctrl+Shift+F5", as a menu shows it after the caption; "" for no key or a
// key without a name.
String ShortCutToText(TShortCut shortCut);
