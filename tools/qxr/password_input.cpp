#include "password_input.h"

#include <cstdio>

#include "command.h"
#include "output.h"
#include "rights/codepage.h"
#include "terminal.h"

namespace qxr {

namespace {

constexpr std::size_t kMaxPasswordChars = 255;

std::string Ask(const std::string& prompt) {
  if (StdinIsTerminal()) {
    std::fputs(prompt.c_str(), stderr);
    std::fflush(stderr);
  }
  const auto line = ReadStdinLine(true);
  if (!line) throw Failure(ExitUsage, "no password on standard input");
  return *line;
}

void CheckStorable(const std::string& password) {
  if (password.empty()) throw Failure(ExitCheckFailed, "the password is empty");
  if (rights::Utf8Length(password) > kMaxPasswordChars)
    throw Failure(ExitCheckFailed, "a password has at most 255 characters");
  // The file stores Windows-1252; anything else would be stored as "?" and
  // the password typed would no longer match.
  if (rights::Cp1252ToUtf8(rights::Utf8ToCp1252(password)) != password)
    throw Failure(ExitCheckFailed, "the password holds characters a rights file cannot store (Windows-1252 only)");
}

}  // namespace

std::string ReadNewPassword(const std::string& prompt) {
  const std::string password = Ask(prompt + ": ");
  if (StdinIsTerminal() && Ask("Repeat it: ") != password)
    throw Failure(ExitCheckFailed,
                  "the entries differ: " + Quoted("Die eingegebenen Passworte sind nicht identisch."));
  CheckStorable(password);
  return password;
}

}  // namespace qxr
