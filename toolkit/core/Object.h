#pragma once
// The root of every toolkit class.

#include "toolkit/core/ClassInfo.h"

class TObject {
 public:
  TObject() = default;
  TObject(const TObject&) = delete;
  TObject& operator=(const TObject&) = delete;
  virtual ~TObject() = default;
  // Called by whoever frees the object, just before the delete: a
  // descendant's own members are still whole here, and no longer in the
  // base class destructors (a form's OnDestroy runs here).
  virtual void BeforeDestruction() {}

  static const TClassInfo& StaticClass();
  virtual const TClassInfo* ClassType() const { return &StaticClass(); }
  const String& ClassName() const { return ClassType()->Name; }
  bool InheritsFrom(const TClassInfo* cls) const { return ClassType()->InheritsFrom(cls); }
};

// Declares StaticClass() and the ClassType() override of a class; the class
// defines StaticClass() with a TClassBuilder (toolkit/core/ClassBuilder.h).
#define TAPVANE_CLASS(T)                  \
 public:                                  \
  static const TClassInfo& StaticClass(); \
  const TClassInfo* ClassType() const override { return &T::StaticClass(); }
