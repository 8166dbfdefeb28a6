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
// that may never answer. COM and LPT take a digit or a superscript 1, 2 or 3, written
// in Windows-1252 (B9, B2, B3) or UTF-8 (C2 B9 ...); in another code page those bytes
// are other characters, and refusing them there costs nothing.
bool IsDeviceName(const char* part, size_t length) {
  size_t base = 0;
  while (base < length && part[base] != '.') base++;
  while (base && part[base - 1] == ' ') base--;
  static const char* const kDevices[] = {"con", "prn", "aux", "nul", "conin$", "conout$", "clock$"};
  for (const char* device : kDevices)
    if (EqualsIgnoringAsciiCase(part, base, device)) return true;
  if (base < 4 || base > 5 ||
      !(EqualsIgnoringAsciiCase(part, 3, "com") || EqualsIgnoringAsciiCase(part, 3, "lpt")))
    return false;
  const unsigned char* number = (const unsigned char*)part + 3;
  if (base == 5) {
    if (number[0] != 0xC2) return false;
    number++;
  }
  return (base == 4 && *number >= '0' && *number <= '9') || *number == 0xB9 || *number == 0xB2 ||
         *number == 0xB3;
}

// A part of dots and blanks only: Windows drops trailing dots and blanks, so ". ." and
// "..." could be read as "." or "..". Only "." and ".." themselves are taken.
bool IsDotsOnly(const char* part, size_t length) {
  for (size_t i = 0; i < length; i++)
    if (part[i] != '.' && part[i] != ' ') return false;
  return true;
}

bool IsDotOrDotDot(const char* part, size_t length) {
  return (length == 1 && part[0] == '.') || (length == 2 && part[0] == '.' && part[1] == '.');
}

// The length of the part at name, up to the next separator that is not the second
// byte of a character.
size_t PartLength(const char* name, LeadByteTest isLeadByte) {
  size_t length = 0;
  while (name[length] && !IsSeparator(name[length])) {
    if (isLeadByte && isLeadByte((unsigned char)name[length]) && name[length + 1]) length++;
    length++;
  }
  return length;
}

// What is wrong with one part other than "." and "..": a wildcard the system would
// match against a folder's names ("|" may be a second byte, the others never are), a
// device's name, or dots and blanks only.
DiscPathProblem PartProblem(const char* part, size_t length, LeadByteTest isLeadByte) {
  for (size_t i = 0; i < length; i++) {
    if (isLeadByte && isLeadByte((unsigned char)part[i]) && i + 1 < length)
      i++;
    else if (strchr("*?<>\"|", part[i]))
      return DiscPathProblem::kWildcard;
  }
  if (IsDotsOnly(part, length) || IsDeviceName(part, length)) return DiscPathProblem::kDevice;
  return DiscPathProblem::kNone;
}

// Removes the last part of a disc path.
void DropLastPart(Text* path, LeadByteTest isLeadByte) {
  const char* last = FindLastCharacter(path->c_str(), '\\', isLeadByte);
  Text parent(path->c_str(), last ? (size_t)(last - path->c_str()) : 0);
  *path = parent;
}

}  // namespace

bool IsNetworkPath(const char* path) {
  if (IsSeparator(path[0]) && IsSeparator(path[1])) return true;
  // "\??\" hands the rest to the object manager: "\??\UNC\host" is a share.
  return IsSeparator(path[0]) && path[1] == '?' && path[2] == '?' && IsSeparator(path[3]);
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
    size_t length = PartLength(name, isLeadByte);
    if (length == 2 && name[0] == '.' && name[1] == '.') {
      if (path.empty()) return DiscPathProblem::kAboveRoot;
      DropLastPart(&path, isLeadByte);
    } else if (length && !IsDotOrDotDot(name, length)) {
      DiscPathProblem problem = PartProblem(name, length, isLeadByte);
      if (problem != DiscPathProblem::kNone) return problem;
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

DiscPathProblem CheckSystemPath(const char* path, LeadByteTest isLeadByte) {
  if (IsNetworkPath(path)) return DiscPathProblem::kNetwork;
  while (*path) {
    size_t length = PartLength(path, isLeadByte);
    // "C:" of a drive is no device's name and holds no wildcard.
    if (length && !IsDotOrDotDot(path, length)) {
      DiscPathProblem problem = PartProblem(path, length, isLeadByte);
      if (problem != DiscPathProblem::kNone) return problem;
    }
    path += length;
    if (*path) path++;
  }
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
