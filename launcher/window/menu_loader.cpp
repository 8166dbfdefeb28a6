// ApplyMenuFile: a menu file read through the shared menu reader into the current
// entry table and one of the builders; and the QXcopy directive.
#include <windows.h>

#include "base/new_delete.h"
#include "dpi_win32.h"
#include "menu/copy_file_win32.h"
#include "menu/disc_walk_win32.h"
#include "menu/entry_condition.h"
#include "menu/entry_picture.h"
#include "menu/menu_file_win32.h"
#include "menu/menu_reader.h"
#include "menu/message_table.h"
#include "window/launcher_dialog.h"
#include "window/menu_builders.h"

// What the reader finds goes into the window's current table and the builder.
class MenuLoadSink : public menu::MenuSink {
 public:
  MenuLoadSink(LauncherDialog& window, MenuBuilder& builder, const char* fileName)
      : window_(window), builder_(builder), fileName_(fileName) {}
  void OnTitle(const char* value, int) override { SetWindowTextA(window_.handle(), value); }
  void OnMenuName(const char* value, int) override { window_.menuName.Assign(value); }
  void OnCaption(int index, const char* caption, int) override {
    window_.entries->entry[index].caption.Assign(caption);
  }
  void OnPicture(int, const char* value, int) override { picture_.Assign(value); }
  void OnEntryKey(menu::LineKind kind, int, const char* value, int) override {
    if (kind == menu::LineKind::kCondition) condition_.Assign(value);
    if (kind == menu::LineKind::kRunStyle) runStyle_ = ParseRunStyle(value);
    if (kind == menu::LineKind::kTip) tip_.Assign(value);
  }
  void OnEntry(int index, const char* command, int iconNumber, int) override {
    MenuEntry& entry = window_.entries->entry[index];
    entry.command.Assign(command);
    entry.runStyle = runStyle_;
    entry.tip = tip_;
    // A hidden entry keeps its number, icon and picture, but gets no button or item.
    entry.hidden = !menu::ConditionsHold(condition_.c_str(), window_.facts);
    condition_.Clear();
    runStyle_ = RunStyle::kStay;
    tip_.Clear();
    if (entry.hidden) {
      picture_.Clear();
      return;
    }
    builder_.Entry(index, iconNumber);
    builder_.Tip(index, entry.tip.c_str());
    if (picture_.empty()) return;
    // A value that names no usable file still takes the built-in picture away. Only a
    // file of the disc, reached through no link, is loaded by its full path: nothing
    // else is looked for, on the network or anywhere else, while a menu loads.
    menu::PictureSource source;
    const char* root = window_.facts.discRoot.c_str();
    if (!*root ||
        menu::ReadPictureValue(picture_.c_str(), fileName_, root, &source, LeadByteTestFor(GetACP())) !=
            menu::PictureProblem::kNone ||
        WalkDisc(root, source.discPath.c_str()) != menu::PathState::kExists)
      source.path.Clear();
    builder_.Picture(index, source.path.c_str(), source.index);
    picture_.Clear();
  }
  void OnGap(int number, int) override { builder_.Gap(number); }
  void OnCopy(const char* value, int) override { window_.CopyFileToFolder(value); }

 private:
  LauncherDialog& window_;
  MenuBuilder& builder_;
  const char* fileName_;
  Text picture_;  // the picture waiting for the next entry
  // The QXif, QXrun and QXtip values waiting for the next entry.
  Text condition_;
  RunStyle runStyle_ = RunStyle::kStay;
  Text tip_;
};

int LauncherDialog::ApplyMenuFile(const char* fileName, int mode) {
  if (!entries) entries.Reset(new MenuEntryTable);
  if (!entries) return 0;  // out of memory: nothing is loaded
  entries->Clear();
  if (mode == kButtons) buttonsMenu = Text(fileName);
  ButtonBuilder buttons(handle_, entries, pictures, tips, FrameAt(dpi::WindowDpi(handle_)).clientWidth);
  PopupBuilder popup(handle_, entries, popupOrigin, messageTexts);
  MenuBuilder& builder = mode == kPopup ? static_cast<MenuBuilder&>(popup) : buttons;
  builder.Prepare();

  int result = 0;
  bool failed = true;
  // Its text in the ANSI code page, whatever encoding it was saved in.
  if (MenuFile file(fileName); file.ok()) {
    menu::LineReader reader(file.text());
    MenuLoadSink sink(*this, builder, fileName);
    failed = menu::ReadMenu(reader, LeadByteTestFor(GetACP()), sink) == menu::ReadResult::kReadError;
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
    MessageBoxA(handle_, text.c_str(), messageTexts.Get(messages::kErrorCaption).c_str(),
                MB_ICONEXCLAMATION | MB_OK);
  }
  if (mode == kButtons) rebuildingAfterWait = false;
  // The popup builder destroys its menu when it goes.
  return result;
}

void LauncherDialog::CopyFileToFolder(const char* value) {
  if (rebuildingAfterWait) return;  // copied when the menu was first read
  CopyDiscFile(value, facts.discRoot.c_str());
}
