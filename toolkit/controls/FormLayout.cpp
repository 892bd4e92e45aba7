#include <windows.h>

#include "toolkit/controls/Application.h"
#include "toolkit/controls/Forms.h"
#include "toolkit/controls/WideText.h"

void LoadFormLayout(TCustomForm* form) {
  RegisterToolkitClasses();
  const String name = UpperCase(form->ClassName());
  const HMODULE module = GetModuleHandleW(nullptr);
  const HRSRC resource = FindResourceW(module, ToWide(name).c_str(), MAKEINTRESOURCEW(10));
  const HGLOBAL loaded = resource ? LoadResource(module, resource) : nullptr;
  const void* bytes = loaded ? LockResource(loaded) : nullptr;
  if (!bytes) throw EResNotFound("Resource " + name + " not found");
  TMemoryStream stream;
  stream.WriteBuffer(bytes, SizeofResource(module, resource));
  stream.SetPosition(0);
  TReader reader(stream);
  reader.ReadRootComponent(form);
  form->AfterConstruction();
}
