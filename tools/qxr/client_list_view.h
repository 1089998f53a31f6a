#pragma once
// The client list QVMANDANT.INI as the administration program reads it: all
// modules in the filter, sorted by number.
#include <QJsonObject>
#include <memory>

#include "clients/client_file.h"
#include "clients/paths.h"

namespace qxr {

// Sets the folder variables for the environment, as the program does at its
// start, then loads the list from its settings folder. ExitFileError when the
// list exists but cannot be read.
std::unique_ptr<clients::TQVClientFile> LoadClientList(const clients::TPathsEnvironment& environment);

QJsonObject ClientListToJson(const clients::TQVClientFile& list);
void PrintClientListText(const clients::TQVClientFile& list);

}  // namespace qxr
