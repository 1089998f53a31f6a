#pragma once
// "Use TempDir": whether the update downloads into the user's temporary folder.
// Current user, key RegistryBase + "Internet-Update".

namespace update {

// Read: the stored value, false when the key or value is missing. Write:
// creates the key when missing and stores the value; answers the value
// written, or false when the key could not be opened.
bool UseTempDirSetting(bool read, bool value = false);

}  // namespace update
