// Looks up disc-relative names in a host folder the way Windows would find them.
#include "disc_files.h"

#include <dirent.h>
#include <strings.h>
#include <sys/stat.h>

#include <vector>

namespace check {

namespace {
std::vector<std::string> SplitPath(const std::string& name) {
  std::vector<std::string> parts;
  std::string part;
  for (char c : name) {
    if (c == '\\' || c == '/') {
      if (!part.empty() && part != ".") parts.push_back(part);
      part.clear();
    } else {
      part += c;
    }
  }
  if (!part.empty() && part != ".") parts.push_back(part);
  return parts;
}

// The entry of folder whose name matches part ignoring case, exact spelling first.
bool FindEntry(const std::string& folder, const std::string& part, std::string* found) {
  struct stat st;
  if (stat((folder + "/" + part).c_str(), &st) == 0) {
    *found = part;
    return true;
  }
  DIR* dir = opendir(folder.c_str());
  if (!dir) return false;
  bool ok = false;
  while (dirent* entry = readdir(dir)) {
    if (strcasecmp(entry->d_name, part.c_str()) == 0) {
      *found = entry->d_name;
      ok = true;
      break;
    }
  }
  closedir(dir);
  return ok;
}
}  // namespace

bool IsOutsideDisc(const std::string& name) {
  if (name.size() >= 2 && name[1] == ':') return true;
  if (!name.empty() && (name[0] == '\\' || name[0] == '/' || name[0] == '%')) return true;
  for (const std::string& part : SplitPath(name))
    if (part == "..") return true;
  return false;
}

std::string DiscFiles::Resolve(const std::string& discName, bool spelling) const {
  if (discName.empty() || IsOutsideDisc(discName)) return "";
  std::string path = root_, spelled;
  std::vector<std::string> parts = SplitPath(discName);
  if (parts.empty()) return "";
  for (const std::string& part : parts) {
    std::string found;
    if (!FindEntry(path, part, &found)) return "";
    path += "/" + found;
    spelled += (spelled.empty() ? "" : "\\") + found;
  }
  struct stat st;
  if (stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return "";
  return spelling ? spelled : path;
}

std::string DiscFiles::FindFile(const std::string& discName) const {
  return Resolve(discName, false);
}

std::string DiscFiles::DiscSpelling(const std::string& discName) const {
  return Resolve(discName, true);
}

bool IsSystemProgram(const std::string& program) {
  static const char* const kPrograms[] = {
      "rundll32.exe", "rundll32",     "notepad.exe", "notepad",     "explorer.exe", "explorer",
      "cmd.exe",      "command.com",  "write.exe",   "wordpad.exe", "mspaint.exe",  "calc.exe",
      "control.exe",  "msiexec.exe",  "msiexec",     "hh.exe",      "mshta.exe",    "regedit.exe",
      "iexplore.exe", "winhlp32.exe", "winhelp.exe", "start",       "wscript.exe",  "cscript.exe",
  };
  if (program.find_first_of("\\/") != std::string::npos) return false;
  for (const char* known : kPrograms)
    if (strcasecmp(program.c_str(), known) == 0) return true;
  return false;
}

}  // namespace check
