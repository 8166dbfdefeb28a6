// A menu document drawn with a builder: entries, gaps and copies in file order.
#include "window/menu_drawing.h"

#include "menu/copy_file_win32.h"
#include "menu/disc_walk_win32.h"
#include "menu/entry_picture.h"

namespace {

void DrawEntry(MenuBuilder& builder, MenuEntryTable& table, int index, const menu::SystemFacts& facts,
               const char* fileName) {
  const menu::DocumentEntry& entry = table.document.entries[index];
  // A hidden entry keeps its number, icon and picture, but gets no button or item.
  table.hidden[index] = !menu::ConditionsHold(entry.condition.value.c_str(), facts);
  if (table.hidden[index]) return;
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
      menu::ReadPictureValue(picture, fileName, root, &source, nullptr) != menu::PictureProblem::kNone ||
      WalkDisc(root, source.discPath.c_str()) != menu::PathState::kExists)
    source.path.Clear();
  builder.Picture(index, source.path.c_str(), source.index);
}

}  // namespace

void DrawMenuDocument(MenuBuilder& builder, MenuEntryTable& table, const menu::SystemFacts& facts,
                      const char* fileName, bool copyFiles) {
  for (const menu::DocumentLine* line = table.document.lines(); line; line = line->next) {
    if (line->kind == menu::DocumentLine::kEntry) DrawEntry(builder, table, line->number, facts, fileName);
    if (line->kind == menu::DocumentLine::kGap) builder.Gap(line->number);
    if (line->kind == menu::DocumentLine::kCopy && copyFiles)
      CopyDiscFile(line->value.c_str(), facts.discRoot.c_str());
  }
}
