#pragma once
// Windows-1252 <-> UTF-8 and case handling over the Windows-1252 repertoire.
// The rights file, the catalog and native callers use Windows-1252; inside the
// program all text is UTF-8.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace rights {

// Windows-1252 bytes to UTF-8. The five undefined bytes map to the C1 controls
// of the same number, so every byte survives a round trip.
std::string Cp1252ToUtf8(std::string_view bytes);

// UTF-8 to Windows-1252. A character Windows-1252 cannot hold, and every byte
// of a malformed sequence, becomes "?".
std::string Utf8ToCp1252(std::string_view utf8);

// The first character Windows-1252 cannot hold (a malformed byte as "\xNN"),
// or nothing when the whole text converts without "?".
std::optional<std::string> FirstCharacterOutsideCp1252(std::string_view utf8);

// Number of characters (code points) of a UTF-8 text; malformed bytes count one each.
std::size_t Utf8Length(std::string_view utf8);

// The first maxChars characters of a UTF-8 text, never cutting a character.
std::string Utf8Left(std::string_view utf8, std::size_t maxChars);

// Lower- and upper-casing of the letters Windows-1252 holds ("Ä" <-> "ä");
// other characters are left as they are.
std::string LowerCase(std::string_view utf8);
std::string UpperCase(std::string_view utf8);

// Equal after LowerCase on both sides.
bool SameTextIgnoringCase(std::string_view a, std::string_view b);

}  // namespace rights
