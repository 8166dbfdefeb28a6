// ApplyMenuFile: a menu file read through the shared menu reader into the current
// table's document, which one of the builders then draws; and the QXcopy directive.
#include <windows.h>

#include "base/new_delete.h"
#include "base/wide_text_win32.h"
#include "dpi_win32.h"
#include "menu/copy_file_win32.h"
#include "menu/disc_walk_win32.h"
#include "menu/entry_condition.h"
#include "menu/entry_picture.h"
#include "menu/language_choice.h"
#include "menu/menu_document.h"
#include "menu/menu_file_win32.h"
#include "menu/message_table.h"
#include "window/launcher_dialog.h"
#include "window/menu_builders.h"

void LauncherDialog::DrawMenu(MenuBuilder& builder, const char* fileName) {
  const menu::MenuDocument& document = entries->document;
  if (document.title.line) SetWindowTextW(handle_, WideText(document.title.value.c_str()).get());
  if (document.menuName.line) menuName = document.menuName.value;
  for (const menu::DocumentLine* line = document.lines(); line; line = line->next) {
    if (line->kind == menu::DocumentLine::kEntry) DrawEntry(builder, line->number, fileName);
    if (line->kind == menu::DocumentLine::kGap) builder.Gap(line->number);
    if (line->kind == menu::DocumentLine::kCopy) CopyFileToFolder(line->value.c_str());
  }
}

void LauncherDialog::DrawEntry(MenuBuilder& builder, int index, const char* fileName) {
  const menu::DocumentEntry& entry = entries->document.entries[index];
  // A hidden entry keeps its number, icon and picture, but gets no button or item.
  entries->hidden[index] = !menu::ConditionsHold(entry.condition.value.c_str(), facts);
  if (entries->hidden[index]) return;
  builder.Entry(index, entry.caption.value.c_str(), entry.iconNumber);
  builder.Tip(index, entry.tip.value.c_str());
  const char* picture = entry.picture.value.c_str();
  if (!*picture) return;
  // A value that names no usable file still takes the built-in picture away. Only a
  // file of the disc, reached through no link, is loaded by its full path: nothing else
  // is looked for, on the network or anywhere else, while a menu loads.
  menu::PictureSource source;
  const char* root = facts.discRoot.c_str();
  if (!*root ||
      menu::ReadPictureValue(picture, fileName, root, &source, nullptr) !=
          menu::PictureProblem::kNone ||
      WalkDisc(root, source.discPath.c_str()) != menu::PathState::kExists)
    source.path.Clear();
  builder.Picture(index, source.path.c_str(), source.index);
}

int LauncherDialog::ApplyMenuFile(const char* fileName, int mode) {
  if (!entries) entries.Reset(new MenuEntryTable);
  if (!entries) return 0;  // out of memory: nothing is loaded
  entries->Clear();
  if (mode == kButtons) buttonsMenu = Text(fileName);
  ButtonBuilder buttons(handle_, pictures, tips, FrameAt(dpi::WindowDpi(handle_)).clientWidth);
  PopupBuilder popup(handle_, popupOrigin, messageTexts);
  MenuBuilder& builder = mode == kPopup ? static_cast<MenuBuilder&>(popup) : buttons;
  builder.Prepare();

  int result = 0;
  bool failed = true;
  // Read with the rules of the code page it was saved in, then UTF-8 like every text
  // of the launcher.
  if (MenuFile file(fileName); file.ok()) {
    menu::LineReader reader(file.text());
    failed = menu::ReadMenuDocument(reader, file.textLeadBytes(), entries->document) ==
             menu::ReadResult::kReadError;
    if (file.textCodePage() != CP_UTF8)
      entries->document.ForEachValue([&file](Text& value) { value = file.ToUtf8(value.c_str()); });
    if (mode == kButtons)
      SetLayoutDirection(menu::PageIsRightToLeft(entries->document.direction.value.c_str(), startRightToLeft));
    // What came before a read error is shown all the same.
    DrawMenu(builder, fileName);
    // The file stays open while the closing step runs: an auto-start may load
    // another menu before this call returns.
    if (!failed) {
      result = builder.Close();
      if (mode != kPopup) FinishButtons(buttons.column());
    }
  }
  if (failed) {
    Text text(messageTexts.Get(messages::kErrorOpen));
    text.Append(" '");
    text.Append(fileName);
    text.AppendChar('\'');
    ShowMessage(text.c_str(), messageTexts.Get(messages::kErrorCaption).c_str(), MB_ICONEXCLAMATION | MB_OK);
  }
  if (mode == kButtons) rebuildingAfterWait = false;
  // The popup builder destroys its menu when it goes.
  return result;
}

void LauncherDialog::CopyFileToFolder(const char* value) {
  if (rebuildingAfterWait) return;  // copied when the menu was first read
  CopyDiscFile(value, facts.discRoot.c_str());
}
