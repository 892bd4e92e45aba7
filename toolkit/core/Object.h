#pragma once
// The root of every toolkit class.

#include "toolkit/core/ClassInfo.h"

class TObject {
 public:
  TObject() = default;
  TObject(const TObject&) = delete;
  TObject& operator=(const TObject&) = delete;
  virtual ~TObject() = default;

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
