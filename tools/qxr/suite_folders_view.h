#pragma once
// The suite's folders as a program of the suite computes them at its start,
// shown by qxr paths and used by qxr clients.
#include <QJsonObject>

#include "clients/paths.h"

namespace qxr {

// The folders for the environment. Like the program, this creates the public
// data folder and SETTINGS/FORMULAR when they are missing. Failure
// (ExitCheckFailed) with the program's message where it would end at start.
clients::TSuiteFolders ResolveSuiteFolders(const clients::TPathsEnvironment& environment);

QJsonObject FoldersToJson(const clients::TSuiteFolders& folders);
void PrintFoldersText(const clients::TSuiteFolders& folders);

}  // namespace qxr
