// QXif: the conditions under which an entry is shown, read from the key's value and
// asked of the machine's facts, which the launcher gathers and tests pass in. Pure.
#pragma once
#include "base/text.h"
#include "menu/disc_walk.h"
#include "menu/language_choice.h"

namespace menu {

// Windows' own architecture, whatever the launcher's.
enum class Architecture { kX86, kX64, kArm64 };

struct WindowsVersion {
  unsigned major, minor, build;
};

// The registry's trees that registry: asks.
enum class RegistryRoot { kLocalMachine, kCurrentUser, kClassesRoot };

// What conditions are asked of: the machine, the user and the disc.
class SystemFacts {
 public:
  Architecture architecture = Architecture::kX86;
  WindowsVersion version = {0, 0, 0};
  UserLanguages languages;
  Text discRoot;                      // "D:\" or "C:\media\disc\"; paths of exists: are relative to it
  LeadByteTest isLeadByte = nullptr;  // of the code page the menu's texts are in
  // The value of an environment variable; false where it is not set.
  virtual bool Variable(const char* name, Text* value) const = 0;
  // Is there a file or folder at this full path? kUntouchable where the path lies on a
  // remote drive, which is never asked.
  virtual PathState Probe(const char* fullPath) const = 0;
  // The same for a path on the disc, walked from its root: kUntouchable through a link.
  virtual PathState ProbeDisc(const char* discPath) const = 0;
  // Is there the key (value null) or a value of that name in the key ("" for the key's
  // default value)? On 64-bit Windows in either registry view.
  virtual bool RegistryHas(RegistryRoot root, const char* key, const char* value) const = 0;

 protected:
  ~SystemFacts() {}
};

enum class ConditionKind {
  k32Bit,
  k64Bit,
  kArm64,  // Windows' architecture; 64-bit holds on arm64 too
  kX64,    // x64 programs run: x64 Windows, or Windows 11 on ARM
  kWindowsAtLeast,
  kWindowsBelow,  // windows>=V, windows<V with V 7, 8, 8.1, 10, 11
  kExists,
  kMissing,   // exists:PATH, missing:PATH
  kLanguage,  // language:TAG
  kRegistry,  // registry:ROOT\KEY or registry:ROOT\KEY\\VALUE
  kUnknown,   // holds, negated or not, as where QXif is not known
};

struct Condition {
  ConditionKind kind = ConditionKind::kUnknown;
  bool negated = false;
  Text text;      // the condition as written, quotes removed, "!" included
  Text argument;  // the PATH, TAG or registry key
  WindowsVersion version = {0, 0, 0};
};

// Reads the next condition of a QXif value at *cursor and moves past it; false when
// none is left. Conditions are separated by blanks; double quotes keep blanks inside.
bool NextCondition(const char** cursor, Condition* out);

// What exists:/missing: find at PATH: its variables expanded, absolute or on the disc.
// kMissing where a variable is not set; kUntouchable where the path must not be
// touched (the network, an NT path, a device, a name that leaves the disc, a link on
// the disc, a disc whose root is not known).
PathState ConditionPathState(const char* path, const SystemFacts& facts);

// Splits a registry: argument "HKLM\Software\X" or "HKLM\Software\X\\Value": the
// root, the key and, after the first doubled "\", the value's name (value stays empty
// and *hasValue false for the key alone). False for an unknown root.
bool ReadRegistryPath(const char* argument, RegistryRoot* root, Text* key, Text* value, bool* hasValue,
                      LeadByteTest isLeadByte = nullptr);

bool ConditionHolds(const Condition& condition, const SystemFacts& facts);

// Does every condition of the value hold? An empty value holds.
bool ConditionsHold(const char* value, const SystemFacts& facts);

}  // namespace menu
