// Emptying a menu's entry table; the run style of a QXrun value.
#include "menu/menu_entry.h"

#include <string.h>

RunStyle ParseRunStyle(const char* value) {
  if (EqualsIgnoringAsciiCase(value, strlen(value), "wait")) return RunStyle::kWait;
  if (EqualsIgnoringAsciiCase(value, strlen(value), "close")) return RunStyle::kClose;
  return RunStyle::kUnknown;
}

void MenuEntryTable::Clear() {
  document.Clear();
  for (bool& h : hidden) h = false;
}
