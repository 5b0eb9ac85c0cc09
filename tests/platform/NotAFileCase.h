#pragma once
// Something other than a regular file at the path is refused at once, never waited on.
// The kinds every system has are tried in InputFileTest.cpp, the others beside it.

#include <gtest/gtest.h>

#include <string>

namespace validador::platform {

struct NotAFileCase {
  const char* name;
  void (*make)(const std::string& path);
  const char* message;
};

class InputFileRefuses : public ::testing::TestWithParam<NotAFileCase> {};

}  // namespace validador::platform
