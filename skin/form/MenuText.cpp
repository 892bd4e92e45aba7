#include "skin/form/MenuText.h"

#include <string>
#include <vector>

#include "toolkit/controls/WideText.h"

std::wstring CutMenuText(const std::wstring& text) {
  if (text.size() <= static_cast<size_t>(kMenuTextLimit)) return text;
  size_t length = kMenuTextLimit;
  const wchar_t last = text[length - 1];
  if (last >= 0xD800 && last <= 0xDBFF) --length;
  return text.substr(0, length);
}

String NativeMenuText(HMENU menu, UINT item, bool byPosition) {
  const UINT flag = byPosition ? MF_BYPOSITION : MF_BYCOMMAND;
  // The whole text first, so that the cut is ours and never the system's.
  const int length = GetMenuStringW(menu, item, nullptr, 0, flag);
  if (length <= 0) return {};
  std::vector<wchar_t> buffer(static_cast<size_t>(length) + 1, L'\0');
  const int copied = GetMenuStringW(menu, item, buffer.data(), length + 1, flag);
  if (copied <= 0) return {};
  return FromWide(CutMenuText(std::wstring(buffer.data(), static_cast<size_t>(copied))));
}

void SplitMenuText(const String& text, String& caption, String& keys) {
  const size_t tab = text.find('\t');
  if (tab == String::npos) {
    caption = text;
    keys.clear();
    return;
  }
  caption = text.substr(0, tab);
  keys = text.substr(tab + 1);
}
