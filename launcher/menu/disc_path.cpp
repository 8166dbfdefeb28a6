// Paths that a menu names, read as paths on the disc and refused when they are not.
#include "menu/disc_path.h"

#include <string.h>

namespace menu {

namespace {

bool IsSeparator(char c) {
  return c == '\\' || c == '/';
}

// Windows takes these names as devices in every folder, whatever extension follows
// and with blanks before it: "D:\nul.ico" is the null device, "D:\com1" a serial port
// that may never answer.
bool IsDeviceName(const char* part, size_t length) {
  size_t base = 0;
  while (base < length && part[base] != '.') base++;
  while (base && part[base - 1] == ' ') base--;
  static const char* const kDevices[] = {"con", "prn", "aux", "nul", "conin$", "conout$", "clock$"};
  for (const char* device : kDevices)
    if (EqualsIgnoringAsciiCase(part, base, device)) return true;
  if (base == 4 && (EqualsIgnoringAsciiCase(part, 3, "com") || EqualsIgnoringAsciiCase(part, 3, "lpt")))
    return part[3] >= '0' && part[3] <= '9';
  return false;
}

// A part of dots and blanks only: Windows drops trailing dots and blanks, so ". ." and
// "..." could be read as "." or "..". Only "." and ".." themselves are taken.
bool IsDotsOnly(const char* part, size_t length) {
  for (size_t i = 0; i < length; i++)
    if (part[i] != '.' && part[i] != ' ') return false;
  return true;
}

// Removes the last part of a disc path.
void DropLastPart(Text* path, LeadByteTest isLeadByte) {
  const char* last = FindLastCharacter(path->c_str(), '\\', isLeadByte);
  Text parent(path->c_str(), last ? (size_t)(last - path->c_str()) : 0);
  *path = parent;
}

}  // namespace

bool IsNetworkPath(const char* path) {
  return IsSeparator(path[0]) && IsSeparator(path[1]);
}

size_t CharacterCount(const char* text, LeadByteTest isLeadByte) {
  size_t count = 0;
  for (size_t i = 0; text[i]; i++, count++)
    if (isLeadByte && isLeadByte((unsigned char)text[i]) && text[i + 1]) i++;
  return count;
}

DiscPathProblem ResolveDiscPath(const char* name, const char* folder, Text* discPath,
                                LeadByteTest isLeadByte) {
  discPath->Clear();
  if (!name[0]) return DiscPathProblem::kEmpty;
  if (IsNetworkPath(name)) return DiscPathProblem::kNetwork;
  // Neither byte can be the second byte of a double-byte character.
  if (strchr(name, '%')) return DiscPathProblem::kEnvironment;
  if (strchr(name, ':')) return DiscPathProblem::kDrive;
  Text path;
  if (IsSeparator(name[0]))
    name++;
  else
    path.Assign(folder);
  while (*name) {
    // One part, up to the next separator that is not the second byte of a character.
    size_t length = 0;
    while (name[length] && !IsSeparator(name[length])) {
      if (isLeadByte && isLeadByte((unsigned char)name[length]) && name[length + 1]) length++;
      length++;
    }
    if (length == 2 && name[0] == '.' && name[1] == '.') {
      if (path.empty()) return DiscPathProblem::kAboveRoot;
      DropLastPart(&path, isLeadByte);
    } else if (length && !(length == 1 && name[0] == '.')) {
      if (IsDotsOnly(name, length) || IsDeviceName(name, length)) return DiscPathProblem::kDevice;
      if (!path.empty()) path.AppendChar('\\');
      path.Append(name, length);
    }
    name += length;
    if (*name) name++;
  }
  if (path.empty()) return DiscPathProblem::kEmpty;
  *discPath = path;
  return DiscPathProblem::kNone;
}

DiscPathProblem MenuFolderOnDisc(const char* menuFile, Text* folder, LeadByteTest isLeadByte) {
  DiscPathProblem problem = ResolveDiscPath(menuFile, "", folder, isLeadByte);
  if (problem == DiscPathProblem::kNone) DropLastPart(folder, isLeadByte);
  return problem;
}

Text FullDiscPath(const char* discRoot, const char* discPath, LeadByteTest isLeadByte) {
  Text full(discRoot);
  const char* last = LastCharacter(discRoot, isLeadByte);
  if (!last || !IsSeparator(*last)) full.AppendChar('\\');  // a lead byte is never a separator
  full.Append(discPath);
  return full;
}

}  // namespace menu
