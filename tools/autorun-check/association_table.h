// The document associations of a fresh Windows 10, as data: what the checker composes
// command lines with where it has no registry of its own (on Linux, and in tests).
#pragma once
#include "commands/association.h"

namespace check {

struct Association {
  const char* extension;    // ".txt"
  const char* className;    // its document class
  const char* openCommand;  // the class's shell\open\command value; null when Windows keeps none
};

// The table itself, ending with a row of nulls.
extern const Association kFreshWindowsAssociations[];

// HKEY_CLASSES_ROOT holding only what a table says: the extension keys with their
// classes, the classes and, where a class has one, its shell\open\command. Key names
// match without regard to case, as the registry's do.
class TableRegistryView : public assoc::RegistryView {
 public:
  explicit TableRegistryView(const Association* table = kFreshWindowsAssociations) : table_(table) {}
  virtual ~TableRegistryView() {}
  bool Open(Key parent, const char* subKey, Key* opened) override;
  bool QueryDefault(Key key, char* buffer, unsigned long* size, bool* expandable) override;
  bool ExpandEnvironment(const char* text, Text* expanded) override;
  void Close(Key key) override;

 private:
  const Association* table_;
};

}  // namespace check
