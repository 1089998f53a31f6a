#include "suite_folders_view.h"

#include "command.h"
#include "output.h"

namespace qxr {

namespace {

struct FolderField {
  const char* name;  // the folder variable
  const char* key;   // its JSON key
  std::string clients::TSuiteFolders::*member;
};

const FolderField kFolderFields[] = {
    {"ProgramDir", "program_dir", &clients::TSuiteFolders::ProgramDir},
    {"DataDir", "data_dir", &clients::TSuiteFolders::DataDir},
    {"PublicDataDir", "public_data_dir", &clients::TSuiteFolders::PublicDataDir},
    {"SettingsDir", "settings_dir", &clients::TSuiteFolders::SettingsDir},
    {"SettingsFormDir", "settings_form_dir", &clients::TSuiteFolders::SettingsFormDir},
    {"FormDir", "form_dir", &clients::TSuiteFolders::FormDir},
    {"UpdateDir", "update_dir", &clients::TSuiteFolders::UpdateDir},
    {"DocsDir", "docs_dir", &clients::TSuiteFolders::DocsDir},
    {"PresetDir", "preset_dir", &clients::TSuiteFolders::PresetDir},
    {"UpdInfoDir", "upd_info_dir", &clients::TSuiteFolders::UpdInfoDir},
    {"LogsDir", "logs_dir", &clients::TSuiteFolders::LogsDir},
};

}  // namespace

clients::TSuiteFolders ResolveSuiteFolders(const clients::TPathsEnvironment& environment) {
  try {
    return clients::ResolveFolders(environment);
  } catch (const clients::EStartupPathError& error) {
    throw Failure(ExitCheckFailed,
                  "the program would end at start: " + Quoted(error.Caption()) + " " + Quoted(error.what()));
  }
}

QJsonObject FoldersToJson(const clients::TSuiteFolders& folders) {
  QJsonObject json{{"use_public_docs", folders.UsePublicDocs}};
  for (const FolderField& field : kFolderFields) json.insert(field.key, ToQ(folders.*field.member));
  return json;
}

void PrintFoldersText(const clients::TSuiteFolders& folders) {
  TextTable table({"VARIABLE", "FOLDER"});
  for (const FolderField& field : kFolderFields) table.AddRow({field.name, folders.*field.member});
  table.AddRow({"UsePublicDocs", YesNo(folders.UsePublicDocs)});
  table.Print();
}

}  // namespace qxr
