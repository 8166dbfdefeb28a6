// Follows a disc's menu from autorun.inf through every page and popup that its
// commands name, and checks that what the commands name is on the disc.
#include "disc_check.h"

#include <stdio.h>
#include <sys/stat.h>

#include <algorithm>
#include <set>

#include "autorun_section.h"
#include "disc_files.h"
#include "icon_file.h"
#include "language_code_page.h"
#include "lead_bytes.h"
#include "menu/disc_path.h"
#include "menu/language_choice.h"
#include "menu_scan.h"
#include "message_section.h"
#include "path_rules.h"

namespace check {

namespace {
const char kStartFile[] = "autorun.inf";

class DiscWalker {
 public:
  DiscWalker(const std::string& root, DiscCodePage& codePage, DiscReport& report)
      : files_(root, &codePage), codePage_(codePage), report_(report) {}

  // Reads one menu file and, after it, the files its commands open.
  // popupChain: the files of the popups open when this one opens, outermost first.
  // languageTags: the tags of the language line whose file is read in place of the start file.
  void Visit(const std::string& name, bool popup, const std::string& openedFrom,
             std::vector<std::string> popupChain, const std::string& languageTags = "") {
    bool startMenu = !languageTags.empty();
    std::string spelled = files_.DiscSpelling(name);
    std::string key = Lower(spelled) + (popup ? "<>" : "[]");
    if (!visited_.insert(key).second) return;

    MenuScan scan = ScanMenuFile(files_.FindFile(name), name, popup, codePage_);
    scan.view.openedFrom = openedFrom;
    bool start = openedFrom.empty() || startMenu;
    if (openedFrom.empty() && !scan.opened) {
      report_.unreadable = "cannot open " + name;
      return;
    }
    if (openedFrom.empty() && scan.readError) {
      report_.unreadable = "read error in " + name;
      return;
    }
    if (!scan.opened) return;  // the opener's warning says so
    if (scan.readError) report_.warnings.push_back({name, 0, "read error; the launcher stops reading here"});
    report_.warnings.insert(report_.warnings.end(), scan.warnings.begin(), scan.warnings.end());
    WarnAtLinks(scan.view, files_, &report_.warnings);
    // The sections as Windows' profile reader reads them: in the file's own text.
    bool discFile = start && Lower(spelled) == kStartFile;
    size_t warnings = report_.warnings.size(), notes = report_.notes.size();
    CheckMessageSection(scan.lines, name, discFile || startMenu, &report_.warnings);
    if (discFile)
      CheckAutorunSection(scan.lines, name, LeadByteTestFor(scan.textCodePage), &report_.warnings,
                          &report_.notes);
    for (size_t i = warnings; i < report_.warnings.size(); ++i)
      report_.warnings[i].text = codePage_.Utf8Of(report_.warnings[i].text, scan.textCodePage);
    for (size_t i = notes; i < report_.notes.size(); ++i)
      report_.notes[i].text = codePage_.Utf8Of(report_.notes[i].text, scan.textCodePage);
    if (startMenu && scan.view.legacyCodePage) WarnAtLegacyText(name, languageTags, scan.view.legacyCodePage);
    if (openedFrom.empty()) NoteWithoutOwnLanguage(name, Lower(spelled), scan.view.languages);
    if (start && scan.view.name.empty())
      Warn(name, 0,
           "no QXName line: the auto-start choice is kept under an empty disc name, shared with every "
           "other disc that has none");
    report_.menus.push_back(scan.view);

    std::string here = Lower(spelled);
    popupChain.push_back(here);
    struct Next {
      std::string file;
      bool popup;
      std::string from;
    };
    std::vector<Next> next;
    for (const MenuItem& item : scan.view.items) {
      if (item.type == MenuItem::kCopy) {
        CheckCopy(name, item);
        continue;
      }
      if (item.type != MenuItem::kEntry) continue;
      for (const std::string& note : item.view.notes) Warn(name, item.line, note);
      if (!popup && !item.picturePath.empty()) CheckPictureFile(name, item);
      const CommandView& view = item.view;
      std::string from = name + ":" + std::to_string(item.line);
      if (view.kind == CommandKind::kPage || view.kind == CommandKind::kPopup) {
        bool isPopup = view.kind == CommandKind::kPopup;
        std::string target = files_.DiscSpelling(view.target);
        if (target.empty()) {
          Warn(name, item.line,
               "the menu file '" + view.target + "' of this " + (isPopup ? "popup" : "page") +
                   " is not on the disc");
          continue;
        }
        std::string lower = Lower(target);
        if (!isPopup && !popup && lower == here) {
          Warn(name, item.line, "the entry reloads the page it is on");
          continue;
        }
        if (isPopup && std::find(popupChain.begin(), popupChain.end(), lower) != popupChain.end()) {
          std::string circle;
          for (const std::string& f : popupChain) circle += f + " -> ";
          Warn(name, item.line, "popups form a circle: " + circle + lower);
          continue;
        }
        next.push_back({view.target, isPopup, from});
      } else if (view.onDisc && files_.FindFile(view.target).empty()) {
        Warn(name, item.line, std::string(KindName(view.kind)) + " '" + view.target + "' is not on the disc");
      }
    }
    // The language files first: one that is also a page of this menu is read as the
    // start menu its users see.
    if (openedFrom.empty() && followLanguages_) VisitLanguages(name, scan.view.languages);
    for (const Next& n : next)
      Visit(n.file, n.popup, n.from, n.popup ? popupChain : std::vector<std::string>());
  }

