// Values of the profile file, through the system's private-profile functions.
#include "window/profile_file.h"

#include <stdlib.h>
#include <windows.h>

namespace {

const DWORD kProfileBufferSize = 4096;

}  // namespace

Text ProfileFile::ReadValue(const char* section, const char* key, const char* defaultValue) const {
  char* buffer = (char*)malloc(kProfileBufferSize);
  if (!buffer) return Text(defaultValue);
  GetPrivateProfileStringA(section, key, defaultValue ? defaultValue : "", buffer, kProfileBufferSize,
                           fileName_);
  Text value(buffer);
  free(buffer);
  return value;
}

bool ProfileFile::WriteValue(const char* section, const char* key, const char* value) const {
  return WritePrivateProfileStringA(section, key, value, fileName_) != FALSE;
}
