// Measures the menu-file reader on generated files: MB/s on an 8 MB and a 64 MB
// file of a realistic mix of lines (the ratio shows whether the cost grows
// linearly), each read as the launcher reads it (the choice of its encoding first),
// saved as ANSI, as UTF-8 with its mark and as UTF-8 without one; and the peak
// memory of reading one file made of a single 16 MB line.
//   reader_bench throughput | long-line | long-title
// Each long-line figure wants a process of its own, as the peak never goes down.
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/resource.h>
#include <time.h>

#include "code_pages.h"
#include "menu/menu_encoding.h"
#include "menu/menu_reader.h"

namespace {

const size_t kMegabyte = 1024 * 1024;
const int kRuns = 7;  // each throughput figure is the median of this many reads

// Reads an open file from its start, the way the launcher reads a menu file.
class FileSource : public menu::ByteSource {
 public:
  explicit FileSource(FILE* file) : file_(file) { rewind(file_); }
  long Read(char* buffer, size_t size) override {
    size_t got = fread(buffer, 1, size, file_);
    if (got == 0 && ferror(file_)) return -1;
    return (long)got;
  }

 private:
  FILE* file_;
};

// Counts what the reader reports, so that no event can be optimised away.
class CountingSink : public menu::MenuSink {
 public:
  void OnPageKey(menu::LineKind, const char* value, int) override { Count(value); }
  void OnIconList(const char* value, bool, int) override { Count(value); }
  void OnCaption(int, const char* caption, int) override { Count(caption); }
  void OnEntry(int, const char* command, int iconNumber, int) override {
    Count(command), bytes += iconNumber;
  }
  void OnGap(int number, int) override { events++, bytes += number; }
  void OnCopy(const char* value, int) override { Count(value); }
  void OnIgnoredLine(menu::LineKind, const char*, int) override { ignored++; }
  long events = 0, ignored = 0, bytes = 0;

