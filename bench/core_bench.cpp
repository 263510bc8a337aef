// A whole report against the six equation evaluations it contains, done bare.
#include <benchmark/benchmark.h>

#include "main_window/risk_report.h"
#include "model/risk_model.h"

namespace {

const std::array<std::string, kvo::kInputFieldCount> kDefaultTexts{"55", "1",   "240", "45",
                                                                   "1",  "130", "0",   "0"};

void BM_CalcRiskReport(benchmark::State& state) {
  for (auto _ : state) {
    auto report = kvo::CalcRiskReport(kDefaultTexts, ",");
    benchmark::DoNotOptimize(report);
  }
}
BENCHMARK(BM_CalcRiskReport);

void BM_SixBareEquations(benchmark::State& state) {
  kvo::RiskInputs person{55, 1, 240, 45, 1, 130, 0, 0};
  kvo::RiskInputs ideal{55, 1, 180, 50, 0, 110, 0, 0};
  for (auto _ : state) {
    benchmark::DoNotOptimize(person);
    benchmark::DoNotOptimize(ideal);
    for (const std::int16_t years : {4, 6, 8, 10, 12}) {
      benchmark::DoNotOptimize(kvo::CalcProbCHD(person, years));
    }
    benchmark::DoNotOptimize(kvo::CalcProbCHD(ideal, 10));
  }
}
BENCHMARK(BM_SixBareEquations);

void BM_CalcProbCHD(benchmark::State& state) {
  kvo::RiskInputs person{55, 1, 240, 45, 1, 130, 0, 0};
  for (auto _ : state) {
    benchmark::DoNotOptimize(person);
    benchmark::DoNotOptimize(kvo::CalcProbCHD(person, 10));
  }
}
BENCHMARK(BM_CalcProbCHD);

}  // namespace

BENCHMARK_MAIN();
