// Hostile discs: menu files that anyone may have written, generated here at run
// time. For each the launcher must neither crash nor hang, must show what the
// reader's rules give, and must never copy a file over an existing one.
#include <stdarg.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <windows.h>

#include "check.h"
#include "glyphkey.h"
#include "hostile_screen.h"
#include "hostile_session.h"
#include "launcher_driver.h"
#include "menu/disc_walk_win32.h"
#include "menu/menu_reader.h"
#include "res/resource_ids.h"

namespace {

using driver::Button;
using driver::Disc;
using driver::Launcher;
using hostile::Answers;
using hostile::CheckAliveThenEnd;
using hostile::Start;

const int kMaxEntries = menu::kMaxEntries;
const int kButtonTextLimit = 255;  // a GlyphKey keeps this much of its creation text
const int kFirstButtonId = ID_FIRST_BUTTON;
const int kNestedPopups = 30;

// ---- What the reader's rules give for a file ------------------------------------

struct ExpectedMenu {
  bool titleSet = false;
  Text title;
  int entries = 0;
  char caption[kMaxEntries][kButtonTextLimit + 1];  // the button's text after creation
  int icon[kMaxEntries];
};

class BytesSource : public menu::ByteSource {
 public:
  BytesSource(const char* bytes, size_t size) : bytes_(bytes), left_(size) {}
  long Read(char* buffer, size_t size) override {
    size_t n = size < left_ ? size : left_;
    memcpy(buffer, bytes_, n);
    bytes_ += n, left_ -= n;
    return (long)n;
  }

 private:
  const char* bytes_;
  size_t left_;
};

class ExpectationSink : public menu::MenuSink {
 public:
  explicit ExpectationSink(ExpectedMenu* menu) : menu_(menu) {}
  void OnPageKey(menu::LineKind kind, const char* value, int) override {
    if (kind == menu::LineKind::kTitle) menu_->titleSet = true, menu_->title.Assign(value);
  }
  void OnCaption(int, const char* caption, int) override { caption_.Assign(caption); }
  // The button is created with "caption@icon"; it keeps the first 255 characters
  // and shows what comes before the first "@".
  void OnEntry(int index, const char*, int iconNumber, int) override {
    Text text(caption_);
    text.AppendChar('@');
    text.AppendInt(iconNumber);
    char* caption = menu_->caption[index];
    lstrcpynA(caption, text.c_str(), kButtonTextLimit + 1);
    if (char* at = strchr(caption, '@')) *at = 0;
    menu_->icon[index] = iconNumber;
    menu_->entries = index + 1;
  }

 private:
  ExpectedMenu* menu_;
  Text caption_;
};

void Expect(const char* bytes, size_t size, ExpectedMenu* menu) {
  BytesSource source(bytes, size);
  menu::LineReader reader(source);
  ExpectationSink sink(menu);
  menu::ReadMenu(reader, nullptr, sink);
}

// ---- A growing byte buffer for generated files --------------------------------

class Bytes {
 public:
  ~Bytes() { free(data_); }
  void Add(const void* bytes, size_t n) {
    if (size_ + n > capacity_) {
      capacity_ = (size_ + n) * 2;
      data_ = (char*)realloc(data_, capacity_);
    }
    memcpy(data_ + size_, bytes, n);
    size_ += n;
  }
  void Add(const char* text) { Add(text, strlen(text)); }
  void Repeat(char c, size_t n) {
    for (size_t i = 0; i < n; i++) Add(&c, 1);
  }
  void Printf(const char* format, ...) {
    char line[1024];
    va_list args;
    va_start(args, format);
    int n = vsnprintf(line, sizeof line, format, args);
    va_end(args);
    Add(line, (size_t)n);
  }
  const char* data() const { return data_; }
  size_t size() const { return size_; }

 private:
  char* data_ = nullptr;
  size_t size_ = 0, capacity_ = 0;
};

// ---- Launcher sessions ---------------------------------------------------------

void CheckButtons(HWND window, const ExpectedMenu& want) {
  static Button buttons[driver::kMaxButtons];
  int count = driver::ListButtons(window, buttons, driver::kMaxButtons);
  CHECK_EQ(count, want.entries);
  for (int i = 0; i < count && i < want.entries; i++) {
    CHECK_EQ(buttons[i].id, kFirstButtonId + i);
    if (strlen(want.caption[i]) == kButtonTextLimit) {
      // A caption longer than the read: Wine hands another process only the start of
      // a text of megabytes, so the text read must be a non-empty start of the caption.
      size_t n = strlen(buttons[i].text);
      CHECK(n > 0 && strncmp(buttons[i].text, want.caption[i], n) == 0);
    } else {
      CHECK_STR(buttons[i].text, want.caption[i]);
    }
  }
}

// The whole window text, read in its wide form at its full length.
wchar_t* FullWindowText(HWND window, int* length) {
  *length = GetWindowTextLengthW(window);
  wchar_t* text = (wchar_t*)calloc((size_t)*length + 1, sizeof(wchar_t));
  if (text) GetWindowTextW(window, text, *length + 1);
  return text;
}

void CheckTitle(HWND window, const char* want) {
  char got[1024];
  driver::WindowText(window, got, sizeof got);
  CHECK_STR(got, want);
}

bool WriteFileBytes(const char* path, const void* bytes, size_t size) {
  HANDLE file = CreateFileA(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, 0);
  if (file == INVALID_HANDLE_VALUE) return false;
  DWORD written = 0;
  BOOL ok = WriteFile(file, bytes, (DWORD)size, &written, nullptr);
  CloseHandle(file);
  return ok && written == size;
}

// Is the file there with exactly these bytes?
bool FileHolds(const char* path, const char* bytes) {
  HANDLE file = CreateFileA(path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, 0);
  if (file == INVALID_HANDLE_VALUE) return false;
  char got[256];
  DWORD n = 0;
  ReadFile(file, got, sizeof got, &n, nullptr);
  CloseHandle(file);
  return n == strlen(bytes) && memcmp(got, bytes, n) == 0;
}

// Files (not folders) directly inside a folder.
int CountFiles(const char* dir) {
  char pattern[MAX_PATH];
  snprintf(pattern, sizeof pattern, "%s\\*", dir);
  WIN32_FIND_DATAA found;
  HANDLE search = FindFirstFileA(pattern, &found);
  if (search == INVALID_HANDLE_VALUE) return 0;
  int count = 0;
  do {
    if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) count++;
  } while (FindNextFileA(search, &found));
  FindClose(search);
  return count;
}

