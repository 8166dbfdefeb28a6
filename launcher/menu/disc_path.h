// Which file of the disc a path in a menu names, if any. A menu may name the disc's
// own files and nothing else: the system is never handed a name it could take to the
// network, to a device or to a search of its own folders. Pure.
#pragma once
#include "base/text.h"

namespace menu {

enum class DiscPathProblem {
  kNone,
  kEmpty,        // no name at all
  kNetwork,      // \\server, //host, \\?\, \\.\ (two leading separators) or an NT path \??\x
  kDrive,        // a ":": a drive letter, or a stream of a file
  kEnvironment,  // a "%": the system might put a variable's value in its place
  kAboveRoot,    // ".." climbs out of the disc
  kDevice,       // a part that is a device's name (CON, NUL, COM1, COM¹ ...) or dots only
  kWildcard,     // a part with * ? < > " or |, which the system may match against names
};

// Reads name as a path on the disc: relative to folder (a disc path, "" for the root),
// or to the disc's root after one leading "\" or "/". On success *discPath is the path
// from the disc's root, its parts joined by "\", without "." or "..".
DiscPathProblem ResolveDiscPath(const char* name, const char* folder, Text* discPath,
                                LeadByteTest isLeadByte = nullptr);

// The folder of a menu file, named as the launcher opens it, as a disc path ("" for
// autorun.inf). A menu file that is not on the disc has no folder there.
DiscPathProblem MenuFolderOnDisc(const char* menuFile, Text* folder, LeadByteTest isLeadByte = nullptr);

// The full path of a disc path: the disc's root ("D:\" or "C:\media\disc") and the path.
// The system is given this, never a relative name that it would search for.
Text FullDiscPath(const char* discRoot, const char* discPath, LeadByteTest isLeadByte = nullptr);

// Does the path begin with two separators in any mix ("\\", "//", "\/", "/\"), which
// covers \\?\UNC\ and \\.\, or with "\??\", an NT path such as \??\UNC\host?
bool IsNetworkPath(const char* path);

// A path outside the disc that the launcher still hands the system (a condition's
// absolute path, a copy's folder): kNetwork, kWildcard or kDevice as for a disc path,
// else kNone. Its parts are not worked out.
DiscPathProblem CheckSystemPath(const char* path, LeadByteTest isLeadByte = nullptr);

// The characters of text: a double-byte character counts once.
size_t CharacterCount(const char* text, LeadByteTest isLeadByte = nullptr);

}  // namespace menu
