#pragma once
// The keyboard access character of a caption: the character after a single
// "&" ("&&" stands for an ampersand itself).

#include "toolkit/core/SysUtils.h"

// 0 when the caption has none.
char16_t GetHotkey(const String& caption);
// Whether key is the caption's access character; letters match in either case.
bool IsAccel(char16_t key, const String& caption);
// The caption as shown: "&File" gives "File", "A && B" gives "A & B".
String StripHotkey(const String& caption);
