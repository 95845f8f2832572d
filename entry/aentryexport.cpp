// The shared library's only source of its own: the entry lives in kp_entry,
// which is linked whole so that a_entry is kept and exported.
#include "entry/aentry.h"
