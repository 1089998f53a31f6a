// qxr clients [--datadir DIR]: the client list as the administration program
// reads it.
#include <filesystem>

#include "client_list_view.h"
#include "command_line.h"
#include "commands.h"
#include "output.h"
#include "rights/file_io.h"

namespace qxr {

namespace {

void Declare(CommandLine& line) {
  line.AddOption("datadir", "DIR",
                 "The data folder, as /DATADIR= gives it to the program; "
                 "else the folder the program finds by itself.");
  line.AddJsonFlag();
}

int Run(const CommandLine& line) {
  auto environment = clients::TPathsEnvironment::OfThisProcess();
  environment.arguments.clear();
  if (const auto dataDir = line.Value("datadir")) {
    // The program creates missing folders below its data folder; a mistyped
    // folder here must not leave a tree behind.
    std::error_code error;
    if (!std::filesystem::is_directory(rights::PathFromUtf8(*dataDir), error))
      throw Failure(ExitFileError, *dataDir + ": no such folder");
    environment.arguments.push_back("/DATADIR=" + *dataDir);
  }
  const auto list = LoadClientList(environment);
  if (line.Json())
    PrintJson(ClientListToJson(*list));
  else
    PrintClientListText(*list);
  return ExitOk;
}

}  // namespace

const Command ClientsCommand{
    "clients", "Lists the clients of QVMANDANT.INI as the administration program reads them.", Declare, Run};

}  // namespace qxr
