// The live handles the counting hooks saw created, with their kinds.
#pragma once

#include "tests/win32/support/HandleCounter.h"

namespace wintest::tracker {

void Created(const void* handle, HandleKind kind);
// Forgets a handle destroyed by one of the given kinds' functions.
void Destroyed(const void* handle);
// Drops handles that no longer hold an object of their kind, then counts.
std::array<long, kHandleKinds> CountLive();

}  // namespace wintest::tracker
