#pragma once
// Small text helpers with the toolkit's rules, as the settings files need them.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace clients {

// Removes characters up to and including the blank from both ends.
std::string_view Trim(std::string_view text);

// A decimal 32-bit integer with an optional sign and nothing else.
std::optional<std::int32_t> TryStrToInt(std::string_view text);

// The parts between the separators, empty ones included ("a,,b" gives three).
std::vector<std::string> SplitString(std::string_view text, char separator);

// The folder with one trailing path delimiter; empty stays empty.
std::string IncludeTrailingPathDelimiter(std::string_view folder);

}  // namespace clients
