// Pictures and icons as the launcher finds them, through its own reading of a QXpicture
// value (menu/entry_picture.h) and the shell's count of a file's icons (icon_file.h).
#include "picture_rules.h"

#include "icon_file.h"
#include "icon_names.h"
#include "menu/entry_picture.h"
#include "rule_words.h"

namespace check {

namespace {
// Why a path is not one of the disc's files, as the author reads it.
const char* OffDiscReason(menu::DiscPathProblem problem) {
  switch (problem) {
    case menu::DiscPathProblem::kNetwork:
      return "is a network or device path (it begins with two separators or \\??\\)";
    case menu::DiscPathProblem::kDrive:
      return "names a drive or a stream (it holds a ':')";
    case menu::DiscPathProblem::kEnvironment:
      return "holds a '%'";
    case menu::DiscPathProblem::kAboveRoot:
      return "climbs above the disc's root";
    case menu::DiscPathProblem::kDevice:
      return "names a device (CON, NUL, COM1 ...) or a part of dots only";
    case menu::DiscPathProblem::kWildcard:
      return "holds a wildcard (* ? < > \" |)";
    case menu::DiscPathProblem::kEmpty:
    case menu::DiscPathProblem::kNone:
      break;
  }
  return "names no file";
}

// The launcher's reading of an entry's QXpicture value: where the file is, and which icon.
void JudgePictureValue(const MenuFile& file, const std::string& name, const menu::KeyLine& picture,
                       FileWarnings& w) {
  menu::PictureSource source;
  std::string value = picture.value.c_str();
  switch (menu::ReadPictureValue(value.c_str(), file.name.c_str(), kDiscRoot, &source, file.isLeadByte)) {
    case menu::PictureProblem::kNone:
      return;
    case menu::PictureProblem::kNoFile:
      w.Warn(picture.line, "the picture of " + name + " names no file; the button shows no picture");
      return;
    case menu::PictureProblem::kBadIndex:
      w.Warn(picture.line,
             "the picture " + Quoted(value) + " of " + name +
                 " has a negative icon number (icons count from 0); the button shows no picture");
      return;
    case menu::PictureProblem::kOffDisc:
      w.Warn(picture.line, "the picture " + Quoted(value) + " of " + name + " " +
                               OffDiscReason(source.offDisc) +
                               "; the launcher loads pictures from the disc only, and the button shows none");
      return;
    case menu::PictureProblem::kLongPath:
      w.Warn(picture.line, "the picture's path is longer than " + std::to_string(menu::kPicturePathLimit) +
                               " characters; the button shows no picture");
      return;
  }
}
}  // namespace

void JudgePictures(const MenuFile& file, std::vector<Warning>* warnings) {
  FileWarnings w(file.name, warnings);
  if (file.popup) {
    for (const ScannedLine& line : file.lines)
      if (line.kind == menu::LineKind::kPicture)
        w.Warn(line.number, "popup items show no pictures; the launcher ignores this QXpicture line");
    return;
  }
  bool haveIconList = false;  // a QXicon line came before the entry judged
  for (const menu::DocumentLine* line = file.document->lines(); line; line = line->next) {
    if (line->kind == menu::DocumentLine::kPageKey && line->key == menu::LineKind::kIconList)
      haveIconList = true;
    if (line->kind == menu::DocumentLine::kUnusedKey && line->key == menu::LineKind::kPicture)
      w.Warn(line->line, "no entry shows the picture " + Quoted(line->value.c_str()) +
                             ": a later QXpicture line replaces it, or no entry follows it");
    if (line->kind != menu::DocumentLine::kEntry) continue;
    const menu::DocumentEntry& entry = file.document->entries[line->number];
    std::string name = EntryName(line->number, entry.caption.value.c_str());
    if (!entry.picture.value.empty()) {
      JudgePictureValue(file, name, entry.picture, w);
      continue;
    }
    int n = entry.iconNumber - kIconBase;
    if (IconPicture(n)) continue;
    if (n != 0)
      w.Warn(entry.command.line, name + " gets icon number " + std::to_string(n) + ", which names no icon (" +
                                     std::to_string(kFirstIcon) + " to " + std::to_string(kLastIcon) + ")");
    else if (haveIconList)
      w.Warn(entry.command.line, name + " has no icon: the icon list is used up");
    else
      w.Warn(entry.command.line, name + " has no icon: no QXicon line comes before it");
  }
}

void JudgePictureFiles(const MenuView& page, const DiscFiles& files, std::vector<Warning>* warnings) {
  if (page.popup) return;
  FileWarnings w(page.file, warnings);
  for (const MenuItem& item : page.items) {
    if (item.type != MenuItem::kEntry || item.picturePath.empty()) continue;
    // The file must give the icon the entry asks for; otherwise its button shows none.
    const std::string& path = item.picturePath;
    std::string found = files.FindFile(path);
    std::string tail = "; its button shows no picture";
    if (found.empty()) {
      w.Warn(item.pictureLine, "the picture '" + path + "' is not on the disc" + tail);
      continue;
    }
    IconFile icons = ReadIconFile(found);
    int count = icons.count;
    if (icons.kind == IconFile::kNone)
      w.Warn(item.pictureLine,
             "the picture '" + path + "' is not an icon file (.ico), cursor, program or library" + tail);
    else if (icons.kind == IconFile::kDosProgram)
      w.Warn(item.pictureLine,
             "the picture '" + path + "' is an MS-DOS program, which holds no icons" + tail);
    else if (item.pictureIndex >= count)
      w.Warn(item.pictureLine, "the picture '" + path + "' has no icon " + std::to_string(item.pictureIndex) +
                                   " (it holds " + std::to_string(count) +
                                   (count == 1 ? " icon, number 0)" : " icons, counted from 0)") + tail);
  }
}

}  // namespace check
