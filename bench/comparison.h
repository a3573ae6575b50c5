#pragma once

#include <optional>
#include <string>
#include <vector>

namespace lumetta::bench {

// One measurement of one program: a figure in its benchmark's unit, or why there is none.
struct Sample {
  std::optional<double> value;
  std::string failure;
};

// One side of a comparison: a program with its leading arguments, and how it is measured.
struct Contender {
  std::string label;  // names its figures in every line
  std::vector<std::string> command;
  Sample (*measure)(const std::vector<std::string>& command);
};

// Measures each contender once as a warm-up (so that both find their libraries in the page
// cache), then `runs` times each, alternating `base` and `subject`, printing every pair. Ends
// with the median of each and the median of the paired ratios subject/base, all in lines
// starting with `name`. Returns the number of failed runs; a failed warm-up ends it there.
int RunComparison(const char* name, const char* unit, const Contender& base,
                  const Contender& subject, int runs);

}  // namespace lumetta::bench
