// QXif: the conditions under which an entry is shown, read from the key's value and
// asked of the machine's facts, which the launcher gathers and tests pass in. Pure.
#pragma once
#include "base/text.h"
#include "menu/language_choice.h"

namespace menu {

// Windows' own architecture, whatever the launcher's.
enum class Architecture { kX86, kX64, kArm64 };

struct WindowsVersion {
  unsigned major, minor, build;
};

enum class PathState { kExists, kMissing, kUntouchable };

// What conditions are asked of: the machine, the user and the disc.
class SystemFacts {
 public:
  Architecture architecture = Architecture::kX86;
  WindowsVersion version = {0, 0, 0};
  UserLanguages languages;
  Text discRoot;  // "D:\" or "C:\media\disc\"; paths of exists: are relative to it
  // The text with its %VAR% replaced by the variables' values.
  virtual Text Expand(const char* text) const = 0;
  // Is there a file or folder at this full path? kUntouchable where the path lies on a
  // remote drive, which is never asked.
  virtual PathState Probe(const char* fullPath) const = 0;

 protected:
  ~SystemFacts() {}
};

enum class ConditionKind {
  k32Bit,
  k64Bit,
  kArm64,  // Windows' architecture; 64-bit holds on arm64 too
  kWindowsAtLeast,
  kWindowsBelow,  // windows>=V, windows<V with V 7, 8, 8.1, 10, 11
  kExists,
  kMissing,   // exists:PATH, missing:PATH
  kLanguage,  // language:TAG
  kUnknown,   // holds, negated or not, as where QXif is not known
};

struct Condition {
  ConditionKind kind = ConditionKind::kUnknown;
  bool negated = false;
  Text text;      // the condition as written, quotes removed, "!" included
  Text argument;  // the PATH or TAG
  WindowsVersion version = {0, 0, 0};
};

// Reads the next condition of a QXif value at *cursor and moves past it; false when
// none is left. Conditions are separated by blanks; double quotes keep blanks inside.
bool NextCondition(const char** cursor, Condition* out);

// The full path that exists:/missing: look at: expanded PATH, absolute or relative to
// the disc's root; false where it must not be touched (a network path, a name that
// leaves the disc, a variable left unexpanded).
bool ConditionPath(const char* path, const SystemFacts& facts, Text* fullPath);

bool ConditionHolds(const Condition& condition, const SystemFacts& facts);

// Does every condition of the value hold? An empty value holds.
bool ConditionsHold(const char* value, const SystemFacts& facts);

}  // namespace menu
