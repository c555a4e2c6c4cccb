// Per-value costs of the generation loop: each column type of the reference document,
// formatted into a buffer as the run does, with the production random source.
#include <benchmark/benchmark.h>

#include <vector>

#include "generator/date_text_cache.h"
#include "generator/numeric_generators.h"
#include "generator/text_generators.h"
#include "platform/date_serial.h"
#include "platform/random_source.h"
#include "platform/value_text.h"

namespace zelvane {
namespace {

// Runs one value per iteration into a buffer that is rewound before it fills.
template <typename Make>
void PerValue(benchmark::State& state, Make make) {
  RandomSource random(42);
  std::vector<char> buffer(1 << 16);
  char* out = buffer.data();
  for (auto _ : state) {
    if (out > buffer.data() + buffer.size() - 256) out = buffer.data();
    char* end = make(random, out);
    out = end != nullptr ? end : out;
    benchmark::DoNotOptimize(out);
  }
  state.SetItemsProcessed(state.iterations());
}

const LocaleConventions& Conventions() {
  static const LocaleConventions conventions = LocaleConventions::Fallback();
  return conventions;
}

const ValueFormatter& Formatter() {
  static const ValueFormatter formatter{Conventions()};
  return formatter;
}

// Whole-day dates go through the run's cache of their texts.
DateTextCache& DateTexts() {
  static DateTextCache cache{Formatter()};
  return cache;
}

void BM_RandomSource(benchmark::State& state) {
  RandomSource random(42);
  for (auto _ : state) benchmark::DoNotOptimize(random.Next());
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_RandomSource);

void BM_CountingNumber(benchmark::State& state) {
  std::int32_t line = 0;
  PerValue(state, [&](RandomSource&, char* out) { return Formatter().WriteWhole(++line, out); });
}
BENCHMARK(BM_CountingNumber);

void BM_RandomText(benchmark::State& state) {
  const PaddedText start;
  PerValue(state, [&](RandomSource& r, char* out) { return RandomText(r, start, 10, out); });
}
BENCHMARK(BM_RandomText);

void BM_RandomInteger(benchmark::State& state) {
  PerValue(state, [](RandomSource& r, char* out) { return Formatter().WriteWhole(RandomInteger(r, 100), out); });
}
BENCHMARK(BM_RandomInteger);

void BM_RandomDouble(benchmark::State& state) {
  PerValue(state, [](RandomSource& r, char* out) { return Formatter().WriteHundredths(RandomHundredths(r, 100), out); });
}
BENCHMARK(BM_RandomDouble);

// Reals that need all fifteen digits, such as a third: the general conversion.
void BM_RealFifteenDigits(benchmark::State& state) {
  PerValue(state, [](RandomSource& r, char* out) { return Formatter().WriteReal(RandomDouble(r, 100000) / 3.0, out); });
}
BENCHMARK(BM_RealFifteenDigits);

void BM_RandomCurrency(benchmark::State& state) {
  const PaddedText start("$");
  PerValue(state, [&](RandomSource& r, char* out) { return RandomCurrency(r, Formatter(), start, 100, out); });
}
BENCHMARK(BM_RandomCurrency);

void BM_RandomDate(benchmark::State& state) {
  PerValue(state, [](RandomSource& r, char* out) {
    return DateTexts().Write(RandomDate(r, Conventions(), 1998, 5, 0, {}), out);
  });
}
BENCHMARK(BM_RandomDate);

void BM_LinkedDate(benchmark::State& state) {
  const DateSerial base{36526};
  PerValue(state, [&](RandomSource& r, char* out) {
    return DateTexts().Write(RandomDate(r, Conventions(), 0, 10, 6, base), out);
  });
}
BENCHMARK(BM_LinkedDate);

void BM_DateWithTime(benchmark::State& state) {
  double serial = 36526.3765;
  PerValue(state, [&](RandomSource&, char* out) {
    serial = serial > 2900000 ? 36526.3765 : serial + 1.01;
    return Formatter().WriteDate(DateSerial{serial}, out);
  });
}
BENCHMARK(BM_DateWithTime);

void BM_RandomTime(benchmark::State& state) {
  // The steps depend on the field alone: the run works them out once.
  const TimeStart start = ReadTimeStart("8:00", Conventions());
  const std::int32_t steps = TimeSteps(start, 15);
  PerValue(state, [&](RandomSource& r, char* out) { return RandomTime(r, Formatter(), start, 15, steps, out); });
}
BENCHMARK(BM_RandomTime);

void BM_FromFile(benchmark::State& state) {
  const std::vector<PaddedText> items = {PaddedText("CD"), PaddedText("Record"), PaddedText("Cassette")};
  const PaddedText start;
  std::int16_t pick = 0;
  PerValue(state, [&](RandomSource& r, char* out) { return FromFileItem(r, pick, items, 3, start, 0, out); });
}
BENCHMARK(BM_FromFile);

void BM_Street(benchmark::State& state) {
  PerValue(state, [](RandomSource& r, char* out) { return RandomStreet(r, 10, out); });
}
BENCHMARK(BM_Street);

void BM_Phone(benchmark::State& state) {
  const PaddedText start("(02)");
  PerValue(state, [&](RandomSource& r, char* out) { return RandomPhone(r, start, 8, out); });
}
BENCHMARK(BM_Phone);

void BM_Email(benchmark::State& state) {
  const PaddedText start("@example.com");
  PerValue(state, [&](RandomSource& r, char* out) { return RandomEmail(r, start, 10, out); });
}
BENCHMARK(BM_Email);

void BM_WebURL(benchmark::State& state) {
  const PaddedText start(".com.au");
  PerValue(state, [&](RandomSource& r, char* out) { return RandomWebURL(r, start, 10, out); });
}
BENCHMARK(BM_WebURL);

}  // namespace
}  // namespace zelvane

BENCHMARK_MAIN();
