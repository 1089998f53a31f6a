// Reads arbitrary bytes as a scrambled password and as the text of an
// AUTOUPD.CFG. Neither may fail; a password read back must encrypt to a value
// that decrypts to it again, and the file's own output must read the same.
#include <cstdint>
#include <string>

#include "update/auto_update_lines.h"
#include "update/crypted_password.h"

namespace {

void Check(bool condition) {
  if (!condition) __builtin_trap();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string bytes(reinterpret_cast<const char*>(data), size);

  const std::string password = update::DecryptPassword(bytes);
  Check(update::DecryptPassword(update::EncryptPassword(password, [] { return static_cast<unsigned char>('#'); })) ==
        password);

  const update::TAutoUpdateLines lines(bytes);
  const update::TAutoUpdateValues stored = lines.Stored();
  Check(stored.Days >= 0);
  const update::TAutoUpdateValues again = update::TAutoUpdateLines(lines.Bytes()).Stored();
  Check(again.Days == stored.Days && again.Manual == stored.Manual && again.AsAdmin == stored.AsAdmin);
  return 0;
}
