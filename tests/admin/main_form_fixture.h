#pragma once
// A settings folder with the demo catalog and client list, the folder
// variables pointing at it, and the main window with every question and
// dialog scripted.
#include <QAction>
#include <QApplication>
#include <QTest>
#include <QTreeWidget>
#include <filesystem>
#include <memory>

#include "admin/main_form.h"
#include "clients/paths.h"
#include "rights/rechte_datei.h"
#include "support/registry_roots.h"
#include "support/temp_dir.h"
#include "tests/admin/scripted_dialogs.h"
#include "ui/scripted_message_service.h"

class MainFormFixture {
 public:
  MainFormFixture() {
    const std::filesystem::path settings = fRegistry.Path() / "data" / "SETTINGS";
    std::filesystem::create_directories(settings);
    for (const char* name : {"QVMANDANT.INI", "QV_AppRights.csv"})
      std::filesystem::copy_file(std::filesystem::path(QXR_DEMO_SETTINGS) / name, settings / name);
    clients::TPathsEnvironment environment;
    environment.programFile = (fRegistry.Path() / "prog" / "rightsadmin").string();
    environment.arguments = {"/DATADIR=" + (fRegistry.Path() / "data").string()};
    clients::InitPaths(environment);
    auto dialogs = std::make_unique<ScriptedDialogs>();
    fDialogs = dialogs.get();
    fPreviousDialogs = admin::SetDialogService(std::move(dialogs));
    fPreviousMessages = ui::SetMessageService(&fMessages);
  }
  ~MainFormFixture() {
    fForm.reset();
    ui::SetMessageService(fPreviousMessages);
    admin::SetDialogService(std::move(fPreviousDialogs));
  }

  std::string FileName() const { return clients::SettingsDir() + "QVRights.qxr"; }
  std::string SettingsFile(const std::string& name) const { return clients::SettingsDir() + name; }

  // A rights file with the standard users (administrator password "adm").
  rights::TRechteDatei CreateFile() {
    rights::TRechteDatei file(FileName());
    file.CreateStdUsers("adm");
    file.Write();
    return file;
  }
  rights::TRechteDatei ReadBack() const {
    rights::TRechteDatei file(FileName());
    file.Read(true);
    return file;
  }

  // Shows the window and runs its start-up.
  admin::TMainForm& Start() {
    fForm = std::make_unique<admin::TMainForm>();
    fForm->show();
    fForm->updateActions();
    return *fForm;
  }
  // Starts and signs in as the administrator.
  admin::TMainForm& StartAsAdmin() {
    fDialogs->logons = {{"Admin", "adm"}};
    return Start();
  }

  QAction* Action(const char* name) const { return fForm->findChild<QAction*>(QString::fromLatin1(name)); }
  template <class T = QWidget>
  T* Child(const char* name) const {
    return fForm->findChild<T*>(QString::fromLatin1(name));
  }
  // Selects the row whose data is id in a list of users, groups or clients.
  void SelectRow(const char* list, std::int32_t id) {
    auto* view = Child<QTreeWidget>(list);
    for (int i = 0; i < view->topLevelItemCount(); ++i)
      if (view->topLevelItem(i)->data(0, Qt::UserRole).toInt() == id) {
        view->setCurrentItem(view->topLevelItem(i));
        return;
      }
    QFAIL("row not found");
  }
  void Idle() { fForm->updateActions(); }

  std::vector<ui::TMessageRequest> Questions() const { return fMessages.Requests(); }

  TempRegistryRoots fRegistry;
  ui::ScriptedMessageService fMessages;
  ScriptedDialogs* fDialogs = nullptr;
  std::unique_ptr<admin::TMainForm> fForm;

 private:
  std::unique_ptr<admin::DialogService> fPreviousDialogs;
  ui::MessageService* fPreviousMessages = nullptr;
};
