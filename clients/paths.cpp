#include "paths.h"

#include <cstdlib>

#include "platform/desktop.h"
#include "platform/files.h"
#include "platform/process.h"
#include "platform/registry.h"
#include "rights/codepage.h"
#include "terminal.h"
#include "text_utils.h"

namespace clients {

namespace {

constexpr char kDelim = platform::kPathDelimiter;
const std::string kTerminalCaption = "Fehler in der Terminalkonfiguration";
const std::string kAskAdministrator = "Wenden Sie sich bitte an unseren Systemadministrator.";

TSuiteFolders gFolders;

std::string Sub(const std::string& folder, const std::string& name) { return folder + name + kDelim; }

std::string FolderOf(const std::string& fileName) {
  const std::size_t at = fileName.find_last_of(kDelim);
  return at == std::string::npos ? std::string() : fileName.substr(0, at + 1);
}

std::string NameOf(const std::string& fileName) {
  const std::size_t at = fileName.find_last_of(kDelim);
  return at == std::string::npos ? fileName : fileName.substr(at + 1);
}

// Every "%20" turned into a blank; a blank cannot form a new "%20", so one pass does.
std::string BlanksForPercent20(std::string_view text) {
  std::string result;
  for (std::size_t i = 0; i < text.size();) {
    if (text.substr(i, 3) == "%20") {
      result += ' ';
      i += 3;
    } else {
      result += text[i++];
    }
  }
  return result;
}

// The product whose registry key may hold "UsePublicDocs", by the program's first three letters.
std::string ProductKey(const std::string& programFile) {
  const std::string letters = rights::UpperCase(rights::Utf8Left(NameOf(programFile), 3));
  if (letters == "FAR") return "FARMLINE";
  if (letters == "LED" || letters == "FIG") return "LedgerPro";
  if (letters == "BIL") return "BILLING";
  return {};
}

bool ReadUsePublicDocs(const std::string& programFile) {
  const std::string product = ProductKey(programFile);
  if (product.empty()) return true;
  platform::Registry registry(platform::RegistryRoot::LocalMachine);
  if (registry.OpenKeyReadOnly(RegistryBase + product))
    if (const auto value = registry.ReadBool("UsePublicDocs")) return *value;
  return false;
}

std::string TerminalFolderMessage(const std::string& folder) {
  return "Das Verzeichnis \"" + folder + "\" für Terminalumgebung ist nicht vorhanden!\r\r" + kAskAdministrator;
}

std::string ShareMessage(const std::vector<std::string>& missing) {
  std::string text = "Die Freigabe(n)\r";
  for (std::size_t i = 0; i < missing.size(); ++i) text += (i ? "\r" : "") + missing[i];
  text += std::string("\r") + (missing.size() == 1 ? "ist" : "sind") + " nicht vorhanden!\r\r" + kAskAdministrator;
  return text;
}

// Answers whether a terminal user folder shaped the layout.
bool UseHostedLayout(const TPathsEnvironment& environment, TSuiteFolders& folders) {
  const std::string base = IncludeTrailingPathDelimiter(environment.hostedBase);
  const std::string& t = environment.terminalUserFolder;
  folders.DataDir = Sub(base, "Daten") + t;
  folders.ProgramDir = Sub(base, "Programm");
  folders.PublicDataDir = folders.DataDir;
  folders.FormDir = Sub(folders.DataDir, "FORMULAR");
  folders.UpdateDir = Sub(folders.DataDir, "UPDATE");
  folders.DocsDir = Sub(Sub(base, "Daten"), "Docs");
  std::vector<std::string> missing;
  for (const std::string* folder : {&folders.DataDir, &folders.ProgramDir})
    if (!platform::FolderExists(*folder)) missing.push_back(*folder);
  if (!missing.empty()) throw EStartupPathError(kTerminalCaption, ShareMessage(missing));
  return !t.empty();
}

// Answers whether a terminal user folder shaped the layout.
bool UseStandardLayout(const TPathsEnvironment& environment, TSuiteFolders& folders) {
  folders.UsePublicDocs = ReadUsePublicDocs(environment.programFile);
  folders.ProgramDir = FolderOf(environment.programFile);
  folders.DataDir = folders.ProgramDir;
  std::string d = GetParamValue("DATADIR", environment.arguments);
  if (d.empty() && !environment.programFilesFolder.empty()) {
    d = rights::UpperCase(IncludeTrailingPathDelimiter(environment.programFilesFolder)) + "QUARN";
    // Installed below the suite's program files folder: the data go elsewhere.
    d = rights::UpperCase(folders.ProgramDir).starts_with(d) ? std::string() : folders.ProgramDir;
  }
  std::string t;
  if (const auto publicDir = GetCommonDocsDir(environment.commonDocumentsFolder)) {
    folders.PublicDataDir = *publicDir;
    platform::CreateFolders(folders.PublicDataDir);
    t = environment.terminalUserFolder;
    if (!t.empty()) {
      folders.UpdateDir = Sub(folders.PublicDataDir, "UPDATE");
      folders.DocsDir = Sub(folders.PublicDataDir, "Docs");
      folders.PublicDataDir += t;
      if (!platform::FolderExists(folders.PublicDataDir))
        throw EStartupPathError(kTerminalCaption, TerminalFolderMessage(folders.PublicDataDir));
      d = folders.PublicDataDir;
      folders.FormDir = Sub(folders.PublicDataDir, "FORMULAR");
      platform::CreateFolders(folders.FormDir);
    }
  }
  if (!d.empty())
    folders.DataDir = IncludeTrailingPathDelimiter(d);
  else if ((environment.windowsVersion6OrLater || folders.UsePublicDocs) && !environment.programOnNetworkDrive)
    folders.DataDir = folders.PublicDataDir;
  return !t.empty();
}

}  // namespace

const std::string& ProgramDir() { return gFolders.ProgramDir; }
const std::string& DataDir() { return gFolders.DataDir; }
const std::string& PublicDataDir() { return gFolders.PublicDataDir; }
const std::string& SettingsDir() { return gFolders.SettingsDir; }
const std::string& SettingsFormDir() { return gFolders.SettingsFormDir; }
const std::string& FormDir() { return gFolders.FormDir; }
const std::string& UpdateDir() { return gFolders.UpdateDir; }
const std::string& DocsDir() { return gFolders.DocsDir; }
const std::string& PresetDir() { return gFolders.PresetDir; }
const std::string& UpdInfoDir() { return gFolders.UpdInfoDir; }
const std::string& LogsDir() { return gFolders.LogsDir; }
bool UsePublicDocs() { return gFolders.UsePublicDocs; }

TPathsEnvironment TPathsEnvironment::OfThisProcess() {
  TPathsEnvironment environment;
  environment.programFile = platform::ProgramFile();
  environment.arguments = platform::CommandLineArguments();
  environment.programFilesFolder = platform::ProgramFilesFolder();
  environment.commonDocumentsFolder = platform::CommonDocumentsFolder();
  environment.windowsVersion6OrLater = platform::IsWindowsVersion6OrLater();
  environment.programOnNetworkDrive = platform::IsOnNetworkDrive(environment.programFile);
  environment.terminalUserFolder = TerminalUserFolder();
  // IsHostedTerminal() is false: no hosted installation is known to this
  // build, so the hosted layout is reached only through a given base folder.
  return environment;
}

TSuiteFolders ResolveFolders(const TPathsEnvironment& environment) {
  TSuiteFolders folders;
  const bool terminalLayout = environment.hostedBase.empty() ? UseStandardLayout(environment, folders)
                                                             : UseHostedLayout(environment, folders);
  folders.SettingsDir = Sub(folders.DataDir, "SETTINGS");
  if (!terminalLayout) {
    folders.UpdateDir = Sub(folders.DataDir, "UPDATE");
    folders.FormDir = Sub(folders.ProgramDir, "FORMULAR");
    folders.DocsDir = Sub(folders.DataDir, "Docs");
  }
  folders.PresetDir = Sub(folders.ProgramDir, "VORGABEN");
  folders.UpdInfoDir = Sub(folders.ProgramDir, "UPDINFO");
  folders.LogsDir = Sub(folders.DataDir, "Logs");
  folders.SettingsFormDir = Sub(folders.SettingsDir, "FORMULAR");
  platform::CreateFolders(folders.SettingsFormDir);
  return folders;
}

void InitPaths() { InitPaths(TPathsEnvironment::OfThisProcess()); }

void InitPaths(const TPathsEnvironment& environment) {
  try {
    gFolders = ResolveFolders(environment);
  } catch (const EStartupPathError& error) {
    platform::ShowErrorBox(error.Caption(), error.what());
    std::exit(1);
  }
}

std::string GetParamValue(const std::string& name) { return GetParamValue(name, platform::CommandLineArguments()); }

std::string GetParamValue(const std::string& name, const std::vector<std::string>& arguments) {
  const std::string option = "/" + name + "=";
  std::size_t i = 0;
  while (i < arguments.size() && !arguments[i].starts_with(option)) ++i;
  if (i == arguments.size()) return {};
  std::string value = BlanksForPercent20(std::string_view(arguments[i]).substr(option.size()));
  // A quoted folder with blanks arrives split into several parameters.
  if (value.starts_with('\'') && !value.ends_with('\''))
    while (++i < arguments.size()) {
      value += " " + arguments[i];
      if (arguments[i].ends_with('\'')) break;
    }
  if (value.starts_with('\'')) {
    value.erase(0, 1);
    if (value.ends_with('\'')) value.pop_back();
  }
  return value;
}

std::optional<std::string> GetCommonDocsDir() { return GetCommonDocsDir(platform::CommonDocumentsFolder()); }

std::optional<std::string> GetCommonDocsDir(const std::string& commonDocumentsFolder) {
  std::string folder = commonDocumentsFolder;
  if (folder.empty()) {
    platform::Registry registry(platform::RegistryRoot::LocalMachine);
    if (registry.OpenKeyReadOnly("SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders"))
      folder = registry.ReadString("Common Documents").value_or("");
  }
  if (folder.empty()) return std::nullopt;
  return Sub(IncludeTrailingPathDelimiter(folder), "QUARN");
}

}  // namespace clients
