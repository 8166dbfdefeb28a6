// One menu file read into the launcher's own menu document, which DocumentJudge
// judges for what the launcher shows, and through its line reader and line
// classifier (CheckLines) for what it passes over: keys behind a blank, pairing out
// of step, lines past the thirtieth entry. Rules across files are disc_check's.
#include "menu_scan.h"

#include <stdio.h>
#include <string.h>
#include <strings.h>

#include <map>

#include "base/utf.h"
#include "control_text.h"
#include "icon_names.h"
#include "lead_bytes.h"
#include "letter_case.h"
#include "menu/copy_directive.h"
#include "menu/entry_condition.h"
#include "menu/entry_picture.h"
#include "menu/language_choice.h"
#include "menu/menu_document.h"
#include "menu/menu_entry.h"
#include "path_rules.h"

namespace check {

namespace {
const char kWindowsDir[] = "C:\\WINDOWS";  // how a copy to %windir% is shown
// The disc's root as the launcher sees it on a CD or stick: a drive's root. Only the
// length of a picture's full path depends on it.
const char kDiscRoot[] = "D:\\";

class FileSource : public menu::ByteSource {
 public:
  explicit FileSource(FILE* file) : file_(file) {}
  long Read(char* buffer, size_t size) override {
    size_t got = fread(buffer, 1, size, file_);
    if (got == 0 && ferror(file_)) return -1;
    return static_cast<long>(got);
  }

 private:
  FILE* file_;
};

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

std::string Quoted(const std::string& text) {
  return "'" + text + "'";
}

// The key part of a key line: the text before its first "=".
std::string KeyOf(const std::string& line) {
  return line.substr(0, line.find('='));
}

// Does the key hold "\command"? Its "\" may not be the second byte of a character.
bool KeyNamesCommand(const std::string& key, LeadByteTest isLeadByte) {
  std::string lower = LowerName(key, isLeadByte);
  for (const char* p = lower.c_str(); (p = FindCharacter(p, '\\', isLeadByte)); ++p)
    if (strncmp(p, "\\command", 8) == 0) return true;
  return false;
}

// Judges the document the launcher's reader made of the file, line by line in file order,
// in the file's own text (textCodePage): its limits and lead bytes are the launcher's.
class DocumentJudge {
 public:
  DocumentJudge(MenuScan& scan, const menu::MenuDocument& document, DiscCodePage& codePage)
      : scan_(scan), d_(document), codePage_(codePage), isLeadByte_(LeadByteTestFor(scan.textCodePage)) {}

  void Run() {
    for (const menu::DocumentLine* line = d_.lines(); line; line = line->next) {
      switch (line->kind) {
        case menu::DocumentLine::kPageKey:
          PageKey(*line);
          break;
        case menu::DocumentLine::kEntry:
          Entry(line->number);
          break;
        case menu::DocumentLine::kGap: {
          MenuItem item;
          item.type = MenuItem::kGap;
          item.line = line->line;
          item.gap = line->number;
          scan_.view.items.push_back(item);
          break;
        }
        case menu::DocumentLine::kCopy:
          Copy(line->value.c_str(), line->line);
          break;
        case menu::DocumentLine::kLanguage:
          Language(line->value.c_str(), line->number != 0, line->line);
          break;
        case menu::DocumentLine::kUnusedKey:
          UnusedKey(line->key, line->value.c_str(), line->line);
          break;
        case menu::DocumentLine::kIgnored:
          break;
      }
    }
  }

