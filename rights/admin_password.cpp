#include "admin_password.h"

#include <string_view>

#include "codepage.h"

namespace rights {

namespace {

constexpr std::size_t kMinChars = 6;

// "123456..." up to n: the numbers 1, 2, ..., n written one after the other.
// From ten characters on this is longer than the password and never matches.
bool IsCountingDigits(std::string_view password, std::size_t n) {
  std::string counting;
  for (std::size_t i = 1; i <= n && counting.size() <= password.size(); ++i) counting += std::to_string(i);
  return counting == password;
}

// "ABCDEF..." in character code order, compared after upper-casing. An
// upper-cased password holds no lower-case letters, so the run ends at '`'.
bool IsLetterRun(std::string_view password, std::size_t n) {
  const std::string upper = UpperCase(password);
  if (upper.size() != n) return false;  // a character beyond ASCII is no part of the run
  for (std::size_t i = 0; i < n; ++i)
    if (static_cast<unsigned char>(upper[i]) != 'A' + i) return false;
  return true;
}

bool IsOneCharacterRepeated(std::string_view password, std::size_t n) {
  const std::string first = Utf8Left(password, 1);
  std::string repeated;
  for (std::size_t i = 0; i < n; ++i) repeated += first;
  return repeated == password;
}

}  // namespace

bool ValidAdmPW(const std::string& Password) {
  const std::size_t n = Utf8Length(Password);
  if (n < kMinChars) return false;
  if (IsCountingDigits(Password, n)) return false;
  if (IsLetterRun(Password, n)) return false;
  return !IsOneCharacterRepeated(Password, n);
}

}  // namespace rights
