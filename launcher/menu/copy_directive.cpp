// The QXcopy directive: its split into source and destination.
#include "menu/copy_directive.h"

#include <string.h>

namespace menu {

namespace {

const char kFieldSeparator = '|';
const char kWindowsDirField[] = "%windir%";  // case matters, whole field only

// The next field the way strtok finds it: separators before it are skipped, so
// leading and doubled ones separate nothing. False when no field is left.
bool NextField(const char** cursor, const char** field, size_t* length, LeadByteTest isLeadByte) {
  const char* p = *cursor;
  while (*p == kFieldSeparator) p++;
  if (!*p) return false;
  const char* end = FindCharacter(p, kFieldSeparator, isLeadByte);
  if (!end) end = p + strlen(p);
  *field = p;
  *length = (size_t)(end - p);
  *cursor = end;
  return true;
}

}  // namespace

CopyOutcome ParseCopyDirective(const char* value, const char* windowsDir, Text* source, Text* destination,
                               LeadByteTest isLeadByte) {
  source->Clear();
  destination->Clear();
  if (strlen(value) > kCopyValueLimit) return CopyOutcome::kValueTooLong;
  const char* cursor = value;
  const char* field;
  size_t length;
  if (!NextField(&cursor, &field, &length, isLeadByte)) return CopyOutcome::kNoFolder;
  Text from(field, length);
  if (!NextField(&cursor, &field, &length, isLeadByte)) return CopyOutcome::kNoFolder;
  Text to(field, length);
  if (strcmp(to.c_str(), kWindowsDirField) == 0) to.Assign(windowsDir);
  // A lead byte is never "\\", so the first byte of the last character tells.
  const char* last = LastCharacter(to.c_str(), isLeadByte);
  if (last && *last != '\\') to.AppendChar('\\');
  // The file name is what follows the last "\" byte; "/" separates nothing.
  const char* lastBackslash = FindLastCharacter(from.c_str(), '\\', isLeadByte);
  to.Append(lastBackslash ? lastBackslash + 1 : from.c_str());
  if (!to.ok() || !from.ok()) return CopyOutcome::kOutOfMemory;
  if (to.length() > kCopyDestinationLimit) return CopyOutcome::kDestinationTooLong;
  *source = from;
  *destination = to;
  return CopyOutcome::kCopy;
}

CopyRefusal CheckCopyPaths(const char* source, const char* destination, Text* discSource,
                           LeadByteTest isLeadByte) {
  if (ResolveDiscPath(source, "", discSource, isLeadByte) != DiscPathProblem::kNone)
    return CopyRefusal::kSourceOffDisc;
  if (CheckSystemPath(destination, isLeadByte) != DiscPathProblem::kNone)
    return CopyRefusal::kDestinationOffLimits;
  return CopyRefusal::kNone;
}

}  // namespace menu
