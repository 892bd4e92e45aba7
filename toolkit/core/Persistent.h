#pragma once
// Objects that can be assigned to each other and stored in a layout.

#include "toolkit/core/Object.h"

class TFiler;

class TPersistent : public TObject {
  TAPVANE_CLASS(TPersistent)
 public:
  // Copies source into this object; the default asks source->AssignTo and
  // throws EConvertError "Cannot assign a X to a Y" when neither knows how.
  virtual void Assign(const TPersistent* Source);
  // Properties that are not published: binary data, computed values.
  virtual void DefineProperties(TFiler& Filer);

 protected:
  virtual void AssignTo(TPersistent* Dest) const;
};
