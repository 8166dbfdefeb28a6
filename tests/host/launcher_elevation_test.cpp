// The elevation retry decision and the split of a command line into program and parameters.
#include <gtest/gtest.h>

#include <string>

#include "elevation.h"

namespace {

TEST(Elevation, RetriesOnlyWhenElevationIsRequired) {
  EXPECT_TRUE(elevation::ShouldRetryElevated(740));
  for (unsigned long error : {0ul, 2ul, 5ul, 739ul, 741ul, 1223ul, 0x800702E4ul})
    EXPECT_FALSE(elevation::ShouldRetryElevated(error)) << error;
}

TEST(Elevation, SplitsLikeCreateProcess) {
  const struct {
    const char* line;
    const char* program;
    const char* parameters;
  } cases[] = {
      {"setup.exe", "setup.exe", ""},
      {"setup.exe /q /r", "setup.exe", "/q /r"},
      {"setup.exe \t /q ", "setup.exe", "/q "},
      {"setup.exe\t/q", "setup.exe", "/q"},
      {"\"C:\\Program Files\\a b.exe\" -x \"y z\"", "C:\\Program Files\\a b.exe", "-x \"y z\""},
      {"\"a b.exe\"", "a b.exe", ""},
      {"\"a b.exe\"rest", "a b.exe", "rest"},
      {"\"unclosed name /q", "unclosed name /q", ""},
      {"\"\" x", "", "x"},
      {"", "", ""},
      {" lead.exe x", "", "lead.exe x"},  // a leading blank leaves an empty program name
  };
  for (const auto& c : cases) {
    Text program("stale"), parameters("stale");
    elevation::SplitProgram(c.line, &program, &parameters);
    EXPECT_STREQ(program.c_str(), c.program) << c.line;
    EXPECT_STREQ(parameters.c_str(), c.parameters) << c.line;
  }
}

}  // namespace
