// Knowing when a message is sent from inside DefWindowProc, as Wine's own
// tests mark such messages: the calls to DefWindowProc and the calls of it
// through CallWindowProc are counted by patched import table entries.
#pragma once

namespace wintest {

// Patches the entries once (and in modules loaded since); cheap to repeat.
void TrackDefWindowProc();
// True while this thread is inside DefWindowProc.
bool InsideDefWindowProc();

}  // namespace wintest
