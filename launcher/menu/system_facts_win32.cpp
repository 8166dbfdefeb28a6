// Gathering the machine's facts: functions that older systems lack are looked up by
// name in the system's own modules, so the launcher still starts there.
#include "menu/system_facts_win32.h"

#include <windows.h>

#include "base/wide_text_win32.h"
#include "menu/disc_walk_win32.h"

namespace {

typedef BOOL(WINAPI* IsWow64Process2Fn)(HANDLE, USHORT*, USHORT*);
typedef BOOL(WINAPI* IsWow64ProcessFn)(HANDLE, BOOL*);
typedef LONG(WINAPI* RtlGetVersionFn)(OSVERSIONINFOW*);
typedef BOOL(WINAPI* GetUserPreferredUILanguagesFn)(DWORD, ULONG*, WCHAR*, ULONG*);
typedef BOOL(WINAPI* Wow64DisableFn)(void**);
typedef BOOL(WINAPI* Wow64RevertFn)(void*);

const USHORT kMachineAmd64 = 0x8664;
const USHORT kMachineArm64 = 0xAA64;
const DWORD kLanguageNames = 0x8;  // MUI_LANGUAGE_NAME: tags, not numbers

FARPROC Find(const char* module, const char* name) {
  HMODULE handle = GetModuleHandleA(module);
  return handle ? GetProcAddress(handle, name) : nullptr;
}

// Windows' own architecture: the launcher, a 32-bit program, may run emulated on it.
menu::Architecture NativeArchitecture() {
  if (auto isWow64Process2 = (IsWow64Process2Fn)(void*)Find("kernel32.dll", "IsWow64Process2")) {
    USHORT process = 0, native = 0;
    if (isWow64Process2(GetCurrentProcess(), &process, &native)) {
      if (native == kMachineArm64) return menu::Architecture::kArm64;
      return native == kMachineAmd64 ? menu::Architecture::kX64 : menu::Architecture::kX86;
    }
  }
  BOOL wow64 = FALSE;
  if (auto isWow64Process = (IsWow64ProcessFn)(void*)Find("kernel32.dll", "IsWow64Process"))
    isWow64Process(GetCurrentProcess(), &wow64);
  return wow64 ? menu::Architecture::kX64 : menu::Architecture::kX86;
}

// The true version: GetVersionEx answers what the program's manifest declares it knows.
menu::WindowsVersion TrueVersion() {
  OSVERSIONINFOW info = {};
  info.dwOSVersionInfoSize = sizeof info;
  auto rtlGetVersion = (RtlGetVersionFn)(void*)Find("ntdll.dll", "RtlGetVersion");
  if (!rtlGetVersion || rtlGetVersion(&info) != 0) return menu::WindowsVersion{0, 0, 0};
  return menu::WindowsVersion{info.dwMajorVersion, info.dwMinorVersion, info.dwBuildNumber};
}

// Language tags are ASCII; a tag with any other character is left out.
void AddWideTag(menu::UserLanguages& languages, const WCHAR* tag) {
  char narrow[menu::UserLanguages::kTagSize];
  int n = 0;
  for (; tag[n]; n++) {
    if (tag[n] > 0x7F || n + 1 == (int)sizeof narrow) return;
    narrow[n] = (char)tag[n];
  }
  narrow[n] = 0;
  languages.Add(narrow);
}

void GatherLanguages(menu::UserLanguages& languages) {
  auto preferred = (GetUserPreferredUILanguagesFn)(void*)Find("kernel32.dll", "GetUserPreferredUILanguages");
  WCHAR list[256];
  ULONG count = 0, size = sizeof list / sizeof list[0];
  if (preferred && preferred(kLanguageNames, &count, list, &size)) {
    for (const WCHAR* tag = list; *tag && tag < list + size; tag += lstrlenW(tag) + 1)
      AddWideTag(languages, tag);
    if (languages.count) return;
  }
  // Before Vista: the one user-interface language, its tag made from the locale's names.
  LCID locale = MAKELCID(GetUserDefaultUILanguage(), SORT_DEFAULT);
  char language[9], country[9];
  if (!GetLocaleInfoA(locale, LOCALE_SISO639LANGNAME, language, sizeof language)) return;
  Text tag(language);
  if (GetLocaleInfoA(locale, LOCALE_SISO3166CTRYNAME, country, sizeof country)) {
    tag.AppendChar('-');
    tag.Append(country);
  }
  languages.Add(tag.c_str());
}

}  // namespace

