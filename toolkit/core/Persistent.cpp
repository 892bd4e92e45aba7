#include "toolkit/core/Persistent.h"

#include "toolkit/core/ClassBuilder.h"

const TClassInfo& TObject::StaticClass() {
  static const TClassInfo info = TClassBuilder<TObject>("TObject", nullptr).Build();
  return info;
}

const TClassInfo& TPersistent::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TPersistent>("TPersistent", &TObject::StaticClass()).Build();
  return info;
}

void TPersistent::Assign(const TPersistent* Source) {
  if (Source) {
    Source->AssignTo(this);
    return;
  }
  throw EConvertError(Format("Cannot assign a nil to a %s", ClassName().c_str()));
}

void TPersistent::AssignTo(TPersistent* Dest) const {
  throw EConvertError(Format("Cannot assign a %s to a %s", ClassName().c_str(),
                             Dest ? Dest->ClassName().c_str() : "nil"));
}

void TPersistent::DefineProperties(TFiler& /*Filer*/) {}
