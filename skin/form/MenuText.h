// Texts of native menu entries as the skin reads them: at most 80
// characters, never a character cut in half, key text after a tab apart.
#pragma once

#include <windows.h>

#include "toolkit/core/SysUtils.h"

inline constexpr int kMenuTextLimit = 80;

// The text of an entry (by command, or by position), cut to the limit; empty
// for a separator or an entry without text.
String NativeMenuText(HMENU menu, UINT item, bool byPosition);
// The first kMenuTextLimit UTF-16 units of text, one fewer when that would
// split a surrogate pair.
std::wstring CutMenuText(const std::wstring& text);
// "&Close\tAlt+F4" gives "&Close" and "Alt+F4"; without a tab keys is empty.
void SplitMenuText(const String& text, String& caption, String& keys);
