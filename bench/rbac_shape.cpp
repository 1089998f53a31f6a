#include "rbac_shape.h"

#include <memory>
#include <string>

namespace bench {

namespace {

using rights::TRechteDatei;

constexpr int UsersPerGroup = 10;
constexpr int Clients = 10;
constexpr int CatalogRightsPerGroup = 20;

int ModuleOfGroup(int group, int which) { return 1 + (group + 4 * which) % rights::ModuleCount; }

rights::TModulesStr ModulesOf(int module) {
  rights::TModulesStr modules = rights::EmptyModulesStr();
  rights::SetModuleLetter(rights::ModuleLetter(module), modules, false);
  return modules;
}

void AddGroupRights(TRechteDatei& file, int group) {
  auto& rights = file.AssRightList();
  for (std::uint8_t client = 1; client <= Clients; ++client) {
    for (int which = 0; which < 2; ++which)
      rights.AddUsGrRight(false, group, ModuleOfGroup(group, which), rights::EmptyModulesStr(), client, true);
    for (int k = 0; k < CatalogRightsPerGroup; ++k)
      rights.AddUsGrRight(false, group, 1000 + (group * 7 + k * 13) % 400, ModulesOf(ModuleOfGroup(group, k % 2)),
                          client, true);
  }
}

// The user with the same place in the neighbouring group.
int PartnerOf(int user) {
  const int index = user - 1;
  const bool evenGroup = (index / UsersPerGroup) % 2 == 0;
  return 1 + (evenGroup ? index + UsersPerGroup : index - UsersPerGroup);
}

void AddUser(TRechteDatei& file, int user, int users) {
  const auto client = static_cast<std::uint8_t>(1 + user % Clients);
  file.AssgnList().AddUs2Grp(user, 1 + (user - 1) / UsersPerGroup);
  const int partner = PartnerOf(user);
  if (partner <= users) file.AssgnList().AddUsEqui(user, partner);
  auto& rights = file.AssRightList();
  rights.AddUsGrRight(true, user, 1, rights::EmptyModulesStr(), client, true);
  rights.AddUsGrRight(true, user, 1500 + user % 50, ModulesOf(1), client, true);
  rights.AddUsGrRight(true, user, 101, rights::EmptyModulesStr(), 0, true);
}

void AddUserRecord(TRechteDatei& file, int user) {
  auto record = std::make_unique<rights::TFIUser>();
  record->ID = user;
  record->Bez = "Benutzer " + std::to_string(user);
  record->Login = "user" + std::to_string(user);
  record->Passwd = "pw" + std::to_string(user);
  file.UserList().AddItem(std::move(record));
}

}  // namespace

void FillShape(TRechteDatei& file, const Shape& shape) {
  for (int group = 1; group <= shape.groups; ++group) AddGroupRights(file, group);
  for (int user = 1; user <= shape.users; ++user) {
    AddUserRecord(file, user);
    AddUser(file, user, shape.users);
  }
}

}  // namespace bench
