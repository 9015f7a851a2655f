// Find and replace all over 100 MB of prose, beside a memcpy of the same bytes.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <random>
#include <string>

#include "commands/find.h"
#include "platform/text.h"

namespace {

constexpr std::size_t BenchBytes = 100u << 20;

// German-looking prose with line breaks, the same every run.
const std::u16string& Prose() {
  static const std::u16string text = [] {
    const char16_t* words[] = {u"Der",    u"Hund",  u"l\u00E4uft",  u"\u00FCber", u"die",
                               u"Stra\u00DFe", u"und", u"sieht", u"einen", u"gro\u00DFen",
                               u"Apfel",  u"im",    u"Gras",     u"Zitrone", u"M\u00FCller",
                               u"schreibt", u"Briefe", u"an", u"seine", u"\u00C4rztin"};
    std::mt19937 random(7);
    std::u16string t;
    t.reserve(BenchBytes / 2 + 64);
    std::size_t line = 0;
    while (t.size() * 2 < BenchBytes) {
      t += words[random() % (sizeof words / sizeof words[0])];
      if (++line % 12 == 0) t += u".\r\n";
      else t += u' ';
    }
    t.resize(BenchBytes / 2);
    return t;
  }();
  return text;
}

void BM_Memcpy(benchmark::State& state) {
  const std::u16string& text = Prose();
  std::u16string copy(text.size(), u' ');
  for (auto _ : state) {
    std::memcpy(copy.data(), text.data(), text.size() * sizeof(char16_t));
    benchmark::DoNotOptimize(copy.data());
    benchmark::ClobberMemory();
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * static_cast<std::int64_t>(BenchBytes));
}

// The pattern occurs once, at the very end, so the whole text is scanned.
void Find(benchmark::State& state, std::u16string_view pattern, unsigned flags) {
  std::u16string text = Prose();
  text.replace(text.size() - pattern.size() - 1, pattern.size() + 1, u" " + std::u16string(pattern));
  for (auto _ : state) {
    std::ptrdiff_t p = FindInText(text, pattern, 0, flags);
    if (p != static_cast<std::ptrdiff_t>(text.size() - pattern.size())) state.SkipWithError("wrong match");
    benchmark::DoNotOptimize(p);
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * static_cast<std::int64_t>(BenchBytes));
}

void BM_FindIgnoringCase(benchmark::State& state) { Find(state, u"STRASSENBAHN", 0); }
void BM_FindMatchCase(benchmark::State& state) { Find(state, u"Stra\u00DFenbahn", FindMatchCase); }
void BM_FindWholeWord(benchmark::State& state) { Find(state, u"Stra\u00DFenbahn", FindWholeWord); }

// What the search costs when every unit is upper-cased by the platform call:
// the definition written out, on a tenth of the text.
void BM_FindIgnoringCaseUnitByUnit(benchmark::State& state) {
  std::u16string_view text(Prose());
  text = text.substr(0, text.size() / 10);
  std::u16string_view pattern = u"STRASSENBAHN";
  for (auto _ : state) {
    std::ptrdiff_t found = -1;
    for (std::size_t p = 0; p + pattern.size() <= text.size() && found < 0; ++p) {
      std::size_t k = 0;
      while (k < pattern.size() && UpperChar(text[p + k]) == UpperChar(pattern[k])) ++k;
      if (k == pattern.size()) found = static_cast<std::ptrdiff_t>(p);
    }
    benchmark::DoNotOptimize(found);
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                          static_cast<std::int64_t>(text.size() * sizeof(char16_t)));
}

// Replace all as the command does it: count, size the result, build it.
// With fresh set, the result's memory is allocated (and so first touched) in
// every round, as in the command; otherwise one warm buffer is reused and
// only the rule itself is timed.
void ReplaceAll(benchmark::State& state, std::u16string_view pattern, std::u16string_view replacement,
                bool fresh) {
  const std::u16string& text = Prose();
  std::size_t count = CountMatches(text, pattern, 0);
  std::size_t room = text.size() + count * replacement.size() + 1;
  auto* warm = fresh ? nullptr : static_cast<char16_t*>(std::calloc(room, sizeof(char16_t)));
  for (auto _ : state) {
    count = CountMatches(text, pattern, 0);
    std::int64_t n = ReplacedLength(static_cast<std::int64_t>(text.size()), static_cast<std::int64_t>(count),
                                    static_cast<std::int64_t>(pattern.size()),
                                    static_cast<std::int64_t>(replacement.size()));
    auto* out = fresh ? static_cast<char16_t*>(std::malloc((static_cast<std::size_t>(n) + 1) * sizeof(char16_t)))
                      : warm;
    std::size_t written = BuildReplaced(text, pattern, replacement, 0, out, static_cast<std::size_t>(n));
    out[written] = 0;
    benchmark::DoNotOptimize(out);
    if (fresh) std::free(out);
  }
  std::free(warm);
  state.counters["matches"] = static_cast<double>(count);
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * static_cast<std::int64_t>(BenchBytes));
}

// A word every 120 units or so, and a letter every seventh unit.
void BM_ReplaceAllWord(benchmark::State& state) { ReplaceAll(state, u"stra\u00DFe", u"Gasse", false); }
void BM_ReplaceAllWordFreshMemory(benchmark::State& state) { ReplaceAll(state, u"stra\u00DFe", u"Gasse", true); }
void BM_ReplaceAllLetter(benchmark::State& state) { ReplaceAll(state, u"e", u"\u00E9", false); }

}  // namespace

BENCHMARK(BM_Memcpy)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_FindIgnoringCase)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_FindMatchCase)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_FindWholeWord)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_FindIgnoringCaseUnitByUnit)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_ReplaceAllWord)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_ReplaceAllWordFreshMemory)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_ReplaceAllLetter)->Unit(benchmark::kMillisecond)->UseRealTime();
