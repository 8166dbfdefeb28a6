// The elevation retry decision and the split of a command line into program and parameters.
#include <gtest/gtest.h>
#include <string.h>

#include <string>

#include "commands/elevation.h"

namespace {

TEST(Elevation, RetriesOnlyWhenElevationIsRequired) {
  EXPECT_TRUE(elevation::ShouldRetryElevated(740));
  // 193 (not a valid program) is what a 16-bit setup program gets on 64-bit Windows: the
  // failure is reported, and the line is not started a second time by any other way.
  for (unsigned long error : {0ul, 2ul, 5ul, 193ul, 739ul, 741ul, 1223ul, 0x800702E4ul})
    EXPECT_FALSE(elevation::ShouldRetryElevated(error)) << error;
}

// Files where CreateProcess would look, by the name it tries (".exe" already added by
// the real look-up, so "setup" stands for setup.exe).
bool FakeLookup(const char* name, Text* path) {
  static const char* const files[][2] = {
      {"Setup Files\\setup.exe", "D:\\Setup Files\\setup.exe"},
      {"Disk 1\\Setup", "D:\\Disk 1\\Setup.exe"},
      {"Disk 1\\Setup Now\\go", "D:\\Disk 1\\Setup Now\\go.exe"},
      {"C:\\Program Files\\a b.exe", "C:\\Program Files\\a b.exe"},
      {"msiexec", "C:\\Windows\\system32\\msiexec.exe"},
  };
  for (const auto& file : files)
    if (strcmp(name, file[0]) == 0) return path->Assign(file[1]), true;
  return false;
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
      // Unquoted blanks: the shortest prefix that names a file, as the start found it.
      {"Setup Files\\setup.exe /q", "D:\\Setup Files\\setup.exe", "/q"},
      {"Disk 1\\Setup Now\\go /s", "D:\\Disk 1\\Setup.exe", "Now\\go /s"},
      {"msiexec /i \"x y.msi\"", "C:\\Windows\\system32\\msiexec.exe", "/i \"x y.msi\""},
      {"\"C:\\Program Files\\a b.exe\" /q", "C:\\Program Files\\a b.exe", "/q"},
      {"Missing Dir\\x.exe /q", "Missing", "Dir\\x.exe /q"},  // nothing found: the first word
  };
  for (const auto& c : cases) {
    Text program("stale"), parameters("stale");
    elevation::SplitProgram(c.line, FakeLookup, &program, &parameters);
    EXPECT_STREQ(program.c_str(), c.program) << c.line;
    EXPECT_STREQ(parameters.c_str(), c.parameters) << c.line;
  }
}

}  // namespace
