// A suite program that keeps the rights file loaded through the query library
// and changes one user's password again and again: passwords prefix+"0",
// prefix+"1", ... Each change names the one before, so a change lost by
// another writer makes the next one fail. With rounds 0 it goes on until killed.
// Prints "changed=N failed=M" and exits 0 when nothing failed.
#include <cstdio>
#include <cstdlib>
#include <string>

#include "query/rightsquery.h"

int main(int argc, char** argv) {
  if (argc != 5) {
    std::fprintf(stderr, "usage: password_writer FILE USERID ROUNDS PREFIX\n");
    return 2;
  }
  const char* file = argv[1];
  const int userID = std::atoi(argv[2]);
  const long rounds = std::atol(argv[3]);
  const std::string prefix = argv[4];
  GetRightsActive(file);  // loads the file once; it stays loaded
  long changed = 0;
  long failed = 0;
  for (long i = 1; rounds == 0 || i <= rounds; ++i) {
    const std::string oldPW = prefix + std::to_string(rounds == 0 ? (i - 1) % 2 : i - 1);
    const std::string newPW = prefix + std::to_string(rounds == 0 ? i % 2 : i);
    std::int32_t code = 0;
    if (ReplacePasswd(file, oldPW.c_str(), newPW.c_str(), userID, &code)) {
      ++changed;
    } else {
      ++failed;
      char text[512];
      GetLastErrorText(text, sizeof text);
      std::fprintf(stderr, "round %ld: code %d %s\n", i, code, text);
    }
  }
  std::printf("changed=%ld failed=%ld\n", changed, failed);
  return failed == 0 ? 0 : 1;
}
