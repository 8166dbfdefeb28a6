// LauncherApp: the launcher's one application object. Its start-up loads the
// control library and runs the launcher window; it owns the message table and
// reads and writes the profile file.
#pragma once
#include "base/text.h"
#include "framework/application.h"
#include "menu/message_table.h"

class LauncherApp : public framework::Application {
 public:
  ~LauncherApp() override;
  bool InitInstance() override;

  // Fills the message table from the string table and the Messages section of
  // .\autorun.inf; each call overwrites the nine texts.
  void FillMessageTable();
  const char* MessageText(unsigned number) const { return MessageTable.Get(number).c_str(); }

  // The profile file "QXAutorun.ini" in the Windows directory.
  Text ReadProfileValue(const char* section, const char* key, const char* defaultValue) const;
  bool WriteProfileValue(const char* section, const char* key, const char* value) const;

  // Texts by message number, filled when the launcher window initialises.
  ::MessageTable MessageTable;
  // A bare name: the private-profile functions then use the Windows directory.
  Text ProfileFileName;
};

// The program's application object.
LauncherApp& TheApp();
