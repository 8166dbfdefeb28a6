// Looks up disc-relative names in a host folder the way Windows would find them.
#include "disc_files.h"

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
// name as the host spells it, in UTF-8.
bool DiscFiles::FindEntry(const std::string& folder, const std::string& part, std::string* spelled) const {
  if (HostEntryAt(folder + "/" + part) != HostEntry::kNone) {
    *spelled = part;
    return true;
  }
  std::vector<std::string> names;
  if (!ListHostFolder(folder, &names)) return false;
  for (const std::string& name : names) {
    if (SameName(name, part, nullptr)) {
      *spelled = name;
      return true;
    }
  }
  return false;
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
  for (const std::string& part : parts) {
    std::string name;
    if (!FindEntry(path, part, &name)) return "";
    path += "/" + name;
    spelled += (spelled.empty() ? "" : "\\") + name;
    if (IsLink(path)) {
      if (link) *link = spelled;
      return "";
    }
  }
  // No link on the way: stat looks at the file itself.
  if (HostEntryAt(path) != HostEntry::kFile) return "";
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

}  // namespace check
