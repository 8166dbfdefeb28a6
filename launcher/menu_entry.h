// MenuEntry and MenuEntryTable: the thirty entries of one menu, each a caption and
// a command; entry i belongs to button 1001 + i or popup item 1101 + i.
#pragma once
#include "text.h"

struct MenuEntry {
  Text caption;
  Text command;
};

struct MenuEntryTable {
  static const int kSize = 30;
  MenuEntry entry[kSize];
  // Empties both texts of every entry, as each load of a menu file does first.
  void Clear();
};