// Plain ASCII text, which reads back from the window unchanged.
bool Printable(const char* text) {
  for (; *text; text++)
    if ((unsigned char)*text < 0x20 || (unsigned char)*text > 0x7E) return false;
  return true;
}

// A disc whose autorun.inf is these bytes, loaded; checks the buttons and title
// against the rules and leaves the launcher running for further checks.
bool LoadDisc(Disc& disc, Launcher& launcher, const char* name, const Bytes& inf, ExpectedMenu* want) {
  if (!driver::MakeDisc(disc, name) ||
      !driver::WriteDiscBytes(disc, "autorun.inf", inf.data(), (DWORD)inf.size())) {
    CHECK(!"disc made");
    return false;
  }
  driver::CopyRecorder(disc, "rec.exe");
  Expect(inf.data(), inf.size(), want);
  if (!Start(launcher, disc)) return false;
  CheckButtons(launcher.window, *want);
  if (want->titleSet && Printable(want->title.c_str()) && want->title.length() < 1000)
    CheckTitle(launcher.window, want->title.c_str());
  return true;
}

HWND ButtonWindow(HWND window, int index) {
  return GetDlgItem(window, kFirstButtonId + index);
}

// Waits until the recorder has logged count lines and the last one holds text.
bool Recorded(const Disc& disc, int count, const char* text) {
  static driver::Record records[driver::kMaxRecords];
  int n = driver::WaitForRecords(disc, count, records, driver::kMaxRecords);
  return n == count && strstr(records[n - 1].commandLine, text) != nullptr;
}

// ---- The discs ------------------------------------------------------------------

void TestBinaryJunk() {
  // Random bytes with menu lines among them; once without Ctrl-Z bytes (the whole
  // file is read), once with them (the file ends at the first).
  for (int withCtrlZ = 0; withCtrlZ < 2; withCtrlZ++) {
    TEST_CASE(withCtrlZ ? "binary junk with Ctrl-Z" : "binary junk");
    Bytes inf;
    unsigned seed = 12345 + withCtrlZ;
    for (int block = 0; block < 64; block++) {
      for (int i = 0; i < 4096; i++) {
        seed = seed * 1103515245 + 12345;
        char c = (char)(seed >> 16);
        if (c == 0x1A && !withCtrlZ) c = 0x1B;
        inf.Add(&c, 1);
      }
      inf.Printf("\nshell\\junk%d=Junk %d\nshell\\junk%d\\command=rec.exe junk\n", block, block, block);
    }
    Disc disc;
    Launcher launcher;
    ExpectedMenu want;
    if (LoadDisc(disc, launcher, withCtrlZ ? "junkz" : "junk", inf, &want)) CheckAliveThenEnd(launcher);
    driver::ForgetLauncher(launcher);
    driver::RemoveDisc(disc);
  }
}

void TestNulBytes() {
  TEST_CASE("NUL bytes inside lines");
  // A line's text ends at its first NUL byte; a line that begins with one is empty.
  static const char kInf[] =
      "title=Be\0fore\n"
      "QXicon=3\0,4\n"
      "shell\\a=Cap\0tion\n"
      "shell\\a\\command=rec.exe nul-1\0 rest\n"
      "\0shell\\hidden=Hidden\n"
      "shell\\b=Second\n"
      "shell\\b\\command=rec.exe nul-2\n";
  Bytes inf;
  inf.Add(kInf, sizeof kInf - 1);
  Disc disc;
  Launcher launcher;
  ExpectedMenu want;
  if (LoadDisc(disc, launcher, "nul", inf, &want)) {
    CHECK_EQ(want.entries, 2);
    CheckTitle(launcher.window, "Be");
    driver::PostClick(ButtonWindow(launcher.window, 0));
    CHECK(Recorded(disc, 1, "rec.exe nul-1"));
    static driver::Record records[driver::kMaxRecords];
    driver::ReadRecords(disc, records, driver::kMaxRecords);
    CHECK(!strstr(records[0].commandLine, "rest"));
    CheckAliveThenEnd(launcher);
  }
  driver::ForgetLauncher(launcher);
  driver::RemoveDisc(disc);
}

void TestLongLines() {
  const size_t kSixteenMegabytes = 16 * 1024 * 1024;
  {
    TEST_CASE("16 MB line without =");
    Bytes inf;
    inf.Repeat('z', kSixteenMegabytes);
    inf.Add(
        "\ntitle=After the long line\nshell\\1=One\nshell\\1\\command=rec.exe one\n"
        "shell\\2=Two\nshell\\2\\command=rec.exe two\n");
    Disc disc;
    Launcher launcher;
    ExpectedMenu want;
    if (LoadDisc(disc, launcher, "long", inf, &want)) {
      CHECK_EQ(want.entries, 2);
      CheckTitle(launcher.window, "After the long line");
      CheckAliveThenEnd(launcher);
    }
    driver::ForgetLauncher(launcher);
    driver::RemoveDisc(disc);
  }
  {
    TEST_CASE("16 MB caption");
    Bytes inf;
    inf.Add("QXicon=1,2\nshell\\big=");
    inf.Repeat('c', kSixteenMegabytes);
    inf.Add("\nshell\\big\\command=rec.exe big\nshell\\2=Two\nshell\\2\\command=rec.exe two\n");
    Disc disc;
    Launcher launcher;
    ExpectedMenu want;
    if (LoadDisc(disc, launcher, "bigcaption", inf, &want)) {
      CHECK_EQ((int)strlen(want.caption[0]), kButtonTextLimit);
      driver::PostClick(ButtonWindow(launcher.window, 1));
      CHECK(Recorded(disc, 1, "rec.exe two"));
      CheckAliveThenEnd(launcher);
    }
    driver::ForgetLauncher(launcher);
    driver::RemoveDisc(disc);
  }
}

void TestTenThousandEntries() {
  TEST_CASE("10,000 entries");
  Bytes inf;
  inf.Add("title=Ten thousand\n");
  for (int i = 1; i <= 10000; i++)
    inf.Printf("shell\\e%d=Entry %d\nshell\\e%d\\command=rec.exe e%d\n", i, i, i, i);
  inf.Add("title=Too late\n");
  Disc disc;
  Launcher launcher;
  ExpectedMenu want;
  if (LoadDisc(disc, launcher, "many", inf, &want)) {
    CHECK_EQ(want.entries, kMaxEntries);
    CHECK_STR(want.caption[kMaxEntries - 1], "Entry 30");
    CheckTitle(launcher.window, "Ten thousand");
    driver::PostClick(ButtonWindow(launcher.window, kMaxEntries - 1));
    CHECK(Recorded(disc, 1, "rec.exe e30"));
    CheckAliveThenEnd(launcher);
  }
  driver::ForgetLauncher(launcher);
  driver::RemoveDisc(disc);
}

