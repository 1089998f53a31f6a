// Rights evaluation on the role-based access shapes of rbac_shape.h.
#include <benchmark/benchmark.h>

#include <array>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "rbac_shape.h"
#include "rights/rechte_datei.h"
#include "support/reference_evaluation.h"

namespace {

using rights::TRechteDatei;
using rights::TUserRightsList;

using bench::Shape;
using bench::Shapes;
using bench::UserAt;
constexpr std::uint8_t AllClients = 255;

TRechteDatei& FileOf(const Shape& shape) {
  static std::map<std::string, std::unique_ptr<TRechteDatei>> files;
  auto& file = files[shape.name];
  if (!file) {
    file = std::make_unique<TRechteDatei>(std::string(shape.name) + ".qxr");
    bench::FillShape(*file, shape);
  }
  return *file;
}

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
