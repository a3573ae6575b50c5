#pragma once

#include <string>

namespace lumetta {

// Error numbers of the runtime the routines report in.
inline constexpr int kErrInvalidCall = 5;
inline constexpr int kErrOverflow = 6;
inline constexpr int kErrOutOfMemory = 7;
inline constexpr int kErrTypeMismatch = 13;
inline constexpr int kErrPathFileAccess = 75;
inline constexpr int kErrPathNotFound = 76;
inline constexpr int kErrObjectNotSet = 91;

// Runs one step of a handler; a step that fails is skipped without a word.
template <typename Step>
void Try(Step step) {
  try {
    step();
  } catch (...) {
  }
}

// Reports the exception being handled to ReportError under `routine`'s name, with the error
// number that matches it. Call only from a catch block.
void ReportCurrentError(const std::string& routine);

// Runs one step of `routine`; a failure is reported and the caller goes on with its next step.
template <typename Step>
void TrapStep(const std::string& routine, Step step) {
  try {
    step();
  } catch (...) {
    ReportCurrentError(routine);
  }
}

// Reports a failed file operation by its errno under `routine`'s name.
void ReportFileError(const std::string& routine, int error);

}  // namespace lumetta