void TestMegabyteTitle() {
  TEST_CASE("1 MB title");
  const int kTitleLength = 1024 * 1024;
  Bytes inf;
  inf.Add("title=short\ntitle=");
  for (int i = 0; i < kTitleLength; i++) inf.Add(&"ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789"[i % 36], 1);
  inf.Add("\nshell\\1=One\nshell\\1\\command=rec.exe one\n");
  Disc disc;
  Launcher launcher;
  ExpectedMenu want;
  if (LoadDisc(disc, launcher, "title", inf, &want)) {
    int length = 0;
    wchar_t* title = FullWindowText(launcher.window, &length);
    CHECK_EQ(length, kTitleLength);
    bool same = title && length == kTitleLength;
    for (int i = 0; same && i < kTitleLength; i++)
      same = title[i] == (wchar_t)inf.data()[strlen("title=short\ntitle=") + i];
    CHECK(same);
    free(title);
    CheckAliveThenEnd(launcher);
  }
  driver::ForgetLauncher(launcher);
  driver::RemoveDisc(disc);
}

void TestLongIconList() {
  TEST_CASE("10 KB icon list");
  // Only the first 63 characters of the list count: "7", 29 zeros and 9, then 28
  // zeros and "16", whose next digit 3 is the 64th character. Uncut, the third
  // entry would get 163 and the fourth 5; cut, they get 16 and none.
  Bytes list;
  list.Add("7,");
  list.Repeat('0', 29);
  list.Add("9,");
  list.Repeat('0', 28);
  list.Add("163");
  while (list.size() < 10 * 1024) list.Add(",5");
  Bytes inf;
  inf.Add("QXicon=");
  inf.Add(list.data(), list.size());
  inf.Add("\n");
  for (int i = 1; i <= 4; i++) inf.Printf("shell\\%d=I%d\nshell\\%d\\command=rec.exe icon%d\n", i, i, i, i);
  Disc disc;
  Launcher launcher;
  ExpectedMenu want;
  if (LoadDisc(disc, launcher, "icons", inf, &want)) {
    const int kWantIcons[] = {207, 209, 216, 200};
    char exe[MAX_PATH];
    driver::DiscPath(disc, "autorun.exe", exe, sizeof exe);
    hostile::LauncherIcons icons(exe);
    driver::BringToFront(launcher.window);
    for (int i = 0; i < 4; i++) {
      CHECK_EQ(want.icon[i], kWantIcons[i]);
      HICON icon = kWantIcons[i] == menu::kNoIcon ? nullptr : icons.Icon(kWantIcons[i]);
      CHECK(icon || kWantIcons[i] == menu::kNoIcon);
      hostile::ButtonLook look = hostile::WaitForButtonLook(ButtonWindow(launcher.window, i), icon, driver::Scaled(2000));
      CHECK(hostile::LooksRight(look, icon != nullptr));
      if (!hostile::LooksRight(look, icon != nullptr))
        printf("note: button %d: frame %d face %d icon %d matches %d\n", i, look.frame, look.face,
               look.iconPresent, look.iconMatches);
    }
    CheckAliveThenEnd(launcher);
  }
  driver::ForgetLauncher(launcher);
  driver::RemoveDisc(disc);
}

// ---- The disc's own pictures ------------------------------------------------------

// A 32 x 32 icon file of one colour with an alpha channel: opaque, but for a half
// transparent top-left quarter that must blend with the button's face.
// An icon file of count square 32-bit images, each of one colour but for a half-transparent
// lower left quarter.
bool WriteAlphaIcon(const char* path, const int* sides, const DWORD* argb, int count) {
  static BYTE file[6 + 2 * 16 + 2 * 40 + (32 * 32 + 256 * 256) * 4 + (32 + 256) * 32];
  memset(file, 0, sizeof file);
  WORD* header = reinterpret_cast<WORD*>(file);
  header[1] = 1, header[2] = (WORD)count;
  DWORD at = 6 + 16 * count;
  for (int i = 0; i < count; i++) {
    const int side = sides[i];
    const DWORD bytes = 40 + side * side * 4 + side * ((side + 31) / 32 * 4);
    if (at + bytes > sizeof file) return false;
    BYTE* entry = file + 6 + 16 * i;
    entry[0] = entry[1] = (BYTE)side;  // 256 is written as 0
    *reinterpret_cast<WORD*>(entry + 4) = 1;   // planes
    *reinterpret_cast<WORD*>(entry + 6) = 32;  // bits per pixel
    *reinterpret_cast<DWORD*>(entry + 8) = bytes;
    *reinterpret_cast<DWORD*>(entry + 12) = at;
    BITMAPINFOHEADER* info = reinterpret_cast<BITMAPINFOHEADER*>(file + at);
    info->biSize = sizeof *info;
    info->biWidth = side, info->biHeight = 2 * side;  // colour and mask
    info->biPlanes = 1, info->biBitCount = 32;
    DWORD* pixels = reinterpret_cast<DWORD*>(file + at + 40);
    for (int y = 0; y < side; y++)  // bottom-up rows
      for (int x = 0; x < side; x++)
        pixels[y * side + x] = (x < side / 2 && y < side / 2) ? ((argb[i] & 0xFFFFFF) | 0x80000000) : argb[i];
    at += bytes;
  }
  return WriteFileBytes(path, file, at);
}

bool WriteAlphaIcon(const char* path, DWORD argb) {
  const int side = 32;
  return WriteAlphaIcon(path, &side, &argb, 1);
}

