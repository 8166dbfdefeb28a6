// End-to-end checks of the launcher window as a user meets it: start-up without its
// menu or its library, the title, the buttons' places and sizes, the window's size and
// place, the Quit button, translated messages, the ways it ends, the buttons' underlined
// letters, the thirty-entry limit, a reload to a second page, one menu saved in every
// encoding, and real autorun.inf files from discs. Given "dpi", only the cases of the
// layout, which is made for the screen's DPI (the session's LogPixels), and a move to a
// monitor of another DPI.
#include <ctype.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <windows.h>

#include "check.h"
#include "dpi_win32.h"
#include "hostile_screen.h"
#include "launcher_driver.h"
#include "window/template_frame.h"
#include "res/resource_ids.h"

using namespace driver;

namespace {

constexpr int kFirstButtonId = ID_FIRST_BUTTON;
constexpr int kLastButtonId = ID_FIRST_BUTTON + MENU_MAX_ENTRIES - 1;
constexpr int kAboutCommand = ID_ABOUT_COMMAND;
// The layout's pixel figures are written for 96 dpi and scaled to the screen's DPI.
int g_dpi = 96;
int Px(int figure, int dpi = g_dpi) {
  return MulDiv(figure, dpi, 96);
}
int IconHeight() {
  return GetSystemMetrics(SM_CYICON);
}
int ButtonX() {
  return Px(7);
}
int TopMargin() {
  return Px(4);
}
int ButtonHeight() {
  return IconHeight() + Px(6);
}
int Step() {
  return ButtonHeight() + Px(2);
}

// What the template of the launcher window gives in this prefix, measured on a dialog of
// our own made the same way: 214 x 15 dialog units in 8 point MS Sans Serif, Quit button
// at 81, 1, 50, 13.
struct TemplateSize {
  int windowWidth, windowHeight;
  int clientWidth, clientHeight;
  RECT quit;  // x, y, width, height in pixels
};

INT_PTR CALLBACK QuietDialog(HWND, UINT, WPARAM, LPARAM) { return FALSE; }

TemplateSize MeasureTemplate() {
  alignas(4) WORD buffer[64] = {};
  DLGTEMPLATE* d = reinterpret_cast<DLGTEMPLATE*>(buffer);
  d->style = 0x90CA00C0 & ~WS_VISIBLE;
  d->dwExtendedStyle = WS_EX_APPWINDOW;
  d->cx = 214;
  d->cy = 15;
  WORD* p = reinterpret_cast<WORD*>(reinterpret_cast<BYTE*>(d) + sizeof(DLGTEMPLATE));
  *p++ = 0;  // no menu
  *p++ = 0;  // standard class
  *p++ = 0;  // empty title
  *p++ = 8;  // point size
  for (const wchar_t* f = L"MS Sans Serif";; f++) {
    *p++ = *f;
    if (!*f) break;
  }
  TemplateSize size = {};
  HWND w = CreateDialogIndirectParamW(GetModuleHandleW(nullptr), d, nullptr, QuietDialog, 0);
  if (!w) return size;
  RECT r = WindowRectOf(w), c = ClientRectOf(w);
  size.windowWidth = r.right - r.left;
  size.windowHeight = r.bottom - r.top;
  size.clientWidth = c.right;
  size.clientHeight = c.bottom;
  // x, y, width and height are each mapped on their own, as the dialog manager does.
  size.quit = {81, 1, 50, 13};
  MapDialogRect(w, &size.quit);
  DestroyWindow(w);
  return size;
}

RECT WorkAreaOf(HWND window) {
  MONITORINFO info = {};
  info.cbSize = sizeof info;
  GetMonitorInfoA(MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST), &info);
  return info.rcWork;
}

bool Inside(const RECT& r, const RECT& area) {
  return r.left >= area.left && r.top >= area.top && r.right <= area.right && r.bottom <= area.bottom;
}

// Where the launcher should stand: centred in the work area of its screen, pushed
// inside it when it is larger.
POINT CentredPlace(HWND window) {
  RECT work = WorkAreaOf(window), r = WindowRectOf(window);
  int width = r.right - r.left, height = r.bottom - r.top;
  POINT place;
  place.x = work.left + (work.right - work.left) / 2 - width / 2;
  if (place.x < work.left) place.x = work.left;
  else if (place.x + width > work.right) place.x = work.right - width;
  place.y = work.top + (work.bottom - work.top) / 2 - height / 2;
  if (place.y < work.top) place.y = work.top;
  else if (place.y + height > work.bottom) place.y = work.bottom - height;
  return place;
}

void CheckCentred(HWND window) {
  RECT r = WindowRectOf(window);
  POINT want = CentredPlace(window);
  CHECK_EQ(r.left, want.x);
  CHECK_EQ(r.top, want.y);
}

// The window's size for a menu whose final vertical position is finalY, and the Quit
// button at the bottom centre, 2 pixels (at 96 dpi) above the lower edge.
void CheckGrownWindow(HWND window, const TemplateSize& t, int finalY) {
  RECT r = WindowRectOf(window), c = ClientRectOf(window);
  CHECK_EQ(r.right - r.left, t.windowWidth);
  CHECK_EQ(r.bottom - r.top, t.windowHeight + finalY);
  CHECK_EQ(c.right, t.clientWidth);
  CHECK_EQ(c.bottom, t.clientHeight + finalY);
  CheckCentred(window);
  HWND quit = GetDlgItem(window, IDOK);
  CHECK(quit != 0);
  RECT q = ChildRect(quit);
  CHECK_EQ(q.right - q.left, t.quit.right);
  CHECK_EQ(q.bottom - q.top, t.quit.bottom);
  CHECK_EQ(q.left, (c.right - c.left - t.quit.right) / 2);
  CHECK_EQ(q.top, c.bottom - t.quit.bottom - Px(2));
}

struct WantButton {
  const char* text;
  int y;
};

int CompareById(const void* a, const void* b) {
  return static_cast<const Button*>(a)->id - static_cast<const Button*>(b)->id;
}

int SortedButtons(HWND window, Button* buttons) {
  int n = ListButtons(window, buttons, kMaxButtons);
  qsort(buttons, n, sizeof(Button), CompareById);
  return n;
}

// The buttons, one per entry: ids from 1001, x 7, the wanted y, the initial client width
// less 14, the icon height + 6 (the figures at 96 dpi).
void CheckButtons(HWND window, const TemplateSize& t, const WantButton* want, int count) {
  static Button buttons[kMaxButtons];
  int n = SortedButtons(window, buttons);
  CHECK_EQ(n, count);
  for (int i = 0; i < n && i < count; i++) {
    const Button& b = buttons[i];
    CHECK_EQ(b.id, kFirstButtonId + i);
    CHECK_STR(b.text, want[i].text);
    CHECK_EQ(b.rect.left, ButtonX());
    CHECK_EQ(b.rect.top, want[i].y);
    CHECK_EQ(b.rect.right - b.rect.left, t.clientWidth - 2 * ButtonX());
    CHECK_EQ(b.rect.bottom - b.rect.top, ButtonHeight());
    CHECK(IsWindowVisible(b.window));
  }
}

