// The gallery's entry point: SkinGallery.exe [PACKAGE]. Without a package it
// wears our own skin, stored in its layout.
#include <windows.h>
// After windows.h, which it needs.
#include <shellapi.h>

#include "gallery/GalleryForm.h"
#include "skin/manage/SkinManage.h"
#include "toolkit/controls/Application.h"
#include "toolkit/controls/WideText.h"

namespace {

String PackageFromCommandLine() {
  int count = 0;
  LPWSTR* arguments = CommandLineToArgvW(GetCommandLineW(), &count);
  if (!arguments) return {};
  String package = count > 1 ? FromWide(arguments[1]) : String();
  LocalFree(arguments);
  return package;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  // As in Tapvane: the manager must exist before the layout's skin data is read.
  InstallSkinManager();
  try {
    Application->Initialize();
    Application->SetTitle("皮肤画廊");
    Application->CreateForm(GalleryForm);
    GalleryForm->SetStartPackage(PackageFromCommandLine());
    Application->Run();
  } catch (...) {
    Application->HandleException(Application);
    return 1;
  }
  return 0;
}