// Asks the launcher's process, through the probe library hooked into its thread,
// whether an icon handle is still alive there. -1: no answer.
class IconProbe {
 public:
  explicit IconProbe(DWORD thread) {
    char path[MAX_PATH];
    GetModuleFileNameA(nullptr, path, sizeof path);
    strcpy(strrchr(path, '\\') + 1, "launcher_hooks.dll");
    library_ = LoadLibraryA(path);
    HOOKPROC proc = library_ ? (HOOKPROC)(void*)GetProcAddress(library_, "IconProbeHook") : nullptr;
    hook_ = proc ? SetWindowsHookExA(WH_GETMESSAGE, proc, library_, thread) : nullptr;

  }
  ~IconProbe() {
    if (hook_) UnhookWindowsHookEx(hook_);
    if (library_) FreeLibrary(library_);
  }
  int Alive(HWND window, HICON icon) {
    if (!hook_) return -1;
    static UINT question = RegisterWindowMessageA("GlyphKeyTestIconProbe");
    LPARAM sequence = ++sequence_;
    PostMessageA(window, question, (WPARAM)icon, sequence);
    INT_PTR answer = 0;
    driver::WaitUntil([&] {
      answer = (INT_PTR)GetPropA(window, "GlyphKeyTestIconProbe");
      return answer / 2 == sequence;
    });
    return answer / 2 == sequence ? int(answer & 1) : -1;
  }

 private:
  HMODULE library_ = nullptr;
  HHOOK hook_ = nullptr;
  LPARAM sequence_ = 0;
};

void TestPictures() {
  TEST_CASE("the disc's own pictures: a .ico with alpha, an .exe's first and second icon, a missing file");
  Disc disc;
  Launcher launcher;
  char path[MAX_PATH], self[MAX_PATH];
  GetModuleFileNameA(nullptr, self, sizeof self);
  bool made = driver::MakeDisc(disc, "pictures");
  // Names of files that exist, but not as the disc's own: the launcher must load none of
  // them. A drive path, the same through the device namespaces, out of the disc and back
  // in, a variable, and a bare name that the system would find in its own folders.
  const char* folder = strrchr(disc.dir, '\\');
  char refused[6][MAX_PATH + 32];
  snprintf(refused[0], sizeof refused[0], "%s\\pic.ico", disc.dir);
  snprintf(refused[1], sizeof refused[1], "\\\\?\\%s\\pic.ico", disc.dir);
  snprintf(refused[2], sizeof refused[2], "\\\\.\\%s\\pic.ico", disc.dir);
  snprintf(refused[3], sizeof refused[3], "..%s\\pic.ico", folder ? folder : "");
  snprintf(refused[4], sizeof refused[4], "%%TEMP%%%s\\pic.ico", folder ? folder : "");
  snprintf(refused[5], sizeof refused[5], "shell32.dll,3");
  Bytes inf;
  inf.Add("QXicon=1,2,3,4,5,6\n"
          "QXpicture=pic.ico\nshell\\1=Ico\nshell\\1\\command=rec.exe 1\n"
          "QXpicture=pics.exe\nshell\\2=Exe\nshell\\2\\command=rec.exe 2\n"
          "QXpicture = pics.exe , 1\nshell\\3=Second\nshell\\3\\command=rec.exe 3\n"
          "QXpicture=missing.ico\nshell\\4=Missing\nshell\\4\\command=rec.exe 4\n"
          "shell\\5=Built-in\nshell\\5\\command=rec.exe 5\n"
          "shell\\6=&Next\nshell\\6\\command=[sub\\page.inf]\n");
  for (const char* value : refused) {
    char lines[3 * MAX_PATH];
    snprintf(lines, sizeof lines, "QXpicture=%s\nshell=Refused\nshell=rec.exe refused\n", value);
    inf.Add(lines);
  }
  inf.Add("QXpicture=sizes.ico\nshell=Sizes\nshell=rec.exe sizes\n");
  driver::DiscPath(disc, "sub", path, sizeof path);
  if (!made || !CreateDirectoryA(path, nullptr)) {
    CHECK(!"disc made");
    return;
  }
  driver::DiscPath(disc, "pic.ico", path, sizeof path);
  CHECK(WriteAlphaIcon(path, 0xFFFF8000));
  driver::DiscPath(disc, "sub\\inner.ico", path, sizeof path);
  CHECK(WriteAlphaIcon(path, 0xFF0040C0));
  // A 32-pixel image in one colour, a 256-pixel one in another: at any size but 32 the
  // button shows the large one shrunk (as the same picture drawn at that size), never
  // the small one stretched.
  const int sides[] = {32, 256}, side = GetSystemMetrics(SM_CXICON);
  const DWORD colours[] = {0xFFC00000, 0xFF00A040};
  driver::DiscPath(disc, "sizes.ico", path, sizeof path);
  CHECK(WriteAlphaIcon(path, sides, colours, 2));
  driver::DiscPath(disc, "expect.ico", path, sizeof path);
  CHECK(WriteAlphaIcon(path, &side, &colours[side == 32 ? 0 : 1], 1));
  driver::DiscPath(disc, "pics.exe", path, sizeof path);
  CHECK(CopyFileA(self, path, FALSE));
  // The second page is read from its own folder: its picture is beside it.
  CHECK(driver::WriteDiscFile(disc, "sub\\page.inf",
                              "shell\\1=&Back\nshell\\1\\command=[autorun.inf]\n"
                              "QXpicture=inner.ico\nshell\\2=Inner\nshell\\2\\command=rec.exe in\n"
                              "QXpicture=\\pic.ico\nshell\\3=Root\nshell\\3\\command=rec.exe root\n"));
  CHECK(driver::WriteDiscBytes(disc, "autorun.inf", inf.data(), (DWORD)inf.size()));
  driver::CopyRecorder(disc, "rec.exe");
  if (!Start(launcher, disc)) {
    driver::ForgetLauncher(launcher);
    driver::RemoveDisc(disc);
    return;
  }
  char exe[MAX_PATH], file[MAX_PATH];
  driver::DiscPath(disc, "autorun.exe", exe, sizeof exe);
  hostile::LauncherIcons builtIn(exe);
  const int size = GetSystemMetrics(SM_CXICON);
  auto fromFile = [&](const char* name) {
    driver::DiscPath(disc, name, file, sizeof file);
    return (HICON)LoadImageA(nullptr, file, IMAGE_ICON, size, size, LR_LOADFROMFILE);
  };
  auto own = [&](int id) {
    return (HICON)LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(id), IMAGE_ICON, size, size, 0);
  };
  const HICON expected[] = {fromFile("pic.ico"), own(1), own(2), nullptr, builtIn.Icon(205)};
  driver::BringToFront(launcher.window);
  for (int i = 0; i < 6; i++) {
    hostile::ButtonLook look =
        hostile::WaitForButtonLook(ButtonWindow(launcher.window, 6 + i), nullptr, driver::Scaled(2000));
    CHECK(hostile::LooksRight(look, false));
    if (!hostile::LooksRight(look, false)) printf("note: the picture %s was loaded\n", refused[i]);
  }
  for (int i = 0; i < 5; i++) {
    hostile::ButtonLook look = hostile::WaitForButtonLook(ButtonWindow(launcher.window, i), expected[i], driver::Scaled(2000));
    CHECK(hostile::LooksRight(look, expected[i] != nullptr));
    if (!hostile::LooksRight(look, expected[i] != nullptr))
      printf("note: button %d: frame %d face %d icon %d matches %d\n", i, look.frame, look.face, look.iconPresent,
             look.iconMatches);
  }
  const HICON sized = fromFile("expect.ico");
  CHECK(hostile::LooksRight(hostile::WaitForButtonLook(ButtonWindow(launcher.window, 12), sized, driver::Scaled(2000)), true));
  if (sized) DestroyIcon(sized);

  TEST_CASE("twenty page changes: each page's pictures are destroyed with its buttons");
  // The first page shows its picture on its first button, the second on its second: a
  // picture left alive would outlive its page.
  IconProbe probe(GetWindowThreadProcessId(launcher.window, nullptr));
  auto pictureOf = [&](int button) {
    return (HICON)SendMessageA(ButtonWindow(launcher.window, button), GKM_GETUPICON, 0, 0);
  };
  HICON shown = pictureOf(0);
  CHECK(shown != 0);
  CHECK_EQ(probe.Alive(launcher.window, shown), 1);
  const HICON inner = fromFile("sub\\inner.ico");
  int leftBehind = 0;
  for (int change = 0; change < 20; change++) {
    const bool toInner = change % 2 == 0;
    driver::PostClick(ButtonWindow(launcher.window, toInner ? 5 : 0));
    HICON now = nullptr;
    driver::WaitUntil([&] {
      now = pictureOf(toInner ? 1 : 0);
      return now && now != shown;
    });
    CHECK(now && now != shown);
    if (!now || now == shown) break;
    if (probe.Alive(launcher.window, shown) != 0) leftBehind++;
    shown = now;
    if (change == 0) {
      hostile::ButtonLook look = hostile::WaitForButtonLook(ButtonWindow(launcher.window, 1), inner, driver::Scaled(2000));
      CHECK(hostile::LooksRight(look, true));
      // From a page in a folder, "\" names the disc's root.
      look = hostile::WaitForButtonLook(ButtonWindow(launcher.window, 2), expected[0], driver::Scaled(2000));
      CHECK(hostile::LooksRight(look, true));
    }
  }
  CHECK_EQ(leftBehind, 0);
  // The twentieth change went back to the first page.
  hostile::ButtonLook look = hostile::WaitForButtonLook(ButtonWindow(launcher.window, 0), expected[0], driver::Scaled(2000));
  CHECK(hostile::LooksRight(look, true));
  for (HICON icon : expected)
    if (icon && icon != expected[4]) DestroyIcon(icon);
  if (inner) DestroyIcon(inner);
  CheckAliveThenEnd(launcher);
  driver::ForgetLauncher(launcher);
  driver::RemoveDisc(disc);
}

