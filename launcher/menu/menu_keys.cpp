// The key table whole, for the tools and tests that list or judge keys. The reader
// keeps only the names and kinds of the same rows.
#include "menu/menu_keys.h"

namespace menu {

#define MENU_KEY_ROW(name, kind, scope, popups, description) \
  {name, LineKind::kind, KeyScope::scope, popups, description},
const MenuKey kMenuKeys[] = {MENU_KEYS(MENU_KEY_ROW)};
#undef MENU_KEY_ROW
const int kMenuKeyCount = sizeof kMenuKeys / sizeof kMenuKeys[0];

const MenuKey* KeyOfKind(LineKind kind) {
  for (int i = 0; i < kMenuKeyCount; i++) {
    if (kMenuKeys[i].kind == kind) return &kMenuKeys[i];
  }
  return nullptr;
}

}  // namespace menu
