#ifdef _WIN32

#include <windows.h>

#include "keyboard.h"

namespace platform {

TLockState CapsLockState() {
  BYTE keys[256];
  if (!GetKeyboardState(keys)) return TLockState::Unknown;
  // Bit 0: toggled; bit 7: held. Exactly 1 is "on and not being pressed".
  return keys[VK_CAPITAL] == 1 ? TLockState::On : TLockState::Off;
}

}  // namespace platform

#endif
