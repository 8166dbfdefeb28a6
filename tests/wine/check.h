// Minimal checking for the Windows test programs: named cases, counted checks,
// one summary line, exit status 1 when anything failed.
#pragma once
#include <stdio.h>
#include <string.h>
#include <windows.h>

namespace check {
struct Counts { int passed = 0, failed = 0; const char* testCase = ""; };
inline Counts& counts() { static Counts c; return c; }

inline void Report(bool ok, const char* file, int line, const char* what) {
  if (ok) { counts().passed++; return; }
  counts().failed++;
  printf("FAIL %s:%d [%s] %s\n", file, line, counts().testCase, what);
  fflush(stdout);
}
inline void ReportLong(bool ok, const char* file, int line, const char* what, long long got, long long want) {
  if (ok) { counts().passed++; return; }
  counts().failed++;
  printf("FAIL %s:%d [%s] %s: got %lld (0x%llx), want %lld (0x%llx)\n", file, line, counts().testCase,
         what, got, got, want, want);
  fflush(stdout);
}
inline void ReportText(const char* got, const char* want, const char* file, int line, const char* what) {
  bool ok = got && want && strcmp(got, want) == 0;
  if (ok) { counts().passed++; return; }
  counts().failed++;
  printf("FAIL %s:%d [%s] %s: got \"%s\", want \"%s\"\n", file, line, counts().testCase, what,
         got ? got : "(null)", want ? want : "(null)");
  fflush(stdout);
}
// Prints the closing line and gives the exit status of the test program.
inline int Summary() {
  printf("%d passed, %d failed\n", counts().passed, counts().failed);
  fflush(stdout);
  return counts().failed ? 1 : 0;
}

// Windows 10's outline colour for buttons, as the session sets it: Wine's theme (158 on a
// face of 245) stands out from the face by less than 3:1, where the picture buttons take
// their contrast look. Under emulation Wine may lay its theme's colours over the
// session's after the session set them; each test program puts the colour back before
// it starts anything, for itself and for the programs it starts.
struct SessionColours {
  SessionColours() {
    const char kFrame[] = "100 100 100";
    HKEY colours;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, "Control Panel\\Colors", 0, KEY_QUERY_VALUE | KEY_SET_VALUE, &colours))
      return;
    char value[16] = "";
    DWORD size = sizeof value - 1;
    if (RegQueryValueExA(colours, "WindowFrame", nullptr, nullptr, (BYTE*)value, &size) || strcmp(value, kFrame)) {
      RegSetValueExA(colours, "WindowFrame", 0, REG_SZ, (const BYTE*)kFrame, sizeof kFrame);
      const int element = COLOR_WINDOWFRAME;
      const COLORREF frame = RGB(100, 100, 100);
      SetSysColors(1, &element, &frame);
    }
    RegCloseKey(colours);
  }
};
inline SessionColours sessionColours;
}  // namespace check

#define TEST_CASE(name) (check::counts().testCase = (name))
#define CHECK(cond) check::Report((cond), __FILE__, __LINE__, #cond)
#define CHECK_EQ(got, want) \
  check::ReportLong((long long)(got) == (long long)(want), __FILE__, __LINE__, #got " == " #want, \
                    (long long)(got), (long long)(want))
#define CHECK_STR(got, want) check::ReportText((got), (want), __FILE__, __LINE__, #got " == " #want)
