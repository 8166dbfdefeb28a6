// Entries as the launcher shows and starts them: conditions by its own parser
// (menu/entry_condition.h), run styles by its own, underlined letters as the buttons of
// the control library underline them.
#include "entry_rules.h"

#include <map>

#include "base/utf.h"
#include "commands/command_line.h"
#include "control_text.h"
#include "letter_case.h"
#include "menu/entry_condition.h"
#include "menu/menu_entry.h"
#include "rule_words.h"

namespace check {

namespace {
// Why a condition the launcher reads as not known holds everywhere.
std::string UnknownConditionReason(const menu::Condition& condition) {
  const char* body = condition.text.c_str();
  if (*body == '!') body++;
  if (StartsWithIgnoringAsciiCase(body, "registry:"))
    return "names a registry root that is not known (HKLM, HKCU or HKCR); it holds everywhere";
  return "is not known; it holds everywhere (known: 32-bit, 64-bit, x64, arm64, windows>=V, windows<V, "
         "exists:, missing:, language:, registry:)";
}

class EntryJudge {
 public:
  EntryJudge(const MenuFile& file, DiscCodePage& codePage, std::vector<Warning>* warnings)
      : file_(file), codePage_(codePage), w_(file.name, warnings) {}

  void Run() {
    for (const menu::DocumentLine* line = file_.document->lines(); line; line = line->next) {
      if (line->kind == menu::DocumentLine::kEntry)
        Entry(line->number, file_.document->entries[line->number]);
      if (line->kind == menu::DocumentLine::kUnusedKey && line->key != menu::LineKind::kPicture)
        w_.Warn(line->line, std::string("no entry takes the ") + menu::KeyOfKind(line->key)->name + " line " +
                                Quoted(line->value.c_str()) +
                                ": a later one replaces it, or no entry follows it");
    }
  }

 private:
  void Entry(int index, const menu::DocumentEntry& entry) {
    std::string caption = entry.caption.value.c_str();
    std::string name = EntryName(index, caption);
    NextEntryKeys(name, entry);
    if (!file_.popup) UnderlinedLetter(name, index, entry.caption);
    if (entry.command.value.empty())
      w_.Warn(entry.command.line, name + " has an empty command; choosing it shows the launch error");
    if (caption.empty())
      w_.Warn(entry.caption.line, "entry " + std::to_string(index + 1) + " has an empty caption");
  }

  // Conditions the launcher does not know hold everywhere; a run style belongs to programs.
  void NextEntryKeys(const std::string& name, const menu::DocumentEntry& entry) {
    const char* value = entry.condition.value.c_str();
    menu::Condition condition;
    while (menu::NextCondition(&value, &condition)) {
      if (condition.kind == menu::ConditionKind::kUnknown)
        w_.Warn(entry.condition.line, "the condition " + Quoted(condition.text.c_str()) + " of " + name +
                                          " " + UnknownConditionReason(condition));
    }
    std::string runStyle = entry.runStyle.value.c_str();
    if (!runStyle.empty()) {
      bool menuCommand = command::Classify(entry.command.value.c_str()) != command::Kind::kStart;
      if (ParseRunStyle(runStyle.c_str()) == RunStyle::kUnknown)
        w_.Warn(entry.runStyle.line, "the run style " + Quoted(runStyle) + " of " + name +
                                         " is not known (wait or close); the menu stays");
      else if (menuCommand)
        w_.Warn(entry.runStyle.line, "QXrun does nothing for " + name + ", which opens a menu");
    }
    if (!entry.tip.value.empty() && file_.popup)
      w_.Warn(entry.tip.line, "popup items show no tip; the tip of " + name + " is not shown");
  }

  // A letter underlined on two buttons of a page reaches only the first of them. The
  // underlined character is the one the buttons themselves underline and answer to; its
  // capital and small letter are one key.
  void UnderlinedLetter(const std::string& name, int index, const menu::KeyLine& captionLine) {
    std::string caption = captionLine.value.c_str();
    glyphkey::Underline underline = glyphkey::UnderlinedCharacter(caption.c_str(), file_.isLeadByte);
    if (underline.offset < 0) return;
    size_t length = underline.length;
    unsigned codePoint = utf::kReplacement;
    // In UTF-8 the whole character that begins there is underlined.
    if (file_.textCodePage == menu::kUtf8CodePage)
      length =
          utf::DecodeUtf8(caption.data() + underline.offset, caption.size() - underline.offset, &codePoint);
    std::string shown = caption.substr(underline.offset, length);
    std::string letter = codePage_.Utf8Of(shown, file_.textCodePage);
    if (!letter.empty()) utf::DecodeUtf8(letter.data(), letter.size(), &codePoint);
    auto first = underlined_.emplace(CapitalLetter(codePoint), index);
    if (first.second) return;
    w_.Warn(captionLine.line, name + " underlines '" + shown + "' like entry " +
                                  std::to_string(first.first->second + 1) +
                                  " before it: typing the letter never reaches this button");
  }

  const MenuFile& file_;
  DiscCodePage& codePage_;
  FileWarnings w_;
  std::map<unsigned, int> underlined_;  // the underlined letters (capitals) so far, to the first entry
};
}  // namespace

void JudgeEntries(const MenuFile& file, DiscCodePage& codePage, std::vector<Warning>* warnings) {
  EntryJudge(file, codePage, warnings).Run();
}

}  // namespace check
