// Emptying a menu's entry table.
#include "menu/menu_entry.h"

void MenuEntryTable::Clear() {
  for (MenuEntry& e : entry) {
    e.caption.Clear();
    e.command.Clear();
  }
}
