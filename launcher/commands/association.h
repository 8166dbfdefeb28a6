// Document associations read from HKEY_CLASSES_ROOT through a RegistryView, so that
// the same procedures run on Windows (the real registry) and in host tests (a fake).
#pragma once
#include "base/text.h"

namespace assoc {

const unsigned long kValueBufferSize = 256;  // every value is read into 256 characters
// The room those characters take as the launcher's UTF-8: three bytes at most for each.
const unsigned long kValueTextSize = 3 * kValueBufferSize;
// A value stored as REG_EXPAND_SZ is used with its environment references expanded;
// the expansion may be longer than the value, up to 1023 characters. A longer one
// counts as missing: a cut command line would name another program.
const unsigned long kExpandedBufferSize = 1024;

// A read-only view of HKEY_CLASSES_ROOT. Key null stands for the root itself.
class RegistryView {
 public:
  typedef void* Key;
  // Opens parent\subKey for reading; true and *opened on success.
  virtual bool Open(Key parent, const char* subKey, Key* opened) = 0;
  // Reads the default value into buffer as UTF-8; *size is the buffer's size on entry
  // (kValueTextSize), the bytes written on return. True when the value fit in
  // kValueBufferSize characters; *expandable tells whether it is stored as REG_EXPAND_SZ.
  virtual bool QueryDefault(Key key, char* buffer, unsigned long* size, bool* expandable) = 0;
  // The text with its environment references expanded; false when the result does
  // not fit kExpandedBufferSize.
  virtual bool ExpandEnvironment(const char* text, Text* expanded) = 0;
  virtual void Close(Key key) = 0;
  // The class's open command key exists but its value cannot be read: the
  // launcher shows the system's error text for the last error here.
  virtual void ReportUnreadableCommand() {}

 protected:
  ~RegistryView() {}
};

// The class of an extension such as ".txt"; false when not found.
bool LookupDocumentClass(RegistryView& registry, const char* extension, Text* className);
// The open command of a class with one trailing switch of its own removed.
bool LookupOpenCommand(RegistryView& registry, const char* className, Text* openCommand);
// The command line that opens the document through its class; empty on failure.
Text BuildAssociationCommand(RegistryView& registry, const char* document);
// A 32-bit program on 64-bit Windows sees %ProgramFiles% and %CommonProgramFiles% as
// the folders of 32-bit programs, but the shell that registered an open command and
// runs it for Explorer is a 64-bit program: where the environment has the 64-bit
// folders (ProgramW6432), the references are turned into theirs before expansion.
Text PreferNativeProgramFolders(const char* value);
// The template with its first "%1" replaced by the document (or a blank and the
// document appended when it has none). Every other character is copied as it is:
// the template is never used as a printf format.
Text SubstituteDocument(const char* commandTemplate, const char* document);

}  // namespace assoc
