#include "toolkit/core/Hotkeys.h"

namespace {

char16_t UpperAscii(char16_t c) { return c >= u'a' && c <= u'z' ? c - u'a' + u'A' : c; }

}  // namespace

char16_t GetHotkey(const String& caption) {
  const WideString text = Utf8ToWide(caption);
  for (size_t i = 0; i + 1 < text.size(); ++i) {
    if (text[i] != u'&') continue;
    if (text[i + 1] != u'&') return text[i + 1];
    ++i;  // "&&": a literal ampersand
  }
  return 0;
}

bool IsAccel(char16_t key, const String& caption) {
  const char16_t hotkey = GetHotkey(caption);
  return hotkey != 0 && UpperAscii(hotkey) == UpperAscii(key);
}

String StripHotkey(const String& caption) {
  String shown;
  for (size_t i = 0; i < caption.size(); ++i) {
    if (caption[i] == '&' && i + 1 < caption.size()) ++i;
    shown += caption[i];
  }
  return shown;
}
