// qxr export FILE: the whole rights file as JSON.
#include "command_line.h"
#include "commands.h"
#include "output.h"
#include "rights_file.h"
#include "rights_json.h"

namespace qxr {

namespace {

void Declare(CommandLine& line) {
  line.AddArgument("FILE", "The rights file.");
  line.AddFlag("with-passwords", "Include the passwords (needed to import the export).");
}

int Run(const CommandLine& line) {
  const auto file = OpenRightsFile(line.Argument(0));
  PrintJson(RightsFileToJson(file, line.IsSet("with-passwords")));
  return ExitOk;
}

}  // namespace

const Command ExportCommand{"export", "Prints the whole rights file as JSON (passwords only with --with-passwords).",
                            Declare, Run};

}  // namespace qxr
