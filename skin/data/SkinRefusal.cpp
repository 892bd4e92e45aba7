#include "skin/data/SkinRefusal.h"

#include <windows.h>

#include "toolkit/controls/Application.h"

void ShowSkinRefusal(const std::string& message) {
  if (Application) {
    Application->MessageBox(message, Application->Title(), MB_OK);
    return;
  }
  const WideString text = Utf8ToWide(message);
  MessageBoxW(nullptr, reinterpret_cast<const wchar_t*>(text.c_str()), L"", MB_OK);
}
