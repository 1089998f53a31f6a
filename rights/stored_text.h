#pragma once
// Whether a text fits a string field of the rights file: Windows-1252, at most
// 255 characters. Text that does not fit is refused, never stored altered.
#include <optional>
#include <string>
#include <string_view>

namespace rights {

constexpr std::size_t MaxStoredTextChars = 255;

// The German message naming the field when the text does not fit, else nothing:
// "„Passwort“ enthält das Zeichen „Ł“, das die Rechtedatei nicht speichern kann."
std::optional<std::string> StoredTextProblem(std::string_view field, std::string_view utf8);

}  // namespace rights