void TestCopyDirectives() {
  TEST_CASE("copy directives");
  const char kPayload[] = "PAYLOAD from the disc";
  const char kSentinel[] = "SENTINEL of the user";
  Disc disc;
  Launcher launcher;
  if (!driver::MakeDisc(disc, "copy")) {
    CHECK(!"disc made");
    return;
  }
  char windowsDir[MAX_PATH], windowsSentinel[MAX_PATH], path[MAX_PATH];
  GetWindowsDirectoryA(windowsDir, sizeof windowsDir);
  snprintf(windowsSentinel, sizeof windowsSentinel, "%s\\hostile-sentinel.txt", windowsDir);
  WriteFileBytes(windowsSentinel, kSentinel, strlen(kSentinel));
  driver::WriteDiscFile(disc, "payload.txt", kPayload);
  driver::WriteDiscFile(disc, "hostile-sentinel.txt", kPayload);
  const char* folders[] = {"kept", "fresh", "long-value", "long-folder"};
  for (const char* folder : folders) {
    driver::DiscPath(disc, folder, path, sizeof path);
    CreateDirectoryA(path, nullptr);
  }
  driver::DiscPath(disc, "kept\\payload.txt", path, sizeof path);
  WriteFileBytes(path, kSentinel, strlen(kSentinel));
  // Files on a CD are read-only, and so is the user's file that must be kept.
  char source[MAX_PATH], kept[MAX_PATH];
  strcpy(kept, path);
  driver::DiscPath(disc, "payload.txt", source, sizeof source);
  SetFileAttributesA(source, FILE_ATTRIBUTE_READONLY);
  SetFileAttributesA(kept, FILE_ATTRIBUTE_READONLY);
  // Two absolute folders whose destination (folder, "\" and payload.txt) is 255
  // and 256 characters long: the first is the limit, the second beyond it.
  char atLimit[MAX_PATH], beyond[MAX_PATH];
  int digits = 255 - (int)strlen("\\payload.txt") - (int)strlen(disc.dir) - (int)strlen("\\L");
  snprintf(atLimit, sizeof atLimit, "%s\\L%0*d", disc.dir, digits, 0);
  snprintf(beyond, sizeof beyond, "%s\\B%0*d", disc.dir, digits + 1, 0);
  CreateDirectoryA(atLimit, nullptr);
  CreateDirectoryA(beyond, nullptr);

  Bytes inf;
  inf.Add("shell\\1=One\nshell\\1\\command=rec.exe one\n");
  inf.Add("QXcopy=payload.txt|kept\n");
  inf.Add("QXcopy=payload.txt|fresh\n");
  inf.Add("QXcopy=hostile-sentinel.txt|%windir%\n");
  inf.Add("QXcopy=payload.txt|long-value|");  // 10 KB in an ignored third field
  inf.Repeat('x', 10 * 1024);
  inf.Add("\nQXcopy=payload.txt|kept|");
  inf.Repeat('x', 10 * 1024);
  inf.Add("\nQXcopy=payload.txt|long-folder\\");  // a 10 KB folder
  inf.Repeat('y', 10 * 1024);
  inf.Printf("\nQXcopy=payload.txt|%s\nQXcopy=payload.txt|%s\n", atLimit, beyond);
  driver::WriteDiscBytes(disc, "autorun.inf", inf.data(), (DWORD)inf.size());
  if (Start(launcher, disc)) {
    CHECK_EQ((int)strlen(atLimit) + (int)strlen("\\payload.txt"), 255);
    driver::DiscPath(disc, "kept\\payload.txt", path, sizeof path);
    CHECK(FileHolds(path, kSentinel));
    driver::DiscPath(disc, "fresh\\payload.txt", path, sizeof path);
    CHECK(FileHolds(path, kPayload));
    // The copy can be changed by its user; the file that was there stays as it was.
    CHECK_EQ(GetFileAttributesA(path) & FILE_ATTRIBUTE_READONLY, 0);
    CHECK_EQ(GetFileAttributesA(kept) & FILE_ATTRIBUTE_READONLY, FILE_ATTRIBUTE_READONLY);
    CHECK(FileHolds(windowsSentinel, kSentinel));
    driver::DiscPath(disc, "long-value", path, sizeof path);
    CHECK_EQ(CountFiles(path), 0);
    driver::DiscPath(disc, "long-folder", path, sizeof path);
    CHECK_EQ(CountFiles(path), 0);
    CHECK_EQ(CountFiles(atLimit), 1);
    CHECK_EQ(CountFiles(beyond), 0);
    // Nothing landed in the disc's root either: the two programs, autorun.inf and the two sources.
    CHECK_EQ(CountFiles(disc.dir), 5);
    CheckAliveThenEnd(launcher);
  }
  driver::ForgetLauncher(launcher);
  DeleteFileA(windowsSentinel);
  SetFileAttributesA(source, FILE_ATTRIBUTE_NORMAL);
  SetFileAttributesA(kept, FILE_ATTRIBUTE_NORMAL);
  driver::RemoveDisc(disc);
}

