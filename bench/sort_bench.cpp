// The line sort: ranking by the locale comparison plus the exchange order.
#include <benchmark/benchmark.h>

#include <random>
#include <string>
#include <vector>

#include "commands/case_sort.h"
#include "rules_by_value.h"

namespace {

// Lines of 4 to 40 letters. With ties, every line is drawn from n/8 distinct
// words in random upper/lower case, so most lines have several equals.
std::vector<std::u16string> MakeLines(std::size_t n, bool ties) {
  std::mt19937 rng(static_cast<unsigned>(n) + ties);
  auto word = [&] {
    std::u16string w;
    std::size_t len = 4 + rng() % 37;
    for (std::size_t i = 0; i < len; ++i) w += static_cast<char16_t>(u'a' + rng() % 26);
    return w;
  };
  std::vector<std::u16string> pool;
  if (ties) {
    for (std::size_t i = 0; i < n / 8 + 1; ++i) pool.push_back(word());
  }
  std::vector<std::u16string> lines;
  lines.reserve(n);
  for (std::size_t i = 0; i < n; ++i) {
    std::u16string line = ties ? pool[rng() % pool.size()] : word();
    for (char16_t& c : line) {
      if (rng() % 2) c = static_cast<char16_t>(c - 32);
    }
    lines.push_back(line);
  }
  return lines;
}

// The rule's work: ranking by the comparison, then the exchange order.
void BM_RankAndOrder(benchmark::State& state) {
  const std::vector<std::u16string> lines = MakeLines(state.range(0), state.range(1) != 0);
  for (auto _ : state) {
    std::vector<std::size_t> order = ExchangeSortOrder(RankLines(lines, true));
    benchmark::DoNotOptimize(order.data());
  }
  state.SetItemsProcessed(static_cast<int64_t>(state.iterations()) * state.range(0));
}
BENCHMARK(BM_RankAndOrder)
    ->ArgNames({"lines", "ties"})
    ->Args({100000, 1})
    ->Args({100000, 0})
    ->Args({1000000, 1})
    ->Args({1000000, 0})
    ->Unit(benchmark::kMillisecond);

// The ordering step alone, on ranks with many ties.
void BM_ExchangeOrder(benchmark::State& state) {
  std::mt19937 rng(2);
  std::size_t n = state.range(0);
  std::vector<std::size_t> ranks(n);
  for (std::size_t& r : ranks) r = rng() % (n / 8 + 1);
  for (auto _ : state) {
    std::vector<std::size_t> order = ExchangeSortOrder(ranks);
    benchmark::DoNotOptimize(order.data());
  }
}
BENCHMARK(BM_ExchangeOrder)->Arg(1000000)->Unit(benchmark::kMillisecond);

}  // namespace
