#pragma once
// The two standard users every rights file starts with keep what the
// administration program lets nobody change.
#include <cstdint>

namespace qxr {

constexpr std::int32_t kAdministratorID = 1;
constexpr std::int32_t kTemplateUserID = 2;

}  // namespace qxr
