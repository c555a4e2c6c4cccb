// Formatting and drawing costs of the generation loop, per value.
#include <benchmark/benchmark.h>

#include <string>

#include "generator/numeric_generators.h"
#include "platform/date_serial.h"
#include "platform/random_source.h"
#include "platform/value_text.h"

namespace zelvane {
namespace {

void BM_DateWithTime(benchmark::State& state) {
  const ValueFormatter formatter{LocaleConventions::Fallback()};
  std::string out;
  double serial = 36526.3765;
  for (auto _ : state) {
    out.clear();
    formatter.AppendDate(DateSerial{serial}, out);
    benchmark::DoNotOptimize(out.data());
    serial += 1.01;
    if (serial > 2900000) serial = 36526.3765;
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_DateWithTime);

void BM_RealNumber(benchmark::State& state) {
  const ValueFormatter formatter{LocaleConventions::Fallback()};
  RandomSource random(42);
  std::string out;
  for (auto _ : state) {
    out.clear();
    formatter.AppendReal(RandomDouble(random, 100000), out);
    benchmark::DoNotOptimize(out.data());
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_RealNumber);

// Reals that need all fifteen digits, such as a third.
void BM_RealNumberFifteenDigits(benchmark::State& state) {
  const ValueFormatter formatter{LocaleConventions::Fallback()};
  RandomSource random(42);
  std::string out;
  for (auto _ : state) {
    out.clear();
    formatter.AppendReal(RandomDouble(random, 100000) / 3.0, out);
    benchmark::DoNotOptimize(out.data());
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_RealNumberFifteenDigits);

void BM_CurrencyPattern(benchmark::State& state) {
  const ValueFormatter formatter{LocaleConventions::Fallback()};
  RandomSource random(42);
  std::string out;
  for (auto _ : state) {
    out.clear();
    formatter.AppendCurrency(RandomDouble(random, 100000), out);
    benchmark::DoNotOptimize(out.data());
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_CurrencyPattern);

void BM_RandomTime(benchmark::State& state) {
  const LocaleConventions conventions = LocaleConventions::Fallback();
  const ValueFormatter formatter{conventions};
  const TimeStart start = ReadTimeStart("8:00", conventions);
  RandomSource random(42);
  std::string out;
  for (auto _ : state) {
    out.clear();
    RandomTime(random, formatter, start, 15, out);
    benchmark::DoNotOptimize(out.data());
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_RandomTime);

void BM_RandomSource(benchmark::State& state) {
  RandomSource random(42);
  for (auto _ : state) benchmark::DoNotOptimize(random.Next());
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_RandomSource);

}  // namespace
}  // namespace zelvane

BENCHMARK_MAIN();