// A menu of count buttons that fits the screen: the window, every button and the Quit
// button inside the work area; the buttons in entry order down each column, then on at
// the top of the next column to the right (so that none overlap), the window wider by
// whole columns. Returns the number of columns.
int CheckOnScreen(HWND window, const TemplateSize& t, int count) {
  RECT work = WorkAreaOf(window), frame = WindowRectOf(window), overlap;
  CHECK(Inside(frame, work));
  MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&work), 2);
  const RECT quit = ChildRect(GetDlgItem(window, IDOK));
  CHECK(Inside(quit, work));
  static Button buttons[kMaxButtons];
  const int n = SortedButtons(window, buttons);
  CHECK_EQ(n, count);
  int columns = 1;
  for (int i = 0; i < n; i++) {
    const RECT &r = buttons[i].rect, &before = buttons[i > 0 ? i - 1 : 0].rect;
    CHECK(Inside(r, work) && !IntersectRect(&overlap, &r, &quit));
    if (r.left == before.left) {
      CHECK(i == 0 || r.top >= before.bottom);
      continue;
    }
    columns++;
    CHECK(r.left == before.left + t.clientWidth && r.top == TopMargin());
  }
  CHECK_EQ(frame.right - frame.left, t.windowWidth + (columns - 1) * t.clientWidth);
  return columns;
}

void CheckText(HWND window, const char* want) {
  char text[512];
  WindowText(window, text, sizeof text);
  CHECK_STR(text, want);
}

// Checks the open message box's text and caption, then closes it.
void CheckAndCloseBox(const Launcher& launcher, const char* text, const char* caption) {
  HWND box = WaitForMessageBox(launcher);
  CHECK(box != 0);
  if (!box) return;
  char got[512];
  MessageBoxText(box, got, sizeof got);
  CHECK_STR(got, text);
  CheckText(box, caption);
  CHECK(CloseMessageBox(box));
}

HWND ButtonById(HWND window, int id) { return GetDlgItem(window, id); }

// ---- Cases -----------------------------------------------------------------------------

void TestWithoutMenuFile(const TemplateSize& t) {
  TEST_CASE("no autorun.inf: error box, then the template-size window centred");
  Disc disc;
  CHECK(MakeDisc(disc, "nomenu"));
  Launcher launcher;
  StartOptions options;
  options.waitForWindow = false;
  CHECK(StartLauncher(launcher, disc, options));
  HWND box = WaitForMessageBox(launcher);
  CHECK(box != 0);
  if (box) {
    // The box belongs to the launcher window, which is not shown yet.
    HWND owner = GetWindow(box, GW_OWNER);
    char ownerClass[32] = "";
    GetClassNameA(owner, ownerClass, sizeof ownerClass);
    CHECK_STR(ownerClass, "#32770");
    CHECK(!IsWindowVisible(owner));
  }
  CheckAndCloseBox(launcher, "Unable to open the file: 'autorun.inf'", "Error !");
  HWND window = WaitForLauncherWindow(launcher);
  CHECK(window != 0);
  if (window) {
    WaitIdle(launcher);
    CheckText(window, "Autorun");
    RECT r = WindowRectOf(window), c = ClientRectOf(window);
    CHECK_EQ(r.right - r.left, t.windowWidth);
    CHECK_EQ(r.bottom - r.top, t.windowHeight);
    CHECK_EQ(c.right, t.clientWidth);
    CHECK_EQ(c.bottom, t.clientHeight);
    CheckCentred(window);
    static Button buttons[kMaxButtons];
    CHECK_EQ(ListButtons(window, buttons, kMaxButtons), 0);
    HWND quit = GetDlgItem(window, IDOK);
    CHECK(quit != 0);
    CheckText(quit, "&Quit");
    RECT q = ChildRect(quit);
    CHECK_EQ(q.left, t.quit.left);
    CHECK_EQ(q.top, t.quit.top);
    CHECK_EQ(q.right - q.left, t.quit.right);
    CHECK_EQ(q.bottom - q.top, t.quit.bottom);

    TEST_CASE("system commands 16 to 31 open the About box, others do not");
    const int commands[] = {kAboutCommand, kAboutCommand + 15};
    for (int command : commands) {
      PostMessageA(window, WM_SYSCOMMAND, command, 0);
      HWND about = WaitForAboutBox(launcher);
      CHECK(about != 0);
      if (!about) continue;
      CHECK(GetWindow(about, GW_OWNER) == window);
      PostMessageA(about, WM_COMMAND, IDCANCEL, 0);
      CHECK(WaitForGone(about));
    }
    PostMessageA(window, WM_SYSCOMMAND, kAboutCommand + 16, 0);
    CHECK(WaitForAboutBox(launcher, kQuietMs) == 0);
    CHECK(IsRunning(launcher));

    TEST_CASE("no autorun.inf: the Close command ends the program");
    PostMessageA(window, WM_SYSCOMMAND, SC_CLOSE, 0);
  }
  CHECK(WaitForExit(launcher));
  CHECK(RemoveDisc(disc));
}

void TestWithoutLibrary() {
  TEST_CASE("no GlyphKey32.dll: one box, no window, the program ends");
  Disc disc;
  CHECK(MakeDisc(disc, "nolib", false));
  CHECK(WriteDiscFile(disc, "autorun.inf", "[autorun]\r\nshell\\a=A\r\nshell\\a\\command=a.exe\r\n"));
  Launcher launcher;
  StartOptions options;
  options.waitForWindow = false;
  CHECK(StartLauncher(launcher, disc, options));
  HWND box = WaitForMessageBox(launcher);
  CHECK(box != 0);
  if (box) {
    CHECK(GetWindow(box, GW_OWNER) == 0);
    CHECK_EQ(CountWindows(launcher, "#32770"), 1);
    CheckAndCloseBox(launcher, "Cannot load GlyphKey32.dll library", "Error");
  }
  CHECK(WaitForExit(launcher));

  TEST_CASE("no GlyphKey32.dll beside it: a copy in the system folder is not searched for");
  char system[MAX_PATH], copy[MAX_PATH], built[MAX_PATH];
  GetSystemDirectoryA(system, MAX_PATH);
  snprintf(copy, sizeof copy, "%s\\GlyphKey32.dll", system);
  snprintf(built, sizeof built, "%s\\GlyphKey32.dll", getenv("DISC_BIN_DIR"));
  CHECK(CopyFileA(built, copy, FALSE));
  Launcher searched;
  CHECK(StartLauncher(searched, disc, options));
  box = WaitForMessageBox(searched);
  CHECK(box != 0);
  if (box) CheckAndCloseBox(searched, "Cannot load GlyphKey32.dll library", "Error");
  CHECK(WaitForExit(searched));
  DeleteFileA(copy);
  CHECK(RemoveDisc(disc));
}

const char kLayoutMenu[] =
    "[autorun]\r\n"
    "open=autorun.exe\r\n"
    "TITLE = Demo disc\r\n"
    "QXicon=1,2,3\r\n"
    "shell\\install=&Install\r\n"
    "shell\\install\\command=setup.exe /q\r\n"
    "shell\\guide=Read me\r\n"
    "shell\\guide\\command=guide.txt\r\n"
    "shell\\tools=Tools\r\n"
    "shell\\tools\\command=<tools.inf>\r\n";

