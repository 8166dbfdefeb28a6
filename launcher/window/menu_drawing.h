// DrawMenuDocument: a menu document carried out in file order with a builder, the
// buttons' or the popup's.
#pragma once
#include "menu/entry_condition.h"
#include "menu/menu_entry.h"
#include "window/menu_builders.h"

// Each entry this machine shows goes to builder with its caption, icon, tip and picture,
// each gap too; table.hidden learns the entries whose conditions do not all hold. With
// copyFiles the copy lines are carried out in their places. fileName is the menu file's
// path, which a picture's relative path starts from.
void DrawMenuDocument(MenuBuilder& builder, MenuEntryTable& table, const menu::SystemFacts& facts,
                      const char* fileName, bool copyFiles);
