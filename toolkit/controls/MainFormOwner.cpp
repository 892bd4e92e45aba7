#include "toolkit/controls/MainFormOwner.h"

namespace {

TMainFormOwner* mainFormOwner = nullptr;

}  // namespace

void SetMainFormOwner(TMainFormOwner* owner) { mainFormOwner = owner; }

TMainFormOwner* MainFormOwner() { return mainFormOwner; }
