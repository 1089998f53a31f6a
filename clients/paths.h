#pragma once
// The suite's folders, found once at program start by InitPaths and only read
// afterwards. Every folder ends with the path delimiter when it is not empty.
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace clients {

// The suite's key below the machine's registry root.
inline const std::string RegistryBase = "SOFTWARE\\Quarn & Co. GmbH\\";

struct TSuiteFolders {
  std::string ProgramDir;       // folder of the running program
  std::string DataDir;          // shared data folder
  std::string PublicDataDir;    // the suite's folder below the common documents, or empty
  std::string SettingsDir;      // DataDir + "SETTINGS"
  std::string SettingsFormDir;  // SettingsDir + "FORMULAR"
  std::string FormDir;          // ProgramDir + "FORMULAR"
  std::string UpdateDir;        // DataDir + "UPDATE"
  std::string DocsDir;          // DataDir + "Docs"
  std::string PresetDir;        // ProgramDir + "VORGABEN"
  std::string UpdInfoDir;       // ProgramDir + "UPDINFO"
  std::string LogsDir;          // DataDir + "Logs"
  bool UsePublicDocs = false;
};

// Empty until InitPaths has run.
const std::string& ProgramDir();
const std::string& DataDir();
const std::string& PublicDataDir();
const std::string& SettingsDir();
const std::string& SettingsFormDir();
const std::string& FormDir();
const std::string& UpdateDir();
const std::string& DocsDir();
const std::string& PresetDir();
const std::string& UpdInfoDir();
const std::string& LogsDir();
bool UsePublicDocs();

// What InitPaths learns from the machine. Tests fill it themselves, with
// temporary folders standing in for the program files and common documents.
struct TPathsEnvironment {
  std::string programFile;                // full name of the running program
  std::vector<std::string> arguments;     // command-line parameters after it
  std::string programFilesFolder;         // empty when unknown
  std::string commonDocumentsFolder;      // empty when unknown
  bool windowsVersion6OrLater = true;
  bool programOnNetworkDrive = false;
  std::string terminalUserFolder;         // TerminalUserFolder()
  std::string hostedBase;                 // the hosted layout's base folder when IsHostedTerminal()

  static TPathsEnvironment OfThisProcess();
};

// A start-up failure that ends the program after its message.
class EStartupPathError : public std::runtime_error {
 public:
  EStartupPathError(std::string caption, const std::string& text)
      : std::runtime_error(text), fCaption(std::move(caption)) {}
  const std::string& Caption() const { return fCaption; }

 private:
  std::string fCaption;
};

// The folders for an environment; raises EStartupPathError. Creates the public
// data folder and the settings form folder (failures ignored).
TSuiteFolders ResolveFolders(const TPathsEnvironment& environment);

// Fills the folder variables; on failure shows the message and ends the
// process with exit code 1.
void InitPaths();
void InitPaths(const TPathsEnvironment& environment);

// The value of the command-line option /Name=value, or empty.
std::string GetParamValue(const std::string& name);
std::string GetParamValue(const std::string& name, const std::vector<std::string>& arguments);

// The suite's folder below the common documents ("/srv/QUARN/"), or nothing.
std::optional<std::string> GetCommonDocsDir();
std::optional<std::string> GetCommonDocsDir(const std::string& commonDocumentsFolder);

}  // namespace clients
