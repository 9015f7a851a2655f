// The byte rules of loading and saving on 100 MB, beside a memcpy of the
// same bytes: the detection chain, the MS-DOS filter, CR LF and the Unicode
// test. Run with --benchmark_filter=Encoding.
#include <benchmark/benchmark.h>

#include <cstring>
#include <random>
#include <string>

#include "document/encoding.h"
#include "rules_by_value.h"

namespace {

constexpr std::size_t Size = 100u << 20;

// Lines of words, LF breaks, from a word list: ASCII only, or mixed UTF-8
// (umlauts, the euro sign, CJK and emoji; about a third of the bytes non-ASCII).
std::string MakeText(bool mixed) {
  static const char* ascii[] = {"the", "quick", "brown", "fox", "jumps", "over", "lazy", "dog", "and",
                                "text", "editor", "file", "line", "words", "of", "a"};
  static const char* utf8[] = {"Grüße", "schön", "€", "Straße", "日本語", "😀", "Köln", "naïve",
                               "plain", "text", "über", "and", "Ärger", "ok", "—", "fine"};
  const char** words = mixed ? utf8 : ascii;
  std::string t;
  t.reserve(Size + 64);
  std::mt19937 rng(7);
  while (t.size() < Size) {
    std::size_t n = 3 + rng() % 10;
    for (std::size_t w = 0; w < n; ++w) {
      t += words[rng() % 16];
      t += ' ';
    }
    t.back() = '\n';
  }
  t.resize(Size);
  for (std::size_t i = t.size(); static_cast<unsigned char>(t[i - 1]) >= 0x80; --i) t[i - 1] = ' ';
  return t;
}

const std::string& Ascii() {
  static const std::string t = MakeText(false);
  return t;
}

const std::string& Mixed() {
  static const std::string t = MakeText(true);
  return t;
}

const std::string& Bytes(const benchmark::State& state) { return state.range(0) ? Mixed() : Ascii(); }

// The same text as UTF-16 (50 M units, 100 MB): the ASCII lines, or the mixed
// lines with every tenth unit above U+00FF.
const std::u16string& Units(const benchmark::State& state) {
  static const std::u16string ascii(Ascii().begin(), Ascii().begin() + Size / 2);
  static const std::u16string mixed = [] {
    std::u16string u(Ascii().begin(), Ascii().begin() + Size / 2);
    for (std::size_t i = 0; i < u.size(); i += 10)
      if (u[i] != u'\n') u[i] = u'€';
    return u;
  }();
  return state.range(0) ? mixed : ascii;
}

void Label(benchmark::State& state, std::size_t bytes) {
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * bytes));
  state.SetLabel(state.range(0) ? "mixed UTF-8" : "ASCII");
}

