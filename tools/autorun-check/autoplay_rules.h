// The [autorun] section as Windows reads it: whether its AutoPlay offers the
// menu, what it makes of action=, and the lines that antivirus programs take for a worm's.
#pragma once
#include <string>
#include <vector>

#include "disc_report.h"
#include "menu_file.h"

namespace check {

// Lines as Windows' own profile reader splits them (the launcher's rules,
// menu/profile_section.h): true when the line is a section header, *name its name;
// true when it is a key line, *key and *value its trimmed parts, the value without a
// pair of enclosing quotes.
bool SectionOf(const std::string& line, std::string* name);
bool KeyValueOf(const std::string& line, std::string* key, std::string* value);

// Warnings about the disc's autorun.inf as Windows sees it (only for that file), and
// notes: what the author should know but need not change.
void JudgeAutorunSection(const std::vector<ScannedLine>& lines, const std::string& file,
                         LeadByteTest isLeadByte, std::vector<Warning>* warnings,
                         std::vector<Warning>* notes);

// Whether an action= text copies one of the choices Windows' own AutoPlay dialog
// offers, and whether it names something (a program, a maker) rather than only what
// happens. Double-byte texts, which have no capitals, are taken as naming something.
bool CopiesWindowsChoice(const std::string& action);
bool NamesSomething(const std::string& action, LeadByteTest isLeadByte);

}  // namespace check