  // The disc file of a language line, as the launcher opens it; "" when it is not there.
  std::string LanguageFile(const std::string& from, const LanguageView& language) {
    Text discPath;
    if (menu::ResolveDiscPath(language.file.c_str(), "", &discPath) != menu::DiscPathProblem::kNone) {
      Warn(from, language.line,
           "the language file '" + language.file + "' is not a file of the disc; users of " + language.tags +
               " read " + from);
      return "";
    }
    if (files_.FindFile(discPath.c_str()).empty()) {
      Warn(from, language.line,
           "the language file '" + language.file + "' is not on the disc; users of " + language.tags +
               " read " + from);
      return "";
    }
    return discPath.c_str();
  }

  // Every language file is a start menu of its own.
  void VisitLanguages(const std::string& from, const std::vector<LanguageView>& languages) {
    for (const LanguageView& language : languages) {
      std::string file = LanguageFile(from, language);
      if (!file.empty())
        Visit(file, false, from + ":" + std::to_string(language.line) + " (" + language.tags + ")", {},
              language.tags);
    }
  }

  // The start menu of a user of language: its file, or "" for the start file itself;
  // *from says which line chose it, *tags its tags.
  std::string StartMenuFor(const std::string& startFile, const std::string& language, std::string* from,
                           std::string* tags) {
    MenuScan scan = ScanMenuFile(files_.FindFile(startFile), startFile, false, codePage_);
    menu::LanguageLines lines;
    for (const LanguageView& view : scan.view.languages) {
      Text value((view.tags + " " + view.file).c_str());
      lines.OnLanguage(value.c_str(), false, view.line);
    }
    menu::UserLanguages user;
    user.Add(language.c_str());
    int chosen = lines.Choose(user);
    if (chosen < 0) return "";
    const LanguageView& line = scan.view.languages[chosen];
    *from = startFile + ":" + std::to_string(line.line) + " (" + line.tags + ")";
    *tags = line.tags;
    return LanguageFile(startFile, line);
  }

  bool followLanguages_ = true;

 private:
  static std::string Lower(const std::string& name) { return LowerName(name, nullptr); }

  void Warn(const std::string& file, int line, const std::string& text) {
    report_.warnings.push_back({file, line, text});
  }

  // A language file saved as ANSI text shows its letters right only where Windows' code
  // page for programs without Unicode is the one it was saved in; UTF-8 shows them everywhere.
  void WarnAtLegacyText(const std::string& file, const std::string& tags, unsigned readIn) {
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
    Warn(file, 0, "the language file is saved as ANSI text, not as Unicode: " + where + ". Save it as UTF-8");
  }

