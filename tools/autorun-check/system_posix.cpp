// The checker's system on Linux: iconv for the disc's code page; UTF-8 inside, for the
// terminal and for file names (what xorriso writes to a disc's Joliet names).
#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>

#include "association_table.h"
#include "code_pages.h"
#include "system.h"

namespace check {

namespace {
// The legacy code page of the Windows the checker stands for, where UTF-8 is the ANSI
// code page: that of its locale, Western European.
const unsigned kLegacyCodePage = menu::kWindowsLatin1;
const char kReplacement[] = "\xEF\xBF\xBD";  // U+FFFD, for a byte the code page has no character for

class IconvDiscCodePage : public DiscCodePage {
 public:
  explicit IconvDiscCodePage(unsigned number)
      : DiscCodePage(number, kLegacyCodePage),
        conversions_(kLegacyCodePage),
        toUtf8_(iconv_open("UTF-8", IconvName(number).c_str())) {}
  ~IconvDiscCodePage() override {
    if (toUtf8_ != (iconv_t)-1) iconv_close(toUtf8_);
  }
  bool ok() const { return toUtf8_ != (iconv_t)-1; }

  menu::CodePages& conversions() override { return conversions_; }
  void Write(FILE* stream, const std::string& text) override { fwrite(text.data(), 1, text.size(), stream); }

 protected:
  std::string ToUtf8(const std::string& text) override { return ConvertText(toUtf8_, text, kReplacement); }

 private:
  IconvCodePages conversions_;
  iconv_t toUtf8_;
};
}  // namespace

Associations SystemAssociations(bool) {
  static TableRegistryView freshWindows;
  return {freshWindows, "a fresh Windows 10"};
}

unsigned SystemCodePage() {
  return menu::kWindowsLatin1;
}

std::unique_ptr<DiscCodePage> OpenCodePage(unsigned number) {
  std::unique_ptr<IconvDiscCodePage> page(new IconvDiscCodePage(number));
  if (!page->ok()) return nullptr;
  return page;
}

std::string TrimHostPath(const std::string& path) {
  std::string trimmed = path;
  while (trimmed.size() > 1 && trimmed.back() == '/') trimmed.pop_back();
  return trimmed;
}

void SplitHostPath(const std::string& path, std::string* folder, std::string* name) {
  size_t slash = path.rfind('/');
  if (slash == std::string::npos) {
    *folder = ".", *name = path;
  } else {
    *folder = slash == 0 ? "/" : path.substr(0, slash);
    *name = path.substr(slash + 1);
  }
}

// Linux names files in UTF-8, as the checker does.
FILE* OpenHostFile(const std::string& path) {
  return fopen(path.c_str(), "rb");
}

HostEntry HostEntryAt(const std::string& path) {
  struct stat st;
  if (stat(path.c_str(), &st) != 0) return HostEntry::kNone;
  if (S_ISREG(st.st_mode)) return HostEntry::kFile;
  return S_ISDIR(st.st_mode) ? HostEntry::kFolder : HostEntry::kOther;
}

bool ListHostFolder(const std::string& folder, std::vector<std::string>* names) {
  DIR* dir = opendir(folder.c_str());
  if (!dir) return false;
  while (dirent* entry = readdir(dir)) names->push_back(entry->d_name);
  closedir(dir);
  return true;
}

bool IsLink(const std::string& hostPath) {
  struct stat st;
  return lstat(hostPath.c_str(), &st) == 0 && S_ISLNK(st.st_mode);
}

bool IsTerminal(FILE* stream) {
  return isatty(fileno(stream));
}

bool StartColours(FILE* stream) {
  return IsTerminal(stream);
}

void KeepConsoleOpen() {}

}  // namespace check
