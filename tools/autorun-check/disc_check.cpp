// The pipeline: follows a disc's menu from autorun.inf through every page and popup
// that its commands name; each file read, described and judged by every family of rules.
#include "disc_check.h"

#include <stdio.h>

#include <algorithm>
#include <set>

#include "autoplay_rules.h"
#include "command_rules.h"
#include "copy_rules.h"
#include "disc_files.h"
#include "entry_rules.h"
#include "language_rules.h"
#include "letter_case.h"
#include "line_rules.h"
#include "link_rules.h"
#include "menu/language_choice.h"
#include "menu_file.h"
#include "menu_view.h"
#include "message_rules.h"
#include "page_rules.h"
#include "picture_rules.h"

namespace check {

namespace {
const char kStartFile[] = "autorun.inf";

// Warnings judged in a file's own text, in UTF-8.
void AppendInUtf8(std::vector<Warning>& from, unsigned textCodePage, DiscCodePage& codePage,
                  std::vector<Warning>* to) {
  for (Warning& warning : from) {
    warning.text = codePage.Utf8Of(warning.text, textCodePage);
    to->push_back(warning);
  }
}

class DiscWalker {
 public:
  DiscWalker(const std::string& root, DiscCodePage& codePage, const CheckOptions& options, DiscReport& report)
      : files_(root),
        codePage_(codePage),
        associations_(SystemAssociations(options.freshWindows)),
        report_(report) {}

  // Reads one menu file, judges it and, after it, the files its commands open.
  // popupChain: the files of the popups open when this one opens, outermost first.
  // languageTags: the tags of the language line whose file is read in place of the start file.
  void Visit(const std::string& name, bool popup, const std::string& openedFrom,
             std::vector<std::string> popupChain, const std::string& languageTags = "") {
    bool startMenu = !languageTags.empty();
    std::string spelled = files_.DiscSpelling(name);
    std::string here = LowerName(spelled, nullptr);
    if (!visited_.insert(here + (popup ? "<>" : "[]")).second) return;

    // Read: the launcher's own document of the file.
    MenuFile file = ReadMenuFile(files_.FindFile(name), name, popup, codePage_);
    bool start = openedFrom.empty() || startMenu;
    if (openedFrom.empty() && !file.opened) {
      report_.unreadable = "cannot open " + name;
      return;
    }
    if (openedFrom.empty() && file.readError) {
      report_.unreadable = "read error in " + name;
      return;
    }
    if (!file.opened) return;  // the opener's warning says so
    MenuView view = ViewMenu(file, codePage_, associations_);
    view.openedFrom = openedFrom;
    std::vector<Warning>& warnings = report_.warnings;
    if (file.readError) warnings.push_back({name, 0, "read error; the launcher stops reading here"});

    // The rules, in the order the report lists a line's warnings. First those on the
    // document and the lines, in the file's own text (its limits and lead bytes).
    std::vector<Warning> own;
    JudgePageKeys(file, &own);
    JudgePictures(file, &own);
    JudgeEntries(file, codePage_, &own);
    JudgeCopies(file, &own);
    JudgeLanguageLines(file, &own);
    JudgeLines(file, &own);
    AppendInUtf8(own, file.textCodePage, codePage_, &warnings);
    WarnAtLinks(view, files_, &warnings);
    // The sections as Windows' profile reader reads them: in the file's own text.
    bool discFile = start && here == kStartFile;
    std::vector<Warning> sections, notes;
    JudgeMessages(file.lines, name, discFile || startMenu, &sections);
    if (discFile) JudgeAutorunSection(file.lines, name, file.isLeadByte, &sections, &notes);
    AppendInUtf8(sections, file.textCodePage, codePage_, &warnings);
    AppendInUtf8(notes, file.textCodePage, codePage_, &report_.notes);
    if (startMenu && view.legacyCodePage)
      WarnAtLegacyText(name, languageTags, view.legacyCodePage, &warnings);
    if (openedFrom.empty()) NoteWithoutOwnLanguage(name, here, view.languages, &report_.notes);
    if (start) JudgeDiscName(view, &warnings);
    report_.menus.push_back(view);

    // Then the disc's files that the menu names.
    popupChain.push_back(here);
    JudgeCopySources(view, files_, &warnings);
    JudgePictureFiles(view, files_, &warnings);
    std::vector<MenuToOpen> next = JudgeCommands(view, files_, popupChain, &warnings);
    // The language files first: one that is also a page of this menu is read as the
    // start menu its users see.
    if (openedFrom.empty() && followLanguages_) VisitLanguages(name, view.languages);
    for (const MenuToOpen& menu : next)
      Visit(menu.file, menu.popup, menu.from, menu.popup ? popupChain : std::vector<std::string>());
  }

