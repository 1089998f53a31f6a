#include "stored_text.h"

#include "codepage.h"

namespace rights {

std::optional<std::string> StoredTextProblem(std::string_view field, std::string_view utf8) {
  const std::string named = "„" + std::string(field) + "“";
  if (const auto character = FirstCharacterOutsideCp1252(utf8))
    return named + " enthält das Zeichen „" + *character + "“, das die Rechtedatei nicht speichern kann.";
  if (Utf8Length(utf8) > MaxStoredTextChars)
    return named + " ist länger als " + std::to_string(MaxStoredTextChars) + " Zeichen.";
  return std::nullopt;
}

}  // namespace rights
