// The machine's facts that QXif conditions and QXlanguage lines are asked of, gathered
// from Windows once when the launcher starts.
#pragma once
#include "menu/entry_condition.h"

class WindowsFacts : public menu::SystemFacts {
 public:
  // Architecture, version, the user's languages and the disc's root (the current folder).
  void Gather();
  Text Expand(const char* text) const override;
  menu::PathState Probe(const char* fullPath) const override;
};
