#ifndef _WIN32

#include "keyboard.h"

namespace platform {

// X11, Wayland and the terminal each keep the state differently, and a remote
// session may not pass it on at all: a warning that guesses would mislead.
TLockState CapsLockState() { return TLockState::Unknown; }

}  // namespace platform

#endif
