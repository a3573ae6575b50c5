#include "comparison.h"

#include <algorithm>
#include <cstdio>
#include <vector>

#include "child_process.h"

namespace lumetta::bench {
namespace {

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  const size_t middle = values.size() / 2;
  return values.size() % 2 == 1 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

std::string Describe(const Sample& sample, const char* unit) {
  if (!sample.value) return "failed (" + sample.failure + ")";
  char text[64];
  std::snprintf(text, sizeof text, "%.1f %s", *sample.value, unit);
  return text;
}

void PrintSummary(const Benchmark& benchmark, const char* program,
                  const std::vector<double>& values, int runs) {
  if (values.empty()) {
    std::printf("%s %s: no successful run\n", benchmark.name, program);
    return;
  }
  const auto [min, max] = std::minmax_element(values.begin(), values.end());
  std::printf("%s %s: median %.1f %s (min %.1f, max %.1f; %zu of %d runs)\n", benchmark.name,
              program, Median(values), benchmark.unit, *min, *max, values.size(), runs);
}

}  // namespace

int RunComparison(const Benchmark& benchmark, const Programs& programs, int runs) {
  const Sample warm_bare = benchmark.measure(programs.bare);
  if (Interrupted()) return 0;
  const Sample warm_lumetta = benchmark.measure(programs.lumetta);
  if (Interrupted()) return 0;
  std::printf("%s warm-up: bare %s, lumetta %s\n", benchmark.name,
              Describe(warm_bare, benchmark.unit).c_str(),
              Describe(warm_lumetta, benchmark.unit).c_str());
  if (!warm_bare.value || !warm_lumetta.value) return !warm_bare.value + !warm_lumetta.value;

  int failures = 0;
  std::vector<double> bare_values;
  std::vector<double> lumetta_values;
  std::vector<double> ratios;
  for (int run = 1; run <= runs; ++run) {
    const Sample bare = benchmark.measure(programs.bare);
    if (Interrupted()) return failures;
    const Sample lumetta = benchmark.measure(programs.lumetta);
    if (Interrupted()) return failures;
    std::printf("%s run %d/%d: bare %s, lumetta %s\n", benchmark.name, run, runs,
                Describe(bare, benchmark.unit).c_str(), Describe(lumetta, benchmark.unit).c_str());
    failures += !bare.value + !lumetta.value;
    if (bare.value) bare_values.push_back(*bare.value);
    if (lumetta.value) lumetta_values.push_back(*lumetta.value);
    if (bare.value && lumetta.value) ratios.push_back(*lumetta.value / *bare.value);
  }

  PrintSummary(benchmark, "bare", bare_values, runs);
  PrintSummary(benchmark, "lumetta", lumetta_values, runs);
  if (ratios.empty()) {
    std::printf("%s ratio lumetta/bare: no pair of successful runs\n", benchmark.name);
  } else {
    std::printf("%s ratio lumetta/bare: %.2f\n", benchmark.name, Median(ratios));
  }
  return failures;
}

}  // namespace lumetta::bench