 private:
  void Count(const char* text) { events++, bytes += (long)strlen(text); }
};

// The lines of a large menu file as discs have them: section headers, comments,
// AutoRun keys the launcher ignores, its own keys, copy directives, blank lines
// and the odd long line. Only 29 entries are complete, because the reader stops
// at the thirtieth and the whole file must be read.
const char* const kFillerLines[] = {
    "[autorun]",
    "; Menu of the product disc, build 2003-11-02",
    "open=autorun.exe",
    "icon=autorun.exe,0",
    "label=PRODUCT_CD",
    "title=Product disc - main menu",
    "QXicon=1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,17,18,19,20",
    "QXName=Product disc 1.0",
    "QXspace=10",
    "QXcopy=setup\\tools\\readme.txt|%windir%",
    "",
    "[Messages]",
    "QuitButton=&Quit",
    "ErrorStartMsg=Unable to launch:",
    "   indented line that is not a key = and is ignored",
    "a line without any equals sign at all, only words to skip over",
    "description=This disc holds the installer, the manuals and a few tools; "
    "read the guide before you start, it explains every option of the setup program in detail.",
};

// How a generated file is saved: as ANSI (ASCII only), or as UTF-8 with its mark or
// without one (with one "é" per entry, so that the file is read as UTF-8).
enum class Saved { kAnsi, kUtf8Mark, kUtf8 };

// Writes a menu file of about size bytes into a fresh temporary file.
FILE* WriteMenuFile(size_t size, Saved saved) {
  FILE* file = tmpfile();
  if (!file) return nullptr;
  size_t written = saved == Saved::kUtf8Mark ? fwrite("\xEF\xBB\xBF", 1, 3, file) : 0;
  if (saved != Saved::kAnsi) written += (size_t)fprintf(file, "title=Men\xC3\xBC du caf\xC3\xA9\r\n");
  for (int i = 0; i < menu::kMaxEntries - 1; i++) {
    written += (size_t)fprintf(
        file, "shell\\entry%d=Entry &%d\nshell\\entry%d\\command=tools\\program%d.exe /q\n", i, i, i, i);
  }
  size_t count = sizeof kFillerLines / sizeof kFillerLines[0];
  for (size_t i = 0; written < size; i++) {
    const char* line = kFillerLines[i % count];
    written += (size_t)fprintf(file, "%s\r\n", line);
  }
  fflush(file);
  return file;
}

double Seconds() {
  timespec now;
  clock_gettime(CLOCK_MONOTONIC, &now);
  return now.tv_sec + now.tv_nsec / 1e9;
}

// Reads the file once as the launcher does on a Windows-1252 system: its encoding is
// chosen first (which reads an ASCII or UTF-8 file without a mark to its end), then the
// reader reads its text; false when the reader did not get to its end.
bool ReadOnce(FILE* file, CountingSink* sink) {
  FileSource bytes(file);
  check::IconvCodePages codePages(menu::kWindowsLatin1);
  menu::TextSource text(bytes, codePages);
  if (!text.Choose(false)) return false;
  fseek(file, text.choice().markLength, SEEK_SET);
  menu::LineReader reader(text);
  return menu::ReadMenu(reader, nullptr, *sink) == menu::ReadResult::kEndOfFile;
}

int CompareDoubles(const void* a, const void* b) {
  double x = *(const double*)a, y = *(const double*)b;
  return x < y ? -1 : x > y;
}

// Median MB/s of kRuns reads of a generated file of megabytes MB; 0 on failure.
double MeasureThroughput(size_t megabytes, Saved saved, const char* label) {
  FILE* file = WriteMenuFile(megabytes * kMegabyte, saved);
  if (!file) return 0;
  fseek(file, 0, SEEK_END);
  double size = (double)ftell(file);
  CountingSink warmup;
  bool ok = ReadOnce(file, &warmup);  // also brings the file into the page cache
  double rates[kRuns];
  for (int run = 0; ok && run < kRuns; run++) {
    CountingSink sink;
    double start = Seconds();
    ok = ReadOnce(file, &sink);
    rates[run] = size / kMegabyte / (Seconds() - start);
  }
  fclose(file);
  if (!ok) {
    printf("reader: %zu MB file: the reader stopped before the end\n", megabytes);
    return 0;
  }
  qsort(rates, kRuns, sizeof rates[0], CompareDoubles);
  printf("reader: %3zu MB file saved as %s (%ld lines, %ld events): %.1f MB/s (median of %d)\n", megabytes,
         label, warmup.events + warmup.ignored, warmup.events, rates[kRuns / 2], kRuns);
  return rates[kRuns / 2];
}

long PeakKilobytes() {
  rusage usage;
  getrusage(RUSAGE_SELF, &usage);
  return usage.ru_maxrss;
}

// Peak memory growth while reading one file that is a single line of 16 MB,
// written as prefix followed by filler bytes (no line end).
void MeasureLongLine(const char* label, const char* prefix) {
  const size_t kLineBytes = 16 * kMegabyte;
  FILE* file = tmpfile();
  if (!file) return;
  char block[4096];
  memset(block, 'x', sizeof block);
  size_t written = fwrite(prefix, 1, strlen(prefix), file);
  while (written < kLineBytes) {
    size_t n = kLineBytes - written < sizeof block ? kLineBytes - written : sizeof block;
    written += fwrite(block, 1, n, file);
  }
  fflush(file);
  long before = PeakKilobytes();
  CountingSink sink;
  double start = Seconds();
  bool ok = ReadOnce(file, &sink);
  double elapsed = Seconds() - start;
  long after = PeakKilobytes();
  fclose(file);
  printf(
      "reader: one 16 MB line, %s: %s in %.3f s; peak memory %ld KB before, %ld KB after, growth %.1f MB "
      "(%.2f x the line)\n",
      label, ok ? "read" : "NOT read", elapsed, before, after, (after - before) / 1024.0,
      (after - before) / 1024.0 / 16.0);
}

}  // namespace

int main(int argc, char** argv) {
  const char* what = argc > 1 ? argv[1] : "";
  if (!strcmp(what, "long-line")) {
    MeasureLongLine("no \"=\" (ignored line)", "");
    return 0;
  }
  if (!strcmp(what, "long-title")) {
    MeasureLongLine("a title line (its value is copied)", "title=");
    return 0;
  }
  if (strcmp(what, "throughput")) {
    fprintf(stderr, "usage: reader_bench throughput|long-line|long-title\n");
    return 2;
  }
  const struct {
    Saved saved;
    const char* label;
  } kinds[] = {{Saved::kAnsi, "ANSI"}, {Saved::kUtf8Mark, "UTF-8 with its mark"}, {Saved::kUtf8, "UTF-8"}};
  for (const auto& kind : kinds) {
    double small = MeasureThroughput(8, kind.saved, kind.label);
    double large = MeasureThroughput(64, kind.saved, kind.label);
    if (small > 0 && large > 0)
      printf("reader: throughput ratio 64 MB / 8 MB = %.2f (1.00 means the cost grows linearly)\n",
             large / small);
  }
  return 0;
}
