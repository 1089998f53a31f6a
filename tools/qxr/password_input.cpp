#include "password_input.h"

#include <cstdio>

#include "command.h"
#include "output.h"
#include "rights/stored_text.h"
#include "terminal.h"

namespace qxr {

namespace {

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
  // The file stores Windows-1252 and 255 characters; anything else would be
  // stored altered and the password typed would no longer match.
  if (const auto problem = rights::StoredTextProblem("Passwort", password))
    throw Failure(ExitCheckFailed, "the password cannot be stored: " + Quoted(*problem));
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