  // Every language file is a start menu of its own.
  void VisitLanguages(const std::string& from, const std::vector<LanguageView>& languages) {
    for (const LanguageView& language : languages) {
      std::string file = LanguageFileOnDisc(from, language, files_, &report_.warnings);
      if (!file.empty())
        Visit(file, false, from + ":" + std::to_string(language.line) + " (" + language.tags + ")", {},
              language.tags);
    }
  }

  // The start menu of a user of language: its file, or "" for the start file itself;
  // *from says which line chose it, *tags its tags.
  std::string StartMenuFor(const std::string& startFile, const std::string& language, std::string* from,
                           std::string* tags) {
    MenuFile file = ReadMenuFile(files_.FindFile(startFile), startFile, false, codePage_);
    MenuView view = ViewMenu(file, codePage_, associations_);
    menu::LanguageLines lines;
    for (const LanguageView& line : view.languages) {
      Text value((line.tags + " " + line.file).c_str());
      lines.OnLanguage(value.c_str(), false, line.line);
    }
    menu::UserLanguages user;
    user.Add(language.c_str());
    int chosen = lines.Choose(user);
    if (chosen < 0) return "";
    const LanguageView& line = view.languages[chosen];
    *from = startFile + ":" + std::to_string(line.line) + " (" + line.tags + ")";
    *tags = line.tags;
    return LanguageFileOnDisc(startFile, line, files_, &report_.warnings);
  }

  bool followLanguages_ = true;

 private:
  DiscFiles files_;
  DiscCodePage& codePage_;
  Associations associations_;
  DiscReport& report_;
  std::set<std::string> visited_;
};
}  // namespace

DiscReport CheckDisc(const std::string& root, const std::string& startFile, DiscCodePage& codePage,
                     const CheckOptions& options) {
  DiscReport report;
  DiscWalker walker(root, codePage, options, report);
  if (options.language.empty()) {
    walker.Visit(startFile, false, "", {});
  } else {
    // What a user of that language sees, and nothing else.
    walker.followLanguages_ = false;
    std::string from, tags;
    std::string chosen = walker.StartMenuFor(startFile, options.language, &from, &tags);
    if (chosen.empty())
      walker.Visit(startFile, false, "", {});
    else
      walker.Visit(chosen, false, from, {}, tags);
  }
  // Warnings read file by file in the order of the listing, line by line within a file.
  std::vector<std::string> order;
  for (const MenuView& menu : report.menus) order.push_back(menu.file);
  auto rank = [&](const Warning& w) { return std::find(order.begin(), order.end(), w.file) - order.begin(); };
  std::stable_sort(report.warnings.begin(), report.warnings.end(), [&](const Warning& a, const Warning& b) {
    if (rank(a) != rank(b)) return rank(a) < rank(b);
    return a.line < b.line;
  });
  return report;
}

DiscReport CheckPath(const std::string& path, DiscCodePage& codePage, const CheckOptions& options) {
  DiscReport report;
  std::string trimmed = TrimHostPath(path);
  HostEntry entry = HostEntryAt(trimmed);
  if (entry == HostEntry::kNone) {
    report.unreadable = "no such file or folder: " + path;
    return report;
  }
  if (entry == HostEntry::kFolder) {
    // The start file's name as the disc spells it.
    std::string name = DiscFiles(trimmed).DiscSpelling(kStartFile);
    if (name.empty()) {
      bool link = !DiscFiles(trimmed).LinkOn(kStartFile).empty();
      report.unreadable =
          "the folder " + path +
          (link ? "'s autorun.inf is a symbolic link, which the launcher refuses" : " has no autorun.inf");
      return report;
    }
    return CheckDisc(trimmed, name, codePage, options);
  }
  std::string folder, name;
  SplitHostPath(trimmed, &folder, &name);
  return CheckDisc(folder, name, codePage, options);
}

DiscReport CheckPath(const std::string& path, unsigned codePage) {
  std::unique_ptr<DiscCodePage> page = OpenCodePage(codePage);
  if (!page) {
    DiscReport report;
    report.unreadable = "this system cannot convert code page " + std::to_string(codePage);
    return report;
  }
  return CheckPath(path, *page);
}

int ExitStatus(const DiscReport& report) {
  if (!report.unreadable.empty()) return 2;
  return report.warnings.empty() ? 0 : 1;
}

}  // namespace check