// The three buttons of kLayoutMenu show icons 201 to 203 as the screen's icon size has
// them: each group's own image of that size, as LoadIconA loads it here.
void CheckIconsAtScreenSize(HWND window) {
  TEST_CASE("the buttons draw their icons' own images of the screen's icon size");
  char path[MAX_PATH];
  snprintf(path, sizeof path, "%s\\autorun.exe", getenv("DISC_BIN_DIR"));
  hostile::LauncherIcons icons(path);
  printf("icons of %dx%d pixels at %d dpi\n", GetSystemMetrics(SM_CXICON), IconHeight(), g_dpi);
  for (int i = 0; i < 3; i++) {
    HWND button = GetDlgItem(window, kFirstButtonId + i);
    CHECK(hostile::LooksRight(hostile::WaitForButtonLook(button, icons.Icon(201 + i), Scaled(5000)), true));
  }
  TEST_CASE("a button told that its parent has a new DPI draws its icon again");
  HWND first = GetDlgItem(window, kFirstButtonId);
  CHECK_EQ(SendMessageA(first, WM_DPICHANGED_AFTERPARENT, 0, 0), 0);
  CHECK(hostile::LooksRight(hostile::WaitForButtonLook(first, icons.Icon(201), Scaled(5000)), true));
}

// The height of the ink in a screen rectangle, from its first row to its last that holds
// a pixel darker than mid-grey: text in COLOR_BTNTEXT on a button's face.
int InkHeight(const RECT& r) {
  hostile::ScreenCopy screen;
  if (!screen.Capture(r)) return 0;
  int first = -1, last = -1;
  for (int y = r.top; y < r.bottom; y++) {
    for (int x = r.left; x < r.right; x++) {
      const COLORREF c = screen.At(x, y);
      if (GetRValue(c) + GetGValue(c) + GetBValue(c) < 3 * 100) {
        if (first < 0) first = y;
        last = y;
        break;
      }
    }
  }
  return first < 0 ? 0 : last - first + 1;
}

// Text that grows with the DPI, as in Windows' own dialogs. A menu button's caption at 96
// dpi is in the system font, "Read me" 11 rows of ink high; the Quit button's "&Quit", in
// the template's 8-point MS Sans Serif, 10 with its tail and underline (Wine's fonts).
// Elsewhere both are as much larger as the DPI, within a tenth (1.4 to 1.6 at 144 dpi).
const int kCaptionInkAt96 = 11, kQuitInkAt96 = 10;
void CheckTextHeights(HWND window) {
  TEST_CASE("captions and the Quit button's text as high as the DPI makes them");
  // The focus, and its dotted rectangle, goes to the first button, away from those measured.
  SendMessageA(window, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(GetDlgItem(window, kFirstButtonId)), TRUE);
  UpdateWindow(window);
  Sleep(Scaled(300));
  RECT caption = WindowRectOf(GetDlgItem(window, kFirstButtonId + 1));
  caption.left += Px(6) + IconHeight() + Px(4);
  caption.right -= Px(8);
  InflateRect(&caption, 0, -Px(3));
  RECT quit = WindowRectOf(GetDlgItem(window, IDOK));
  InflateRect(&quit, -Px(4), -Px(4));
  const int captionInk = InkHeight(caption), quitInk = InkHeight(quit);
  printf("ink of a caption %d rows, of the Quit button %d rows at %d dpi\n", captionInk, quitInk, g_dpi);
  if (g_dpi == 96) {
    CHECK_EQ(captionInk, kCaptionInkAt96);
    CHECK_EQ(quitInk, kQuitInkAt96);
  } else {
    const double want = g_dpi / 96.0;
    CHECK(captionInk >= kCaptionInkAt96 * (want - 0.1) && captionInk <= kCaptionInkAt96 * (want + 0.1));
    CHECK(quitInk >= kQuitInkAt96 * (want - 0.1) && quitInk <= kQuitInkAt96 * (want + 0.1));
  }
}

// The size the launcher answered to WM_GETDPISCALEDSIZE, as the hook left it.
SIZE SuggestedSize(HWND window) {
  return {static_cast<LONG>(reinterpret_cast<INT_PTR>(GetPropA(window, "AutorunTestWidth"))),
          static_cast<LONG>(reinterpret_cast<INT_PTR>(GetPropA(window, "AutorunTestHeight")))};
}

// Windows tells only top-level windows of new system colours or a contrast theme: the
// launcher passes both on to each of its picture buttons, which paint in the new colours.
void CheckColourChangesReachButtons(HWND window, int buttons) {
  TEST_CASE("WM_SYSCOLORCHANGE, WM_SETTINGCHANGE: passed on to every picture button");
  {
    ThreadHook hook(GetWindowThreadProcessId(window, nullptr), "ColourChangeHook");
    CHECK(hook.placed());
    DWORD_PTR result = 0;
    CHECK(SendMessageTimeoutA(window, WM_SYSCOLORCHANGE, 0, 0, SMTO_NORMAL, Scaled(5000), &result));
    CHECK(SendMessageTimeoutA(window, WM_SETTINGCHANGE, SPI_SETHIGHCONTRAST, 0, SMTO_NORMAL, Scaled(5000),
                              &result));
  }
  CHECK(reinterpret_cast<INT_PTR>(GetPropA(window, "AutorunTestColourChanges")) == 2 * buttons);
}

