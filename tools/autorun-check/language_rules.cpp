// Language lines through the launcher's own parser and Windows' language fallback
// (menu/language_choice.h); the code pages of languages from language_code_page.h.
#include "language_rules.h"

#include "language_code_page.h"
#include "letter_case.h"
#include "menu/disc_path.h"
#include "menu/language_choice.h"
#include "rule_words.h"

namespace check {

void JudgeLanguageLines(const MenuFile& file, std::vector<Warning>* warnings) {
  FileWarnings w(file.name, warnings);
  for (const menu::DocumentLine* line = file.document->lines(); line; line = line->next) {
    if (line->kind != menu::DocumentLine::kLanguage) continue;
    const char* value = line->value.c_str();
    if (line->number != 0) {
      w.Warn(line->line,
             "the language line comes after an entry; the launcher reads only those before the first entry");
      continue;
    }
    menu::LanguageLine parsed;
    if (!menu::ParseLanguageValue(value, &parsed)) {
      w.Warn(line->line, "the language line " + Quoted(value) +
                             " needs tags and a file (QXlanguage=de,de-AT deutsch.inf)");
      continue;
    }
    // The launcher compares tags with the user's; a tag Windows never gives matches no one.
    std::string tags = parsed.tags.c_str();
    for (size_t at = 0; at < tags.size();) {
      size_t end = tags.find(',', at);
      if (end == std::string::npos) end = tags.size();
      std::string tag = tags.substr(at, end - at);
      if (!tag.empty() && !menu::ReachedByWindows(tag.c_str()))
        w.Warn(line->line,
               "no Windows user has the language tag " + Quoted(tag) +
                   ", so none reads this file by it: Windows gives tags such as de, de-CH, zh-TW and "
                   "sr-Latn, never zh-Hant-TW, zh-CHS, iw or in");
      at = end + 1;
    }
  }
}

std::string LanguageFileOnDisc(const std::string& from, const LanguageView& language, const DiscFiles& files,
                               std::vector<Warning>* warnings) {
  Text discPath;
  if (menu::ResolveDiscPath(language.file.c_str(), "", &discPath) != menu::DiscPathProblem::kNone) {
    warnings->push_back({from, language.line,
                         "the language file '" + language.file + "' is not a file of the disc; users of " +
                             language.tags + " read " + from});
    return "";
  }
  if (files.FindFile(discPath.c_str()).empty()) {
    warnings->push_back({from, language.line,
                         "the language file '" + language.file + "' is not on the disc; users of " +
                             language.tags + " read " + from});
    return "";
  }
  return discPath.c_str();
}

// A language file saved as ANSI text shows its letters right only where Windows' code
// page for programs without Unicode is the one it was saved in; UTF-8 shows them everywhere.
void WarnAtLegacyText(const std::string& file, const std::string& tags, unsigned readIn,
                      std::vector<Warning>* warnings) {
  std::string language = tags.substr(0, tags.find(','));
  int own = AnsiCodePageOf(language.c_str());
  std::string where =
      "its letters show right only where Windows' code page for programs without Unicode is the one it was "
      "saved in";
  if (own == kNoAnsiCodePage)
    where = "Windows has no such code page for " + language + ", so its letters show right nowhere";
  else if (own != kUnknownCodePage)
    where += " (" + std::to_string(own) + " for " + language + "), and a user of " + language +
             " may have set another";
  if (own != static_cast<int>(readIn)) where += "; it is read here as code page " + std::to_string(readIn);
  warnings->push_back(
      {file, 0, "the language file is saved as ANSI text, not as Unicode: " + where + ". Save it as UTF-8"});
}

// A user reads the first of their languages that a line names: without a line for the
// start file's own language, a user who puts it first and a language of the lines
// second reads the other file.
void NoteWithoutOwnLanguage(const std::string& file, const std::string& lowerSpelled,
                            const std::vector<LanguageView>& languages, std::vector<Warning>* notes) {
  if (languages.empty()) return;
  std::string tags;
  for (const LanguageView& language : languages) {
    Text discPath;
    if (menu::ResolveDiscPath(language.file.c_str(), "", &discPath) == menu::DiscPathProblem::kNone &&
        LowerName(discPath.c_str(), nullptr) == lowerSpelled)
      return;
    tags += (tags.empty() ? "" : ",") + language.tags;
  }
  notes->push_back({file, languages[0].line,
                    "no language line names " + file +
                        " itself: a user whose Windows lists its language first and one of " + tags +
                        " second reads the other file; name its own language too, such as QXlanguage=en " +
                        file});
}

}  // namespace check
