// qxr paths [ARGS...]: the folder variables a program of the suite computes
// at its start for these command-line arguments.
#include "command_line.h"
#include "commands.h"
#include "output.h"
#include "suite_folders_view.h"

namespace qxr {

namespace {

void Declare(CommandLine& line) {
  line.AddRemainingArguments("ARGS",
                             "The program's command-line arguments, such as /DATADIR=folder "
                             "(put -- before arguments that begin with -).");
  line.AddJsonFlag();
}

int Run(const CommandLine& line) {
  auto environment = clients::TPathsEnvironment::OfThisProcess();
  environment.arguments = line.ArgumentsFrom(0);
  const clients::TSuiteFolders folders = ResolveSuiteFolders(environment);
  if (line.Json())
    PrintJson(FoldersToJson(folders));
  else
    PrintFoldersText(folders);
  return ExitOk;
}

}  // namespace

const Command PathsCommand{"paths", "Shows the suite's folders as a program started with these arguments finds them.",
                           Declare, Run};

}  // namespace qxr
