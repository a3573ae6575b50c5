#pragma once

#include <optional>
#include <string>

namespace lumetta::bench {

// One measurement of one program: a figure in its benchmark's unit, or why there is none.
struct Sample {
  std::optional<double> value;
  std::string failure;
};

// A named measurement, taken the same way on lumetta and on the bare window.
struct Benchmark {
  const char* name;  // starts each line the benchmark prints
  const char* unit;
  Sample (*measure)(const std::string& program);
};

struct Programs {
  std::string lumetta;
  std::string bare;
};

// Measures each program once as a warm-up (so that both find their libraries in the page
// cache), then `runs` times each, alternating bare and lumetta, printing every pair. Ends with
// the median of each program and the median of the paired ratios lumetta/bare. Returns the
// number of failed runs; a failed warm-up ends the benchmark there.
int RunComparison(const Benchmark& benchmark, const Programs& programs, int runs);

}  // namespace lumetta::bench
