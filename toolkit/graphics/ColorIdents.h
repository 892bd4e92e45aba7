// Names of the colour constants (clBtnFace, clWindowText, ...) so that stored
// layouts can say Color = clBtnFace.
#pragma once

#include "toolkit/core/ClassInfo.h"

const TIntegerIdents& ColorIdents();