// The window of kLayoutMenu moved to a monitor of another DPI and back. Wine has one
// monitor and sends no WM_DPICHANGED: the test sends it.
void CheckNewDpi(HWND window, const TemplateSize& t) {
  TEST_CASE("WM_GETDPISCALEDSIZE, WM_DPICHANGED: buttons, gaps, Quit button at the new DPI, where suggested");
  const int other = g_dpi == 96 ? 144 : 96;
  static Button before[kMaxButtons], after[kMaxButtons];
  const int count = SortedButtons(window, before);
  const RECT was = WindowRectOf(window);
  CHECK(SendDpiChanged(window, g_dpi, other, {was.left, was.top}));
  const int icon = MulDiv(IconHeight(), other, g_dpi);
  const int clientWidth = MulDiv(t.clientWidth, other, g_dpi);
  CHECK_EQ(SortedButtons(window, after), count);
  for (int i = 0; i < count; i++) {
    const RECT& b = after[i].rect;
    CHECK_EQ(b.left, Px(7, other));
    CHECK_EQ(b.top, Px(4, other) + i * (icon + Px(6, other) + Px(2, other)));
    CHECK_EQ(b.right - b.left, clientWidth - 2 * Px(7, other));
    CHECK_EQ(b.bottom - b.top, icon + Px(6, other));
  }
  // The frame is the system's at the new DPI, which Wine does not change: the client
  // area holds the buttons, the Quit button below them, 2 pixels (at 96 dpi) above its edge.
  const RECT now = WindowRectOf(window), c = ClientRectOf(window);
  CHECK(c.right >= clientWidth);
  const RECT q = ChildRect(GetDlgItem(window, IDOK));
  CHECK_EQ(q.right - q.left, MulDiv(t.quit.right, other, g_dpi));
  CHECK_EQ(q.bottom - q.top, MulDiv(t.quit.bottom, other, g_dpi));
  CHECK_EQ(q.left, (c.right - (q.right - q.left)) / 2);
  CHECK_EQ(q.bottom, c.bottom - Px(2, other));
  // Windows draws the frame at the new DPI too, and the window's size allows for it; Wine
  // keeps the system's frame, whose caption bar at 144 dpi takes from the client area
  // what the frame at 96 dpi would not: there the Quit button may overlap the last row.
  const RECT c0 = ClientRectOf(window);
  const bool frameFollows = (now.bottom - now.top) - c0.bottom != t.windowHeight - t.clientHeight;
  if (frameFollows || other > g_dpi) CHECK(count == 0 || q.top >= after[count - 1].rect.bottom);
  // Exactly the suggested rectangle, whose size the window gave when asked first.
  CHECK(GetPropA(window, "AutorunTestAnswered") != nullptr);
  CHECK_EQ(now.left, was.left);
  CHECK_EQ(now.top, was.top);
  CHECK_EQ(now.right - now.left, SuggestedSize(window).cx);
  CHECK_EQ(now.bottom - now.top, SuggestedSize(window).cy);

  TEST_CASE("WM_DPICHANGED back: every button, the Quit button and the window as before");
  CHECK(SendDpiChanged(window, other, g_dpi, {now.left, now.top}));
  CHECK_EQ(SortedButtons(window, after), count);
  for (int i = 0; i < count; i++) CHECK(EqualRect(&after[i].rect, &before[i].rect));
  const RECT again = WindowRectOf(window);
  CHECK(EqualRect(&again, &was));
  const RECT q2 = ChildRect(GetDlgItem(window, IDOK));
  CHECK_EQ(q2.right - q2.left, t.quit.right);
  CHECK_EQ(q2.bottom, ClientRectOf(window).bottom - Px(2));
}

// A monitor of another DPI met in the middle of start-up: the window's first move, onto
// the start monitor before the menu is read, brings WM_GETDPISCALEDSIZE and
// WM_DPICHANGED. However they come, the window ends laid out at the DPI it has, its Quit
// button of the template's size at the bottom (it once stayed 0 by 0 for good).
void TestDpiChangeAtStart(const TemplateSize& t) {
  TEST_CASE(
      "a DPI change in the middle of start-up: the menu laid out at the window's DPI, Quit button whole");
  Disc disc;
  CHECK(MakeDisc(disc, "dpistart"));
  CHECK(WriteDiscFile(disc, "autorun.inf", kLayoutMenu));
  const int step = Step();
  const WantButton want[] = {
      {"&Install", TopMargin()}, {"Read me", TopMargin() + step}, {"Tools", TopMargin() + 2 * step}};
  Launcher launcher;
  StartOptions options;
  options.suspended = true;
  CHECK(StartLauncher(launcher, disc, options));
  HWND window = nullptr;
  {
    ThreadHook hook(launcher.started ? launcher.pi.dwThreadId : 0, "StartDpiHook");
    CHECK(hook.placed());
    if (launcher.started) ResumeThread(launcher.pi.hThread);
    window = WaitForLauncherWindow(launcher);
    WaitIdle(launcher);
  }
  if (window) {
    CHECK(GetPropA(window, "AutorunTestStartDpi") != nullptr);
    CHECK(GetPropA(window, "AutorunTestAnswered") != nullptr);
    CheckButtons(window, t, want, 3);
    CheckGrownWindow(window, t, TopMargin() + 3 * step);
  } else {
    CHECK(!"launcher window");
  }
  CHECK(EndLauncher(launcher));
  CHECK(RemoveDisc(disc));
}

void TestLayout(const TemplateSize& t) {
  TEST_CASE("three entries: title, buttons, grown and centred window, Quit at the bottom");
  Disc disc;
  CHECK(MakeDisc(disc, "layout"));
  CHECK(WriteDiscFile(disc, "autorun.inf", kLayoutMenu));
  const int step = Step();
  const WantButton want[] = {
      {"&Install", TopMargin()}, {"Read me", TopMargin() + step}, {"Tools", TopMargin() + 2 * step}};
  RECT first = {};
  Launcher launcher;
  CHECK(StartLauncher(launcher, disc));
  if (HWND window = WaitForLauncherWindow(launcher)) {
    CheckText(window, "Demo disc");
    CheckButtons(window, t, want, 3);
    CheckGrownWindow(window, t, TopMargin() + 3 * step);
    CheckText(GetDlgItem(window, IDOK), "&Quit");
    first = WindowRectOf(window);
    CheckIconsAtScreenSize(window);
    CheckTextHeights(window);
    CheckColourChangesReachButtons(window, 3);
    CheckNewDpi(window, t);
  } else {
    CHECK(!"launcher window");
  }
  CHECK(EndLauncher(launcher));

  TEST_CASE("command-line arguments change nothing");
  StartOptions options;
  options.arguments = "/s [other.inf] <tools.inf> autorun.inf";
  CHECK(StartLauncher(launcher, disc, options));
  if (HWND window = WaitForLauncherWindow(launcher)) {
    CheckText(window, "Demo disc");
    CheckButtons(window, t, want, 3);
    RECT again = WindowRectOf(window);
    CHECK(EqualRect(&again, &first));
  } else {
    CHECK(!"launcher window");
  }
  CHECK(EndLauncher(launcher));
  CHECK(RemoveDisc(disc));
}

void TestGaps(const TemplateSize& t) {
  TEST_CASE("gaps: 20 before the first button; -40 makes two buttons touch, never overlap");
  Disc disc;
  CHECK(MakeDisc(disc, "gaps"));
  CHECK(WriteDiscFile(disc, "autorun.inf",
                      "QXspace=20\r\n"
                      "shell\\a=A\r\nshell\\a\\command=a.exe\r\n"
                      "shell\\b=B\r\nshell\\b\\command=b.exe\r\n"
                      "QXspace=-40\r\n"
                      "shell\\c=C\r\nshell\\c\\command=c.exe\r\n"));
  const int step = Step();
  const int y0 = TopMargin() + Px(20), y1 = y0 + step, y2 = y1 + ButtonHeight();
  const WantButton want[] = {{"A", y0}, {"B", y1}, {"C", y2}};
  Launcher launcher;
  CHECK(StartLauncher(launcher, disc));
  if (HWND window = WaitForLauncherWindow(launcher)) {
    CheckButtons(window, t, want, 3);
    CheckGrownWindow(window, t, y2 + step);
  } else {
    CHECK(!"launcher window");
  }
  CHECK(EndLauncher(launcher));

  TEST_CASE("gaps of any size keep every button on the screen, none overlapping");
  CHECK(WriteDiscFile(disc, "autorun.inf",
                      "QXspace=-2147483648\r\nshell\\a=A\r\nshell\\a\\command=a.exe\r\n"
                      "QXspace=-100000\r\nshell\\b=B\r\nshell\\b\\command=b.exe\r\n"
                      "QXspace=99999\r\nshell\\c=C\r\nshell\\c\\command=c.exe\r\n"
                      "QXspace=2147483647\r\nshell\\d=D\r\nshell\\d\\command=d.exe\r\n"
                      "QXspace=99999\r\nQXspace=99999\r\n"));
  CHECK(StartLauncher(launcher, disc));
  if (HWND window = WaitForLauncherWindow(launcher)) {
    CheckOnScreen(window, t, 4);
  } else {
    CHECK(!"launcher window");
  }
  CHECK(EndLauncher(launcher));

  TEST_CASE("an empty menu file: no buttons, 4 pixels taller, Quit at the bottom");
  CHECK(WriteDiscFile(disc, "autorun.inf", ""));
  CHECK(StartLauncher(launcher, disc));
  if (HWND window = WaitForLauncherWindow(launcher)) {
    CheckButtons(window, t, want, 0);
    CheckGrownWindow(window, t, TopMargin());
    CheckText(window, "Autorun");
  } else {
    CHECK(!"launcher window");
  }
  CHECK(EndLauncher(launcher));
  CHECK(RemoveDisc(disc));
}

