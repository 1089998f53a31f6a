// Loads a client list from arbitrary bytes: it never fails, always offers a
// client besides the demo, and sorts.
#include <cstdint>
#include <string_view>

#include "clients/client_file.h"

namespace {

void Check(bool condition) {
  if (!condition) __builtin_trap();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  clients::DBServerList().Clear();  // process-wide; every input starts without servers
  clients::TQVClientFile file(clients::kAllClientProjects);
  file.LoadFromBytes(std::string_view(reinterpret_cast<const char*>(data), size));
  file.SortOnNr();
  Check(file.GetCount() >= 2);  // a demo client and another one, from the file or by default
  for (std::size_t i = 0; i < file.GetCount(); ++i) {
    const auto& item = file.GetItem(i);
    Check(i == 0 || file.GetItem(i - 1).ClientNr() <= item.ClientNr());
    Check(item.ClientNrAsString().size() >= 2);
    Check(item.ClientNr() != 0 || item.ClientName() == "Demodaten");
    Check(item.ClientNr() == 0 || item.DemoDir().empty());
    Check(item.ClientGUID().empty() || item.ClientGUID().size() == 38);
    if (item.DBServerItem()) Check(item.DBServerItem()->HasClient(item.ClientNr()));
  }
  Check(clients::DBServerList().Count() <= 255);
  return 0;
}
