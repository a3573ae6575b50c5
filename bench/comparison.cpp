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

void PrintSummary(const char* name, const char* unit, const std::string& label,
                  const std::vector<double>& values, int runs) {
  if (values.empty()) {
    std::printf("%s %s: no successful run\n", name, label.c_str());
    return;
  }
  const auto [min, max] = std::minmax_element(values.begin(), values.end());
  std::printf("%s %s: median %.1f %s (min %.1f, max %.1f; %zu of %d runs)\n", name, label.c_str(),
              Median(values), unit, *min, *max, values.size(), runs);
}

Sample Measure(const Contender& contender) { return contender.measure(contender.command); }

}  // namespace

int RunComparison(const char* name, const char* unit, const Contender& base,
                  const Contender& subject, int runs) {
  const Sample warm_base = Measure(base);
  if (Interrupted()) return 0;
  const Sample warm_subject = Measure(subject);
  if (Interrupted()) return 0;
  std::printf("%s warm-up: %s %s, %s %s\n", name, base.label.c_str(),
              Describe(warm_base, unit).c_str(), subject.label.c_str(),
              Describe(warm_subject, unit).c_str());
  if (!warm_base.value || !warm_subject.value) return !warm_base.value + !warm_subject.value;

  int failures = 0;
  std::vector<double> base_values;
  std::vector<double> subject_values;
  std::vector<double> ratios;
  for (int run = 1; run <= runs; ++run) {
    const Sample first = Measure(base);
    if (Interrupted()) return failures;
    const Sample second = Measure(subject);
    if (Interrupted()) return failures;
    std::printf("%s run %d/%d: %s %s, %s %s\n", name, run, runs, base.label.c_str(),
                Describe(first, unit).c_str(), subject.label.c_str(),
                Describe(second, unit).c_str());
    failures += !first.value + !second.value;
    if (first.value) base_values.push_back(*first.value);
    if (second.value) subject_values.push_back(*second.value);
    if (first.value && second.value) ratios.push_back(*second.value / *first.value);
  }

  PrintSummary(name, unit, base.label, base_values, runs);
  PrintSummary(name, unit, subject.label, subject_values, runs);
  if (ratios.empty()) {
    std::printf("%s ratio %s/%s: no pair of successful runs\n", name, subject.label.c_str(),
                base.label.c_str());
  } else {
    std::printf("%s ratio %s/%s: %.2f\n", name, subject.label.c_str(), base.label.c_str(),
                Median(ratios));
  }
  return failures;
}

}  // namespace lumetta::bench