 private:
  void PageKey(const menu::DocumentLine& line) {
    const char* value = line.value.c_str();
    if (line.key == menu::LineKind::kTitle) {
      scan_.view.title = value;
      scan_.view.titleLine = line.line;
    } else if (line.key == menu::LineKind::kMenuName) {
      scan_.view.name = value;
      scan_.view.nameLine = line.line;
    } else if (line.key == menu::LineKind::kDirection) {
      // Only the two words count; the launcher lays out any other page as its start menu.
      if (menu::PageIsRightToLeft(value, false) == menu::PageIsRightToLeft(value, true))
        return;
      Warn(line.line, "the direction " + Quoted(value) +
                          " is neither rtl nor ltr; the page reads the way its start menu does");
    } else if (line.key == menu::LineKind::kIconList) {
      haveIconList_ = true;
      if (line.number)
        Warn(line.line, "the icon list is longer than " + std::to_string(menu::kIconListLimit) +
                            " characters; the launcher reads only " + Quoted(value));
    }
  }

  void UnusedKey(menu::LineKind kind, const char* value, int line) {
    if (kind == menu::LineKind::kPicture) {
      if (scan_.view.popup) return;  // said once for every picture line of a popup
      Warn(line, "no entry shows the picture " + Quoted(value) +
                     ": a later QXpicture line replaces it, or no entry follows it");
      return;
    }
    Warn(line, std::string("no entry takes the ") + menu::KeyOfKind(kind)->name + " line " + Quoted(value) +
                   ": a later one replaces it, or no entry follows it");
  }

  void Language(const char* value, bool afterEntry, int line) {
    if (afterEntry) {
      Warn(line,
           "the language line comes after an entry; the launcher reads only those before the first entry");
      return;
    }
    menu::LanguageLine parsed;
    if (!menu::ParseLanguageValue(value, &parsed)) {
      Warn(line,
           "the language line " + Quoted(value) + " needs tags and a file (QXlanguage=de,de-AT deutsch.inf)");
      return;
    }
    scan_.view.languages.push_back({line, parsed.tags.c_str(), parsed.file.c_str()});
    // The launcher compares tags with the user's; a tag Windows never gives matches no one.
    std::string tags = parsed.tags.c_str();
    for (size_t at = 0; at < tags.size();) {
      size_t end = tags.find(',', at);
      if (end == std::string::npos) end = tags.size();
      std::string tag = tags.substr(at, end - at);
      if (!tag.empty() && !menu::ReachedByWindows(tag.c_str()))
        Warn(line, "no Windows user has the language tag " + Quoted(tag) +
                       ", so none reads this file by it: Windows gives tags such as de, de-CH, zh-TW and "
                       "sr-Latn, never zh-Hant-TW, zh-CHS, iw or in");
      at = end + 1;
    }
  }

  void Entry(int index) {
    const menu::DocumentEntry& entry = d_.entries[index];
    MenuItem item;
    item.type = MenuItem::kEntry;
    item.line = entry.command.line;
    item.index = index;
    item.caption = entry.caption.value.c_str();
    item.captionLine = entry.caption.line;
    item.command = entry.command.value.c_str();
    item.iconNumber = entry.iconNumber;
    item.picture = entry.picture.value.c_str();
    item.pictureLine = entry.picture.line;
    item.condition = entry.condition.value.c_str();
    item.runStyle = entry.runStyle.value.c_str();
    item.tip = entry.tip.value.c_str();
    item.view = ViewCommand(item.command, isLeadByte_);
    CheckEntryKeys(item, entry);
    CheckEntry(item);
    scan_.view.items.push_back(item);
  }

  void Copy(const char* value, int line) {
    MenuItem item;
    item.type = MenuItem::kCopy;
    item.line = line;
    item.copyValue = value;
    Text source, destination;
    switch (menu::ParseCopyDirective(value, kWindowsDir, &source, &destination, isLeadByte_)) {
      case menu::CopyOutcome::kCopy: {
        std::string refusal = CopyRefusal(source.c_str(), destination.c_str(), &item.copySource, isLeadByte_);
        if (refusal.empty())
          item.copyDestination = destination.c_str();
        else
          Warn(line, "the copy " + Quoted(item.copyValue) + " " + refusal);
        break;
      }
      case menu::CopyOutcome::kNoFolder:
        Warn(line, "the copy directive " + Quoted(item.copyValue) +
                       " names no folder (write source|folder); the launcher copies nothing");
        break;
      case menu::CopyOutcome::kValueTooLong:
        Warn(line, "the copy directive is longer than " + std::to_string(menu::kCopyValueLimit) +
                       " characters; the launcher copies nothing");
        break;
      case menu::CopyOutcome::kDestinationTooLong:
        Warn(line, "the copy destination is longer than " + std::to_string(menu::kCopyDestinationLimit) +
                       " characters; the launcher copies nothing");
        break;
      case menu::CopyOutcome::kOutOfMemory:
        Warn(line, "out of memory reading the copy directive");
        break;
    }
    scan_.view.items.push_back(item);
  }

