// One menu file through the launcher's own reading: the encoding chosen, then the text
// from after the byte-order mark, once into the document and once line by line.
#include "menu_file.h"

#include <stdio.h>

namespace check {

namespace {
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
}  // namespace

MenuFile ReadMenuFile(const std::string& hostPath, const std::string& name, bool popup,
                      DiscCodePage& codePage) {
  MenuFile menu;
  menu.name = name;
  menu.popup = popup;
  FILE* file = OpenHostFile(hostPath);
  if (!file) return menu;
  menu.opened = true;
  FileSource bytes(file);
  menu::CodePages& codePages = codePage.conversions();
  menu::TextSource text(bytes, codePages);
  bool chosen = text.Choose(codePage.number() == menu::kUtf8CodePage);
  menu.choice = text.choice();
  menu.textCodePage = menu.choice.TextCodePage(codePage.number());
  menu.isLeadByte = LeadByteTestFor(menu.textCodePage);
  bool whole = false;
  menu::ReadResult result = menu::ReadResult::kReadError;
  if (chosen) {
    fseek(file, menu.choice.markLength, SEEK_SET);
    whole = ScanLines(text, menu.isLeadByte, &menu.lines);
    fseek(file, menu.choice.markLength, SEEK_SET);
    menu::TextSource again(bytes, codePages);
    again.Use(menu.choice);
    menu::LineReader reader(again);
    result = menu::ReadMenuDocument(reader, menu.isLeadByte, *menu.document);
  }
  // UTF-16 without a mark is read as ANSI bytes, in which every line ends at its
  // first zero byte: no key is found.
  unsigned char head[2] = {1, 1};
  rewind(file);
  menu.utf16WithoutMark =
      menu.choice.encoding == menu::Encoding::kAnsi && fread(head, 1, 2, file) == 2 && !head[0] != !head[1];
  fclose(file);
  menu.readError = !whole || result == menu::ReadResult::kReadError;
  return menu;
}

}  // namespace check
