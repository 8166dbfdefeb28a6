// Emptying a menu's entry table; the run style of a QXrun value.
#include "menu/menu_entry.h"

#include <string.h>

RunStyle ParseRunStyle(const char* value) {
  Text lower;
  for (const char* p = value; *p; p++) lower.AppendChar(LowerAscii(*p));
  if (strcmp(lower.c_str(), "wait") == 0) return RunStyle::kWait;
  if (strcmp(lower.c_str(), "close") == 0) return RunStyle::kClose;
  return RunStyle::kUnknown;
}

void MenuEntryTable::Clear() {
  for (MenuEntry& e : entry) {
    e.caption.Clear();
    e.command.Clear();
    e.tip.Clear();
    e.hidden = false;
    e.runStyle = RunStyle::kStay;
  }
}