  void Warn(int line, const std::string& text) { scan_.warnings.push_back({scan_.view.file, line, text}); }

  void CheckEntry(MenuItem& item) {
    std::string name = "entry " + std::to_string(item.index + 1) + " " + Quoted(item.caption);
    int n = item.iconNumber - kIconBase;
    if (!item.picture.empty() && !scan_.view.popup) CheckPictureValue(name, item);
    if (!scan_.view.popup && item.picture.empty() && !IconPicture(n)) {
      if (n != 0)
        Warn(item.line, name + " gets icon number " + std::to_string(n) + ", which names no icon (1 to 26)");
      else if (haveIconList_)
        Warn(item.line, name + " has no icon: the icon list is used up");
      else
        Warn(item.line, name + " has no icon: no QXicon line comes before it");
    }
    if (!scan_.view.popup) CheckUnderlinedLetter(name, item);
    if (item.command.empty())
      Warn(item.line, name + " has an empty command; choosing it shows the launch error");
    if (item.caption.empty())
      Warn(item.captionLine, "entry " + std::to_string(item.index + 1) + " has an empty caption");
  }

  // A letter underlined on two buttons of a page reaches only the first of them. The
  // underlined character is the one the buttons themselves underline and answer to; its
  // capital and small letter are one key.
  void CheckUnderlinedLetter(const std::string& name, const MenuItem& item) {
    const std::string& caption = item.caption;
    glyphkey::Underline underline = glyphkey::UnderlinedCharacter(caption.c_str(), isLeadByte_);
    if (underline.offset < 0) return;
    size_t length = underline.length;
    unsigned codePoint = utf::kReplacement;
    // In UTF-8 the whole character that begins there is underlined.
    if (scan_.textCodePage == menu::kUtf8CodePage)
      length =
          utf::DecodeUtf8(caption.data() + underline.offset, caption.size() - underline.offset, &codePoint);
    std::string shown = caption.substr(underline.offset, length);
    std::string letter = codePage_.Utf8Of(shown, scan_.textCodePage);
    if (!letter.empty()) utf::DecodeUtf8(letter.data(), letter.size(), &codePoint);
    auto first = underlined_.emplace(CapitalLetter(codePoint), item.index);
    if (first.second) return;
    Warn(item.captionLine, name + " underlines '" + shown + "' like entry " +
                               std::to_string(first.first->second + 1) +
                               " before it: typing the letter never reaches this button");
  }

  // Conditions the launcher does not know hold everywhere; a run style belongs to programs.
  void CheckEntryKeys(const MenuItem& item, const menu::DocumentEntry& entry) {
    std::string name = "entry " + std::to_string(item.index + 1) + " " + Quoted(item.caption);
    const char* value = item.condition.c_str();
    menu::Condition condition;
    while (menu::NextCondition(&value, &condition)) {
      if (condition.kind == menu::ConditionKind::kUnknown)
        Warn(entry.condition.line, "the condition " + Quoted(condition.text.c_str()) + " of " + name + " " +
                                       UnknownConditionReason(condition));
    }
    if (!item.runStyle.empty()) {
      bool menuCommand = item.view.kind == CommandKind::kPage || item.view.kind == CommandKind::kPopup;
      if (ParseRunStyle(item.runStyle.c_str()) == RunStyle::kUnknown)
        Warn(entry.runStyle.line, "the run style " + Quoted(item.runStyle) + " of " + name +
                                      " is not known (wait or close); the menu stays");
      else if (menuCommand)
        Warn(entry.runStyle.line, "QXrun does nothing for " + name + ", which opens a menu");
    }
    if (!item.tip.empty() && scan_.view.popup)
      Warn(entry.tip.line, "popup items show no tip; the tip of " + name + " is not shown");
  }

