#include "codepage.h"

#include <array>
#include <cstdio>
#include <cstdint>

namespace rights {
namespace {

// Unicode code points of the bytes 0x80..0x9F; 0 marks the undefined bytes.
constexpr std::array<char32_t, 32> kHighControls = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
    0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

char32_t ByteToCodePoint(unsigned char b) {
  if (b < 0x80 || b >= 0xA0) return b;
  const char32_t cp = kHighControls[b - 0x80];
  return cp != 0 ? cp : b;
}

// -1 when the code point has no Windows-1252 byte.
int CodePointToByte(char32_t cp) {
  if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) return static_cast<int>(cp);
  for (std::size_t i = 0; i < kHighControls.size(); ++i) {
    const char32_t mapped = kHighControls[i] != 0 ? kHighControls[i] : 0x80 + i;
    if (mapped == cp) return static_cast<int>(0x80 + i);
  }
  return -1;
}

void AppendUtf8(std::string& out, char32_t cp) {
  if (cp < 0x80) {
    out += static_cast<char>(cp);
  } else if (cp < 0x800) {
    out += static_cast<char>(0xC0 | (cp >> 6));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else if (cp < 0x10000) {
    out += static_cast<char>(0xE0 | (cp >> 12));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (cp >> 18));
    out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  }
}

constexpr char32_t kInvalid = 0xFFFFFFFF;

// Decodes one character at pos and advances pos; kInvalid for a malformed
// sequence (pos then moves past one byte only).
char32_t DecodeUtf8(std::string_view s, std::size_t& pos) {
  const auto lead = static_cast<unsigned char>(s[pos]);
  if (lead < 0x80) {
    ++pos;
    return lead;
  }
  std::size_t extra = 0;
  char32_t cp = 0;
  char32_t minimum = 0;
  if ((lead & 0xE0) == 0xC0) {
    extra = 1, cp = lead & 0x1F, minimum = 0x80;
  } else if ((lead & 0xF0) == 0xE0) {
    extra = 2, cp = lead & 0x0F, minimum = 0x800;
  } else if ((lead & 0xF8) == 0xF0) {
    extra = 3, cp = lead & 0x07, minimum = 0x10000;
  } else {
    ++pos;
    return kInvalid;
  }
  if (pos + extra >= s.size()) {
    ++pos;
    return kInvalid;
  }
  for (std::size_t i = 1; i <= extra; ++i) {
    const auto cont = static_cast<unsigned char>(s[pos + i]);
    if ((cont & 0xC0) != 0x80) {
      ++pos;
      return kInvalid;
    }
    cp = (cp << 6) | (cont & 0x3F);
  }
  if (cp < minimum || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) {
    ++pos;
    return kInvalid;
  }
  pos += extra + 1;
  return cp;
}

char32_t LowerCodePoint(char32_t cp) {
  if (cp >= 'A' && cp <= 'Z') return cp + 0x20;
  if (cp >= 0xC0 && cp <= 0xDE && cp != 0xD7) return cp + 0x20;
  switch (cp) {
    case 0x0160: return 0x0161;  // Š
    case 0x0152: return 0x0153;  // Œ
    case 0x017D: return 0x017E;  // Ž
    case 0x0178: return 0x00FF;  // Ÿ
    default: return cp;
  }
}

char32_t UpperCodePoint(char32_t cp) {
  if (cp >= 'a' && cp <= 'z') return cp - 0x20;
  if (cp >= 0xE0 && cp <= 0xFE && cp != 0xF7) return cp - 0x20;
  switch (cp) {
    case 0x0161: return 0x0160;
    case 0x0153: return 0x0152;
    case 0x017E: return 0x017D;
    case 0x00FF: return 0x0178;
    default: return cp;
  }
}

template <typename Map>
std::string MapCodePoints(std::string_view utf8, Map map) {
  std::string out;
  out.reserve(utf8.size());
  std::size_t pos = 0;
  while (pos < utf8.size()) {
    const std::size_t start = pos;
    const char32_t cp = DecodeUtf8(utf8, pos);
    if (cp == kInvalid)
      out.append(utf8.substr(start, pos - start));
    else
      AppendUtf8(out, map(cp));
  }
  return out;
}

}  // namespace

std::string Cp1252ToUtf8(std::string_view bytes) {
  std::string out;
  out.reserve(bytes.size());
  for (const char c : bytes) {
    const auto b = static_cast<unsigned char>(c);
    if (b < 0x80)
      out += c;
    else
      AppendUtf8(out, ByteToCodePoint(b));
  }
  return out;
}

std::string Utf8ToCp1252(std::string_view utf8) {
  std::string out;
  out.reserve(utf8.size());
  std::size_t pos = 0;
  while (pos < utf8.size()) {
    const auto b = static_cast<unsigned char>(utf8[pos]);
    if (b < 0x80) {
      out += static_cast<char>(b);
      ++pos;
      continue;
    }
    const char32_t cp = DecodeUtf8(utf8, pos);
    const int mapped = cp == kInvalid ? -1 : CodePointToByte(cp);
    out += mapped < 0 ? '?' : static_cast<char>(mapped);
  }
  return out;
}

std::optional<std::string> FirstCharacterOutsideCp1252(std::string_view utf8) {
  std::size_t pos = 0;
  while (pos < utf8.size()) {
    const std::size_t start = pos;
    const char32_t cp = DecodeUtf8(utf8, pos);
    if (cp == kInvalid) {
      char hex[8];
      std::snprintf(hex, sizeof hex, "\\x%02X", static_cast<unsigned char>(utf8[start]));
      return std::string(hex);
    }
    if (CodePointToByte(cp) < 0) return std::string(utf8.substr(start, pos - start));
  }
  return std::nullopt;
}

std::size_t Utf8Length(std::string_view utf8) {
  std::size_t count = 0;
  std::size_t pos = 0;
  while (pos < utf8.size()) {
    DecodeUtf8(utf8, pos);
    ++count;
  }
  return count;
}

std::string Utf8Left(std::string_view utf8, std::size_t maxChars) {
  std::size_t pos = 0;
  for (std::size_t n = 0; n < maxChars && pos < utf8.size(); ++n) DecodeUtf8(utf8, pos);
  return std::string(utf8.substr(0, pos));
}

std::string LowerCase(std::string_view utf8) { return MapCodePoints(utf8, LowerCodePoint); }

std::string UpperCase(std::string_view utf8) { return MapCodePoints(utf8, UpperCodePoint); }

bool SameTextIgnoringCase(std::string_view a, std::string_view b) {
  // Character by character without building lower-case copies: sign-in walks
  // every user of the file.
  std::size_t i = 0;
  std::size_t j = 0;
  while (i < a.size() && j < b.size()) {
    const auto x = static_cast<unsigned char>(a[i]);
    const auto y = static_cast<unsigned char>(b[j]);
    if (x < 0x80 && y < 0x80) {
      if (LowerCodePoint(x) != LowerCodePoint(y)) return false;
      ++i, ++j;
      continue;
    }
    const std::size_t startA = i;
    const std::size_t startB = j;
    const char32_t cpA = DecodeUtf8(a, i);
    const char32_t cpB = DecodeUtf8(b, j);
    if (cpA == kInvalid || cpB == kInvalid) {
      if (a.substr(startA, i - startA) != b.substr(startB, j - startB)) return false;
    } else if (LowerCodePoint(cpA) != LowerCodePoint(cpB)) {
      return false;
    }
  }
  return i == a.size() && j == b.size();
}

}  // namespace rights
