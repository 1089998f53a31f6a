#include "caller_text.h"

#include <algorithm>
#include <cstring>

#include "rights/codepage.h"

namespace query {

std::string FromCaller(const char* text) {
  if (text == nullptr) return {};
#if defined(_WIN32)
  return rights::Cp1252ToUtf8(text);
#else
  return text;
#endif
}

std::string ToCaller(const std::string& utf8) {
#if defined(_WIN32)
  return rights::Utf8ToCp1252(utf8);
#else
  return utf8;
#endif
}

std::size_t CopyToBuffer(const std::string& callerText, char* buffer, std::size_t capacity) {
  if (buffer == nullptr || capacity == 0) return 0;
  std::size_t n = std::min(callerText.size(), capacity - 1);
#if !defined(_WIN32)
  // Back up to the start of a UTF-8 character.
  while (n > 0 && n < callerText.size() && (static_cast<unsigned char>(callerText[n]) & 0xC0) == 0x80) --n;
#endif
  std::memcpy(buffer, callerText.data(), n);
  buffer[n] = '\0';
  return n;
}

}  // namespace query
