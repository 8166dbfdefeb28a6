// The two looks of the checker's output.
#include "report_format.h"

#include <stdarg.h>
#include <stdio.h>

#include "base/utf.h"
#include "icon_names.h"
#include "page_layout.h"

namespace check {

namespace {
// printf to the end of a string.
__attribute__((format(printf, 2, 3))) void Appendf(std::string* out, const char* format, ...) {
  va_list args;
  va_start(args, format);
  char small[256];
  int n = vsnprintf(small, sizeof small, format, args);
  va_end(args);
  if (n < 0) return;
  if (static_cast<size_t>(n) < sizeof small) {
    out->append(small, n);
    return;
  }
  std::string large(n + 1, '\0');
  va_start(args, format);
  vsnprintf(&large[0], large.size(), format, args);
  va_end(args);
  out->append(large.data(), n);
}

// The columns a terminal gives a character: two for the wide characters of East Asian
// scripts (Hangul, CJK, kana, full-width forms), one for any other.
int Columns(unsigned c) {
  return (c >= 0x1100 && c <= 0x115F) || (c >= 0x2E80 && c <= 0xA4CF && c != 0x303F) ||
                 (c >= 0xAC00 && c <= 0xD7A3) || (c >= 0xF900 && c <= 0xFAFF) ||
                 (c >= 0xFE30 && c <= 0xFE4F) || (c >= 0xFF00 && c <= 0xFF60) ||
                 (c >= 0xFFE0 && c <= 0xFFE6) || (c >= 0x20000 && c <= 0x3FFFD)
             ? 2
             : 1;
}

// UTF-8 text padded with blanks to width columns, as "%-*s" pads ASCII.
std::string Padded(const std::string& text, int width) {
  int columns = 0;
  for (size_t at = 0; at < text.size();) {
    unsigned c;
    at += utf::DecodeUtf8(text.data() + at, text.size() - at, &c);
    columns += Columns(c);
  }
  return columns < width ? text + std::string(width - columns, ' ') : text;
}

std::string Place(const Warning& w) {
  return w.line > 0 ? w.file + ":" + std::to_string(w.line) + ":" : w.file + ":";
}

// "FILE,N" as the launcher reads a QXpicture value.
std::string PictureText(const MenuItem& item) {
  return item.picturePath + "," + std::to_string(item.pictureIndex);
}

std::string IconText(const MenuItem& item) {
  if (!item.picture.empty())
    return item.picturePath.empty() ? "picture: none (" + item.picture + ")" : "picture " + PictureText(item);
  int iconNumber = item.iconNumber;
  int n = iconNumber - kIconBase;
  const char* picture = IconPicture(n);
  return "icon " + std::to_string(n) + ": " + (picture ? picture : "names no icon");
}

void FormatPlain(const DiscReport& report, int dpi, std::string* out) {
  for (const MenuView& menu : report.menus) {
    Appendf(out, "menu\t%s\t%s\t%s\n", menu.file.c_str(), menu.popup ? "popup" : "page",
            menu.openedFrom.c_str());
    Appendf(out, "encoding\t%s\t%s\n", menu.file.c_str(), menu.encoding.c_str());
    if (menu.titleLine)
      Appendf(out, "title\t%s\t%d\t%s\n", menu.file.c_str(), menu.titleLine, menu.title.c_str());
    if (menu.nameLine)
      Appendf(out, "name\t%s\t%d\t%s\n", menu.file.c_str(), menu.nameLine, menu.name.c_str());
    if (!menu.popup) {
      PageLayout page = LayOutPage(menu, dpi);
      Appendf(out, "window\t%s\t%d\t%d\t%d\n", menu.file.c_str(), page.width, page.height, page.columns);
    }
    for (const LanguageView& language : menu.languages)
      Appendf(out, "language\t%s\t%d\t%s\t%s\n", menu.file.c_str(), language.line, language.tags.c_str(),
              language.file.c_str());
    for (const MenuItem& item : menu.items) {
      switch (item.type) {
        case MenuItem::kEntry: {
          int n = item.iconNumber - kIconBase;
          const char* picture = IconPicture(n);
          Appendf(out, "entry\t%s\t%d\t%d\t%s\t%d\t%s\t%s\t%s\t%s\n", menu.file.c_str(), item.line,
                  item.index + 1, item.caption.c_str(), n, picture ? picture : "", KindName(item.view.kind),
                  item.command.c_str(), item.view.commandLine.c_str());
          // What the button shows instead of the built-in icon: the file and icon number.
          if (!item.picture.empty() && !menu.popup)
            Appendf(out, "picture\t%s\t%d\t%d\t%s\n", menu.file.c_str(), item.pictureLine, item.index + 1,
                    item.picturePath.empty() ? "" : PictureText(item).c_str());
          if (!item.condition.empty())
            Appendf(out, "if\t%s\t%d\t%s\n", menu.file.c_str(), item.index + 1, item.condition.c_str());
          if (!item.runStyle.empty())
            Appendf(out, "run\t%s\t%d\t%s\n", menu.file.c_str(), item.index + 1, item.runStyle.c_str());
          if (!item.tip.empty())
            Appendf(out, "tip\t%s\t%d\t%s\n", menu.file.c_str(), item.index + 1, item.tip.c_str());
          break;
        }
        case MenuItem::kGap:
          Appendf(out, "gap\t%s\t%d\t%d\n", menu.file.c_str(), item.line, item.gap);
          break;
        case MenuItem::kCopy:
          Appendf(out, "copy\t%s\t%d\t%s\t%s\n", menu.file.c_str(), item.line, item.copySource.c_str(),
                  item.copyDestination.c_str());
          break;
      }
    }
  }
  for (const Warning& w : report.notes) Appendf(out, "%s note: %s\n", Place(w).c_str(), w.text.c_str());
  for (const Warning& w : report.warnings) Appendf(out, "%s warning: %s\n", Place(w).c_str(), w.text.c_str());
}

void FormatReadable(const DiscReport& report, bool colours, int dpi, std::string* out) {
  const char* bold = colours ? "\033[1m" : "";
  const char* yellow = colours ? "\033[33m" : "";
  const char* normal = colours ? "\033[0m" : "";
  for (const MenuView& menu : report.menus) {
    Appendf(out, "%s%s%s  %s", bold, menu.file.c_str(), normal, menu.popup ? "popup" : "page");
    if (!menu.openedFrom.empty()) Appendf(out, ", opened from %s", menu.openedFrom.c_str());
    Appendf(out, "\n");
    Appendf(out, "  title      %s\n",
            menu.titleLine ? menu.title.c_str() : "(none: the title stays as it was)");
    Appendf(out, "  disc name  %s\n",
            menu.nameLine ? menu.name.c_str() : "(none: the disc name stays as it was)");
    Appendf(out, "  encoding   %s\n", menu.encodingText.c_str());
    for (const LanguageView& language : menu.languages)
      Appendf(out, "  language   %s: %s\n", language.tags.c_str(), language.file.c_str());
    if (!menu.popup) {
      PageLayout page = LayOutPage(menu, dpi);
      Appendf(out, "  window     %d x %d pixels, %d column%s of buttons\n", page.width, page.height,
              page.columns, page.columns == 1 ? "" : "s");
    }
    int entries = 0;
    for (const MenuItem& item : menu.items) {
      switch (item.type) {
        case MenuItem::kEntry:
          ++entries;
          // Popup items show their caption alone.
          Appendf(out, "  %2d  %s %s\n", item.index + 1, Padded(item.caption, 30).c_str(),
                  menu.popup ? "" : IconText(item).c_str());
          Appendf(out, "      %-14s %s\n", KindName(item.view.kind), item.command.c_str());
          // What a click starts, where the launcher composes another command line.
          if (!item.view.commandLine.empty() && item.view.commandLine != item.command)
            Appendf(out, "      %-14s %s\n", "starts", item.view.commandLine.c_str());
          if (!item.condition.empty()) Appendf(out, "      shown where    %s\n", item.condition.c_str());
          if (!item.runStyle.empty()) Appendf(out, "      after start    %s\n", item.runStyle.c_str());
          if (!item.tip.empty() && !menu.popup) Appendf(out, "      tip            %s\n", item.tip.c_str());
          break;
        case MenuItem::kGap:
          if (menu.popup)
            Appendf(out, "      -- separator --\n");
          else
            Appendf(out, "      -- gap of %d pixels --\n", item.gap);
          break;
        case MenuItem::kCopy:
          if (item.copyDestination.empty())
            Appendf(out, "      copy   %s (copies nothing)\n", item.copyValue.c_str());
          else
            Appendf(out, "      copy   %s -> %s\n", item.copySource.c_str(), item.copyDestination.c_str());
          break;
      }
    }
    if (!entries) Appendf(out, "      (no entries)\n");
    Appendf(out, "\n");
  }
  if (!report.menus.empty()) Appendf(out, "%s\n", LayoutScreen(dpi).c_str());
  for (const Warning& w : report.notes) Appendf(out, "%s note: %s\n", Place(w).c_str(), w.text.c_str());
  for (const Warning& w : report.warnings)
    Appendf(out, "%s %swarning:%s %s\n", Place(w).c_str(), yellow, normal, w.text.c_str());
  size_t count = report.warnings.size();
  Appendf(out, "%s%d warning%s%s\n", count ? "" : "clean: ", static_cast<int>(count), count == 1 ? "" : "s",
          count ? "" : "; the disc is ready to burn");
}
}  // namespace

std::string FormatReport(const DiscReport& report, Format format, int dpi) {
  std::string out;
  if (format == Format::kPlain)
    FormatPlain(report, dpi, &out);
  else
    FormatReadable(report, format == Format::kTerminal, dpi, &out);
  return out;
}

}  // namespace check
