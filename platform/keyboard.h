#pragma once
// The keyboard's lock keys, for warnings in password fields.

namespace platform {

enum class TLockState { Off, On, Unknown };

// On only while Caps Lock is toggled on and the key is not held. Unknown where
// the state cannot be read reliably (everywhere but Windows).
TLockState CapsLockState();

}  // namespace platform