void TestMessages(const TemplateSize& t) {
  TEST_CASE("messages: lower-case key in a capitalised section, quoted caption");
  Disc disc;
  CHECK(MakeDisc(disc, "messages"));
  CHECK(WriteDiscFile(disc, "autorun.inf",
                      "[MESSAGES]\r\n"
                      "quitbutton=&Fermer\r\n"
                      "ErrorMsg=\"Erreur !\"\r\n"
                      "ErrorOpenMsg=Impossible d'ouvrir le fichier :\r\n"
                      "[autorun]\r\n"
                      "shell\\next=Next page\r\n"
                      "shell\\next\\command=[missing.inf]\r\n"));
  Launcher launcher;
  CHECK(StartLauncher(launcher, disc));
  if (HWND window = WaitForLauncherWindow(launcher)) {
    CheckText(GetDlgItem(window, IDOK), "&Fermer");
    RECT before = WindowRectOf(window);
    RECT quitBefore = ChildRect(GetDlgItem(window, IDOK));

    TEST_CASE("a reload from a missing file: translated box, buttons gone, size kept");
    if (HWND next = ButtonById(window, kFirstButtonId)) Click(next);
    CheckAndCloseBox(launcher, "Impossible d'ouvrir le fichier : 'missing.inf'", "Erreur !");
    static Button buttons[kMaxButtons];
    CHECK_EQ(ListButtons(window, buttons, kMaxButtons), 0);
    RECT after = WindowRectOf(window);
    CHECK(EqualRect(&before, &after));
    RECT quitAfter = ChildRect(GetDlgItem(window, IDOK));
    CHECK(EqualRect(&quitBefore, &quitAfter));
    CHECK(IsRunning(launcher));
  } else {
    CHECK(!"launcher window");
  }
  CHECK(EndLauncher(launcher));

  TEST_CASE("messages: an empty QuitButton value leaves the Quit button without text");
  CHECK(WriteDiscFile(disc, "autorun.inf", "[Messages]\r\nQuitButton=\r\n[autorun]\r\nshell\\a=A\r\nshell\\a\\command=a.exe\r\n"));
  CHECK(StartLauncher(launcher, disc));
  if (HWND window = WaitForLauncherWindow(launcher)) {
    CheckText(GetDlgItem(window, IDOK), "");
    CheckGrownWindow(window, t, TopMargin() + Step());
  } else {
    CHECK(!"launcher window");
  }
  CHECK(EndLauncher(launcher));

  TEST_CASE("messages: the profile reader reads the first Messages section, never a later one");
  CHECK(WriteDiscFile(disc, "autorun.inf",
                      "[Messages]\r\nErrorMsg=x\r\n[autorun]\r\nshell\\a=A\r\nshell\\a\\command=a.exe\r\n"
                      "[Messages]\r\nQuitButton=&Later\r\n"));
  CHECK(StartLauncher(launcher, disc));
  if (HWND window = WaitForLauncherWindow(launcher)) {
    CheckText(GetDlgItem(window, IDOK), "&Quit");
  } else {
    CHECK(!"launcher window");
  }
  CHECK(EndLauncher(launcher));
  CHECK(RemoveDisc(disc));
}

// Each way of ending the window ends the program, and none of them runs an entry.
void TestEnding() {
  Disc disc;
  CHECK(MakeDisc(disc, "ending"));
  CHECK(CopyRecorder(disc, "recorder.exe"));
  CHECK(WriteDiscFile(disc, "autorun.inf", "shell\\a=&Run me\r\nshell\\a\\command=recorder.exe ran\r\n"));
  enum Way { Escape, CloseCommand, QuitClick, Enter };
  const struct {
    Way way;
    const char* name;
  } ways[] = {{Escape, "Escape key ends the program"},
              {CloseCommand, "Close command ends the program"},
              {QuitClick, "Quit button click ends the program"},
              {Enter, "Enter key ends the program through Quit"}};
  for (const auto& w : ways) {
    TEST_CASE(w.name);
    Launcher launcher;
    CHECK(StartLauncher(launcher, disc));
    HWND window = WaitForLauncherWindow(launcher);
    CHECK(window != 0);
    if (window) {
      switch (w.way) {
        case Escape: BringToFront(window); PressKey(VK_ESCAPE); break;
        case CloseCommand: PostMessageA(window, WM_SYSCOMMAND, SC_CLOSE, 0); break;
        case QuitClick: Click(GetDlgItem(window, IDOK)); break;
        case Enter: BringToFront(window); PressKey(VK_RETURN); break;
      }
    }
    CHECK(WaitForExit(launcher, 3000));
    CHECK(WaitForMessageBox(launcher, 0) == 0);
  }
  Record records[kMaxRecords];
  CHECK_EQ(ReadRecords(disc, records, kMaxRecords), 0);
  CHECK(RemoveDisc(disc));
}

