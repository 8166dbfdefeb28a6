// The keys of a menu file, one row each: the one place that says which keys the
// launcher knows. The reader recognises a key line by the first characters of its
// name, trying the rows in this order; the disc checker, its warnings and the tests
// read the same rows. To add a key, see docs/adding-a-menu-key.md.
#pragma once

namespace menu {

// How the reader sees one line. The kinds of keys are named by the rows below.
enum class LineKind {
  kEmpty,     // no characters at all
  kSkipped,   // first character "[" (section header) or ";" (comment)
  kNoEquals,  // holds no "="
  kTitle,
  kIconList,
  kMenuName,
  kShell,
  kSpace,
  kCopy,
  kPicture,
  kLanguage,
  kCondition,
  kRunStyle,
  kTip,
  kDirection,
  kOtherKey,  // a key line with none of the launcher's keys
};

// What a key's value belongs to.
enum class KeyScope {
  kPage,       // the whole page: the latest line of the key counts
  kInOrder,    // takes its place among the entries, where it stands
  kNextEntry,  // the next entry completed, and that one only
  kStartFile,  // read only in the start file, before its first entry
};

// KEY(name, kind, scope, popups, description): popups is whether a popup menu uses
// the key. The description is the guide's, word for word (a test holds them together).
// "QXshell" comes after "shell", so it is only tried when the line does not begin with
// "shell". The keys from "QXpicture" on begin with no other key's name, so a launcher
// that does not know them ignores them.
#define MENU_KEYS(KEY)                                                                                      \
  KEY("title", kTitle, kPage, true, "the window's title bar")                                               \
  KEY("QXicon", kIconList, kPage, false, "the icon list: one number per following entry")                   \
  KEY("QXName", kMenuName, kPage, true, "the disc's name: where the auto-start choice is kept")             \
  KEY("shell", kShell, kInOrder, true, "a caption or a command of an entry (they alternate)")               \
  KEY("QXshell", kShell, kInOrder, true, "a caption or a command of an entry (they alternate)")             \
  KEY("QXspace", kSpace, kInOrder, true, "a gap before the next button (a separator in a popup)")           \
  KEY("QXcopy", kCopy, kInOrder, true, "copies a file from the disc when the menu loads")                   \
  KEY("QXpicture", kPicture, kNextEntry, false,                                                             \
      "the next entry's button shows an icon of a file on the disc")                                        \
  KEY("QXlanguage", kLanguage, kStartFile, false, "users of these languages read another start menu")       \
  KEY("QXif", kCondition, kNextEntry, true, "the next entry is shown only where its conditions hold")       \
  KEY("QXrun", kRunStyle, kNextEntry, true, "what the menu does once the next entry's program has started") \
  KEY("QXtip", kTip, kNextEntry, false, "the next entry's line of help: a tooltip, read by screen readers") \
  KEY("QXdirection", kDirection, kPage, false, "rtl: the window reads right to left; ltr: left to right")

// One row of the table, for the tools and tests that read it whole.
struct MenuKey {
  const char* name;  // recognised by the first characters of a line, ignoring ASCII case
  LineKind kind;
  KeyScope scope;
  bool popups;
  const char* description;
};
extern const MenuKey kMenuKeys[];
extern const int kMenuKeyCount;

// The first row of kind, or null for a kind that is no key.
const MenuKey* KeyOfKind(LineKind kind);
inline bool IsMenuKey(LineKind kind) {
  return KeyOfKind(kind) != nullptr;
}

}  // namespace menu
