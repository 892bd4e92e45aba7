#include "toolkit/controls/Application.h"
#include "toolkit/controls/Forms.h"
#include "toolkit/controls/GraphicControl.h"

void RegisterToolkitClasses() {
  RegisterClasses({&TForm::StaticClass()});
}
