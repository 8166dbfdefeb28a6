// Start-up of the launcher program and its profile operations.
#include "app/launcher_app.h"

#include <stdlib.h>
#include <windows.h>

#include "base/new_delete.h"
#include "base/wide_text_win32.h"
#include "menu/disc_path.h"
#include "menu/language_choice.h"
#include "menu/menu_file_win32.h"
#include "window/launcher_dialog.h"

namespace {

const WCHAR kLibraryName[] = L"GlyphKey32.dll";
const DWORD kProgramPathSize = 1024;
const char kProfileName[] = "QXAutorun.ini";
const char kStartMenuFile[] = "autorun.inf";

LauncherApp theApp;

// The library beside the program, by its full path: a bare name would be searched for
// in the system's folders, the current folder and PATH when it is missing here.
HMODULE LoadOwnLibrary() {
  WCHAR path[kProgramPathSize];
  DWORD length = GetModuleFileNameW(nullptr, path, kProgramPathSize);
  if (length == 0 || length >= kProgramPathSize) return nullptr;  // cut: no folder to trust
  WCHAR* name = path + length;
  while (name > path && name[-1] != L'\\') name--;
  if (name == path || (size_t)(name - path) + sizeof kLibraryName / sizeof *kLibraryName > kProgramPathSize)
    return nullptr;
  lstrcpyW(name, kLibraryName);
  return LoadLibraryW(path);
}

}  // namespace

LauncherApp::LauncherApp() : profileFile(kProfileName) {}

LauncherApp::~LauncherApp() {}

bool LauncherApp::InitInstance() {
  Enable3dControls();
  HMODULE library = LoadOwnLibrary();
  if (!library) {
    MessageBoxW(nullptr, L"Cannot load GlyphKey32.dll library", L"Error", MB_ICONERROR);
    return false;
  }
  facts.Gather();
  ChooseStartMenu();
  FillMessageTable();
  LauncherDialog* dialog =
      new LauncherDialog(messageTexts, profileFile, startMenu.c_str(), startRightToLeft, facts);
  if (!dialog) {
    FreeLibrary(library);
    return false;
  }
  SetMainWindow(dialog);
  dialog->DoModal();
  // The window and every GlyphKey control in it are gone by now.
  FreeLibrary(library);
  SetMainWindow(nullptr);
  delete dialog;
  return false;
}

void LauncherApp::ChooseStartMenu() {
  startMenu.Assign(kStartMenuFile);
  menu::LanguageLines lines;
  Text chosenFile;
  bool rightToLeft = false;
  {
    MenuFile file(kStartMenuFile);
    if (!file.ok()) return;
    menu::LineReader reader(file.text());
    menu::ReadMenu(reader, file.textLeadBytes(), lines);
    int chosen = lines.Choose(facts.languages);
    if (chosen < 0) return;
    chosenFile = file.ToUtf8(lines.at(chosen).file.c_str());
    rightToLeft = menu::LineIsRightToLeft(lines.at(chosen));
  }
  // A file of the disc only; one that cannot be read leaves autorun.inf.
  Text discPath;
  if (menu::ResolveDiscPath(chosenFile.c_str(), "", &discPath, nullptr) != menu::DiscPathProblem::kNone ||
      !MenuFile(discPath.c_str()).ok())
    return;
  startMenu = discPath;
  startRightToLeft = rightToLeft;
}

void LauncherApp::FillMessageTable() {
  // The explicit ".\" makes the profile reader open the current directory's file;
  // a bare name would send it to the Windows directory.
  Text menuFile(".\\");
  menuFile.Append(startMenu.c_str());
  WideText profilePath(menuFile.c_str());
  WCHAR* buffer = (WCHAR*)malloc(messages::kValueBufferSize * sizeof(WCHAR));
  if (!buffer) return;
  // A file saved as Unicode (or, where UTF-8 is the ANSI code page, an older ANSI
  // file) is converted, and its texts come from its converted text: the system's
  // profile reader reads a UTF-16 file with its mark itself, but UTF-8 as ANSI bytes.
  MenuFile file(menuFile.c_str());
  bool converted = file.ok() && file.converted();
  // A file that cannot be opened, or lies behind a link, is not read by name either.
  bool readable = file.ok() && profilePath.ok();
  for (const messages::MessageKey& message : messages::kKeys) {
    WCHAR defaultText[messages::kValueBufferSize];
    if (LoadStringW(instance(), message.number, defaultText, messages::kValueBufferSize) <= 0) defaultText[0] = 0;
    const WCHAR* text = defaultText;
    if (readable && !converted) {
      GetPrivateProfileStringW(L"Messages", WideText(message.key).get(), defaultText, buffer,
                               messages::kValueBufferSize, profilePath.get());
      text = buffer;
    }
    messageTexts.Set(message.number, Utf8FromWide(text).c_str());
  }
  if (converted) messageTexts.ReadMessages(file.text());
  free(buffer);
}
