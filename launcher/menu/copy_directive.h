// The QXcopy directive "source|folder": where a file is copied from and to.
// Pure: the Windows directory is an input, the copy itself is the caller's.
#pragma once
#include "base/text.h"
#include "menu/disc_path.h"

namespace menu {

const size_t kCopyValueLimit = 255;        // characters of a directive value
const size_t kCopyDestinationLimit = 255;  // characters of folder, "\" and file name

// What the launcher does with a directive: copy, or why it copies nothing. Nothing is
// cut at a limit, so nothing is copied to a wrong name.
enum class CopyOutcome {
  kCopy,
  kNoFolder,            // fewer than two fields
  kValueTooLong,        // more than kCopyValueLimit characters
  kDestinationTooLong,  // folder, "\" and file name beyond kCopyDestinationLimit
  kOutOfMemory,
};

// Splits a directive value as the launcher does: fields separated by "|" the way
// strtok separates them, "%windir%" (exact, whole field) standing for windowsDir,
// a "\" added when the folder's last character is not one, then the source's file
// name (after its last "\"). Every search steps over double-byte characters, whose
// second byte may be "|" or "\". Source and destination are set only for kCopy.
CopyOutcome ParseCopyDirective(const char* value, const char* windowsDir, Text* source, Text* destination,
                               LeadByteTest isLeadByte = nullptr);

// What the launcher refuses of a parsed directive before it copies: a source that is
// not a file of the disc (read from its root, as every disc path of a menu), and a
// destination on a network or NT path or that names a device. A relative folder stays
// the author's choice. *discSource is the source's path from the disc's root.
enum class CopyRefusal { kNone, kSourceOffDisc, kDestinationOffLimits };
CopyRefusal CheckCopyPaths(const char* source, const char* destination, Text* discSource,
                           LeadByteTest isLeadByte = nullptr);

}  // namespace menu
