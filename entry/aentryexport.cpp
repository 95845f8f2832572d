// The shared library's only source of its own: the entry lives in kp_entry,
// which is linked whole so that a_entry is kept and exported.
#include "entry/aentry.h"

#include "platform/platformquitsignals.h"

// A logout may come while the libraries are still being set up; from the moment
// this library is loaded, a quit request waits for the start-up to see it.
[[maybe_unused]] static const bool s_quitSignalsCaught = (PlatformQuitSignals::listenEarly(), true);
