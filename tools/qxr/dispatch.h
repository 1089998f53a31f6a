#pragma once
// Finds the subcommand, parses its command line, runs it and turns failures
// into messages on standard error and exit codes.
#include <QStringList>

namespace qxr {

// arguments: everything after the program name.
int RunQxr(const QStringList& arguments);

}  // namespace qxr
