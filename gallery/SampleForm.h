// The toolkit forms the gallery opens to show one border style each.
#pragma once

#include "toolkit/controls/Forms.h"

// A form of that border style with a line of text and a "关闭" button (a
// window without caption has no other way to be closed). The owner frees
// it; closing only hides it.
TForm* CreateSampleForm(TComponent* owner, TFormBorderStyle style, const String& caption, int x,
                        int y);
