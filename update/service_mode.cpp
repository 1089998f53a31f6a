#include "update/service_mode.h"

#include <optional>

#include "platform/process.h"
#include "rights/codepage.h"

namespace update {

namespace {

std::optional<bool>& Answer() {
  static std::optional<bool> answer;
  return answer;
}

}  // namespace

bool HasServiceSwitch(const std::vector<std::string>& arguments) {
  for (const std::string& argument : arguments)
    if (rights::SameTextIgnoringCase(argument, "/SERVICE")) return true;
  return false;
}

bool IsServiceMode() {
  auto& answer = Answer();
  if (!answer) answer = HasServiceSwitch(platform::CommandLineArguments());
  return *answer;
}

void SetServiceModeForTesting(bool value) { Answer() = value; }

}  // namespace update
