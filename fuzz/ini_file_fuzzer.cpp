// Parses arbitrary text as an INI file. Our own output must parse to itself,
// and reading every key must not fail.
#include <cstdint>
#include <string>

#include "clients/ini_file.h"

namespace {

void Check(bool condition) {
  if (!condition) __builtin_trap();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  clients::TQVCustomIniFile ini;
  ini.SetText(std::string(reinterpret_cast<const char*>(data), size));
  const std::string text = ini.GetText();

  clients::TQVCustomIniFile again;
  again.SetText(text);
  Check(again.GetText() == text);
  Check(again.ReadSections() == ini.ReadSections());

  for (const std::string& section : ini.ReadSections())
    for (const std::string& key : ini.ReadSection(section)) {
      Check(ini.ValueExists(section, key));
      ini.ReadInteger(section, key, -1);
      ini.ReadBool(section, key, true);  // may rewrite the value to "1" or "0"
      Check(ini.ReadString(section, key, "") == "1" || ini.ReadString(section, key, "") == "0");
    }
  return 0;
}
