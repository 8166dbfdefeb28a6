// The checker's system on Windows: the conversions the launcher itself uses, file
// names in the ANSI code page of the C library's functions, and the console.
#include <io.h>
#include <stdlib.h>
#include <windows.h>

#include "association_table.h"
#include "commands/registry_view_win32.h"
#include "menu/code_pages_win32.h"
#include "system.h"

namespace check {

namespace {
// Older headers stop at Windows XP's console modes.
const DWORD kVirtualTerminalProcessing = 0x0004;

// The lead-byte test of the host's file names and command line, in its ANSI code page.
bool IsHostLeadByte(unsigned char byte) {
  static const LeadByteTest test = LeadByteTestFor(GetACP());
  return test && test(byte);
}

// Text in a code page as UTF-16; false when strict and a byte is no character there.
bool Widen(UINT codePage, const std::string& text, bool strict, std::wstring* wide) {
  wide->clear();
  if (text.empty()) return true;
  DWORD flags = strict ? MB_ERR_INVALID_CHARS : 0;
  int n = MultiByteToWideChar(codePage, flags, text.data(), (int)text.size(), nullptr, 0);
  if (n <= 0) return false;
  wide->resize(n);
  return MultiByteToWideChar(codePage, flags, text.data(), (int)text.size(), &(*wide)[0], n) == n;
}

// UTF-16 in a code page; false when strict and a character is not in it.
bool Narrow(UINT codePage, const std::wstring& wide, bool strict, std::string* text) {
  text->clear();
  if (wide.empty()) return true;
  BOOL usedDefault = FALSE;
  BOOL* lacked = strict && codePage != CP_UTF8 ? &usedDefault : nullptr;
  int n = WideCharToMultiByte(codePage, NarrowingFlags(codePage), wide.data(), (int)wide.size(), nullptr, 0,
                              nullptr, lacked);
  if (n <= 0 || usedDefault) return false;
  text->resize(n);
  return WideCharToMultiByte(codePage, NarrowingFlags(codePage), wide.data(), (int)wide.size(), &(*text)[0],
                             n, nullptr, nullptr) == n;
}

// A name in one code page spelt in another, or as it is when a character does not convert.
std::string Respell(UINT from, UINT to, const std::string& name) {
  std::wstring wide;
  std::string respelled;
  if (from == to || !Widen(from, name, true, &wide) || !Narrow(to, wide, true, &respelled)) return name;
  return respelled;
}

class SystemDiscCodePage : public DiscCodePage {
 public:
  SystemDiscCodePage(UINT number, UINT legacy) : DiscCodePage(number, legacy), conversions_(legacy) {}
  menu::CodePages& conversions() override { return conversions_; }
  std::string ToHostName(const std::string& discName) override { return Respell(CP_UTF8, CP_ACP, discName); }
  std::string FromHostName(const std::string& hostName) override {
    return Respell(CP_ACP, CP_UTF8, hostName);
  }
  void Write(FILE* stream, const std::string& text) override;

 protected:
  std::string ToUtf8(const std::string& text) override {
    std::wstring wide;
    std::string utf8;
    Widen(number(), text, false, &wide);
    Narrow(CP_UTF8, wide, false, &utf8);
    return utf8;
  }