  // The launcher's reading of the value: where the file is, and which of its icons.
  void CheckPictureValue(const std::string& name, MenuItem& item) {
    menu::PictureSource source;
    switch (menu::ReadPictureValue(item.picture.c_str(), scan_.view.file.c_str(), kDiscRoot, &source,
                                   isLeadByte_)) {
      case menu::PictureProblem::kNone:
        item.picturePath = source.discPath.c_str();
        item.pictureIndex = source.index;
        return;
      case menu::PictureProblem::kNoFile:
        Warn(item.pictureLine, "the picture of " + name + " names no file; the button shows no picture");
        return;
      case menu::PictureProblem::kBadIndex:
        Warn(item.pictureLine,
             "the picture " + Quoted(item.picture) + " of " + name +
                 " has a negative icon number (icons count from 0); the button shows no picture");
        return;
      case menu::PictureProblem::kOffDisc:
        Warn(item.pictureLine,
             "the picture " + Quoted(item.picture) + " of " + name + " " + OffDiscReason(source.offDisc) +
                 "; the launcher loads pictures from the disc only, and the button shows none");
        return;
      case menu::PictureProblem::kLongPath:
        Warn(item.pictureLine, "the picture's path is longer than " +
                                   std::to_string(menu::kPicturePathLimit) +
                                   " characters; the button shows no picture");
        return;
    }
  }

