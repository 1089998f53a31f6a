// Reads a rights file from arbitrary bytes; when it loads, writes it and reads
// it again, which must give the same lists.
#include <cstdint>
#include <span>

#include "rights/errors.h"
#include "rights/rechte_datei.h"

namespace {

void Check(bool condition) {
  if (!condition) __builtin_trap();
}

void CheckSameLists(rights::TRechteDatei& a, rights::TRechteDatei& b) {
  Check(a.UserList().Count() == b.UserList().Count());
  Check(a.GroupList().Count() == b.GroupList().Count());
  Check(a.AssgnList().Count() == b.AssgnList().Count());
  Check(a.AssRightList().Count() == b.AssRightList().Count());
  for (std::size_t i = 0; i < a.UserList().Count(); ++i) {
    Check(a.UserList()[i].Login == b.UserList()[i].Login);
    Check(a.UserList()[i].Passwd == b.UserList()[i].Passwd);
  }
  for (std::size_t i = 0; i < a.AssRightList().Count(); ++i) {
    Check(a.AssRightList()[i].Right_ID == b.AssRightList()[i].Right_ID);
    Check(a.AssRightList()[i].Modules == b.AssRightList()[i].Modules);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  rights::TRechteDatei file("fuzz.qxr");
  try {
    // Without the checksum test, so the fuzzer reaches the lists.
    file.LoadImage(std::span(data, size), false);
  } catch (const rights::ERightsError&) {
    return 0;
  }
  const auto image = file.BuildImage();
  rights::TRechteDatei again("fuzz.qxr");
  again.LoadImage(image, true);  // must not throw: our own output is sound
  CheckSameLists(file, again);
  Check(again.BuildImage() == image);
  return 0;
}
