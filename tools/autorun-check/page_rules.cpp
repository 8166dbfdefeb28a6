// The page's keys as the launcher uses them.
#include "page_rules.h"

#include "menu/language_choice.h"
#include "rule_words.h"

namespace check {

void JudgePageKeys(const MenuFile& file, std::vector<Warning>* warnings) {
  FileWarnings w(file.name, warnings);
  for (const menu::DocumentLine* line = file.document->lines(); line; line = line->next) {
    if (line->kind != menu::DocumentLine::kPageKey) continue;
    const char* value = line->value.c_str();
    if (line->key == menu::LineKind::kDirection) {
      // Only the two words count; the launcher lays out any other page as its start menu.
      if (menu::PageIsRightToLeft(value, false) == menu::PageIsRightToLeft(value, true)) continue;
      w.Warn(line->line, "the direction " + Quoted(value) +
                             " is neither rtl nor ltr; the page reads the way its start menu does");
    } else if (line->key == menu::LineKind::kIconList && line->number) {
      w.Warn(line->line, "the icon list is longer than " + std::to_string(menu::kIconListLimit) +
                             " characters; the launcher reads only " + Quoted(value));
    }
  }
}

void JudgeDiscName(const MenuView& start, std::vector<Warning>* warnings) {
  if (start.name.empty())
    warnings->push_back(
        {start.file, 0,
         "no QXName line: the auto-start choice is kept under an empty disc name, shared with "
         "every other disc that has none"});
}

}  // namespace check
