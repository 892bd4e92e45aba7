// The live handles the counting hooks saw created, with their kinds.
#pragma once

#include "tests/win32/support/HandleCounter.h"

namespace wintest::tracker {

// GDI objects and USER objects (windows, menus, icons) are numbered in
// tables of their own: under Wine a window can carry the very value of a
// live bitmap, so a handle is known by its table and its value.
enum class HandleSpace { Gdi, User };
HandleSpace SpaceOf(HandleKind kind);

void Created(const void* handle, HandleKind kind);
// Forgets a handle of that table, destroyed by one of its functions.
void Destroyed(const void* handle, HandleSpace space);
// Drops handles that no longer hold an object of their kind, then counts.
std::array<long, kHandleKinds> CountLive();

}  // namespace wintest::tracker
