// The registry view of the association lookups over the real HKEY_CLASSES_ROOT,
// and the box that shows the system's text for the last error.
#pragma once
#include "commands/association.h"

class ClassesRootView : public assoc::RegistryView {
 public:
  bool Open(Key parent, const char* subKey, Key* opened) override;
  bool QueryDefault(Key key, char* buffer, unsigned long* size, bool* expandable) override;
  bool ExpandEnvironment(const char* text, Text* expanded) override;
  void Close(Key key) override;
  void ReportUnreadableCommand() override;
};

// The system's description of GetLastError() in a box without owner.
void ShowLastSystemError();
