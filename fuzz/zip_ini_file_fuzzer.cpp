// Loads a password-protected zipped INI file from arbitrary bytes in memory.
// Loading never raises for a memory stream; what loads saves and loads again
// to the same text.
#include <QBuffer>

#include <cstdint>

#include "clients/zip_ini_file.h"

namespace {

void Check(bool condition) {
  if (!condition) __builtin_trap();
}

const char* const kPassword = "pw";

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
  QBuffer input(&bytes);
  input.open(QIODevice::ReadOnly);
  clients::TZipIniFile ini;
  ini.SetPassword(kPassword);
  ini.LoadFromStream(input);
  if (ini.GetIsEmpty()) return 0;

  QBuffer packed;
  packed.open(QIODevice::ReadWrite);
  Check(ini.SaveToStream(packed));
  clients::TZipIniFile again;
  again.SetPassword(kPassword);
  again.LoadFromStream(packed);
  // The text came from Windows-1252, so it survives the way back unchanged.
  Check(again.GetText() == ini.GetText());
  return 0;
}
