#include "client_projects.h"

#include <array>

namespace clients {

std::string ClientProjectKey(int project) {
  static const std::array<const char*, kClientProjectCount> kKeys = {"LedgerPro", "LSE",     "FLG", "Lease",
                                                                     "Timber",    "BILLING", "DOC"};
  if (project < 0 || project >= kClientProjectCount) return "UNKNOWN" + std::to_string(project);
  return kKeys[static_cast<std::size_t>(project)];
}

}  // namespace clients
