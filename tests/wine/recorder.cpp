// recorder.exe: stands in for the programs a menu starts. It appends its command line
// and its current directory, as one line of UTF-8, to the log named by an environment
// variable.
// "recorder.exe boot" is a setup's bootstrapper: it starts "recorder.exe install" and
// ends at once; "install" stays as long as every recorder and then leaves done.txt in
// its current directory, as a setup leaves what it installed.
#include <windows.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include "launcher_driver.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  wchar_t log[MAX_PATH];
  if (!GetEnvironmentVariableW(driver::kRecorderLogVariable, log, MAX_PATH)) return 2;
  // Whatever script its name, arguments and folder are in.
  wchar_t directory[MAX_PATH] = L"";
  GetCurrentDirectoryW(MAX_PATH, directory);
  static char commandLine[2048], folder[3 * MAX_PATH], line[4096];
  WideCharToMultiByte(CP_UTF8, 0, GetCommandLineW(), -1, commandLine, sizeof commandLine, nullptr, nullptr);
  WideCharToMultiByte(CP_UTF8, 0, directory, -1, folder, sizeof folder, nullptr, nullptr);
  int n = snprintf(line, sizeof line, "%s\t%s\r\n", commandLine, folder);
  if (n < 0 || n >= (int)sizeof line) n = (int)strlen(line);
  // One append per line, so lines of recorders that run one after the other never mix.
  HANDLE file = INVALID_HANDLE_VALUE;
  for (int attempt = 0; attempt < 50 && file == INVALID_HANDLE_VALUE; attempt++) {
    file = CreateFileW(log, FILE_APPEND_DATA, FILE_SHARE_READ, nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, 0);
    if (file == INVALID_HANDLE_VALUE) Sleep(20);
  }
  if (file == INVALID_HANDLE_VALUE) return 3;
  DWORD written = 0;
  WriteFile(file, line, (DWORD)n, &written, nullptr);
  CloseHandle(file);
  if (strstr(GetCommandLineA(), " boot")) {
    char self[MAX_PATH], child[MAX_PATH + 16];
    GetModuleFileNameA(nullptr, self, sizeof self);
    snprintf(child, sizeof child, "\"%s\" install", self);
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION started;
    if (!CreateProcessA(nullptr, child, nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &started)) return 4;
    CloseHandle(started.hThread);
    CloseHandle(started.hProcess);
    return 0;
  }
  char stay[32];
  if (GetEnvironmentVariableA(driver::kRecorderStayVariable, stay, sizeof stay)) Sleep((DWORD)atoi(stay));
  if (strstr(GetCommandLineA(), " install")) {
    HANDLE done = CreateFileA("done.txt", GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, 0);
    if (done != INVALID_HANDLE_VALUE) CloseHandle(done);
  }
  return 0;
}
