#include "scramble.h"

#include <cstdint>

namespace rights {

void ScrambleText(std::string& s) {
  const std::size_t n = s.size();
  if (n <= 2) return;
  auto at = [&s](std::size_t i) -> std::uint8_t { return static_cast<std::uint8_t>(s[i - 1]); };
  for (std::size_t i = 1; i <= n - 1; ++i)
    s[i - 1] = static_cast<char>(static_cast<std::uint8_t>(i + at(i) + at(i + 1)));
  s[n - 1] = static_cast<char>(static_cast<std::uint8_t>(at(n) + at(1)));
}

void UnscrambleText(std::string& s) {
  const std::size_t n = s.size();
  if (n <= 2) return;
  auto at = [&s](std::size_t i) -> std::uint8_t { return static_cast<std::uint8_t>(s[i - 1]); };
  s[n - 1] = static_cast<char>(static_cast<std::uint8_t>(at(n) - at(1)));
  for (std::size_t i = n - 1; i >= 1; --i)
    s[i - 1] = static_cast<char>(static_cast<std::uint8_t>(at(i) - i - at(i + 1)));
}

}  // namespace rights