// Chooses the first entry of an open popup: past the title item and the separator.
void ChooseFirstEntry(HWND popup) {
  driver::PostKey(popup, VK_DOWN);
  driver::PostKey(popup, VK_DOWN);
  driver::PostKey(popup, VK_RETURN);
}

void TestNestedPopups() {
  TEST_CASE("popups nested 30 deep");
  Disc disc;
  Launcher launcher;
  if (!driver::MakeDisc(disc, "nested") || !driver::CopyRecorder(disc, "rec.exe")) {
    CHECK(!"disc made");
    return;
  }
  driver::WriteDiscFile(
      disc, "autorun.inf",
      "shell\\1=&Nest\nshell\\1\\command=<p1.inf>\nshell\\2=&Own\nshell\\2\\command=rec.exe own-2\n");
  for (int level = 1; level <= kNestedPopups; level++) {
    char name[32], text[128];
    snprintf(name, sizeof name, "p%d.inf", level);
    if (level < kNestedPopups)
      snprintf(text, sizeof text, "shell\\d=Deeper %d\nshell\\d\\command=<p%d.inf>\n", level, level + 1);
    else
      snprintf(text, sizeof text, "shell\\r=Record %d\nshell\\r\\command=rec.exe deep-%d\n", level, level);
    driver::WriteDiscFile(disc, name, text);
  }
  if (Start(launcher, disc)) {
    driver::PostClick(ButtonWindow(launcher.window, 0));
    int opened = 0;
    HWND previous = 0;
    for (int level = 1; level <= kNestedPopups; level++) {
      if (previous) driver::WaitForGone(previous, driver::Scaled(2000));
      HWND popup = driver::WaitForPopup(launcher, driver::kWaitMs, previous);
      if (!popup) break;
      opened++;
      ChooseFirstEntry(popup);
      previous = popup;
    }
    CHECK_EQ(opened, kNestedPopups);
    CHECK(Recorded(disc, 1, "rec.exe deep-30"));
    CHECK(driver::WaitForPopup(launcher, driver::kQuietMs) == 0);
    // The window's own table is current again: its buttons run their own commands.
    ExpectedMenu want;
    want.entries = 2;
    lstrcpyA(want.caption[0], "&Nest");
    lstrcpyA(want.caption[1], "&Own");
    CheckButtons(launcher.window, want);
    driver::PostClick(ButtonWindow(launcher.window, 1));
    CHECK(Recorded(disc, 2, "rec.exe own-2"));
    driver::PostClick(ButtonWindow(launcher.window, 0));
    HWND popup = driver::WaitForPopup(launcher);
    CHECK(popup != 0);
    if (popup) driver::PostKey(popup, VK_ESCAPE);
    CheckAliveThenEnd(launcher);
  }
  driver::ForgetLauncher(launcher);
  driver::RemoveDisc(disc);
}

void TestReloadCircle() {
  // An auto-start entry that reloads its own menu (or a menu that reloads it back):
  // every load runs the auto-start step again. The launcher must stop the nesting
  // and stay open with the menu shown.
  struct Circle {
    const char* label;
    const char* name;
    const char* autorun;
    const char* other;  // a second file of the circle, or null
  };
  const Circle circles[] = {
      {"reload circle of one file", "hostile-circle-1",
       "QXName=hostile-circle-1\nshell\\1=&Again\nshell\\1\\command=[autorun.inf]\n"
       "shell\\2=&Own\nshell\\2\\command=rec.exe circle-own\n",
       nullptr},
      {"reload circle of two files", "hostile-circle-2",
       "QXName=hostile-circle-2\nshell\\1=&Other\nshell\\1\\command=[other.inf]\n"
       "shell\\2=&Own\nshell\\2\\command=rec.exe circle-own\n",
       "shell\\1=&Back\nshell\\1\\command=[autorun.inf]\nshell\\2=&Own\nshell\\2\\command=rec.exe "
       "circle-own\n"},
  };
  for (const Circle& circle : circles) {
    TEST_CASE(circle.label);
    Disc disc;
    Launcher launcher;
    if (!driver::MakeDisc(disc, circle.name) || !driver::CopyRecorder(disc, "rec.exe")) {
      CHECK(!"disc made");
      continue;
    }
    driver::WriteDiscFile(disc, "autorun.inf", circle.autorun);
    if (circle.other) driver::WriteDiscFile(disc, "other.inf", circle.other);
    driver::WriteAutoStart(circle.name, "1");
    if (Start(launcher, disc)) {
      Sleep(driver::kQuietMs);
      CHECK(driver::IsRunning(launcher));
      CHECK(driver::WaitForMessageBox(launcher, 0) == 0);
      static Button buttons[driver::kMaxButtons];
      CHECK_EQ(driver::ListButtons(launcher.window, buttons, driver::kMaxButtons), 2);
      // The window still works: its second entry runs, the circle can be entered again.
      driver::PostClick(ButtonWindow(launcher.window, 1));
      CHECK(Recorded(disc, 1, "rec.exe circle-own"));
      driver::PostClick(ButtonWindow(launcher.window, 0));
      Sleep(driver::kQuietMs);
      CHECK(driver::IsRunning(launcher));
      CHECK_EQ(driver::ListButtons(launcher.window, buttons, driver::kMaxButtons), 2);
      CheckAliveThenEnd(launcher);
    }
    driver::ForgetLauncher(launcher);
    driver::RemoveProfileSection(circle.name);
    driver::RemoveDisc(disc);
  }
}

