// Renders the administration window on the demo catalog and client list for
// the documentation: main_form_shot FOLDER. Writes a user's rights page, a
// group's rights page, the general client rights and a user's sign-in page.
#include <QApplication>
#include <QTabWidget>

#include "admin/right_tree.h"
#include "tests/admin/main_form_fixture.h"

namespace {

void Prepare(MainFormFixture& f) {
  rights::TRechteDatei file = f.CreateFile();
  for (const auto& [bez, login] : {std::pair{"Berta Hansen", "berta"}, std::pair{"Carl Vogt", "carl"}}) {
    auto user = std::make_unique<rights::TFIUser>();
    user->Bez = bez;
    user->Login = login;
    file.UserList().AddItem(std::move(user));
  }
  for (const char* bez : {"Buchhaltung", "Lohnbüro"}) {
    auto group = std::make_unique<rights::TFIGroup>();
    group->Bez = bez;
    file.GroupList().AddItem(std::move(group));
  }
  file.AssgnList().AddUs2Grp(3, 1);
  file.AssgnList().AddUs2Grp(4, 2);
  auto& list = file.AssRightList();
  list.UpdateUsGrModules(true, 3, 1, "KIB      ");
  list.UpdateUsGrModules(false, 1, 1, "KIB      ");
  for (std::int32_t id : {1001, 1002, 1005, 1013}) list.AddUsGrRight(true, 3, id, "KIBUTYVWC", 1, true);
  for (std::int32_t id : {1007, 1011, 1012}) list.AddUsGrRight(false, 1, id, "KIBUTYVWC", 1, true);
  list.AddUsGrRight(false, 1, 104, "         ", 0, true);
  list.AddUsGrRight(true, 3, 101, "         ", 0, true);
  file.Write();
}

bool Grab(admin::TMainForm& form, const QString& file) {
  QApplication::processEvents();
  return form.grab().save(file);
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  if (argc != 2) return 2;
  const QString out = QString::fromLocal8Bit(argv[1]) + "/";
  MainFormFixture f;
  Prepare(f);
  admin::TMainForm& form = f.StartAsAdmin();
  form.resize(962, 607);
  f.SelectRow("lvUser", 3);
  bool ok = Grab(form, out + "admin-benutzer-anmeldung.png");
  f.Child<QTabWidget>("pcUser")->setCurrentIndex(2);
  f.SelectRow("lvUsMand", 1);
  f.Child<admin::TRightTree>("tvUsRights")->expandAll();
  ok = Grab(form, out + "admin-benutzer-rechte.png") && ok;
  f.SelectRow("lvUsMand", 0);
  ok = Grab(form, out + "admin-mandantenrechte.png") && ok;
  auto* groups = f.Child<QTreeWidget>("trGroups");
  groups->setCurrentItem(groups->topLevelItem(0)->child(0));
  f.Child<QTabWidget>("pcGroups")->setCurrentIndex(1);
  f.SelectRow("lvGrMand", 1);
  f.Child<admin::TRightTree>("tvGrRights")->expandAll();
  ok = Grab(form, out + "admin-gruppe-rechte.png") && ok;
  return ok ? 0 : 1;
}
