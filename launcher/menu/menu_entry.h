// MenuEntryTable: the menu a window shows, its thirty entries; entry i belongs to
// button ID_FIRST_BUTTON + i or popup item ID_FIRST_POPUP_ITEM + i. The run style of a
// QXrun value.
#pragma once
#include "base/text.h"
#include "menu/menu_document.h"
#include "res/resource_ids.h"

// What the menu does once an entry's program has started (QXrun).
enum class RunStyle {
  kStay,     // the menu stays as it is
  kWait,     // the menu goes away while the program runs and comes back when it ends
  kClose,    // the launcher ends
  kUnknown,  // a value the launcher does not know: as kStay
};
RunStyle ParseRunStyle(const char* value);

// A menu as a window shows it: the document read from its file, and which of its
// entries this machine does not show (their QXif conditions do not all hold: no button,
// no item). The window fills hidden as it draws the document.
struct MenuEntryTable {
  static const int kSize = MENU_MAX_ENTRIES;
  menu::MenuDocument document;
  bool hidden[kSize] = {};
  // Empties the document and shows every entry, as each load of a menu file does first.
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
  MenuEntryTable* get() const { return table_; }
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
