// The files of a disc folder as Windows sees them: names relative to the disc
// root, "\" or "/" between folders, letters matched without regard to case, and no
// symbolic link followed.
#pragma once
#include <string>

#include "system.h"

namespace check {

class DiscFiles {
 public:
  // Names are in UTF-8, as the host's file names are to the checker (system.h).
  explicit DiscFiles(const std::string& root) : root_(root) {}
  const std::string& root() const { return root_; }
  // The host path of a disc-relative name that names a file, or "" when the
  // disc has no such file. Names that leave the disc (a drive letter, a leading
  // "\", "..") are not looked for.
  std::string FindFile(const std::string& discName) const;
  // The name as the disc spells it ("SETUP\setup.exe" for "setup\SETUP.EXE").
  std::string DiscSpelling(const std::string& discName) const;
  // The part of the name (as the disc spells it, "pics" of "pics\a.ico") that is a
  // symbolic link, or "" when none is. The launcher refuses a path through a link, so
  // the two above find no file there.
  std::string LinkOn(const std::string& discName) const;

 private:
  std::string Resolve(const std::string& discName, bool spelling, std::string* link = nullptr) const;
  bool FindEntry(const std::string& folder, const std::string& part, std::string* spelled) const;
  std::string root_;
};

// Does the name lie outside the disc (a drive letter, a UNC or rooted path, an
// environment variable)? Such names are not checked.
bool IsOutsideDisc(const std::string& discName, LeadByteTest isLeadByte = nullptr);

}  // namespace check
