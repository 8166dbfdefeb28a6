// The two looks of the checker's output.
#include "report_format.h"

#include <string>

#include "icon_names.h"
#include "page_layout.h"

namespace check {

namespace {
std::string Place(const Warning& w) {
  return w.line > 0 ? w.file + ":" + std::to_string(w.line) + ":" : w.file + ":";
}

std::string IconText(int iconNumber) {
  int n = iconNumber - kIconBase;
  const char* picture = IconPicture(n);
  return "icon " + std::to_string(n) + ": " + (picture ? picture : "names no icon");
}

void PrintPlain(const DiscReport& report, FILE* out) {
  for (const MenuView& menu : report.menus) {
    fprintf(out, "menu\t%s\t%s\t%s\n", menu.file.c_str(), menu.popup ? "popup" : "page",
            menu.openedFrom.c_str());
    fprintf(out, "encoding\t%s\t%s\n", menu.file.c_str(), menu.encoding.c_str());
    if (menu.titleLine)
      fprintf(out, "title\t%s\t%d\t%s\n", menu.file.c_str(), menu.titleLine, menu.title.c_str());
    if (menu.nameLine)
      fprintf(out, "name\t%s\t%d\t%s\n", menu.file.c_str(), menu.nameLine, menu.name.c_str());
    if (!menu.popup) {
      PageLayout page = LayOutPage(menu);
      fprintf(out, "window\t%s\t%d\t%d\t%d\n", menu.file.c_str(), page.width, page.height, page.columns);
    }
    for (const MenuItem& item : menu.items) {
      switch (item.type) {
        case MenuItem::kEntry: {
          int n = item.iconNumber - kIconBase;
          const char* picture = IconPicture(n);
          fprintf(out, "entry\t%s\t%d\t%d\t%s\t%d\t%s\t%s\t%s\n", menu.file.c_str(), item.line,
                  item.index + 1, item.caption.c_str(), n, picture ? picture : "", KindName(item.view.kind),
                  item.command.c_str());
          break;
        }
        case MenuItem::kGap:
          fprintf(out, "gap\t%s\t%d\t%d\n", menu.file.c_str(), item.line, item.gap);
          break;
        case MenuItem::kCopy:
          fprintf(out, "copy\t%s\t%d\t%s\t%s\n", menu.file.c_str(), item.line, item.copySource.c_str(),
                  item.copyDestination.c_str());
          break;
      }
    }
  }
  for (const Warning& w : report.warnings) fprintf(out, "%s warning: %s\n", Place(w).c_str(), w.text.c_str());
}

void PrintTerminal(const DiscReport& report, FILE* out) {
  const char* bold = "\033[1m";
  const char* yellow = "\033[33m";
  const char* normal = "\033[0m";
  for (const MenuView& menu : report.menus) {
    fprintf(out, "%s%s%s  %s", bold, menu.file.c_str(), normal, menu.popup ? "popup" : "page");
    if (!menu.openedFrom.empty()) fprintf(out, ", opened from %s", menu.openedFrom.c_str());
    fprintf(out, "\n");
    fprintf(out, "  title      %s\n",
            menu.titleLine ? menu.title.c_str() : "(none: the title stays as it was)");
    fprintf(out, "  disc name  %s\n",
            menu.nameLine ? menu.name.c_str() : "(none: the disc name stays as it was)");
    fprintf(out, "  encoding   %s\n", menu.encodingText.c_str());
    if (!menu.popup) {
      PageLayout page = LayOutPage(menu);
      fprintf(out, "  window     %d x %d pixels, %d column%s of buttons\n", page.width, page.height,
              page.columns, page.columns == 1 ? "" : "s");
    }
    int entries = 0;
    for (const MenuItem& item : menu.items) {
      switch (item.type) {
        case MenuItem::kEntry:
          ++entries;
          // Popup items show their caption alone.
          fprintf(out, "  %2d  %-30s %s\n", item.index + 1, item.caption.c_str(),
                  menu.popup ? "" : IconText(item.iconNumber).c_str());
          fprintf(out, "      %-14s %s\n", KindName(item.view.kind), item.command.c_str());
          break;
        case MenuItem::kGap:
          if (menu.popup)
            fprintf(out, "      -- separator --\n");
          else
            fprintf(out, "      -- gap of %d pixels --\n", item.gap);
          break;
        case MenuItem::kCopy:
          if (item.copyDestination.empty())
            fprintf(out, "      copy   %s (copies nothing)\n", item.copyValue.c_str());
          else
            fprintf(out, "      copy   %s -> %s\n", item.copySource.c_str(), item.copyDestination.c_str());
          break;
      }
    }
    if (!entries) fprintf(out, "      (no entries)\n");
    fprintf(out, "\n");
  }
  if (!report.menus.empty()) fprintf(out, "%s\n", kLayoutScreen);
  for (const Warning& w : report.warnings)
    fprintf(out, "%s %swarning:%s %s\n", Place(w).c_str(), yellow, normal, w.text.c_str());
  size_t count = report.warnings.size();
  fprintf(out, "%s%zu warning%s%s\n", count ? "" : "clean: ", count, count == 1 ? "" : "s",
          count ? "" : "; the disc is ready to burn");
}
}  // namespace

void PrintReport(const DiscReport& report, Format format, FILE* out) {
  if (format == Format::kPlain)
    PrintPlain(report, out);
  else
    PrintTerminal(report, out);
}

}  // namespace check