// A button's underlined letter, typed into the launcher window as a user types it, runs its
// entry once: alone while the focus is on the Quit button, with Alt, and alone again on the
// button that has the focus (its own key press and the dialog manager's click are one).
// Arrow keys move the focus over every button and run none: "&&" and "&(" underline
// characters whose codes are the Up and Down arrows' key codes.
void TestMnemonics() {
  TEST_CASE("underlined letters run their entry once, with and without Alt; arrows run nothing");
  Disc disc;
  CHECK(MakeDisc(disc, "mnemonics"));
  CHECK(CopyRecorder(disc, "recorder.exe"));
  CHECK(WriteDiscFile(disc, "autorun.inf",
                      "shell\\a=&Alpha\r\nshell\\a\\command=recorder.exe alpha\r\n"
                      "shell\\t=Tom && Jerry\r\nshell\\t\\command=recorder.exe tom\r\n"
                      "shell\\s=&(Setup)\r\nshell\\s\\command=recorder.exe setup\r\n"
                      "shell\\b=&Beta\r\nshell\\b\\command=recorder.exe beta\r\n"));
  const struct {
    WORD key;
    bool alt;
    const char* commandLine;  // null: nothing may start
  } presses[] = {
      {VK_UP, false, nullptr},           {VK_UP, false, nullptr},           {VK_UP, false, nullptr},
      {VK_UP, false, nullptr},           {VK_UP, false, nullptr},           {VK_DOWN, false, nullptr},
      {VK_DOWN, false, nullptr},         {VK_DOWN, false, nullptr},         {VK_DOWN, false, nullptr},
      {VK_DOWN, false, nullptr},         {'B', false, "recorder.exe beta"}, {'A', true, "recorder.exe alpha"},
      {'A', false, "recorder.exe alpha"}};
  Launcher launcher;
  CHECK(StartLauncher(launcher, disc));
  HWND window = WaitForLauncherWindow(launcher);
  CHECK(window != 0);
  Record records[kMaxRecords];
  int typed = 0;
  for (const auto& p : presses) {
    if (!window) break;
    BringToFront(window);
    WaitIdle(launcher);
    TypeKey(p.key, p.alt);
    if (!p.commandLine) continue;
    typed++;
    CHECK_EQ(WaitForRecords(disc, typed, records, kMaxRecords), typed);
    CHECK_STR(records[typed - 1].commandLine, p.commandLine);
  }
  Sleep(kQuietMs);  // a second start of any of them would come now
  CHECK_EQ(ReadRecords(disc, records, kMaxRecords), typed);
  CHECK(IsRunning(launcher));
  CHECK(EndLauncher(launcher));
  CHECK(RemoveDisc(disc));
}

void TestEntryLimit(const TemplateSize& t) {
  TEST_CASE("31 entries give 30 buttons in columns on the screen; the lines after the 30th have no effect");
  static char menu[8192];
  int n = 0;
  for (int k = 1; k <= 31; k++) {
    n += snprintf(menu + n, sizeof menu - n,
                  "shell\\e%d=Entry %d\r\nshell\\e%d\\command=recorder.exe e%d\r\n", k, k, k, k);
    if (k == 30) n += snprintf(menu + n, sizeof menu - n, "title=Too late\r\n");
  }
  Disc disc;
  CHECK(MakeDisc(disc, "limit"));
  CHECK(CopyRecorder(disc, "recorder.exe"));
  CHECK(WriteDiscFile(disc, "autorun.inf", menu));
  Launcher launcher;
  CHECK(StartLauncher(launcher, disc));
  if (HWND window = WaitForLauncherWindow(launcher)) {
    static Button buttons[kMaxButtons];
    SortedButtons(window, buttons);
    for (int i = 0; i < 30; i++) {
      char want[16];
      snprintf(want, sizeof want, "Entry %d", i + 1);
      CHECK_STR(buttons[i].text, want);
    }
    CHECK(ButtonById(window, kLastButtonId + 1) == 0);
    CheckText(window, "Autorun");
    // No screen 1024 pixels high or less holds a single column of 30.
    const RECT work = WorkAreaOf(window);
    printf("30 entries in a work area of %ldx%ld\n", work.right - work.left, work.bottom - work.top);
    CHECK(CheckOnScreen(window, t, 30) >= 2);
    CheckCentred(window);
    // The first column is full: one more row would not fit the work area's height.
    RECT r = WindowRectOf(window);
    CHECK(r.bottom - r.top + Step() > work.bottom - work.top);

    TEST_CASE("a click on the 30th button, in the last column, runs its entry");
    Click(ButtonById(window, kLastButtonId));
    static Record records[kMaxRecords];
    CHECK_EQ(WaitForRecords(disc, 1, records, kMaxRecords), 1);
    CHECK_STR(records[0].commandLine, "recorder.exe e30");
  } else {
    CHECK(!"launcher window");
  }
  CHECK(EndLauncher(launcher));
  CHECK(RemoveDisc(disc));
}

void TestReload(const TemplateSize& t) {
  TEST_CASE("a reload rebuilds the buttons from the second page; its messages change nothing");
  Disc disc;
  CHECK(MakeDisc(disc, "reload"));
  CHECK(WriteDiscFile(disc, "autorun.inf",
                      "title=Page one\r\n"
                      "shell\\next=&Next\r\nshell\\next\\command=[page2.inf]\r\n"
                      "shell\\stay=Stay\r\nshell\\stay\\command=stay.exe\r\n"));
  CHECK(WriteDiscFile(disc, "page2.inf",
                      "[Messages]\r\nQuitButton=&Other\r\n"
                      "[autorun]\r\ntitle=Page two\r\n"
                      "QXicon=4,5,6\r\n"
                      "shell\\a=Alpha\r\nshell\\a\\command=alpha.exe\r\n"
                      "shell\\b=Beta\r\nshell\\b\\command=beta.exe\r\n"
                      "shell\\back=&Back\r\nshell\\back\\command=[autorun.inf] trailing text\r\n"));
  const int step = Step();
  Launcher launcher;
  CHECK(StartLauncher(launcher, disc));
  if (HWND window = WaitForLauncherWindow(launcher)) {
    char title[64];
    auto titleIs = [&](const char* want) {
      return WaitUntil([&] {
        WindowText(window, title, sizeof title);
        return strcmp(title, want) == 0;
      });
    };
    Click(ButtonById(window, kFirstButtonId));
    CHECK(titleIs("Page two"));
    WaitIdle(launcher);
    const WantButton page2[] = {
        {"Alpha", TopMargin()}, {"Beta", TopMargin() + step}, {"&Back", TopMargin() + 2 * step}};
    CheckButtons(window, t, page2, 3);
    CheckGrownWindow(window, t, TopMargin() + 3 * step);
    CheckText(GetDlgItem(window, IDOK), "&Quit");

    TEST_CASE("a reload back to the first page, with text after the bracket");
    Click(ButtonById(window, kFirstButtonId + 2));
    CHECK(titleIs("Page one"));
    WaitIdle(launcher);
    const WantButton page1[] = {{"&Next", TopMargin()}, {"Stay", TopMargin() + step}};
    CheckButtons(window, t, page1, 2);
    CheckGrownWindow(window, t, TopMargin() + 2 * step);
    CHECK(WaitForMessageBox(launcher, 0) == 0);
  } else {
    CHECK(!"launcher window");
  }
  CHECK(EndLauncher(launcher));
  CHECK(RemoveDisc(disc));
}

