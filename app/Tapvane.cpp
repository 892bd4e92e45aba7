// Program entry: the application, its title, the main window, the loop.
#include <windows.h>

#include "app/ClickListStore.h"
#include "app/Unit1.h"
#include "skin/manage/SkinManage.h"
#include "toolkit/controls/Application.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  // The skin manager's part of start-up comes first: the main window's skin
  // data creates the manager while its layout is read.
  InstallSkinManager();
  try {
    Application->Initialize();
    Application->SetTitle("Tapvane");
    Application->CreateForm(Form1);
    Form1->KeepClickListIn(app::ClickListLocation());
    Application->Run();
    Form1->FlushClickList();
  } catch (...) {
    // A window that cannot be built is reported in the standard box, not
    // left to end the process silently.
    Application->HandleException(Application);
    return 1;
  }
  return 0;
}
