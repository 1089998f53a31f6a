// Throughput of the rights file: checksum, read and write of a large file,
// beside a plain memcpy of the same bytes.
#include <benchmark/benchmark.h>

#include <cstring>
#include <filesystem>
#include <random>

#include "rights/checksum.h"
#include "rights/file_io.h"
#include "rights/rechte_datei.h"

namespace {

// 1,000 users, 200 groups, 10,000 assignments, 1,000,000 assigned rights.
void FillLargeFile(rights::TRechteDatei& file) {
  std::mt19937 random(7);
  auto pick = [&random](int low, int high) { return std::uniform_int_distribution(low, high)(random); };
  for (int i = 1; i <= 1000; ++i) {
    auto user = std::make_unique<rights::TFIUser>();
    user->Bez = "Benutzer " + std::to_string(i);
    user->Func = "Buchhaltung";
    user->Login = "user" + std::to_string(i);
    user->Passwd = "Kennwort" + std::to_string(i);
    file.UserList().AddItem(std::move(user));
  }
  for (int i = 1; i <= 200; ++i) {
    auto group = std::make_unique<rights::TFIGroup>();
    group->Bez = "Gruppe " + std::to_string(i);
    file.GroupList().AddItem(std::move(group));
  }
  for (int i = 0; i < 10000; ++i) {
    if (i % 10 == 0)
      file.AssgnList().AddUsEqui(pick(1, 1000), pick(1, 1000));
    else
      file.AssgnList().AddUs2Grp(pick(1, 1000), pick(1, 200));
  }
  for (int i = 0; i < 1000000; ++i)
    file.AssRightList().AddUsGrRight(pick(0, 1) == 0, pick(1, 1000), pick(1000, 2000), "KIB  Y   ",
                                     static_cast<std::uint8_t>(pick(1, 60)), true);
}

struct LargeFile {
  LargeFile() : path((std::filesystem::temp_directory_path() / "qxr-bench-QVRights.qxr").string()) {
    rights::TRechteDatei file(path);
    FillLargeFile(file);
    file.Write();
    image = rights::ReadWholeFile(path)->bytes;
  }
  ~LargeFile() { std::filesystem::remove(path); }

  std::string path;
  std::vector<std::uint8_t> image;
};

LargeFile& Large() {
  static LargeFile large;
  return large;
}

void SetBytes(benchmark::State& state, std::size_t bytes) {
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes));
  state.counters["file_MB"] = static_cast<double>(bytes) / 1e6;
}

void BM_Memcpy(benchmark::State& state) {
  const auto& image = Large().image;
  std::vector<std::uint8_t> copy(image.size());
  for (auto _ : state) {
    std::memcpy(copy.data(), image.data(), image.size());
    benchmark::ClobberMemory();
  }
  SetBytes(state, image.size());
}

void BM_CalcCrc(benchmark::State& state) {
  const auto& image = Large().image;
  for (auto _ : state) benchmark::DoNotOptimize(rights::CalcCrc(image));
  SetBytes(state, image.size());
}

void BM_ReadChecked(benchmark::State& state) {
  const auto& large = Large();
  for (auto _ : state) {
    rights::TRechteDatei file(large.path);
    file.Read(true);
    benchmark::DoNotOptimize(file.AssRightList().Count());
  }
  SetBytes(state, large.image.size());
}

void BM_Write(benchmark::State& state) {
  const auto& large = Large();
  rights::TRechteDatei file(large.path);
  file.Read(true);
  for (auto _ : state) file.Write();
  SetBytes(state, large.image.size());
}

}  // namespace

BENCHMARK(BM_Memcpy)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CalcCrc)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadChecked)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Write)->Unit(benchmark::kMillisecond);