void BM_EncodingMemcpy(benchmark::State& state) {
  const std::string& src = Bytes(state);
  std::string dst(src.size(), ' ');
  for (auto _ : state) {
    std::memcpy(dst.data(), src.data(), src.size());
    benchmark::ClobberMemory();
  }
  Label(state, src.size());
}
BENCHMARK(BM_EncodingMemcpy)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// What a load runs over the bytes of a file without a mark: the mark, the
// UTF-8 test and, when that fails, the MS-DOS heuristic.
void BM_EncodingDetect(benchmark::State& state) {
  const std::string& b = Bytes(state);
  for (auto _ : state) {
    int e = DetectByteOrderMark(b.data(), b.size());
    if (e == Ansi && !IsUtf8Text(b.data(), b.size())) e = LooksLikeDos437(b.data(), b.size()) ? 4 : 0;
    benchmark::DoNotOptimize(e);
  }
  Label(state, b.size());
}
BENCHMARK(BM_EncodingDetect)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void BM_EncodingIsUtf8Text(benchmark::State& state) {
  const std::string& b = Bytes(state);
  for (auto _ : state) benchmark::DoNotOptimize(IsUtf8Text(b.data(), b.size()));
  Label(state, b.size());
}
BENCHMARK(BM_EncodingIsUtf8Text)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void BM_EncodingLooksLikeDos437(benchmark::State& state) {
  const std::string& b = Bytes(state);
  for (auto _ : state) benchmark::DoNotOptimize(LooksLikeDos437(b.data(), b.size()));
  Label(state, b.size());
}
BENCHMARK(BM_EncodingLooksLikeDos437)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// In place on a fresh copy each time, with a control byte (01, 0C or 16) on
// every line of the mixed text; the copy is not timed.
void BM_EncodingFilterDosControlBytes(benchmark::State& state) {
  std::string src = Bytes(state);
  if (state.range(0))
    for (std::size_t i = 0; i < src.size(); ++i)
      if (src[i] == '\n') src[i - 1] = "\x01\x0C\x16"[i % 3];
  std::string work(src.size(), ' ');
  for (auto _ : state) {
    state.PauseTiming();
    std::memcpy(work.data(), src.data(), src.size());
    state.ResumeTiming();
    benchmark::DoNotOptimize(FilterDosControlBytes(work.data(), work.size()));
  }
  Label(state, src.size());
}
BENCHMARK(BM_EncodingFilterDosControlBytes)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// Lines of about 50 units, each ending in a lone LF.
void BM_EncodingToCrLf(benchmark::State& state) {
  const std::u16string& t = Units(state);
  for (auto _ : state) {
    std::u16string out = ToCrLf(t);
    benchmark::DoNotOptimize(out.data());
  }
  Label(state, t.size() * 2);
}
BENCHMARK(BM_EncodingToCrLf)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// The same into an output buffer that is reused, so that the time is the
// rule's own and not the system's for 100 MB of fresh memory.
void BM_EncodingToCrLfReused(benchmark::State& state) {
  const std::u16string& t = Units(state);
  std::u16string out;
  for (auto _ : state) {
    ToCrLf(t, out);
    benchmark::DoNotOptimize(out.data());
  }
  Label(state, t.size() * 2);
}
BENCHMARK(BM_EncodingToCrLfReused)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// A text that already has CR LF everywhere, as loads of Windows files do: a
// scan, nothing is copied.
void BM_EncodingToCrLfInPlace(benchmark::State& state) {
  std::u16string t = ToCrLf(Units(state));
  for (auto _ : state) {
    ToCrLfInPlace(t);
    benchmark::DoNotOptimize(t.data());
  }
  Label(state, t.size() * 2);
}
BENCHMARK(BM_EncodingToCrLfInPlace)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// What a fresh 100 MB text costs by itself: a copy into a new string.
void BM_EncodingNewStringCopy(benchmark::State& state) {
  const std::u16string& t = Units(state);
  for (auto _ : state) {
    std::u16string copy(t);
    benchmark::DoNotOptimize(copy.data());
  }
  Label(state, t.size() * 2);
}
BENCHMARK(BM_EncodingNewStringCopy)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// The whole text is scanned: no unit reaches U+0100 (ASCII), or the first
// non-Latin-1 unit comes only at the very end (mixed).
void BM_EncodingNeedsUnicode(benchmark::State& state) {
  std::u16string t = Units(state);
  if (state.range(0)) {
    for (char16_t& c : t)
      if (c == u'€') c = u'ä';
    t.back() = u'€';
  }
  for (auto _ : state) benchmark::DoNotOptimize(NeedsUnicode(t));
  Label(state, t.size() * 2);
}
BENCHMARK(BM_EncodingNeedsUnicode)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void BM_EncodingMemcpyUnits(benchmark::State& state) {
  const std::u16string& t = Units(state);
  std::u16string dst(t.size(), u' ');
  for (auto _ : state) {
    std::memcpy(dst.data(), t.data(), t.size() * 2);
    benchmark::ClobberMemory();
  }
  Label(state, t.size() * 2);
}
BENCHMARK(BM_EncodingMemcpyUnits)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

}  // namespace
