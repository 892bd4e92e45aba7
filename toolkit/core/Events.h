#pragma once
// Event types shared by components and controls. An event is a std::function
// member; a layout binds it by name to a handler method of its root class.

#include <functional>

#include "toolkit/core/Sets.h"

class TObject;

enum TShiftStateItem { ssShift, ssAlt, ssCtrl, ssLeft, ssRight, ssMiddle, ssDouble };
using TShiftState = TSet<TShiftStateItem>;

using TNotifyEvent = std::function<void(TObject* Sender)>;
using TMouseMoveEvent = std::function<void(TObject* Sender, TShiftState Shift, int X, int Y)>;