 private:
  SystemCodePages conversions_;
};

HANDLE HandleOf(FILE* stream) {
  return (HANDLE)_get_osfhandle(_fileno(stream));
}

void SystemDiscCodePage::Write(FILE* stream, const std::string& text) {
  std::wstring wide;
  Widen(CP_UTF8, text, false, &wide);
  fflush(stream);
  HANDLE console = HandleOf(stream);
  DWORD mode;
  if (GetConsoleMode(console, &mode)) {
    // The console shows the characters themselves, whatever its code page. A write is
    // kept to a few thousand characters (older consoles refuse large ones), and never
    // ends between the two halves of a surrogate pair.
    const size_t kPiece = 8192;
    for (size_t done = 0; done < wide.size();) {
      size_t count = wide.size() - done < kPiece ? wide.size() - done : kPiece;
      if (count > 1 && (wide[done + count - 1] & 0xFC00) == 0xD800) --count;
      DWORD written = 0;
      if (!WriteConsoleW(console, wide.data() + done, (DWORD)count, &written, nullptr) || !written) break;
      done += written;
    }
    return;
  }
  // A file or a pipe gets the console's code page, which "type" and the programs of a
  // pipe read it in; without a console, the ANSI code page.
  UINT target = GetConsoleOutputCP();
  if (!target) target = GetACP();
  std::string bytes;
  Narrow(target, wide, false, &bytes);
  fwrite(bytes.data(), 1, bytes.size(), stream);
}

bool IsSeparator(char c) {
  return c == '\\' || c == '/';
}

DWORD originalMode;
HANDLE colouredConsole;

void RestoreConsoleMode() {
  SetConsoleMode(colouredConsole, originalMode);
}
}  // namespace

namespace {
// The launcher's own view of HKEY_CLASSES_ROOT, but silent: where the launcher would
// show the system's error text, the checker's report says what happens.
class QuietClassesRootView : public ClassesRootView {
 public:
  void ReportUnreadableCommand() override {}
};

}  // namespace

Associations SystemAssociations(bool freshWindows) {
  static QuietClassesRootView registry;
  static TableRegistryView table;
  if (freshWindows) return {table, "a fresh Windows 10"};
  return {registry, "this Windows"};
}

unsigned SystemCodePage() {
  return GetACP();
}

std::unique_ptr<DiscCodePage> OpenCodePage(unsigned number) {
  if (!IsValidCodePage(number)) return nullptr;
  UINT legacy = number == CP_UTF8 ? SystemLegacyCodePage() : menu::kWindowsLatin1;
  return std::unique_ptr<DiscCodePage>(new SystemDiscCodePage(number, legacy));
}

std::string TrimHostPath(const std::string& path) {
  std::string trimmed = path;
  for (;;) {
    size_t last =
        trimmed.empty() ? 0 : (size_t)(::LastCharacter(trimmed.c_str(), IsHostLeadByte) - trimmed.c_str());
    bool root = last == 0 || (last == 2 && trimmed[1] == ':');
    if (trimmed.empty() || root || last + 1 != trimmed.size() || !IsSeparator(trimmed[last])) break;
    trimmed.resize(last);
  }
  return trimmed;
}

void SplitHostPath(const std::string& path, std::string* folder, std::string* name) {
  size_t cut = std::string::npos;  // where the name starts
  for (size_t i = 0; i < path.size(); i += IsHostLeadByte((BYTE)path[i]) && i + 1 < path.size() ? 2 : 1)
    if (IsSeparator(path[i]) || (i == 1 && path[i] == ':')) cut = i + 1;
  if (cut == std::string::npos) {
    *folder = ".", *name = path;
    return;
  }
  // "C:\x" and "\x" keep their separator, a root; "C:x" is in the drive's current folder.
  bool root = cut == 1 || (cut == 3 && path[1] == ':');
  if (path[cut - 1] == ':')
    *folder = path.substr(0, cut) + ".";
  else
    *folder = path.substr(0, root ? cut : cut - 1);
  *name = path.substr(cut);
}

bool IsLink(const std::string& hostPath) {
  DWORD attributes = GetFileAttributesA(hostPath.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_REPARSE_POINT);
}

bool IsTerminal(FILE* stream) {
  DWORD mode;
  return GetConsoleMode(HandleOf(stream), &mode) != FALSE;
}

bool StartColours(FILE* stream) {
  HANDLE console = HandleOf(stream);
  DWORD mode;
  if (!GetConsoleMode(console, &mode)) return false;
  if (mode & kVirtualTerminalProcessing) return true;
  // Windows 10 and later read the escape sequences once asked to; older consoles refuse.
  if (!SetConsoleMode(console, mode | kVirtualTerminalProcessing)) return false;
  originalMode = mode, colouredConsole = console;
  atexit(RestoreConsoleMode);
  return true;
}

void KeepConsoleOpen() {
  DWORD processes[2];
  if (!IsTerminal(stdout) || GetConsoleProcessList(processes, 2) != 1) return;
  HANDLE input = GetStdHandle(STD_INPUT_HANDLE);
  DWORD mode, read;
  if (!GetConsoleMode(input, &mode)) return;
  fputs("\nPress Enter to close this window.", stdout);
  fflush(stdout);
  char line[16];
  FlushConsoleInputBuffer(input);
  ReadConsoleA(input, line, sizeof line, &read, nullptr);
}

}  // namespace check
