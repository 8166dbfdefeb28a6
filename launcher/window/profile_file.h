// ProfileFile: the launcher's .ini file in the Windows directory, where the
// auto-start choice of each menu is kept. Owned by the application object and
// handed to the launcher window; uses base/ only.
#pragma once
#include "base/text.h"

class ProfileFile {
 public:
  // A bare name: the private-profile functions then use the Windows directory.
  explicit ProfileFile(const char* fileName) : fileName_(fileName) {}

  Text ReadValue(const char* section, const char* key, const char* defaultValue) const;
  bool WriteValue(const char* section, const char* key, const char* value) const;

 private:
  const char* fileName_;
};