  MenuScan& scan_;
  const menu::MenuDocument& d_;
  DiscCodePage& codePage_;
  LeadByteTest isLeadByte_;
  bool haveIconList_ = false;           // a QXicon line came before the entry judged
  std::map<unsigned, int> underlined_;  // the underlined letters (capitals) so far, to the first entry
};

// The names of the encoding a file was read in.
void DescribeEncoding(const menu::EncodingChoice& choice, const DiscCodePage& codePage, MenuView* view) {
  switch (choice.encoding) {
    case menu::Encoding::kAnsi:
      view->encoding = "ansi";
      view->encodingText = "ANSI, read as code page " + std::to_string(codePage.number());
      break;
    case menu::Encoding::kUtf8:
      view->encoding = choice.markLength ? "utf-8-bom" : "utf-8";
      view->encodingText = choice.markLength ? "UTF-8 with a byte-order mark" : "UTF-8";
      break;
    case menu::Encoding::kUtf16Le:
    case menu::Encoding::kUtf16Be: {
      bool le = choice.encoding == menu::Encoding::kUtf16Le;
      view->encoding = le ? "utf-16le" : "utf-16be";
      view->encodingText = le ? "UTF-16 LE" : "UTF-16 BE";
      break;
    }
    case menu::Encoding::kLegacyAnsi:
      view->encoding = "legacy-ansi";
      view->encodingText = "not UTF-8: read as code page " + std::to_string(codePage.legacyNumber()) +
                           " and converted to UTF-8";
      break;
  }
}

// Reads every line of the file's text with the reader's own line rules and classifier.
bool ScanLines(menu::ByteSource& source, LeadByteTest isLeadByte, std::vector<ScannedLine>* lines) {
  menu::LineReader reader(source);
  const char* line;
  size_t length;
  menu::LineReader::Status status;
  while ((status = reader.Next(&line, &length)) == menu::LineReader::kLine) {
    ScannedLine scanned;
    scanned.number = reader.lineNumber();
    scanned.text = line;
    Text value;
    scanned.kind = menu::ClassifyLine(line, isLeadByte, &value);
    scanned.value = value.c_str();
    lines->push_back(scanned);
  }
  return status == menu::LineReader::kEnd;
}

const ScannedLine* LineAt(const MenuScan& scan, int number) {
  if (number < 1 || number > static_cast<int>(scan.lines.size())) return nullptr;
  return &scan.lines[number - 1];
}

void CheckLines(MenuScan& scan, const menu::MenuDocument& document, LeadByteTest isLeadByte) {
  const std::string& file = scan.view.file;
  const int lastEntryLine = document.entryCount ? document.entries[document.entryCount - 1].command.line : 0;
  auto warn = [&](int line, const std::string& text) { scan.warnings.push_back({file, line, text}); };

  for (const ScannedLine& line : scan.lines) {
    if (line.kind == menu::LineKind::kOtherKey && !line.text.empty() && IsTrimSpace(line.text[0])) {
      size_t start = line.text.find_first_not_of(" \t\v\f\r");
      Text ignored;
      menu::LineKind hidden = menu::ClassifyLine(line.text.c_str() + start, isLeadByte, &ignored);
      if (menu::IsMenuKey(hidden))
        warn(line.number, "the line starts with a blank, so the launcher does not see its key " +
                              Quoted(KeyOf(line.text.substr(start))));
    }
    if (line.kind == menu::LineKind::kPicture && scan.view.popup)
      warn(line.number, "popup items show no pictures; the launcher ignores this QXpicture line");
    if (line.kind == menu::LineKind::kShell && strncasecmp(line.text.c_str(), "shellex", 7) == 0 &&
        (!scan.view.entryLimit || line.number <= lastEntryLine))
      warn(line.number,
           "the key " + Quoted(KeyOf(line.text)) +
               " begins with 'shell', so the launcher takes the line as a menu caption or command");
  }

  // Captions and commands pair strictly; say where the AutoRun names first disagree.
  for (const MenuItem& item : scan.view.items) {
    if (item.type != MenuItem::kEntry) continue;
    const ScannedLine* caption = LineAt(scan, item.captionLine);
    const ScannedLine* command = LineAt(scan, item.line);
    std::string entry = "entry " + std::to_string(item.index + 1);
    if (caption && KeyNamesCommand(KeyOf(caption->text), isLeadByte)) {
      warn(caption->number,
           "captions and commands are paired out of step from here: " + Quoted(KeyOf(caption->text)) +
               " names a command but the launcher takes it as the caption of " + entry);
      break;
    }
    if (command && strncasecmp(command->text.c_str(), "shell", 5) == 0 &&
        !KeyNamesCommand(KeyOf(command->text), isLeadByte)) {
      warn(command->number,
           "captions and commands are paired out of step from here: " + Quoted(KeyOf(command->text)) +
               " is taken as the command of " + entry + " (captions come first, then a \\command line)");
      break;
    }
  }

  if (document.waitingCaption.line)
    warn(document.waitingCaption.line, "the caption " + Quoted(document.waitingCaption.value.c_str()) +
                                           " has no command after it; no button is made for it");

  if (scan.view.entryLimit) {
    int shellLines = 0, otherKeys = 0, first = 0;
    for (const ScannedLine& line : scan.lines) {
      if (line.number <= lastEntryLine || !menu::IsMenuKey(line.kind)) continue;
      if (!first) first = line.number;
      if (line.kind == menu::LineKind::kShell)
        ++shellLines;
      else
        ++otherKeys;
    }
    if (first) {
      std::string text = "the menu holds " + std::to_string(menu::kMaxEntries) + " entries already; ";
      int entries = (shellLines + 1) / 2;
      if (shellLines) text += std::to_string(entries) + (entries == 1 ? " more entry " : " more entries ");
      if (shellLines && otherKeys) text += "and ";
      if (otherKeys)
        text +=
            std::to_string(otherKeys) + (otherKeys == 1 ? " other launcher line " : " other launcher lines ");
      warn(first, text + "from here on are ignored");
    }
  }
}
// The texts of the view and the warnings, judged in the file's own text, in UTF-8.
void TextsInUtf8(DiscCodePage& codePage, MenuScan* scan) {
  auto utf8 = [&](std::string& text) { text = codePage.Utf8Of(text, scan->textCodePage); };
  MenuView& view = scan->view;
  utf8(view.title);
  utf8(view.name);
  for (MenuItem& item : view.items) {
    for (std::string* text : {&item.caption, &item.command, &item.picture, &item.picturePath, &item.condition,
                              &item.runStyle, &item.tip, &item.view.target, &item.view.commandLine,
                              &item.copyValue, &item.copySource, &item.copyDestination})
      utf8(*text);
    for (std::string& note : item.view.notes) utf8(note);
  }
  for (LanguageView& language : view.languages) utf8(language.tags), utf8(language.file);
  for (Warning& warning : scan->warnings) utf8(warning.text);
}
}  // namespace

MenuScan ScanMenuFile(const std::string& hostPath, const std::string& discName, bool popup,
                      DiscCodePage& codePage) {
  MenuScan scan;
  scan.view.file = discName;
  scan.view.popup = popup;
  FILE* file = fopen(hostPath.c_str(), "rb");
  if (!file) return scan;
  scan.opened = true;
  // The launcher's own reading: the encoding chosen, then the text from after the mark.
  FileSource bytes(file);
  menu::CodePages& codePages = codePage.conversions();
  menu::TextSource text(bytes, codePages);
  bool chosen = text.Choose(codePage.number() == menu::kUtf8CodePage);
  menu::EncodingChoice choice = text.choice();
  DescribeEncoding(choice, codePage, &scan.view);
  scan.textCodePage = choice.TextCodePage(codePage.number());
  LeadByteTest isLeadByte = LeadByteTestFor(scan.textCodePage);
  bool whole = false;
  menu::ReadResult result = menu::ReadResult::kReadError;
  menu::MenuDocument document;
  if (chosen) {
    fseek(file, choice.markLength, SEEK_SET);
    whole = ScanLines(text, isLeadByte, &scan.lines);
    fseek(file, choice.markLength, SEEK_SET);
    menu::TextSource again(bytes, codePages);
    again.Use(choice);
    menu::LineReader reader(again);
    result = menu::ReadMenuDocument(reader, isLeadByte, document);
  }
  DocumentJudge(scan, document, codePage).Run();
  // UTF-16 without a mark is read as ANSI bytes, in which every line ends at its
  // first zero byte: no key is found.
  unsigned char head[2] = {1, 1};
  rewind(file);
  if (choice.encoding == menu::Encoding::kAnsi && fread(head, 1, 2, file) == 2 && !head[0] != !head[1])
    scan.warnings.push_back(
        {discName, 1,
         "the file seems to be UTF-16 without a byte-order mark; the launcher reads it as "
         "ANSI and finds no keys in it (save it as UTF-8, or as Unicode with its mark)"});
  fclose(file);
  scan.readError = !whole || result == menu::ReadResult::kReadError;
  scan.view.readable = !scan.readError;
  scan.view.entryLimit = result == menu::ReadResult::kEntryLimit;
  if (choice.encoding == menu::Encoding::kLegacyAnsi) {
    scan.view.legacyCodePage = codePage.legacyNumber();
  } else if (scan.textCodePage != menu::kUtf8CodePage) {
    for (const ScannedLine& line : scan.lines)
      for (char c : line.text)
        if (static_cast<unsigned char>(c) > 0x7F) scan.view.legacyCodePage = scan.textCodePage;
  }
  CheckLines(scan, document, isLeadByte);
  TextsInUtf8(codePage, &scan);
  return scan;
}

}  // namespace check
