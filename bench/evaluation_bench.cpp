// Rights evaluation on the role-based access shapes that authorisation
// libraries publish: users in groups of ten, each group holding module rights
// and 20 catalog rights for 10 clients, each user a few own rights and one
// equivalence (pairs of users in neighbouring groups, so each pair is a cycle).
#include <benchmark/benchmark.h>

#include <array>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "rights/rechte_datei.h"
#include "support/reference_evaluation.h"

namespace {

using rights::TRechteDatei;
using rights::TUserRightsList;

struct Shape {
  const char* name;
  int users;
  int groups;
};

constexpr std::array<Shape, 3> Shapes = {{{"small", 1000, 100}, {"medium", 10000, 1000}, {"large", 100000, 10000}}};
constexpr int UsersPerGroup = 10;
constexpr int Clients = 10;
constexpr int CatalogRightsPerGroup = 20;
constexpr std::uint8_t AllClients = 255;

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

TRechteDatei& FileOf(const Shape& shape) {
  static std::map<std::string, std::unique_ptr<TRechteDatei>> files;
  auto& file = files[shape.name];
  if (!file) {
    file = std::make_unique<TRechteDatei>(std::string(shape.name) + ".qxr");
    for (int group = 1; group <= shape.groups; ++group) AddGroupRights(*file, group);
    for (int user = 1; user <= shape.users; ++user) AddUser(*file, user, shape.users);
  }
  return *file;
}

// Users 3 and up: 1 is the administrator, whom CanDo never asks about.
int UserAt(const Shape& shape, std::int64_t i) { return 3 + static_cast<int>(i * 7919 % (shape.users - 2)); }

void GetUserRightListFast(benchmark::State& state, Shape shape) {
  const TRechteDatei& file = FileOf(shape);
  TUserRightsList warmUp;
  file.GetUserRightList(3, warmUp, false, true, AllClients);  // builds the index
  std::int64_t i = 0;
  std::size_t entries = 0;
  for (auto _ : state) {
    TUserRightsList list;
    file.GetUserRightList(UserAt(shape, i++), list, false, true, AllClients);
    entries += list.Count();
    benchmark::DoNotOptimize(list);
  }
  state.counters["entries"] = static_cast<double>(entries) / static_cast<double>(state.iterations());
}

void GetUserRightListReference(benchmark::State& state, Shape shape) {
  const TRechteDatei& file = FileOf(shape);
  std::int64_t i = 0;
  for (auto _ : state) {
    TUserRightsList list;
    reference::GetUserRightList(file, UserAt(shape, i++), list, true, AllClients);
    benchmark::DoNotOptimize(list);
  }
}

// The first evaluation after the lists change: the index is built again.
void GetUserRightListAfterChange(benchmark::State& state, Shape shape) {
  TRechteDatei& file = FileOf(shape);
  std::int64_t i = 0;
  for (auto _ : state) {
    state.PauseTiming();
    file.AssRightList().AddUsGrRight(true, 2, 1, rights::EmptyModulesStr(), 1, true);
    file.AssRightList().DeleteUser(2);
    state.ResumeTiming();
    TUserRightsList list;
    file.GetUserRightList(UserAt(shape, i++), list, false, true, AllClients);
    benchmark::DoNotOptimize(list);
  }
}

TUserRightsList EvaluatedList(const Shape& shape) {
  TUserRightsList list;
  FileOf(shape).GetUserRightList(UserAt(shape, 0), list, false, true, AllClients);
  return list;
}

void CanDo(benchmark::State& state, Shape shape) {
  const TUserRightsList list = EvaluatedList(shape);
  // Half the questions are granted, half are not.
  std::vector<std::pair<std::uint8_t, std::int32_t>> questions;
  for (std::size_t k = 0; questions.size() < 1024; ++k) {
    const auto& entry = list[k * 37 % list.Count()];
    questions.emplace_back(entry.Mandant, entry.RightID);
    questions.emplace_back(static_cast<std::uint8_t>(entry.Mandant + 11), entry.RightID + 1);
  }
  std::size_t i = 0;
  for (auto _ : state) {
    const auto& [client, right] = questions[i++ & 1023];
    benchmark::DoNotOptimize(list.CanDo(client, right));
  }
}

void MandSetOfModule(benchmark::State& state, Shape shape) {
  const TUserRightsList list = EvaluatedList(shape);
  int module = 0;
  for (auto _ : state) {
    const auto set = list.MandSetOfModule(static_cast<rights::TRightsPrgModules>(1 + module++ % 8));
    benchmark::DoNotOptimize(set);
  }
}

}  // namespace

int main(int argc, char** argv) {
  for (const Shape& shape : Shapes) {
    const std::string suffix = std::string("/") + shape.name;
    benchmark::RegisterBenchmark(("GetUserRightList/fast" + suffix).c_str(), GetUserRightListFast, shape)
        ->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark(("GetUserRightList/reference" + suffix).c_str(), GetUserRightListReference, shape)
        ->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark(("GetUserRightList/after_change" + suffix).c_str(), GetUserRightListAfterChange,
                                 shape)
        ->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark(("CanDo" + suffix).c_str(), CanDo, shape);
    benchmark::RegisterBenchmark(("MandSetOfModule" + suffix).c_str(), MandSetOfModule, shape);
  }
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
