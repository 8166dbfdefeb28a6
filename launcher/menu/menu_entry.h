// MenuEntry and MenuEntryTable: the thirty entries of one menu, each a caption and
// a command; entry i belongs to button 1001 + i or popup item 1101 + i.
#pragma once
#include "base/text.h"

// What the menu does once an entry's program has started (QXrun).
enum class RunStyle {
  kStay,     // the menu stays as it is
  kWait,     // the menu goes away while the program runs and comes back when it ends
  kClose,    // the launcher ends
  kUnknown,  // a value the launcher does not know: as kStay
};
RunStyle ParseRunStyle(const char* value);

struct MenuEntry {
  Text caption;
  Text command;
  bool hidden = false;  // its QXif conditions do not all hold: no button, no item
  RunStyle runStyle = RunStyle::kStay;
  Text tip;  // QXtip
};

struct MenuEntryTable {
  static const int kSize = 30;
  MenuEntry entry[kSize];
  // Empties both texts of every entry, as each load of a menu file does first.
  void Clear();
};

// The one owner of a MenuEntryTable: the table is freed with its owner, or when the
// owner is given another. A table changes owner only through Take, so no table is
// ever freed twice or left without an owner.
class OwnedTable {
 public:
  OwnedTable() {}
  ~OwnedTable() { delete table_; }
  OwnedTable(const OwnedTable&) = delete;
  OwnedTable& operator=(const OwnedTable&) = delete;

  MenuEntryTable* operator->() const { return table_; }
  explicit operator bool() const { return table_ != nullptr; }
  // Frees the table held, if any, and holds table (null: none) instead.
  void Reset(MenuEntryTable* table = nullptr) {
    MenuEntryTable* old = table_;
    table_ = table;
    delete old;
  }
  // Frees the table held and takes the one of other, which holds none afterwards.
  void Take(OwnedTable& other) {
    MenuEntryTable* table = other.table_;
    other.table_ = nullptr;
    if (table != table_) Reset(table);
  }

 private:
  MenuEntryTable* table_ = nullptr;
};
