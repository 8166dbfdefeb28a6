// The checker's system on Windows: the conversions the launcher itself uses, files
// opened and listed by their UTF-16 names, and the console.
#include <io.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <windows.h>

#include "association_table.h"
#include "commands/registry_view_win32.h"
#include "menu/code_pages_win32.h"
#include "system.h"

namespace check {

namespace {
// Older headers stop at Windows XP's console modes.
const DWORD kVirtualTerminalProcessing = 0x0004;

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

// A path in UTF-8 as Windows' UTF-16 calls take it.
std::wstring WidePath(const std::string& path) {
  std::wstring wide;
  Widen(CP_UTF8, path, false, &wide);
  return wide;
}

class SystemDiscCodePage : public DiscCodePage {
 public:
  SystemDiscCodePage(UINT number, UINT legacy) : DiscCodePage(number, legacy), conversions_(legacy) {}
  menu::CodePages& conversions() override { return conversions_; }
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

FILE* OpenHostFile(const std::string& path) {
  return _wfopen(WidePath(path).c_str(), L"rb");
}

HostEntry HostEntryAt(const std::string& path) {
  struct _stat st;
  if (_wstat(WidePath(path).c_str(), &st) != 0) return HostEntry::kNone;
  if ((st.st_mode & _S_IFMT) == _S_IFREG) return HostEntry::kFile;
  return (st.st_mode & _S_IFMT) == _S_IFDIR ? HostEntry::kFolder : HostEntry::kOther;
}

bool ListHostFolder(const std::string& folder, std::vector<std::string>* names) {
  WIN32_FIND_DATAW found;
  HANDLE find = FindFirstFileW(WidePath(folder + "\\*").c_str(), &found);
  if (find == INVALID_HANDLE_VALUE) return false;
  do {
    std::string name;
    Narrow(CP_UTF8, found.cFileName, false, &name);
    names->push_back(name);
  } while (FindNextFileW(find, &found));
  FindClose(find);
  return true;
}

std::vector<std::string> Utf8Arguments(int argc, wchar_t** argv) {
  std::vector<std::string> arguments(argc);
  for (int i = 0; i < argc; i++) Narrow(CP_UTF8, argv[i], false, &arguments[i]);
  return arguments;
}

std::string TrimHostPath(const std::string& path) {
  std::string trimmed = path;
  for (;;) {
    size_t last = trimmed.empty() ? 0 : (size_t)(::LastCharacter(trimmed.c_str(), nullptr) - trimmed.c_str());
    bool root = last == 0 || (last == 2 && trimmed[1] == ':');
    if (trimmed.empty() || root || last + 1 != trimmed.size() || !IsSeparator(trimmed[last])) break;
    trimmed.resize(last);
  }
  return trimmed;
}

void SplitHostPath(const std::string& path, std::string* folder, std::string* name) {
  size_t cut = std::string::npos;  // where the name starts
  for (size_t i = 0; i < path.size(); ++i)
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
  DWORD attributes = GetFileAttributesW(WidePath(hostPath).c_str());
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
