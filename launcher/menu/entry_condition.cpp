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
  }
  if (out->kind == ConditionKind::kExists || out->kind == ConditionKind::kMissing ||
      out->kind == ConditionKind::kLanguage) {
    out->argument.Assign(rest);
    if (out->argument.empty()) out->kind = ConditionKind::kUnknown;
  }
}

// language:TAG holds for the language the user reads Windows in, by its exact tag or
// by its primary language.
bool UserReads(const UserLanguages& languages, const char* tag) {
  if (languages.count == 0) return false;
  const char* first = languages.tag[0];
  size_t n = strlen(tag);
  return SameTag(tag, n, first) || SameTag(tag, n, PrimaryLanguage(first).c_str());
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

bool ConditionPath(const char* path, const SystemFacts& facts, Text* fullPath) {
  Text expanded = facts.Expand(path);
  const char* name = expanded.c_str();
  if (IsNetworkPath(name)) return false;
  if (IsAbsolute(name)) {
    fullPath->Assign(name);
    return true;
  }
  Text discPath;
  if (ResolveDiscPath(name, "", &discPath) != DiscPathProblem::kNone) return false;
  *fullPath = FullDiscPath(facts.discRoot.c_str(), discPath.c_str());
  return true;
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
    case ConditionKind::kWindowsAtLeast:
      holds = CompareVersions(facts.version, condition.version) >= 0;
      break;
    case ConditionKind::kWindowsBelow:
      holds = CompareVersions(facts.version, condition.version) < 0;
      break;
    case ConditionKind::kExists:
    case ConditionKind::kMissing: {
      // A path that must not be touched answers neither question.
      Text full;
      PathState state = ConditionPath(condition.argument.c_str(), facts, &full) ? facts.Probe(full.c_str())
                                                                                : PathState::kUntouchable;
      if (state == PathState::kUntouchable) return false;
      holds = (state == PathState::kExists) == (condition.kind == ConditionKind::kExists);
      break;
    }
    case ConditionKind::kLanguage:
      holds = UserReads(facts.languages, condition.argument.c_str());
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
