// The query library as a suite program uses it, on the large shape of
// rbac_shape.h written to disk: sign-in with and without loading the file,
// fetching a user's rights, and CanDo through the interface.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>

#include "query/rightsquery.h"
#include "rbac_shape.h"

namespace {

const bench::Shape& Large() { return bench::Shapes[2]; }

const std::string& LargeFilePath() {
  static const std::string path = [] {
    const std::string file = (std::filesystem::temp_directory_path() / "qxr-bench-large.qxr").string();
    rights::TRechteDatei rightsFile(file);
    bench::FillShape(rightsFile, Large());
    rightsFile.Write();
    return file;
  }();
  return path;
}

std::int32_t SignIn(int user) {
  const std::string login = "user" + std::to_string(user);
  const std::string password = "pw" + std::to_string(user);
  std::int32_t id = 0;
  char name[64];
  QXRLogin(LargeFilePath().c_str(), login.c_str(), password.c_str(), &id, sizeof name - 1, name, 0, 0.0);
  return id;
}

void BM_QXRLogin_Cold(benchmark::State& state) {
  LargeFilePath();  // written before the clock runs
  long long i = 0;
  for (auto _ : state) {
    DisposeRightsFile();
    benchmark::DoNotOptimize(SignIn(bench::UserAt(Large(), i++)));
  }
  state.counters["file_MB"] = static_cast<double>(std::filesystem::file_size(LargeFilePath())) / 1e6;
}

void BM_QXRLogin_Warm(benchmark::State& state) {
  SignIn(3);
  long long i = 0;
  for (auto _ : state) benchmark::DoNotOptimize(SignIn(bench::UserAt(Large(), i++)));
}

void BM_GetUserRightsInt(benchmark::State& state) {
  SignIn(3);
  IUserRightsList* warmUp = GetUserRights(3);  // builds the evaluation index
  warmUp->lpVtbl->Release(warmUp);
  long long i = 0;
  IUserRightsList* list = nullptr;
  for (auto _ : state) GetUserRightsInt(bench::UserAt(Large(), i++), LargeFilePath().c_str(), &list);
  list->lpVtbl->Release(list);
}

void BM_CanDo_Interface(benchmark::State& state) {
  SignIn(3);
  IUserRightsList* list = GetUserRights(bench::UserAt(Large(), 0));
  std::uint32_t i = 0;
  for (auto _ : state) {
    const auto client = static_cast<std::uint8_t>(1 + i % 10);
    const std::int32_t right = 1000 + static_cast<std::int32_t>(i * 13 % 500);
    benchmark::DoNotOptimize(list->lpVtbl->CanDo(list, client, right));
    ++i;
  }
  list->lpVtbl->Release(list);
}

}  // namespace

BENCHMARK(BM_QXRLogin_Cold)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_QXRLogin_Warm)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_GetUserRightsInt)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_CanDo_Interface);

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  DisposeRightsFile();
  std::filesystem::remove(LargeFilePath());
  return 0;
}
