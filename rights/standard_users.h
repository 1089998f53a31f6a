#pragma once
// The two standard users every rights file starts with: the administrator,
// who may do everything and can never be locked or deleted, and the template
// whose rights new users may copy, who has no login and never signs in.
#include <cstdint>

namespace rights {

constexpr std::int32_t AdministratorID = 1;
constexpr std::int32_t TemplateUserID = 2;

}  // namespace rights
