// A menu document described as the launcher will show and start it, through the
// launcher's own procedures: the command composition, the picture value's reading, the
// copy directive's parsing and the language line's.
#include "menu_view.h"

#include "copy_rules.h"
#include "menu/copy_directive.h"
#include "menu/entry_picture.h"
#include "menu/language_choice.h"
#include "picture_rules.h"

namespace check {

namespace {
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

MenuItem EntryItem(const MenuFile& file, int index, const Associations& associations) {
  const menu::DocumentEntry& entry = file.document->entries[index];
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
  item.view = ViewCommand(item.command, file.isLeadByte, associations);
  // A popup shows no pictures; a page's button the file and icon the value names.
  menu::PictureSource source;
  if (!item.picture.empty() && !file.popup &&
      menu::ReadPictureValue(item.picture.c_str(), file.name.c_str(), kDiscRoot, &source, file.isLeadByte) ==
          menu::PictureProblem::kNone) {
    item.picturePath = source.discPath.c_str();
    item.pictureIndex = source.index;
  }
  return item;
}

MenuItem CopyItem(const MenuFile& file, const char* value, int line) {
  MenuItem item;
  item.type = MenuItem::kCopy;
  item.line = line;
  item.copyValue = value;
  Text source, destination;
  if (menu::ParseCopyDirective(value, kWindowsDir, &source, &destination, file.isLeadByte) ==
          menu::CopyOutcome::kCopy &&
      CopyRefusal(source.c_str(), destination.c_str(), &item.copySource, file.isLeadByte).empty())
    item.copyDestination = destination.c_str();
  return item;
}

// The texts of the view, read in the file's own text, in UTF-8.
void TextsInUtf8(DiscCodePage& codePage, unsigned textCodePage, MenuView* view) {
  auto utf8 = [&](std::string& text) { text = codePage.Utf8Of(text, textCodePage); };
  utf8(view->title);
  utf8(view->name);
  for (MenuItem& item : view->items) {
    for (std::string* text : {&item.caption, &item.command, &item.picture, &item.picturePath, &item.condition,
                              &item.runStyle, &item.tip, &item.view.target, &item.view.commandLine,
                              &item.copyValue, &item.copySource, &item.copyDestination})
      utf8(*text);
    for (std::string& note : item.view.notes) utf8(note);
  }
  for (LanguageView& language : view->languages) utf8(language.tags), utf8(language.file);
}
}  // namespace

MenuView ViewMenu(const MenuFile& file, DiscCodePage& codePage, const Associations& associations) {
  MenuView view;
  view.file = file.name;
  view.popup = file.popup;
  if (!file.opened) return view;
  DescribeEncoding(file.choice, codePage, &view);
  const menu::MenuDocument& document = *file.document;
  view.readable = !file.readError;
  view.entryLimit = document.result == menu::ReadResult::kEntryLimit;
  for (const menu::DocumentLine* line = document.lines(); line; line = line->next) {
    switch (line->kind) {
      case menu::DocumentLine::kPageKey:
        if (line->key == menu::LineKind::kTitle) {
          view.title = line->value.c_str();
          view.titleLine = line->line;
        } else if (line->key == menu::LineKind::kMenuName) {
          view.name = line->value.c_str();
          view.nameLine = line->line;
        }
        break;
      case menu::DocumentLine::kEntry:
        view.items.push_back(EntryItem(file, line->number, associations));
        break;
      case menu::DocumentLine::kGap: {
        MenuItem item;
        item.type = MenuItem::kGap;
        item.line = line->line;
        item.gap = line->number;
        view.items.push_back(item);
        break;
      }
      case menu::DocumentLine::kCopy:
        view.items.push_back(CopyItem(file, line->value.c_str(), line->line));
        break;
      case menu::DocumentLine::kLanguage: {
        // Only the lines before the first entry count, with tags and a file.
        menu::LanguageLine parsed;
        if (line->number == 0 && menu::ParseLanguageValue(line->value.c_str(), &parsed))
          view.languages.push_back({line->line, parsed.tags.c_str(), parsed.file.c_str()});
        break;
      }
      case menu::DocumentLine::kUnusedKey:
      case menu::DocumentLine::kIgnored:
        break;
    }
  }
  // A file saved as ANSI text with characters beyond ASCII: the code page it is read in.
  if (file.choice.encoding == menu::Encoding::kLegacyAnsi) {
    view.legacyCodePage = codePage.legacyNumber();
  } else if (file.textCodePage != menu::kUtf8CodePage) {
    for (const ScannedLine& line : file.lines)
      for (char c : line.text)
        if (static_cast<unsigned char>(c) > 0x7F) view.legacyCodePage = file.textCodePage;
  }
  TextsInUtf8(codePage, file.textCodePage, &view);
  return view;
}

}  // namespace check
