// Reading and asking QXif conditions.
#include "menu/entry_condition.h"

#include <string.h>

#include "menu/disc_path.h"

namespace menu {

namespace {

struct NamedVersion {
  const char* name;
  WindowsVersion version;
};

// Windows 11 is Windows 10.0 from build 22000 on.
const NamedVersion kVersions[] = {
    {"7", {6, 1, 0}}, {"8", {6, 2, 0}}, {"8.1", {6, 3, 0}}, {"10", {10, 0, 0}}, {"11", {10, 0, 22000}},
};

bool SameWord(const char* text, const char* word) {
  return EqualsIgnoringAsciiCase(text, strlen(text), word);
}

// Does text begin with prefix (ignoring ASCII case)? *rest is what follows.
bool StartsWith(const char* text, const char* prefix, const char** rest) {
  if (!StartsWithIgnoringAsciiCase(text, prefix)) return false;
  *rest = text + strlen(prefix);
  return true;
}

bool ReadVersion(const char* name, WindowsVersion* version) {
  for (const NamedVersion& known : kVersions) {
    if (strcmp(name, known.name) == 0) {
      *version = known.version;
      return true;
    }
  }
  return false;
}

int CompareVersions(const WindowsVersion& a, const WindowsVersion& b) {
  if (a.major != b.major) return a.major < b.major ? -1 : 1;
  if (a.minor != b.minor) return a.minor < b.minor ? -1 : 1;
  if (a.build != b.build) return a.build < b.build ? -1 : 1;
  return 0;
}

void Classify(const char* body, Condition* out) {
  const char* rest;
  out->kind = ConditionKind::kUnknown;
  if (SameWord(body, "32-bit")) {
    out->kind = ConditionKind::k32Bit;
  } else if (SameWord(body, "64-bit")) {
    out->kind = ConditionKind::k64Bit;
  } else if (SameWord(body, "arm64")) {
    out->kind = ConditionKind::kArm64;
  } else if (SameWord(body, "x64")) {
    out->kind = ConditionKind::kX64;
  } else if (StartsWith(body, "windows>=", &rest)) {
    if (ReadVersion(rest, &out->version)) out->kind = ConditionKind::kWindowsAtLeast;
  } else if (StartsWith(body, "windows<", &rest)) {
    if (ReadVersion(rest, &out->version)) out->kind = ConditionKind::kWindowsBelow;
  } else if (StartsWith(body, "exists:", &rest)) {
    out->kind = ConditionKind::kExists;
  } else if (StartsWith(body, "missing:", &rest)) {
    out->kind = ConditionKind::kMissing;
  } else if (StartsWith(body, "language:", &rest)) {
    out->kind = ConditionKind::kLanguage;
  } else if (StartsWith(body, "registry:", &rest)) {
    // A root this launcher does not know makes a condition it does not know.
    RegistryRoot root;
    Text key, value;
    bool hasValue;
    if (ReadRegistryPath(rest, &root, &key, &value, &hasValue)) out->kind = ConditionKind::kRegistry;
  }
  if (out->kind == ConditionKind::kExists || out->kind == ConditionKind::kMissing ||
      out->kind == ConditionKind::kLanguage || out->kind == ConditionKind::kRegistry) {
    out->argument.Assign(rest);
    if (out->argument.empty()) out->kind = ConditionKind::kUnknown;
  }
}

// PATH with each %NAME% replaced by the variable's value; false where one is not set.
// A "%" without a partner stays, and the path rules refuse it. "%" is never the second
// byte of a double-byte character.
bool ExpandVariables(const char* path, const SystemFacts& facts, Text* expanded) {
  expanded->Clear();
  while (const char* open = strchr(path, '%')) {
    const char* close = strchr(open + 1, '%');
    if (!close) break;
    expanded->Append(path, (size_t)(open - path));
    Text name(open + 1, (size_t)(close - open - 1)), value;
    if (!facts.Variable(name.c_str(), &value)) return false;
    expanded->Append(value.c_str());
    path = close + 1;
  }
  expanded->Append(path);
  return true;
}

bool IsRegistryRoot(const char* text, size_t length, const char* shortName, const char* longName) {
  return EqualsIgnoringAsciiCase(text, length, shortName) || EqualsIgnoringAsciiCase(text, length, longName);
}

// Where x64 programs run: x64 Windows, and Windows on ARM from Windows 11, whose
// emulation runs them (Windows 10 on ARM emulates x86 alone).
bool RunsX64Programs(const SystemFacts& facts) {
  const WindowsVersion kWindows11 = {10, 0, 22000};
  return facts.architecture == Architecture::kX64 ||
         (facts.architecture == Architecture::kArm64 && CompareVersions(facts.version, kWindows11) >= 0);
}

bool RegistryHolds(const char* argument, const SystemFacts& facts) {
  RegistryRoot root;
  Text key, value;
  bool hasValue;
  if (!ReadRegistryPath(argument, &root, &key, &value, &hasValue, facts.isLeadByte)) return false;
  return facts.RegistryHas(root, key.c_str(), hasValue ? value.c_str() : nullptr);
}

bool IsAbsolute(const char* path) {
  return ((path[0] | 0x20) >= 'a' && (path[0] | 0x20) <= 'z') && path[1] == ':' &&
         (path[2] == '\\' || path[2] == '/');
}

}  // namespace

bool NextCondition(const char** cursor, Condition* out) {
  const char* p = *cursor;
  while (IsTrimSpace((unsigned char)*p)) p++;
  if (!*p) {
    *cursor = p;
    return false;
  }
  // Blanks and quotes are single bytes that no double-byte character holds as its second.
  out->text.Clear();
  bool quoted = false;
  for (; *p && (quoted || !IsTrimSpace((unsigned char)*p)); p++) {
    if (*p == '"')
      quoted = !quoted;
    else
      out->text.AppendChar(*p);
  }
  *cursor = p;
  const char* body = out->text.c_str();
  out->negated = *body == '!';
  if (out->negated) body++;
  out->argument.Clear();
  Classify(body, out);
  return true;
}

bool ReadRegistryPath(const char* argument, RegistryRoot* root, Text* key, Text* value, bool* hasValue,
                      LeadByteTest isLeadByte) {
  const char* slash = strchr(argument, '\\');  // root names are ASCII: the first "\" ends one
  size_t length = slash ? (size_t)(slash - argument) : strlen(argument);
  if (IsRegistryRoot(argument, length, "HKLM", "HKEY_LOCAL_MACHINE"))
    *root = RegistryRoot::kLocalMachine;
  else if (IsRegistryRoot(argument, length, "HKCU", "HKEY_CURRENT_USER"))
    *root = RegistryRoot::kCurrentUser;
  else if (IsRegistryRoot(argument, length, "HKCR", "HKEY_CLASSES_ROOT"))
    *root = RegistryRoot::kClassesRoot;
  else
    return false;
  const char* rest = slash ? slash + 1 : argument + length;
  // The value's name follows the first "\\" that is not a character's second byte.
  const char* split = nullptr;
  for (const char* p = rest; *p && !split; p++) {
    if (isLeadByte && isLeadByte((unsigned char)*p) && p[1])
      p++;
    else if (p[0] == '\\' && p[1] == '\\')
      split = p;
  }
  *hasValue = split != nullptr;
  key->Assign(rest, split ? (size_t)(split - rest) : strlen(rest));
  value->Assign(split ? split + 2 : "");
  return true;
}

PathState ConditionPathState(const char* path, const SystemFacts& facts) {
  Text expanded;
  if (!ExpandVariables(path, facts, &expanded)) return PathState::kMissing;
  const char* name = expanded.c_str();
  if (IsAbsolute(name)) {
    if (CheckSystemPath(name + 2, facts.isLeadByte) != DiscPathProblem::kNone) return PathState::kUntouchable;
    return facts.Probe(name);
  }
  // Without its root ("D:\") a disc path would be taken from the current drive's.
  Text discPath;
  if (facts.discRoot.empty() ||
      ResolveDiscPath(name, "", &discPath, facts.isLeadByte) != DiscPathProblem::kNone)
    return PathState::kUntouchable;
  return facts.ProbeDisc(discPath.c_str());
}

bool ConditionHolds(const Condition& condition, const SystemFacts& facts) {
  bool holds = true;
  switch (condition.kind) {
    case ConditionKind::kUnknown:
      return true;
    case ConditionKind::k32Bit:
      holds = facts.architecture == Architecture::kX86;
      break;
    case ConditionKind::k64Bit:
      holds = facts.architecture != Architecture::kX86;
      break;
    case ConditionKind::kArm64:
      holds = facts.architecture == Architecture::kArm64;
      break;
    case ConditionKind::kX64:
      holds = RunsX64Programs(facts);
      break;
    case ConditionKind::kWindowsAtLeast:
      holds = CompareVersions(facts.version, condition.version) >= 0;
      break;
    case ConditionKind::kWindowsBelow:
      holds = CompareVersions(facts.version, condition.version) < 0;
      break;
    case ConditionKind::kExists:
    case ConditionKind::kMissing: {
      // A path that must not be touched answers neither question.
      PathState state = ConditionPathState(condition.argument.c_str(), facts);
      if (state == PathState::kUntouchable) return false;
      holds = (state == PathState::kExists) == (condition.kind == ConditionKind::kExists);
      break;
    }
    case ConditionKind::kLanguage:
      holds = ReadsLanguage(facts.languages, condition.argument.c_str());
      break;
    case ConditionKind::kRegistry:
      holds = RegistryHolds(condition.argument.c_str(), facts);
      break;
  }
  return holds != condition.negated;
}

bool ConditionsHold(const char* value, const SystemFacts& facts) {
  Condition condition;
  while (NextCondition(&value, &condition)) {
    if (!ConditionHolds(condition, facts)) return false;
  }
  return true;
}

}  // namespace menu
