// The machine's facts that QXif conditions and QXlanguage lines are asked of, gathered
// from Windows once when the launcher starts.
#pragma once
#include "menu/entry_condition.h"

class WindowsFacts : public menu::SystemFacts {
 public:
  // Architecture, version, the user's languages, the disc's root (the current folder)
  // and the ANSI code page's lead bytes.
  void Gather();
  bool Variable(const char* name, Text* value) const override;
  menu::PathState Probe(const char* fullPath) const override;
  menu::PathState ProbeDisc(const char* discPath) const override;
  bool RegistryHas(menu::RegistryRoot root, const char* key, const char* value) const override;
};
