#pragma once
// The suite modules a client can use, and their keys in the client list.
#include <cstdint>
#include <string>

namespace clients {

enum class TQVClientProject : std::uint8_t { mpLedgerPro, mpLSE, mpFLG, mpLease, mpTimber, mpBilling, mpDOC };

inline constexpr int kClientProjectCount = 7;

// A set of modules: bit n for module n.
using TQVClientProjects = std::uint8_t;

inline constexpr TQVClientProjects kAllClientProjects = 127;

constexpr TQVClientProjects ProjectSet(TQVClientProject project) {
  return static_cast<TQVClientProjects>(1u << static_cast<unsigned>(project));
}

// "LedgerPro", "LSE", ...; "UNKNOWN" and the number outside the range.
std::string ClientProjectKey(int project);

}  // namespace clients
