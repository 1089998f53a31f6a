#pragma once
// Points both registry roots at a fresh temporary folder for one test, so no
// test touches the user's settings or the machine's.
#include "platform/registry.h"
#include "support/temp_dir.h"

class TempRegistryRoots {
 public:
  TempRegistryRoots() {
    platform::SetRegistryFolder(platform::RegistryRoot::CurrentUser, fDir.Path() / "user");
    platform::SetRegistryFolder(platform::RegistryRoot::LocalMachine, fDir.Path() / "machine");
  }
  ~TempRegistryRoots() {
    // Never fall back to the real roots: a later test that forgets to set them
    // gets a folder that does not exist rather than ~/.config or /etc/xdg.
    platform::SetRegistryFolder(platform::RegistryRoot::CurrentUser, fDir.Path() / "gone");
    platform::SetRegistryFolder(platform::RegistryRoot::LocalMachine, fDir.Path() / "gone");
  }
  const std::filesystem::path& Path() const { return fDir.Path(); }

 private:
  TempDir fDir;
};
