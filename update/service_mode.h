#pragma once
// Service mode: started with the switch /SERVICE (any letter case). It unlocks
// editing the FTP server and the mirror settings, and detailed error texts.
#include <string>
#include <vector>

namespace update {

// Whether the arguments hold the switch.
bool HasServiceSwitch(const std::vector<std::string>& arguments);
// Of this process's command line, computed once.
bool IsServiceMode();
// Replaces the computed answer (tests and the screenshot program).
void SetServiceModeForTesting(bool value);

}  // namespace update