// Clicks a button that names an unreadable menu file; expects the error box for it.
void CheckOpenError(Launcher& launcher, int index, const char* fileName) {
  driver::PostClick(ButtonWindow(launcher.window, index));
  HWND box = driver::WaitForMessageBox(launcher);
  CHECK(box != 0);
  char text[512], want[512];
  driver::MessageBoxText(box, text, sizeof text);
  snprintf(want, sizeof want, "Unable to open the file: '%s'", fileName);
  CHECK_STR(text, want);
  CHECK(driver::CloseMessageBox(box));
  CHECK(driver::WaitForPopup(launcher, driver::kQuietMs) == 0);
}

void TestPopupFileIsFolder() {
  TEST_CASE("popup file that is a folder");
  Disc disc;
  Launcher launcher;
  if (!driver::MakeDisc(disc, "folder") || !driver::CopyRecorder(disc, "rec.exe")) {
    CHECK(!"disc made");
    return;
  }
  char path[MAX_PATH];
  driver::DiscPath(disc, "folder.inf", path, sizeof path);
  CreateDirectoryA(path, nullptr);
  driver::WriteDiscFile(
      disc, "autorun.inf",
      "shell\\1=Popup\nshell\\1\\command=<folder.inf>\nshell\\2=Own\nshell\\2\\command=rec.exe "
      "folder-own\nshell\\3=Reload\nshell\\3\\command=[folder.inf]\n");
  if (Start(launcher, disc)) {
    CheckOpenError(launcher, 0, "folder.inf");
    static Button buttons[driver::kMaxButtons];
    CHECK_EQ(driver::ListButtons(launcher.window, buttons, driver::kMaxButtons), 3);
    driver::PostClick(ButtonWindow(launcher.window, 1));
    CHECK(Recorded(disc, 1, "rec.exe folder-own"));
    // A reload from it fails the same way and leaves the window without buttons.
    CheckOpenError(launcher, 2, "folder.inf");
    CHECK_EQ(driver::ListButtons(launcher.window, buttons, driver::kMaxButtons), 0);
    CheckAliveThenEnd(launcher);
  }
  driver::ForgetLauncher(launcher);
  driver::RemoveDisc(disc);
}

void TestVanishingMenuFile() {
  TEST_CASE("menu file that vanishes between two loads");
  Disc disc;
  Launcher launcher;
  if (!driver::MakeDisc(disc, "vanish") || !driver::CopyRecorder(disc, "rec.exe")) {
    CHECK(!"disc made");
    return;
  }
  driver::WriteDiscFile(disc, "autorun.inf", "shell\\1=Page two\nshell\\1\\command=[page2.inf]\n");
  driver::WriteDiscFile(disc, "page2.inf",
                        "title=Second page\nshell\\1=Again\nshell\\1\\command=[page2.inf]\n"
                        "shell\\2=Own\nshell\\2\\command=rec.exe page2-own\n");
  if (Start(launcher, disc)) {
    driver::PostClick(ButtonWindow(launcher.window, 0));
    Sleep(300);
    CHECK(Answers(launcher.window));
    CheckTitle(launcher.window, "Second page");
    static Button buttons[driver::kMaxButtons];
    CHECK_EQ(driver::ListButtons(launcher.window, buttons, driver::kMaxButtons), 2);
    driver::PostClick(ButtonWindow(launcher.window, 1));
    CHECK(Recorded(disc, 1, "rec.exe page2-own"));
    char path[MAX_PATH];
    driver::DiscPath(disc, "page2.inf", path, sizeof path);
    CHECK(DeleteFileA(path));
    CheckOpenError(launcher, 0, "page2.inf");
    CHECK_EQ(driver::ListButtons(launcher.window, buttons, driver::kMaxButtons), 0);
    CHECK(Answers(launcher.window));
    // Its Quit button still ends it.
    driver::PostClick(GetDlgItem(launcher.window, IDOK));
    CHECK(driver::WaitForExit(launcher));
  }
  driver::ForgetLauncher(launcher);
  driver::RemoveDisc(disc);
}

// Reads the text of the next message box and closes it; false when none came.
bool TakeMessageBox(Launcher& launcher, char* text, int size) {
  HWND box = driver::WaitForMessageBox(launcher);
  text[0] = 0;
  if (!box) return false;
  driver::MessageBoxText(box, text, size);
  return driver::CloseMessageBox(box);
}

bool StartsWith(const char* text, const char* prefix) {
  return strncmp(text, prefix, strlen(prefix)) == 0;
}