void WindowsFacts::Gather() {
  architecture = NativeArchitecture();
  version = TrueVersion();
  GatherLanguages(languages);
  isLeadByte = nullptr;  // the launcher's text is UTF-8, which no double-byte rule concerns
  WCHAR folder[MAX_PATH];
  DWORD length = GetCurrentDirectoryW(MAX_PATH, folder);
  if (length == 0 || length >= MAX_PATH) return;
  discRoot = Utf8FromWide(folder);
}

bool WindowsFacts::Variable(const char* name, Text* value) const {
  WCHAR buffer[MAX_PATH];
  SetLastError(ERROR_SUCCESS);  // an empty value answers 0 too
  DWORD length = GetEnvironmentVariableW(WideText(name).get(), buffer, MAX_PATH);
  if (length == 0 && GetLastError() == ERROR_ENVVAR_NOT_FOUND) return false;
  // A value too long for a path names no file: "%" makes the path untouchable.
  if (length < MAX_PATH)
    *value = Utf8FromWide(buffer);
  else
    value->Assign("%");
  return true;
}

menu::PathState WindowsFacts::Probe(const char* fullPath) const {
  // A drive that the system calls remote may be slow or away: never asked.
  if (OnRemoteDrive(fullPath)) return menu::PathState::kUntouchable;
  // The path as Windows has it: 64-bit Windows shows a 32-bit program SysWOW64 in place
  // of System32 unless the thread asks otherwise, for this one look only.
  auto disable = (Wow64DisableFn)(void*)Find("kernel32.dll", "Wow64DisableWow64FsRedirection");
  auto revert = (Wow64RevertFn)(void*)Find("kernel32.dll", "Wow64RevertWow64FsRedirection");
  void* redirection = nullptr;
  bool undone = disable && revert && disable(&redirection);
  UINT oldMode = SetErrorMode(SEM_FAILCRITICALERRORS);
  DWORD attributes = GetFileAttributesW(WideText(fullPath).get());
  SetErrorMode(oldMode);
  if (undone) revert(redirection);
  return attributes == INVALID_FILE_ATTRIBUTES ? menu::PathState::kMissing : menu::PathState::kExists;
}

menu::PathState WindowsFacts::ProbeDisc(const char* discPath) const {
  return WalkDisc(discRoot.c_str(), discPath);
}

bool WindowsFacts::RegistryHas(menu::RegistryRoot root, const char* key, const char* value) const {
  static const HKEY kRoots[] = {HKEY_LOCAL_MACHINE, HKEY_CURRENT_USER, HKEY_CLASSES_ROOT};
  // 64-bit Windows keeps the 32-bit programs' keys apart; both views are asked there.
  // 32-bit Windows has one view, and Windows 2000 refuses the flags.
  const REGSAM kViews[] = {KEY_WOW64_64KEY, KEY_WOW64_32KEY};
  int views = architecture == menu::Architecture::kX86 ? 1 : 2;
  for (int i = 0; i < views; i++) {
    HKEY opened;
    REGSAM view = views == 1 ? 0 : kViews[i];
    if (RegOpenKeyExW(kRoots[(int)root], WideText(key).get(), 0, KEY_QUERY_VALUE | view, &opened) != ERROR_SUCCESS)
      continue;
    bool found = !value ||
                 RegQueryValueExW(opened, WideText(value).get(), nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS;
    RegCloseKey(opened);
    if (found) return true;
  }
  return false;
}
