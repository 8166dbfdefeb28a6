// What the checker takes from the system it runs on: the conversions of the disc's
// code page to UTF-8, the host's file names, the paths given on its command line, and the
// terminal its report goes to. One implementation for Linux (iconv, UTF-8 terminals
// and file names), one for Windows (its own conversions, the console).
#pragma once
#include <stdio.h>

#include <memory>
#include <string>
#include <vector>

#include "base/text.h"
#include "commands/association.h"
#include "menu/menu_encoding.h"

namespace check {

// The ANSI code page the disc's texts are read in when none is named: Windows-1252
// on Linux (a Western Windows), the system's own on Windows.
unsigned SystemCodePage();

// The ANSI code page of the Windows the checker stands for. Inside the checker every
// text is UTF-8, as inside the launcher: a menu file in this code page is judged as its
// bytes stand (its limits and lead bytes are the code page's) and converted once read; a
// file saved as Unicode is UTF-8 from the start.
class DiscCodePage {
 public:
  virtual ~DiscCodePage() {}
  unsigned number() const { return number_; }
  // Where the ANSI code page is UTF-8: the code page a file that is not UTF-8 is read in.
  unsigned legacyNumber() const { return legacyNumber_; }
  // The launcher's conversions of a menu file saved as Unicode to UTF-8.
  virtual menu::CodePages& conversions() = 0;
  // Text in textCodePage (this code page or UTF-8, as EncodingChoice::TextCodePage tells)
  // in UTF-8; a byte this code page has no character for becomes U+FFFD.
  std::string Utf8Of(const std::string& text, unsigned textCodePage) {
    return textCodePage == menu::kUtf8CodePage ? text : ToUtf8(text);
  }
  // Writes UTF-8 text to a stream as its reader reads it: UTF-8 on Linux; on Windows the
  // console's characters, or its code page when the stream is a file.
  virtual void Write(FILE* stream, const std::string& text) = 0;

 protected:
  DiscCodePage(unsigned number, unsigned legacyNumber) : number_(number), legacyNumber_(legacyNumber) {}
  // Text in this code page in UTF-8.
  virtual std::string ToUtf8(const std::string& text) = 0;

 private:
  unsigned number_, legacyNumber_;
};

// The code page, or null when the system cannot convert it.
std::unique_ptr<DiscCodePage> OpenCodePage(unsigned number);

// The document associations that commands are composed with, and whose they are, for
// the report ("this Windows" or "a fresh Windows 10").
struct Associations {
  assoc::RegistryView& registry;
  const char* name;
};
// On Windows the registry's own, read only and without any box, unless freshWindows;
// on Linux, and with freshWindows, a fresh Windows 10's (association_table.h).
Associations SystemAssociations(bool freshWindows = false);

// The host's files by paths in UTF-8, as the checker keeps every text: on Linux as they
// are; on Windows through its UTF-16 calls, so that a name the ANSI code page cannot
// spell (a disc's Joliet and UDF names are Unicode) is found and read as well.
FILE* OpenHostFile(const std::string& path);  // for reading bytes; null when it cannot
enum class HostEntry { kNone, kFile, kFolder, kOther };
// What the path names, through any symbolic link (as stat answers).
HostEntry HostEntryAt(const std::string& path);
// The names in a folder, "." and ".." among them; false when it cannot be listed.
bool ListHostFolder(const std::string& folder, std::vector<std::string>* names);

#ifdef _WIN32
// The program's arguments, given in UTF-16, in UTF-8.
std::vector<std::string> Utf8Arguments(int argc, wchar_t** argv);
#endif

// A path from the command line without separators at its end, but for a root's ("/",
// "C:\"): Windows' C library finds no folder "C:\disc\".
std::string TrimHostPath(const std::string& path);
// A trimmed path split into its folder ("." when it names none) and its last part; the
// separators are "/" and, on Windows, "\" and a drive's ":".
void SplitHostPath(const std::string& path, std::string* folder, std::string* name);

// Is the host path a symbolic link (on Windows any reparse point, a junction too)? The
// name itself is asked (lstat), never what it leads to; false where there is no such name.
bool IsLink(const std::string& hostPath);

// Does the stream go to a terminal (a console on Windows)?
bool IsTerminal(FILE* stream);
// Lets the terminal show colours and bold text from escape sequences; false when it cannot.
bool StartColours(FILE* stream);
// On Windows, a console opened for this program alone (its icon double-clicked, a folder
// dropped on it) closes when the program ends: there the report waits for Enter first.
void KeepConsoleOpen();

}  // namespace check
