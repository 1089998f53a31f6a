// Reads arbitrary bytes as an FTP server's MLSD and LIST answers. Neither may
// fail; every entry has a name without surrounding blanks and no negative size.
#include <cstdint>
#include <string_view>

#include "update/ftp_list_parser.h"

namespace {

void Check(bool condition) {
  if (!condition) __builtin_trap();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  for (const bool mlsd : {true, false}) {
    for (const auto& item : update::ParseFtpListing(text, mlsd, 2026)) {
      Check(!item->fFileName.empty() && item->fFileName.front() != ' ' && item->fFileName.back() != ' ');
      Check(item->FSize >= 0);
    }
  }
  return 0;
}
