#include "gallery/FolderPicker.h"

#include <shobjidl.h>

#include "toolkit/controls/WideText.h"
#include "toolkit/graphics/ScopedHandles.h"

namespace {

// COM for this thread while the dialog is up; a thread that already has it
// in another model still gets the dialog.
class TComScope {
 public:
  TComScope() : result_(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)) {}
  ~TComScope() {
    if (SUCCEEDED(result_)) CoUninitialize();
  }
  TComScope(const TComScope&) = delete;
  TComScope& operator=(const TComScope&) = delete;

 private:
  HRESULT result_;
};

// The item's file-system path; the shell allocates it with CoTaskMemAlloc.
String PathOf(IShellItem& item) {
  PWSTR path = nullptr;
  if (FAILED(item.GetDisplayName(SIGDN_FILESYSPATH, &path)) || !path) return {};
  String chosen = FromWide(path);
  CoTaskMemFree(path);
  return chosen;
}

}  // namespace

String PickFolder(HWND owner, const wchar_t* title) {
  TComScope com;
  TComRef<IFileOpenDialog> dialog;
  if (FAILED(CoCreateInstance(CLSID_FileOpenDialog, nullptr, CLSCTX_INPROC_SERVER,
                              IID_IFileOpenDialog, dialog.Out())))
    return {};
  FILEOPENDIALOGOPTIONS options = 0;
  dialog->GetOptions(&options);
  dialog->SetOptions(options | FOS_PICKFOLDERS | FOS_FORCEFILESYSTEM | FOS_PATHMUSTEXIST);
  dialog->SetTitle(title);
  if (FAILED(dialog->Show(owner))) return {};
  TComRef<IShellItem> item;
  if (FAILED(dialog->GetResult(reinterpret_cast<IShellItem**>(item.Out())))) return {};
  return PathOf(*item.Get());
}
