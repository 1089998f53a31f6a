// Reading the client list: growth with the number of client sections.
#include <benchmark/benchmark.h>

#include "clients/client_file.h"
#include "support/large_client_list.h"

namespace {

void BM_ClientListLoad(benchmark::State& state) {
  const std::string text = LargeClientListText(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    clients::DBServerList().Clear();
    clients::TQVClientFile file(clients::kAllClientProjects);
    file.LoadFromBytes(text);
    benchmark::DoNotOptimize(file.GetCount());
  }
  state.SetComplexityN(state.range(0));
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
}
BENCHMARK(BM_ClientListLoad)
    ->Arg(1000)
    ->Arg(2000)
    ->Arg(4000)
    ->Arg(8000)
    ->Arg(100000)
    ->Unit(benchmark::kMillisecond)
    ->Complexity(benchmark::oN);

}  // namespace

BENCHMARK_MAIN();