// The built autorun.exe's own resources. Windows gives a 32-bit program file virtualisation
// (the auto-start choice in the Windows directory) only without an execution level in its
// manifest, and then takes it for an installer, to be elevated, when its version texts (or
// its file name) say setup, install, update or patch. Icon 201 has the sizes Explorer
// and the task bar show.
void TestResources() {
  TEST_CASE(
      "manifest: common controls 6.0.0.0, no execution level, DPI awareness; nothing reads as an installer");
  char path[MAX_PATH], manifest[4096] = "", version[4096] = "";
  snprintf(path, sizeof path, "%s\\autorun.exe", getenv("DISC_BIN_DIR"));
  HMODULE module = LoadLibraryExA(path, nullptr, LOAD_LIBRARY_AS_DATAFILE);
  CHECK(module != 0);
  if (!module) return;
  // A resource as text; the version block's UTF-16 texts cut to their low bytes, in lower case.
  auto read = [&](LPCSTR type, char* text, DWORD stride) {
    HRSRC found = FindResourceA(module, MAKEINTRESOURCEA(1), type);
    CHECK(found != 0);
    const BYTE* bytes = found ? static_cast<const BYTE*>(LockResource(LoadResource(module, found))) : nullptr;
    DWORD size = found ? SizeofResource(module, found) : 0;
    for (DWORD i = 0, n = 0; bytes && i + stride <= size && n < 4095; i += stride) {
      if (bytes[i] && (stride == 1 || !bytes[i + 1]))
        text[n++] = static_cast<char>(stride == 1 ? bytes[i] : tolower(bytes[i]));
    }
  };
  read(RT_MANIFEST, manifest, 1);
  read(RT_VERSION, version, 2);
  // Icon group 201, the program's icon in Explorer, the task bar and Alt-Tab: a 6-byte
  // header whose last word is the count, then 14 bytes per image, width first.
  HRSRC group = FindResourceA(module, MAKEINTRESOURCEA(201), RT_GROUP_ICON);
  const BYTE* icons = group ? static_cast<const BYTE*>(LockResource(LoadResource(module, group))) : nullptr;
  int widths = 0;  // one bit per image size: 16, 32, 48 and 96 give bits 0 to 3
  for (int i = 0; icons && i < *reinterpret_cast<const WORD*>(icons + 4); i++) {
    int width = icons[6 + 14 * i];
    widths |= width == 16 ? 1 : width == 32 ? 2 : width == 48 ? 4 : width == 96 ? 8 : 16;
  }
  FreeLibrary(module);
  CHECK_EQ(widths, 1 | 2 | 4 | 8);  // Explorer's sizes, its hand-drawn 48 among them
  CHECK(strstr(manifest, "name=\"Microsoft.Windows.Common-Controls\" version=\"6.0.0.0\"") != nullptr);
  CHECK(strstr(manifest, "<description>Autorun menu tool</description>") != nullptr);
  CHECK(strstr(manifest, "<supportedOS") != nullptr);
  CHECK(strstr(manifest, "<trustInfo") == nullptr);
  CHECK(strstr(manifest, "<requestedExecutionLevel") == nullptr);
  // Per-monitor version 2 where Windows has it, else system aware; never per-monitor
  // version 1 ("true/pm" or "PerMonitor" alone), whose window the launcher cannot follow.
  CHECK(strstr(manifest, ">true</dpiAware>") != nullptr);
  CHECK(strstr(manifest, ">PerMonitorV2, System</dpiAwareness>") != nullptr);
  CHECK(strstr(version, "autorun menu tool") != nullptr);  // the texts were read
  const char* const installerWords[] = {"setup", "install", "update", "patch"};
  for (const char* word : installerWords) CHECK(strstr(version, word) == nullptr);
}

// One icon group of a built file: its images of 32 and 96 pixels (every size between is
// shrunk from the 96; no 64 is stored, and a 48 only where its source draws one), each
// one the system makes an icon of; the 96-pixel image is a PNG, the 32-pixel one a DIB,
// which the older systems read too.
struct IconFile {
  const char* name;
  int groups;  // as many as the file should hold, counted down
};
BOOL CALLBACK CheckIconGroup(HMODULE module, LPCSTR type, LPSTR name, LONG_PTR param) {
  IconFile* file = reinterpret_cast<IconFile*>(param);
  file->groups--;
  static char testCase[96];
  if (IS_INTRESOURCE(name))
    snprintf(testCase, sizeof testCase, "icon group %d of %s", static_cast<int>(reinterpret_cast<ULONG_PTR>(name)),
             file->name);
  else
    snprintf(testCase, sizeof testCase, "icon group %s of %s", name, file->name);
  TEST_CASE(testCase);
  HRSRC group = FindResourceA(module, name, type);
  const BYTE* entries = group ? static_cast<const BYTE*>(LockResource(LoadResource(module, group))) : nullptr;
  CHECK(entries != nullptr);
  int widths = 0;
  for (int i = 0; entries && i < *reinterpret_cast<const WORD*>(entries + 4); i++) {
    const BYTE* entry = entries + 6 + 14 * i;  // width, height, colours, 0, planes, bits, bytes, id
    const int width = entry[0];
    widths |= width == 32 ? 1 : width == 96 ? 2 : width == 16 || width == 48 ? 0 : 4;
    HRSRC found = FindResourceA(module, MAKEINTRESOURCEA(*reinterpret_cast<const WORD*>(entry + 12)), RT_ICON);
    BYTE* image = found ? static_cast<BYTE*>(LockResource(LoadResource(module, found))) : nullptr;
    CHECK(image != nullptr);
    if (!image) continue;
    if (width == 96) CHECK(memcmp(image, "\x89PNG", 4) == 0);
    if (width == 32) CHECK_EQ(*reinterpret_cast<const DWORD*>(image), sizeof(BITMAPINFOHEADER));
    HICON icon = CreateIconFromResourceEx(image, SizeofResource(module, found), TRUE, 0x00030000, width, width,
                                          LR_DEFAULTCOLOR);
    CHECK(icon != nullptr);
    if (icon) DestroyIcon(icon);
  }
  CHECK_EQ(widths, 1 | 2);
  return TRUE;
}

// Every icon group of both files, the launcher's 201 to 226 and the library's.
void TestIconGroups() {
  IconFile files[] = {{"autorun.exe", 26}, {"GlyphKey32.dll", 12}};
  for (IconFile& file : files) {
    char path[MAX_PATH];
    snprintf(path, sizeof path, "%s\\%s", getenv("DISC_BIN_DIR"), file.name);
    HMODULE module = LoadLibraryExA(path, nullptr, LOAD_LIBRARY_AS_DATAFILE);
    TEST_CASE("icon groups: every one holds 32 and 96-pixel images that load");
    CHECK(module != 0);
    if (!module) continue;
    EnumResourceNamesA(module, RT_GROUP_ICON, CheckIconGroup, reinterpret_cast<LONG_PTR>(&file));
    TEST_CASE("icon groups: every one holds 32 and 96-pixel images that load");
    CHECK_EQ(file.groups, 0);
    FreeLibrary(module);
  }
}

