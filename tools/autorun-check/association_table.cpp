// A fresh Windows 10's associations of the documents a disc is likely to hold, with the
// open commands that Windows itself registers (environment references expanded as a
// 64-bit Windows on drive C: expands them). Classes that Windows hands to an app
// (pictures, PDF, ...) keep no command value the launcher could read.
#include "association_table.h"

#include <string.h>
#include <strings.h>

#include <string>

namespace check {

namespace {
const char kNotepad[] = "C:\\Windows\\system32\\NOTEPAD.EXE %1";
const char kBrowser[] = "\"C:\\Program Files\\Internet Explorer\\iexplore.exe\" %1";
const char kItself[] = "\"%1\" %*";
const char kMediaPlayer[] =
    "\"C:\\Program Files (x86)\\Windows Media Player\\wmplayer.exe\" /prefetch:6 /Open \"%L\"";
const char kScriptHost[] = "\"C:\\Windows\\System32\\WScript.exe\" \"%1\" %*";
const char kPdfApp[] = "AppXd4nrz8ff68srnhf9t5a8sbjyar1cr723";
const char* const kOpenCommandPath[] = {"shell", "open", "command"};
}  // namespace

const Association kFreshWindowsAssociations[] = {
    {".htm", "htmlfile", kBrowser},
    {".html", "htmlfile", kBrowser},
    {".txt", "txtfile", kNotepad},
    {".log", "txtfile", kNotepad},
    {".ini", "inifile", kNotepad},
    {".inf", "inffile", kNotepad},
    {".rtf", "rtffile", "\"C:\\Program Files\\Windows NT\\Accessories\\WORDPAD.EXE\" \"%1\""},
    {".pdf", kPdfApp, nullptr},
    {".chm", "chm.file", "\"C:\\Windows\\hh.exe\" %1"},
    {".url", "InternetShortcut",
     "\"C:\\Windows\\System32\\rundll32.exe\" \"C:\\Windows\\System32\\ieframe.dll\",OpenURL %l"},
    {".jpg", "jpegfile", nullptr},
    {".jpeg", "jpegfile", nullptr},
    {".png", "pngfile", nullptr},
    {".gif", "giffile", nullptr},
    {".bmp", "Paint.Picture", "\"C:\\Windows\\system32\\mspaint.exe\" \"%1\""},
    {".ico", "icofile", nullptr},
    {".mp3", "WMP11.AssocFile.MP3", kMediaPlayer},
    {".wav", "WMP11.AssocFile.WAV", kMediaPlayer},
    {".mp4", "WMP11.AssocFile.MP4", kMediaPlayer},
    {".avi", "WMP11.AssocFile.AVI", kMediaPlayer},
    {".wmv", "WMP11.AssocFile.WMV", kMediaPlayer},
    {".zip", "CompressedFolder", "C:\\Windows\\Explorer.exe /idlist,%I,%L"},
    {".msi", "Msi.Package", "\"C:\\Windows\\System32\\msiexec.exe\" /i \"%1\" %*"},
    {".exe", "exefile", kItself},
    {".com", "comfile", kItself},
    {".bat", "batfile", kItself},
    {".cmd", "cmdfile", kItself},
    {".reg", "regfile", "regedit.exe \"%1\""},
    {".vbs", "VBSFile", kScriptHost},
    {".js", "JSFile", kScriptHost},
    {".dll", "dllfile", nullptr},
    {".lnk", "lnkfile", nullptr},
    {nullptr, nullptr, nullptr},
};

// A key is its path from the root, owned by the caller until Close.
bool TableRegistryView::Open(Key parent, const char* subKey, Key* opened) {
  std::string path = parent ? *static_cast<std::string*>(parent) + "\\" + subKey : subKey;
  bool found = false;
  for (const Association* row = table_; row->extension && !found; ++row) {
    found = strcasecmp(path.c_str(), row->extension) == 0 || strcasecmp(path.c_str(), row->className) == 0;
    // The class's shell, shell\open and shell\open\command, where it has a command.
    std::string below = row->className;
    for (const char* key : kOpenCommandPath) {
      below += std::string("\\") + key;
      found = found || (row->openCommand && strcasecmp(path.c_str(), below.c_str()) == 0);
    }
  }
  if (!found) return false;
  *opened = new std::string(path);
  return true;
}

bool TableRegistryView::QueryDefault(Key key, char* buffer, unsigned long* size, bool* expandable) {
  const std::string& path = *static_cast<std::string*>(key);
  *expandable = false;
  const char* value = nullptr;
  for (const Association* row = table_; row->extension && !value; ++row) {
    if (strcasecmp(path.c_str(), row->extension) == 0) value = row->className;
    std::string command = std::string(row->className) + "\\shell\\open\\command";
    if (row->openCommand && strcasecmp(path.c_str(), command.c_str()) == 0) value = row->openCommand;
  }
  if (!value || strlen(value) + 1 > *size) return false;
  memcpy(buffer, value, strlen(value) + 1);
  *size = static_cast<unsigned long>(strlen(value) + 1);
  return true;
}

bool TableRegistryView::ExpandEnvironment(const char* text, Text* expanded) {
  expanded->Assign(text);  // the table holds its values expanded already
  return true;
}

void TableRegistryView::Close(Key key) {
  delete static_cast<std::string*>(key);
}

}  // namespace check
