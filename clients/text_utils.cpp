#include "text_utils.h"

#include <charconv>

#include "platform/files.h"

namespace clients {

std::string_view Trim(std::string_view text) {
  while (!text.empty() && static_cast<unsigned char>(text.front()) <= ' ') text.remove_prefix(1);
  while (!text.empty() && static_cast<unsigned char>(text.back()) <= ' ') text.remove_suffix(1);
  return text;
}

std::optional<std::int32_t> TryStrToInt(std::string_view text) {
  const std::size_t sign = !text.empty() && (text.front() == '+' || text.front() == '-') ? 1 : 0;
  if (text.size() == sign || text.find_first_not_of("0123456789", sign) != std::string_view::npos)
    return std::nullopt;
  if (text.front() == '+') text.remove_prefix(1);  // from_chars takes no plus sign
  std::int32_t value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value, 10);
  if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return value;
}

std::vector<std::string> SplitString(std::string_view text, char separator) {
  std::vector<std::string> parts;
  for (;;) {
    const std::size_t at = text.find(separator);
    parts.emplace_back(text.substr(0, at));
    if (at == std::string_view::npos) return parts;
    text.remove_prefix(at + 1);
  }
}

std::string IncludeTrailingPathDelimiter(std::string_view folder) {
  std::string result(folder);
  if (!result.empty() && result.back() != platform::kPathDelimiter) result += platform::kPathDelimiter;
  return result;
}

}  // namespace clients
