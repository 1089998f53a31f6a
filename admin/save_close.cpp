// Saving, reloading and closing, with their questions; the switches of the
// menu "Datei", the info box and the help.
#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QStorageInfo>
#include <QSysInfo>

#include "admin/dialog_service.h"
#include "admin/main_form.h"
#include "admin/right_tree.h"
#include "rights/file_io.h"
#include "ui/action_guard.h"
#include "ui/help.h"
#include "ui/messages.h"
#include "ui/modify_watch.h"

namespace admin {

void TMainForm::Save() {
  if (SettlePanelsForSave()) WriteFile();
}

// Offers to apply pending panel edits; false when the administrator cancelled.
bool TMainForm::SettlePanelsForSave() {
  if (UserPending()) {
    const auto answer = ui::AskYesNoCancel(QStringLiteral(
        "Sie haben Rechte des aktuellen Benutzers geändert.\rSollen die Änderungen jetzt übernommen werden?"));
    if (answer == ui::mrCancel) return false;
    if (answer == ui::mrYes) ApplyUser(false);
  }
  if (GroupPending()) {
    const auto answer = ui::AskYesNoCancel(QStringLiteral(
        "Sie haben Rechte der aktuellen Gruppe geändert.\rSollen die Änderungen jetzt übernommen werden?"));
    if (answer == ui::mrCancel) return false;
    if (answer == ui::mrYes) ApplyGroup();
  }
  return true;
}

bool TMainForm::ConfirmOverwrite() {
  const auto answer = ui::AskYesNoCancel(
      QStringLiteral("Die Rechtedatei wurde seit dem Laden von einem anderen Programm geändert.\r"
                     "Soll sie trotzdem mit Ihren Änderungen überschrieben werden?\r\r"
                     "Ja: überschreiben\rNein: neu laden, Ihre Änderungen werden verworfen\rAbbrechen: nichts tun"),
      ui::mbCancel, 0, ui::mtWarning);
  if (answer == ui::mrYes) return true;
  if (answer == ui::mrNo) ReloadFile();
  return false;
}

// Writes the file and answers whether it was written. The suite's programs
// write the file too (a changed password): the check whether it changed since
// this window read or wrote it runs under the writers' lock, so nothing slips
// in between the check and the write. The lock is never held while the
// question is open; a change that comes in while it is open is asked again.
bool TMainForm::WriteFile() {
  const std::string& fileName = fRechteDatei->FileName();
  std::int64_t acceptedAge = 0;  // the others' file the administrator chose to overwrite
  for (;;) {
    {
      const rights::TWritersLock lock(fileName);
      const std::int64_t age = rights::FileAge(fileName);
      if (!fRechteDatei->ChangedOnDisk() || (acceptedAge != 0 && age == acceptedAge)) {
        fRechteDatei->Write(lock);
        fModifyed = false;
        return true;
      }
      acceptedAge = age;
    }  // released before the question
    if (!ConfirmOverwrite()) return false;
  }
}

void TMainForm::Reload() {
  if (!fModifyed) return;
  const auto answer = ui::ShowMessageDialog(
      QStringLiteral("Sollen alle Änderungen verworfen werden\rund die Rechteinformationen\rjetzt neu geladen werden?"),
      ui::mbNo, ui::mtConfirmation, {ui::mbYes, ui::mbNo});
  if (answer == ui::mrYes) ReloadFile();
}

// The read replaces every record, so the panels let go of theirs first.
void TMainForm::ReloadFile() {
  ClearPanels();
  try {
    fRechteDatei->Read(true);
  } catch (const std::exception& error) {
    ui::ShowError(QString::fromUtf8(error.what()));
  }
  ac("acRightsActive")->setChecked(fRechteDatei->RightsActive());
  FillGroupTree();
  FillUserList();
}

void TMainForm::ClearPanels() {
  fAktUser = nullptr;
  fAktGroup = nullptr;
  fNewPW.clear();
  HidePanels();
  for (TRightTree* tree : {tvUsRights, tvUSAllgRights, tvGrRights, tvGrAllgRights}) tree->SetModifyed(false);
  ResetUserWatch();
  ResetGroupWatch();
}

bool TMainForm::CanClose() {
  if (!fRechteDatei) return true;
  if (GroupPending()) AskApplyGroup();
  if (UserPending()) AskApplyUser();
  if (!fModifyed) return true;
  const auto answer = ui::AskYesNoCancel(QStringLiteral("Sollen die Änderungen gespeichert werden?"));
  if (answer == ui::mrCancel) return false;
  if (answer == ui::mrNo) return true;
  bool written = false;
  ui::RunGuarded([&] { written = WriteFile(); });
  return written;
}

void TMainForm::ToggleRightsActive() {
  // The action has ticked or unticked itself already.
  fRechteDatei->SetRightsActive(ac("acRightsActive")->isChecked());
  fModifyed = true;
}

void TMainForm::DomainSettings() {
  if (Dialogs().EditDomain(*fRechteDatei)) fModifyed = true;
}

void TMainForm::ShowInfo() {
  const QString program = QCoreApplication::applicationDirPath();
  const QStorageInfo drive(QDir::currentPath());
  const QString text = QStringLiteral("Velmora Rechteverwaltung\rVersion %1\r\rBetriebssystem: %2\r"
                                      "Freier Speicher auf dem aktuellen Laufwerk: %3 Byte\rProgrammordner: %4")
                           .arg(QCoreApplication::applicationVersion(), QSysInfo::prettyProductName())
                           .arg(drive.bytesAvailable())
                           .arg(QDir::toNativeSeparators(program));
  ui::ShowMessageDialog(text, ui::mbOK, ui::mtInformation, {ui::mbOK});
}

void TMainForm::ShowHelp() { ui::ShowHelpContext(1015); }

}  // namespace admin
