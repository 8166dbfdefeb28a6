// Rules on QXlanguage lines and the files they name: lines the launcher passes over,
// tags no Windows user has, a language file missing or saved as ANSI text, and a start
// file whose own language no line names.
#pragma once
#include <string>
#include <vector>

#include "disc_files.h"
#include "disc_report.h"
#include "menu_file.h"

namespace check {

// Language lines after an entry or without tags and a file; tags Windows never gives.
void JudgeLanguageLines(const MenuFile& file, std::vector<Warning>* warnings);
// The disc file of a language line of from, as the launcher opens it; "" (and a warning)
// when it is not one of the disc's files.
std::string LanguageFileOnDisc(const std::string& from, const LanguageView& language, const DiscFiles& files,
                               std::vector<Warning>* warnings);
// A language file (of these tags) saved as ANSI text, read in code page readIn.
void WarnAtLegacyText(const std::string& file, const std::string& tags, unsigned readIn,
                      std::vector<Warning>* warnings);
// A note at the start file (spelled as the disc spells it, in lower case) while
// no language line names it.
void NoteWithoutOwnLanguage(const std::string& file, const std::string& lowerSpelled,
                            const std::vector<LanguageView>& languages, std::vector<Warning>* notes);

}  // namespace check