// The same menu saved as ANSI, UTF-8 (with and without its mark) and UTF-16 (both byte
// orders) shows the same title, caption and Quit text and runs the same command line.
void TestEncodings() {
  static const wchar_t kMenu[] =
      L"[Messages]\r\nQuitButton=&Ferm\u00e9\r\n"
      L"[autorun]\r\ntitle=D\u00e9mo\r\n"
      L"shell\\a=&Caf\u00e9\r\nshell\\a\\command=recorder.exe caf\u00e9\r\n";
  // What the launcher should show, in this prefix's ANSI code page.
  char title[16], caption[16], quit[16], command[32];
  WideCharToMultiByte(CP_ACP, 0, L"D\u00e9mo", -1, title, sizeof title, nullptr, nullptr);
  WideCharToMultiByte(CP_ACP, 0, L"&Caf\u00e9", -1, caption, sizeof caption, nullptr, nullptr);
  WideCharToMultiByte(CP_ACP, 0, L"&Ferm\u00e9", -1, quit, sizeof quit, nullptr, nullptr);
  // The recorder logs its command line in UTF-8.
  WideCharToMultiByte(CP_UTF8, 0, L"recorder.exe caf\u00e9", -1, command, sizeof command, nullptr, nullptr);
  Disc disc;
  CHECK(MakeDisc(disc, "encodings"));
  CHECK(CopyRecorder(disc, "recorder.exe"));
  const char* names[] = {"menu saved as ANSI", "menu saved as UTF-8", "menu saved as UTF-8 with its mark",
                         "menu saved as UTF-16 LE", "menu saved as UTF-16 BE"};
  for (int e = 0; e < 5; e++) {
    TEST_CASE(names[e]);
    static char bytes[512];
    int n = 0;
    if (e <= 2) {
      if (e == 2) n = snprintf(bytes, sizeof bytes, "\xEF\xBB\xBF");
      n += WideCharToMultiByte(e ? CP_UTF8 : CP_ACP, 0, kMenu, -1, bytes + n, sizeof bytes - n, nullptr,
                               nullptr) -
           1;
    } else {
      bool bigEndian = e == 4;
      bytes[n++] = bigEndian ? '\xFE' : '\xFF';
      bytes[n++] = bigEndian ? '\xFF' : '\xFE';
      for (const wchar_t* c = kMenu; *c; c++) {
        bytes[n + bigEndian] = (char)(*c & 0xFF);
        bytes[n + !bigEndian] = (char)(*c >> 8);
        n += 2;
      }
    }
    CHECK(WriteDiscBytes(disc, "autorun.inf", bytes, n));
    ClearRecords(disc);
    Launcher launcher;
    CHECK(StartLauncher(launcher, disc));
    if (HWND window = WaitForLauncherWindow(launcher)) {
      CheckText(window, title);
      CheckText(GetDlgItem(window, IDOK), quit);
      static Button buttons[kMaxButtons];
      CHECK_EQ(ListButtons(window, buttons, kMaxButtons), 1);
      CHECK_STR(buttons[0].text, caption);
      Click(buttons[0].window);
      Record records[kMaxRecords];
      CHECK_EQ(WaitForRecords(disc, 1, records, kMaxRecords), 1);
      CHECK_STR(records[0].commandLine, command);
    } else {
      CHECK(!"launcher window");
    }
    CHECK(EndLauncher(launcher));
  }
  CHECK(RemoveDisc(disc));
}

// Real autorun.inf files load without a crash or a hang, and the window can be closed.
void TestCorpus() {
  TEST_CASE("real autorun.inf files load and the window closes");
  const char* corpus = getenv("LAUNCHER_CORPUS_DIR");
  char probe[MAX_PATH];
  snprintf(probe, sizeof probe, "%s\\03-office-2003-shell-verbs.inf", corpus ? corpus : "");
  if (!corpus || !FileExists(probe)) {
    printf(
        "skipped: no corpus of real autorun.inf files at %s; set AUTORUN_CORPUS_DIR to the project's "
        "shared/corpus/autorun-inf folder and run tools/test.sh to run this case\n",
        corpus ? corpus : "(LAUNCHER_CORPUS_DIR not set)");
    return;
  }
  const char* files[] = {
      "02-openxt-installer-license-header.inf",  "03-office-2003-shell-verbs.inf",
      "06-gold-windows-xp-ctrlz-padding.inf",    "07-ventoy-lf-ctrlz.inf",
      "08-hirens-bootcd-pe-rufus-utf16.inf",     "26-hp-deskjet-f2400-huge-multisection.inf",
      "29-plus95-spanish-verbs-spaced.inf",      "33-u3-launchpad-shell-default.inf",
      "41-pdi-media-launcher-shift-jis.inf",     "45-vlaunch-mixed-eol-doubled-quotes.inf",
  };
  Disc disc;
  CHECK(MakeDisc(disc, "corpus"));
  for (const char* file : files) {
    char source[MAX_PATH], target[MAX_PATH];
    snprintf(source, sizeof source, "%s\\%s", corpus, file);
    DiscPath(disc, "autorun.inf", target, sizeof target);
    CHECK(CopyFileA(source, target, FALSE));
    Launcher launcher;
    StartOptions options;
    options.waitForWindow = false;
    CHECK(StartLauncher(launcher, disc, options));
    HWND window = 0;
    int boxes = 0;
    WaitUntil([&] {
      if (HWND box = WaitForMessageBox(launcher, 0)) {
        boxes++;
        CloseMessageBox(box);
      }
      window = WaitForLauncherWindow(launcher, 0);
      return window != 0 || !IsRunning(launcher);
    });
    bool shown = window != 0;
    CHECK(shown);
    CHECK(WaitIdle(launcher, 3000));
    static Button buttons[kMaxButtons];
    int count = shown ? ListButtons(window, buttons, kMaxButtons) : -1;
    bool ended = EndLauncher(launcher);
    CHECK(ended);
    printf("corpus %s: %d buttons, %d boxes%s\n", file, count, boxes, shown && ended ? "" : " FAILED");
  }
  CHECK(RemoveDisc(disc));
}

}  // namespace

int main(int argc, char** argv) {
  const bool dpiOnly = argc > 1 && strcmp(argv[1], "dpi") == 0;
  HDC screen = GetDC(nullptr);
  g_dpi = GetDeviceCaps(screen, LOGPIXELSY);
  ReleaseDC(nullptr, screen);
  printf("screen at %d dpi\n", g_dpi);
  if (!getenv("DISC_BIN_DIR")) {
    printf("DISC_BIN_DIR is not set\n");
    return 2;
  }
  if (!LauncherBuilt()) return 1;
  TemplateSize t = MeasureTemplate();
  printf("template window %dx%d, client %dx%d, Quit %ld,%ld %ldx%ld\n", t.windowWidth, t.windowHeight,
         t.clientWidth, t.clientHeight, t.quit.left, t.quit.top, t.quit.right, t.quit.bottom);
  if (dpiOnly) {
    TestLayout(t);
    TestDpiChangeAtStart(t);
    TestGaps(t);
    TestEntryLimit(t);
    return check::Summary();
  }
  // The disc checker lays pages out in this frame: it must be the one Wine draws.
  CHECK_EQ(t.windowWidth, layout::kWineTemplateFrame.windowWidth);
  CHECK_EQ(t.windowHeight, layout::kWineTemplateFrame.windowHeight);
  CHECK_EQ(t.clientWidth, layout::kWineTemplateFrame.clientWidth);
  TestWithoutMenuFile(t);
  TestWithoutLibrary();
  TestLayout(t);
  TestDpiChangeAtStart(t);
  TestGaps(t);
  TestMessages(t);
  TestEnding();
  TestMnemonics();
  TestEntryLimit(t);
  TestReload(t);
  TestResources();
  TestIconGroups();
  TestEncodings();
  TestCorpus();
  return check::Summary();
}
