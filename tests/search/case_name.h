#pragma once

#include <gtest/gtest.h>

#include <string>

namespace lumetta::test {

// Names each row of a test table after its `name` field.
template <typename Case>
std::string CaseName(const testing::TestParamInfo<Case>& info) {
  return info.param.name;
}

}  // namespace lumetta::test