  // A user reads the first of their languages that a line names: without a line for the
  // start file's own language, a user who puts it first and a language of the lines
  // second reads the other file.
  void NoteWithoutOwnLanguage(const std::string& file, const std::string& lowerSpelled,
                              const std::vector<LanguageView>& languages) {
    if (languages.empty()) return;
    std::string tags;
    for (const LanguageView& language : languages) {
      Text discPath;
      if (menu::ResolveDiscPath(language.file.c_str(), "", &discPath) == menu::DiscPathProblem::kNone &&
          Lower(discPath.c_str()) == lowerSpelled)
        return;
      tags += (tags.empty() ? "" : ",") + language.tags;
    }
    report_.notes.push_back(
        {file, languages[0].line,
         "no language line names " + file +
             " itself: a user whose Windows lists its language first and one of " + tags +
             " second reads the other file; name its own language too, such as QXlanguage=en " + file});
  }

  void CheckCopy(const std::string& file, const MenuItem& item) {
    if (item.copySource.empty() || IsOutsideDisc(item.copySource)) return;
    if (files_.FindFile(item.copySource).empty())
      Warn(file, item.line, "the copy source '" + item.copySource + "' is not on the disc");
  }

  // The file must give the icon the entry asks for; otherwise its button shows none.
  void CheckPictureFile(const std::string& file, const MenuItem& item) {
    const std::string& path = item.picturePath;
    std::string found = files_.FindFile(path);
    std::string tail = "; its button shows no picture";
    if (found.empty()) {
      Warn(file, item.pictureLine, "the picture '" + path + "' is not on the disc" + tail);
      return;
    }
    IconFile icons = ReadIconFile(found);
    int count = icons.count;
    if (icons.kind == IconFile::kNone)
      Warn(file, item.pictureLine,
           "the picture '" + path + "' is not an icon file (.ico), cursor, program or library" + tail);
    else if (icons.kind == IconFile::kDosProgram)
      Warn(file, item.pictureLine,
           "the picture '" + path + "' is an MS-DOS program, which holds no icons" + tail);
    else if (item.pictureIndex >= count)
      Warn(file, item.pictureLine,
           "the picture '" + path + "' has no icon " + std::to_string(item.pictureIndex) + " (it holds " +
               std::to_string(count) + (count == 1 ? " icon, number 0)" : " icons, counted from 0)") + tail);
  }

  DiscFiles files_;
  DiscCodePage& codePage_;
  DiscReport& report_;
  std::set<std::string> visited_;
};
}  // namespace

DiscReport CheckDisc(const std::string& root, const std::string& startFile, DiscCodePage& codePage,
                     const std::string& language) {
  DiscReport report;
  DiscWalker walker(root, codePage, report);
  if (language.empty()) {
    walker.Visit(startFile, false, "", {});
  } else {
    // What a user of that language sees, and nothing else.
    walker.followLanguages_ = false;
    std::string from, tags;
    std::string chosen = walker.StartMenuFor(startFile, language, &from, &tags);
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

DiscReport CheckPath(const std::string& path, DiscCodePage& codePage, const std::string& language) {
  DiscReport report;
  std::string trimmed = TrimHostPath(path);
  struct stat st;
  if (stat(trimmed.c_str(), &st) != 0) {
    report.unreadable = "no such file or folder: " + codePage.FromHostName(path);
    return report;
  }
  if (S_ISDIR(st.st_mode)) {
    // The start file's name as the disc spells it.
    std::string name = DiscFiles(trimmed, &codePage).DiscSpelling(kStartFile);
    if (name.empty()) {
      bool link = !DiscFiles(trimmed, &codePage).LinkOn(kStartFile).empty();
      report.unreadable =
          "the folder " + codePage.FromHostName(path) +
          (link ? "'s autorun.inf is a symbolic link, which the launcher refuses" : " has no autorun.inf");
      return report;
    }
    return CheckDisc(trimmed, name, codePage, language);
  }
  std::string folder, name;
  SplitHostPath(trimmed, &folder, &name);
  return CheckDisc(folder, codePage.FromHostName(name), codePage, language);
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