void TestLongNamesInCommands() {
  TEST_CASE("10 KB names in commands");
  // Every message box that names a command or a file composes a text far longer
  // than any fixed buffer: the boxes must come, with their texts' beginnings.
  Bytes name;
  name.Repeat('n', 10 * 1024);
  Bytes inf;
  inf.Add("shell\\1=Long popup\nshell\\1\\command=<");
  inf.Add(name.data(), name.size());
  inf.Add(".inf>\nshell\\2=Long program\nshell\\2\\command=");
  inf.Add(name.data(), name.size());
  inf.Add(".exe /q\nshell\\3=Long document\nshell\\3\\command=%open ");
  inf.Add(name.data(), name.size());
  // .xyz has no association anywhere; a .txt would start the system's editor.
  inf.Add(
      ".xyz\nshell\\4=Own\nshell\\4\\command=rec.exe long-own\nshell\\5=Long reload\nshell\\5\\command=[");
  inf.Add(name.data(), name.size());
  inf.Add(".inf]\n");
  Disc disc;
  Launcher launcher;
  ExpectedMenu want;
  if (LoadDisc(disc, launcher, "longnames", inf, &want)) {
    char text[1024];
    driver::PostClick(ButtonWindow(launcher.window, 0));
    CHECK(TakeMessageBox(launcher, text, sizeof text));
    CHECK(StartsWith(text, "Unable to open the file: 'nnnnnnnn"));
    CHECK(driver::WaitForPopup(launcher, driver::kQuietMs) == 0);
    driver::PostClick(ButtonWindow(launcher.window, 1));
    CHECK(TakeMessageBox(launcher, text, sizeof text));
    CHECK(StartsWith(text, "Unable to launch:\n'nnnnnnnn"));
    driver::PostClick(ButtonWindow(launcher.window, 2));
    CHECK(TakeMessageBox(launcher, text, sizeof text));
    CHECK(StartsWith(text, "Unable to launch:\n'%open nnnnnnnn"));
    driver::PostClick(ButtonWindow(launcher.window, 3));
    CHECK(Recorded(disc, 1, "rec.exe long-own"));
    driver::PostClick(ButtonWindow(launcher.window, 4));
    CHECK(TakeMessageBox(launcher, text, sizeof text));
    CHECK(StartsWith(text, "Unable to open the file: 'nnnnnnnn"));
    CheckAliveThenEnd(launcher);
  }
  driver::ForgetLauncher(launcher);
  driver::RemoveDisc(disc);
}

void TestLongMessageText() {
  TEST_CASE("10 KB message text");
  // A text of the Messages section counts up to its 511th character.
  const int kMessageLimit = 511;
  Bytes inf;
  inf.Add("[Messages]\nErrorOpenMsg=");
  inf.Repeat('m', 10 * 1024);
  inf.Add("\n[autorun]\nshell\\1=Missing\nshell\\1\\command=<missing.inf>\n");
  Disc disc;
  Launcher launcher;
  ExpectedMenu want;
  if (LoadDisc(disc, launcher, "longmessage", inf, &want)) {
    driver::PostClick(ButtonWindow(launcher.window, 0));
    static char text[2048], expected[2048];
    memset(expected, 'm', kMessageLimit);
    lstrcpyA(expected + kMessageLimit, " 'missing.inf'");
    CHECK(TakeMessageBox(launcher, text, sizeof text));
    CHECK_STR(text, expected);
    CheckAliveThenEnd(launcher);
  }
  driver::ForgetLauncher(launcher);
  driver::RemoveDisc(disc);
}

void TestMenuFileIsFolder() {
  TEST_CASE("autorun.inf that is a folder");
  Disc disc;
  Launcher launcher;
  if (!driver::MakeDisc(disc, "inffolder")) {
    CHECK(!"disc made");
    return;
  }
  char path[MAX_PATH];
  driver::DiscPath(disc, "autorun.inf", path, sizeof path);
  CreateDirectoryA(path, nullptr);
  driver::StartLauncher(launcher, disc, driver::StartOptions{nullptr, false, false});
  HWND box = driver::WaitForMessageBox(launcher);
  CHECK(box != 0);
  char text[512];
  driver::MessageBoxText(box, text, sizeof text);
  CHECK_STR(text, "Unable to open the file: 'autorun.inf'");
  CHECK(driver::CloseMessageBox(box));
  CHECK(driver::WaitForLauncherWindow(launcher) != 0);
  CheckAliveThenEnd(launcher);
  driver::ForgetLauncher(launcher);
  driver::RemoveDisc(disc);
}

}  // namespace

// The launcher's walk over real folders. Wine shows no reparse point for the Unix link it
// makes of a symbolic link; where it does show one, the walk must stop there.
void TestDiscWalk() {
  TEST_CASE("the disc walk: folders passed, a missing part missing, a link refused");
  Disc disc;
  if (!driver::MakeDisc(disc, "walk", false)) {
    CHECK(!"disc made");
    return;
  }
  char path[MAX_PATH], link[MAX_PATH];
  driver::DiscPath(disc, "sub", path, sizeof path);
  CreateDirectoryA(path, nullptr);
  driver::DiscPath(disc, "sub\\inner", path, sizeof path);
  CreateDirectoryA(path, nullptr);
  driver::WriteDiscFile(disc, "sub\\inner\\a.txt", "x");
  CHECK_EQ((int)WalkDisc(disc.dir, "sub\\inner\\a.txt"), (int)menu::PathState::kExists);
  CHECK_EQ((int)WalkDisc(disc.dir, "sub\\none\\a.txt"), (int)menu::PathState::kMissing);
  CHECK_EQ((int)WalkDisc(disc.dir, "sub\\inner\\a.txt\\x"), (int)menu::PathState::kMissing);
  CHECK_EQ((int)WalkDisc("", "sub"), (int)menu::PathState::kUntouchable);
  driver::DiscPath(disc, "sub", path, sizeof path);
  driver::DiscPath(disc, "link", link, sizeof link);
  // Declared for Vista and later only: found by name.
  typedef BOOLEAN(WINAPI * CreateSymbolicLinkFn)(const char*, const char*, DWORD);
  auto createLink =
      (CreateSymbolicLinkFn)(void*)GetProcAddress(GetModuleHandleA("kernel32.dll"), "CreateSymbolicLinkA");
  const DWORD kDirectoryLink = 1;
  DWORD attributes = createLink && createLink(link, path, kDirectoryLink) ? GetFileAttributesA(link) : 0;
  if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_REPARSE_POINT))
    CHECK_EQ((int)WalkDisc(disc.dir, "link\\inner\\a.txt"), (int)menu::PathState::kUntouchable);
  else
    printf("note: this Wine shows no reparse point for a symbolic link\n");
  RemoveDirectoryA(link);
  driver::RemoveDisc(disc);
}

int main(int argc, char** argv) {
  hostile::QuietCrashes();
  // Given "pictures", only the disc's own pictures: the 144-dpi session's case.
  if (argc > 1 && strcmp(argv[1], "pictures") == 0) {
    TestPictures();
    return check::Summary();
  }
  TestBinaryJunk();
  TestNulBytes();
  TestLongLines();
  TestTenThousandEntries();
  TestMegabyteTitle();
  TestLongIconList();
  TestPictures();
  TestCopyDirectives();
  TestNestedPopups();
  TestReloadCircle();
  TestPopupFileIsFolder();
  TestVanishingMenuFile();
  TestLongNamesInCommands();
  TestLongMessageText();
  TestMenuFileIsFolder();
  TestDiscWalk();
  return check::Summary();
}
