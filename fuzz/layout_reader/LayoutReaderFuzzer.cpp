// Feeds arbitrary bytes to the layout reader. A layout it accepts must
// write back into one it accepts again.

#include <cstddef>
#include <cstdint>

#include "tests/host/toolkit/TestComponents.h"

namespace {

bool Read(const uint8_t* data, size_t size, TTestForm& form) {
  TMemoryStream s;
  s.WriteBuffer(data, static_cast<int64_t>(size));
  s.SetPosition(0);
  try {
    s.ReadComponent(&form);
  } catch (const EFilerError&) {
    // A refused layout leaves nothing behind.
    if (form.ComponentCount() != 0) __builtin_trap();
    return false;
  }
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const bool registered = (RegisterTestComponents(), true);
  (void)registered;
  TTestForm form(nullptr);
  if (!Read(data, size, form)) return 0;
  // Fire what the layout bound, as the running program would.
  for (int i = 0; i < form.ComponentCount(); ++i) {
    if (auto* c = dynamic_cast<TTestControl*>(form.Components(i))) {
      if (c->OnClick) c->OnClick(c);
      if (c->OnMouseMove) c->OnMouseMove(c, TShiftState{}, 1, 2);
    }
  }
  TMemoryStream written;
  written.WriteComponent(&form);
  TTestForm again(nullptr);
  if (!Read(static_cast<const uint8_t*>(written.Memory()), static_cast<size_t>(written.Size()),
            again))
    __builtin_trap();
  return 0;
}
