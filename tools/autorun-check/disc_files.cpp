// Looks up disc-relative names in a host folder the way Windows would find them.
#include "disc_files.h"

#include <dirent.h>
#include <strings.h>
#include <sys/stat.h>

#include <vector>

#include "letter_case.h"

namespace check {

namespace {
// The folders and file of a name; a "\" may be the second byte of a double-byte
// character, "/" cannot.
std::vector<std::string> SplitPath(const std::string& name, LeadByteTest isLeadByte) {
  std::vector<std::string> parts;
  std::string part;
  for (size_t i = 0; i < name.size(); ++i) {
    char c = name[i];
    if (isLeadByte && isLeadByte(static_cast<unsigned char>(c)) && i + 1 < name.size()) {
      part += c;
      part += name[++i];
    } else if (c == '\\' || c == '/') {
      if (!part.empty() && part != ".") parts.push_back(part);
      part.clear();
    } else {
      part += c;
    }
  }
  if (!part.empty() && part != ".") parts.push_back(part);
  return parts;
}
}  // namespace

// The entry of folder whose name matches part ignoring case, exact spelling first: its
// host name and its name in UTF-8.
bool DiscFiles::FindEntry(const std::string& folder, const std::string& part, std::string* host,
                          std::string* spelled) const {
  std::string hostPart = codePage_ ? codePage_->ToHostName(part) : part;
  struct stat st;
  if (stat((folder + "/" + hostPart).c_str(), &st) == 0) {
    *host = hostPart, *spelled = part;
    return true;
  }
  DIR* dir = opendir(folder.c_str());
  if (!dir) return false;
  bool ok = false;
  while (dirent* entry = readdir(dir)) {
    std::string name = codePage_ ? codePage_->FromHostName(entry->d_name) : entry->d_name;
    if (SameName(name, part, nullptr)) {
      *host = entry->d_name, *spelled = name;
      ok = true;
      break;
    }
  }
  closedir(dir);
  return ok;
}

bool IsOutsideDisc(const std::string& name, LeadByteTest isLeadByte) {
  if (name.size() >= 2 && name[1] == ':') return true;
  if (!name.empty() && (name[0] == '\\' || name[0] == '/' || name[0] == '%')) return true;
  for (const std::string& part : SplitPath(name, isLeadByte))
    if (part == "..") return true;
  return false;
}

// Walks the name part by part, as the launcher walks it: a symbolic link on
// the way ends the walk (*link is then its spelling on the disc), and nothing is ever
// opened or looked at through one.
std::string DiscFiles::Resolve(const std::string& discName, bool spelling, std::string* link) const {
  if (discName.empty() || IsOutsideDisc(discName)) return "";
  std::string path = root_, spelled;
  std::vector<std::string> parts = SplitPath(discName, nullptr);
  if (parts.empty()) return "";
  struct stat st;
  for (const std::string& part : parts) {
    std::string host, name;
    if (!FindEntry(path, part, &host, &name)) return "";
    path += "/" + host;
    spelled += (spelled.empty() ? "" : "\\") + name;
    if (IsLink(path)) {
      if (link) *link = spelled;
      return "";
    }
  }
  // No link on the way: stat looks at the file itself.
  if (stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return "";
  return spelling ? spelled : path;
}

std::string DiscFiles::FindFile(const std::string& discName) const {
  return Resolve(discName, false);
}

std::string DiscFiles::DiscSpelling(const std::string& discName) const {
  return Resolve(discName, true);
}

std::string DiscFiles::LinkOn(const std::string& discName) const {
  std::string link;
  Resolve(discName, false, &link);
  return link;
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
