// Reads a rights catalog from arbitrary bytes. It must load or fail with the
// catalog error; when it loads, its rows written and read again must give the
// same catalog.
#include <cstdint>
#include <span>
#include <string>

#include "rights/codepage.h"
#include "rights/right_list.h"

namespace {

void Check(bool condition) {
  if (!condition) __builtin_trap();
}

std::span<const std::uint8_t> BytesOf(const std::string& text) {
  return {reinterpret_cast<const std::uint8_t*>(text.data()), text.size()};
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  rights::TRightList catalog;
  try {
    catalog = rights::TRightList::FromBytes(std::span(data, size));
  } catch (const rights::ECatalogError&) {
    return 0;
  }
  std::string rows;
  for (const auto& entry : catalog) rows += entry->Save() + "\r\n";
  const std::string bytes = rights::Utf8ToCp1252(rows);
  const auto again = rights::TRightList::FromBytes(BytesOf(bytes));  // must not throw
  Check(again.Count() == catalog.Count());
  for (std::size_t i = 0; i < catalog.Count(); ++i) Check(again[i].Save() == catalog[i].Save());

  rights::TRightList copy;
  copy.Assign(catalog);
  Check(copy.Count() == catalog.Count());
  return 0;
}
