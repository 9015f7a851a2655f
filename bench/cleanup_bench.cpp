// Document clean-up on a large text, beside a memcpy of the same bytes.
#include <benchmark/benchmark.h>

#include <cstring>
#include <random>
#include <string>

#include "commands/cleanup.h"
#include "rules_by_value.h"

namespace {

// About 100 MB of UTF-16 text: words, single spaces, some tabs, trailing
// blanks on every fourth line, CR LF breaks.
const std::u16string& LargeText() {
  static const std::u16string text = [] {
    std::u16string t;
    const std::size_t units = 50u << 20;
    t.reserve(units + 200);
    std::mt19937 rng(1);
    while (t.size() < units) {
      std::size_t words = 1 + rng() % 12;
      if (rng() % 8 == 0) t += u'\t';
      for (std::size_t w = 0; w < words; ++w) {
        std::size_t len = 1 + rng() % 9;
        for (std::size_t i = 0; i < len; ++i) t += static_cast<char16_t>(u'a' + rng() % 26);
        t += (rng() % 16 == 0) ? u'\t' : u' ';
      }
      if (rng() % 4 != 0) t.pop_back();
      t += u"\r\n";
    }
    return t;
  }();
  return text;
}

void BM_CleanUp(benchmark::State& state) {
  const std::u16string& text = LargeText();
  for (auto _ : state) {
    std::u16string out = CleanUpText(text);
    benchmark::DoNotOptimize(out.data());
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * text.size() * 2);
}
BENCHMARK(BM_CleanUp)->Unit(benchmark::kMillisecond);

// The rule alone: the output's storage is reused, so no fresh pages are
// faulted in on every run.
void BM_CleanUpReusedOutput(benchmark::State& state) {
  const std::u16string& text = LargeText();
  std::u16string out;
  for (auto _ : state) {
    CleanUpText(text, out);
    benchmark::DoNotOptimize(out.data());
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * text.size() * 2);
}
BENCHMARK(BM_CleanUpReusedOutput)->Unit(benchmark::kMillisecond);

void BM_CleanUpMemcpy(benchmark::State& state) {
  const std::u16string& text = LargeText();
  std::u16string out(text.size(), u' ');
  for (auto _ : state) {
    std::memcpy(out.data(), text.data(), text.size() * 2);
    benchmark::ClobberMemory();
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * text.size() * 2);
}
BENCHMARK(BM_CleanUpMemcpy)->Unit(benchmark::kMillisecond);

}  // namespace
