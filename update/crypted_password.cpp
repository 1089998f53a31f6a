#include "update/crypted_password.h"

#include <charconv>
#include <random>

#include "rights/codepage.h"
#include "rights/scramble.h"

namespace update {

namespace {

// Passwords shorter than this are padded to it, so the length does not show.
constexpr std::size_t kPaddedLength = 20;

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

unsigned char RandomFiller() {
  static std::mt19937 generator{std::random_device{}()};
  return static_cast<unsigned char>(std::uniform_int_distribution<int>(33, 245)(generator));
}

}  // namespace

std::string EncryptPassword(const std::string& password) { return EncryptPassword(password, RandomFiller); }

std::string EncryptPassword(const std::string& password, const TFillerSource& filler) {
  const std::string bytes = rights::Utf8ToCp1252(password);
  std::string envelope = std::to_string(bytes.size()) + '\t' + bytes;
  const std::size_t fillers = bytes.size() < kPaddedLength ? kPaddedLength - bytes.size()
                              : bytes.size() == kPaddedLength ? 0
                                                              : 1;
  for (std::size_t i = 0; i < fillers; ++i) envelope += static_cast<char>(filler());
  rights::UnscrambleText(envelope);
  static constexpr char kDigits[] = "0123456789ABCDEF";
  std::string hex;
  hex.reserve(envelope.size() * 2);
  for (const char c : envelope) {
    const auto byte = static_cast<unsigned char>(c);
    hex += kDigits[byte >> 4];
    hex += kDigits[byte & 0x0F];
  }
  return hex;
}

std::string DecryptPassword(const std::string& hexText) {
  if (hexText.size() % 2 != 0) return {};
  std::string envelope;
  envelope.reserve(hexText.size() / 2);
  for (std::size_t i = 0; i < hexText.size(); i += 2) {
    const int high = HexDigit(hexText[i]);
    const int low = HexDigit(hexText[i + 1]);
    if (high < 0 || low < 0) return {};
    envelope += static_cast<char>(high * 16 + low);
  }
  rights::ScrambleText(envelope);
  const std::size_t tab = envelope.find('\t');
  if (tab == std::string::npos) return {};
  std::size_t length = 0;
  const auto parsed = std::from_chars(envelope.data(), envelope.data() + tab, length);
  if (parsed.ec != std::errc() || parsed.ptr != envelope.data() + tab) return {};
  return rights::Cp1252ToUtf8(envelope.substr(tab + 1, length));
}

}  // namespace update
