// GlyphKey32.dll as a host sees it: loading and registration, control texts and icon lookup,
// the answers and effects of the data messages, and the library's style dialog.
#include <string.h>

#include <string>

#include "glyphkey_harness.h"

namespace {
HMODULE g_lib;
HMODULE g_exe;
HWND g_host;

const char kReloadArg[] = "--reload";
const char kTakenArg[] = "--class-taken";

HICON LibIcon(LPCSTR name) { return LoadIconA(g_lib, name); }
HICON ExeIcon(LPCSTR name) { return LoadIconA(g_exe, name); }

void TestLoadAndExports() {
  TEST_CASE("load by bare name and exports");
  CHECK(g_lib != nullptr);
  FARPROC proc = GetProcAddress(g_lib, "GlyphKeyWndProc");
  FARPROC gray = GetProcAddress(g_lib, "GrayIcon");
  CHECK(proc != nullptr);
  CHECK(gray != nullptr);
  CHECK(GetProcAddress(g_lib, MAKEINTRESOURCEA(10)) == proc);
  CHECK(GetProcAddress(g_lib, MAKEINTRESOURCEA(11)) == gray);
  CHECK(GetProcAddress(g_lib, MAKEINTRESOURCEA(1)) == nullptr);  // ordinals start at 10
  char path[MAX_PATH] = "";
  GetModuleFileNameA(g_lib, path, MAX_PATH);
  const char* base = strrchr(path, '\\');
  CHECK_STR(base ? base + 1 : path, "GlyphKey32.dll");
}

void TestClassAttributes() {
  TEST_CASE("class attributes");
  WNDCLASSA wc = {};
  CHECK(GetClassInfoA(g_lib, GLYPHKEY_CLASS, &wc));
  CHECK_EQ(wc.style, 0x400B);
  CHECK(reinterpret_cast<void*>(wc.lpfnWndProc) == reinterpret_cast<void*>(GetProcAddress(g_lib, "GlyphKeyWndProc")));
  CHECK_EQ(wc.cbClsExtra, 0);
  CHECK_EQ(wc.cbWndExtra, 12);
  CHECK(wc.hInstance == g_lib);
  CHECK(wc.hIcon != nullptr);
  CHECK(wc.hIcon == LibIcon("GLYPHKEY"));
  CHECK(wc.hCursor == LoadCursorA(nullptr, IDC_ARROW));
  CHECK_EQ(reinterpret_cast<INT_PTR>(wc.hbrBackground), COLOR_WINDOW + 1);
  CHECK(wc.lpszMenuName == nullptr);
  // A global class: found through any module of the process.
  WNDCLASSA fromExe = {};
  CHECK(GetClassInfoA(g_exe, GLYPHKEY_CLASS, &fromExe));
  CHECK(GetClassInfoA(nullptr, "glyphkey", &fromExe));
}

// Runs this program again with one argument; the child reports its own checks.
DWORD RunChild(const char* arg) {
  char self[MAX_PATH];
  GetModuleFileNameA(nullptr, self, MAX_PATH);
  char line[MAX_PATH + 32];
  wsprintfA(line, "\"%s\" %s", self, arg);
  STARTUPINFOA si;
  ZeroMemory(&si, sizeof si);
  si.cb = sizeof si;
  PROCESS_INFORMATION pi = {};
  if (!CreateProcessA(nullptr, line, nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi)) return 999;
  WaitForSingleObject(pi.hProcess, 60000);
  DWORD code = 999;
  GetExitCodeProcess(pi.hProcess, &code);
  CloseHandle(pi.hProcess);
  CloseHandle(pi.hThread);
  return code;
}

// Child: the class name is taken by the host before the library loads, so the load fails.
int ChildClassTaken() {
  TEST_CASE("registration fails: load fails");
  WNDCLASSA wc = {};
  wc.style = CS_GLOBALCLASS;
  wc.lpfnWndProc = DefWindowProcA;
  wc.hInstance = GetModuleHandleA(nullptr);
  wc.lpszClassName = GLYPHKEY_CLASS;
  CHECK(RegisterClassA(&wc) != 0);
  CHECK(gk::LoadGlyphKey() == nullptr);
  return check::Summary();
}

// Child: freeing the library leaves the class registered, so it cannot be registered again.
int ChildReload() {
  TEST_CASE("class outlives the library");
  HMODULE lib = gk::LoadGlyphKey();
  CHECK(lib != nullptr);
  CHECK(FreeLibrary(lib));
  WNDCLASSA wc = {};
  CHECK(GetClassInfoA(nullptr, GLYPHKEY_CLASS, &wc));
  CHECK(gk::LoadGlyphKey() == nullptr);
  return check::Summary();
}

void TestChildren() {
  TEST_CASE("registration children");
  CHECK_EQ(RunChild(kTakenArg), 0);
  CHECK_EQ(RunChild(kReloadArg), 0);
}

HWND Make(const char* text, DWORD low = 0, int id = 100) {
  return gk::CreateControl(g_host, text, gk::kChildStyle | low, 10, 10, 64, 48, id);
}

std::string TextOf(HWND window) {
  char buffer[1024] = "";
  GetWindowTextA(window, buffer, sizeof buffer);
  return buffer;
}

// Icon names and where they are found, as data: text, caption, expected up and down icons.
struct IconCase {
  const char* text;
  const char* caption;
  HICON up;
  HICON down;
};

void TestTextsAndIcons() {
  TEST_CASE("control texts and icon lookup");
  CHECK(ExeIcon(MAKEINTRESOURCEA(1)) != LibIcon(MAKEINTRESOURCEA(1)));
  CHECK(LibIcon(MAKEINTRESOURCEA(205)) == nullptr);
  HICON pUp = ExeIcon("PAINTUP");
  const IconCase cases[] = {
      {"OK@1@101", "OK", LibIcon(MAKEINTRESOURCEA(1)), LibIcon(MAKEINTRESOURCEA(101))},  // library first
      {"Install@205", "Install", ExeIcon(MAKEINTRESOURCEA(205)), ExeIcon(MAKEINTRESOURCEA(205))},
      {"Wrap@65741", "Wrap", ExeIcon(MAKEINTRESOURCEA(205)), ExeIcon(MAKEINTRESOURCEA(205))},  // 205 + 65536
      {"Lead@0205@201", "Lead", ExeIcon(MAKEINTRESOURCEA(205)), ExeIcon(MAKEINTRESOURCEA(201))},
      {"Zero@0", "Zero", ExeIcon("0"), ExeIcon("0")},          // a name, not identifier 0
      {"Mixed@12AB", "Mixed", ExeIcon("12AB"), ExeIcon("12AB")},
      {"Named@onoff@PushBtn2", "Named", LibIcon("ONOFF"), LibIcon("PUSHBTN2")},
      {"Mixed case@paintup@PaintDown", "Mixed case", pUp, ExeIcon("PAINTDOWN")},
      {"Fallback@PaintUp@Missing", "Fallback", pUp, pUp},
      {"Three@PaintUp@Down@More", "Three", pUp, ExeIcon("DOWN@MORE")},
      {"Nowhere@Missing@PaintDown", "Nowhere", nullptr, ExeIcon("PAINTDOWN")},
      {"Empty@", "Empty", nullptr, nullptr},
      {"@205", "", ExeIcon(MAKEINTRESOURCEA(205)), ExeIcon(MAKEINTRESOURCEA(205))},
      {"Plain &text", "Plain &text", nullptr, nullptr},
  };
  for (const IconCase& c : cases) {
    HWND control = Make(c.text);
    TEST_CASE(c.text);
    CHECK(control != nullptr);
    CHECK_STR(TextOf(control).c_str(), c.caption);
    CHECK(gk::UpIcon(control) == c.up);
    CHECK(gk::DownIcon(control) == c.down);
    DestroyWindow(control);
  }
  TEST_CASE("control texts and icon lookup");
  CHECK(ExeIcon("0") != nullptr);
  CHECK(ExeIcon("DOWN@MORE") != nullptr);
  CHECK(pUp != nullptr);
}

void TestCreationCut() {
  TEST_CASE("255 characters at creation");
  std::string longCaption(260, 'x');
  std::string text = longCaption + "@205";
  HWND control = Make(text.c_str());
  CHECK_STR(TextOf(control).c_str(), text.c_str());  // no "@" seen: the full text stays
  CHECK(gk::UpIcon(control) == nullptr);
  DestroyWindow(control);

  std::string fits = std::string(200, 'y') + "@205";
  control = Make(fits.c_str());
  CHECK_STR(TextOf(control).c_str(), std::string(200, 'y').c_str());
  CHECK(gk::UpIcon(control) == ExeIcon(MAKEINTRESOURCEA(205)));
  DestroyWindow(control);

  // The "@" is the 255th character: found, and the icon name after it is cut away.
  std::string edge = std::string(254, 'z') + "@205";
  control = Make(edge.c_str());
  CHECK_EQ(TextOf(control).size(), 254);
  CHECK(gk::UpIcon(control) == nullptr);
  DestroyWindow(control);
}

// Accelerators show only in behaviour: which keys start a press. The key is the one that
// types the underlined character, never its character code: "&" is 0x26, the Up arrow.
struct AcceleratorCase {
  const char* text;
  WPARAM key;
  LRESULT keyDown;  // 1: activating key, 0: not
};

void TestAccelerators() {
  const AcceleratorCase cases[] = {
      {"&Push@x", 'P', 1},     {"&Push@x", 'U', 0},           {"O&nOff@x", 'N', 1},
      {"lower &q@x", 'Q', 1},  {"&&Both@x", 0x26, 0},         {"Ends&@x", 0, 0},
      {"&&&Both@x", 'B', 1},   {"&(Setup)@x", 0x28, 0},       {"&7up@x", '7', 1},
      {"Save &all", 'A', 0},   {"\xE9&\xE9t\xE9@x", 0xC9, 0}, {"\xE9&\xE9t\xE9@x", 0xE9, 0},
      {"None@x", VK_SPACE, 1}, {"&Push@x", VK_RETURN, 0},
  };
  for (const AcceleratorCase& c : cases) {
    TEST_CASE(c.text);
    HWND control = Make(c.text);
    CHECK_EQ(SendMessageA(control, WM_KEYDOWN, c.key, 0), c.keyDown);
    CHECK_EQ(SendMessageA(control, WM_KEYUP, c.key, 0), c.keyDown);
    DestroyWindow(control);
  }
}

void TestSetText() {
  TEST_CASE("GKM_SETTEXT");
  HWND control = Make("Old&x@1");
  char text[] = "New&Cap@205@1@extra";
  CHECK_EQ(SendMessageA(control, GKM_SETTEXT, 0, reinterpret_cast<LPARAM>(text)), 1);
  CHECK_STR(TextOf(control).c_str(), "New&Cap");
  CHECK_EQ(text[7], 0);   // cut at the first "@"
  CHECK_EQ(text[11], 0);  // and at the second
  CHECK_EQ(text[13], '@');
  CHECK(gk::UpIcon(control) == ExeIcon(MAKEINTRESOURCEA(205)));
  CHECK(gk::DownIcon(control) == gk::UpIcon(control));  // "1@extra" is found nowhere
  CHECK_EQ(SendMessageA(control, WM_KEYDOWN, 'C', 0), 1);
  CHECK_EQ(SendMessageA(control, WM_KEYDOWN, 'X', 0), 0);
  SendMessageA(control, WM_KEYUP, 'C', 0);

  char plain[] = "Just text";
  ValidateRect(control, nullptr);
  CHECK_EQ(SendMessageA(control, GKM_SETTEXT, 0, reinterpret_cast<LPARAM>(plain)), 1);
  CHECK_STR(TextOf(control).c_str(), "Just text");
  CHECK(gk::UpIcon(control) == nullptr);
  CHECK(gk::DownIcon(control) == nullptr);
  CHECK_EQ(SendMessageA(control, WM_KEYDOWN, 'C', 0), 1);  // the old accelerator stays
  SendMessageA(control, WM_KEYUP, 'C', 0);
  ValidateRect(control, nullptr);

  // WM_SETTEXT only changes the caption text: no parsing, no repaint.
  SetWindowTextA(control, "Raw&Z@205");
  CHECK_STR(TextOf(control).c_str(), "Raw&Z@205");
  CHECK(gk::UpIcon(control) == nullptr);
  CHECK_EQ(SendMessageA(control, WM_KEYDOWN, 'Z', 0), 0);
  CHECK(!gk::HasPendingPaint(control));
  // Parsing never repaints either.
  char again[] = "Again@205";
  SendMessageA(control, GKM_SETTEXT, 0, reinterpret_cast<LPARAM>(again));
  CHECK(!gk::HasPendingPaint(control));
  // No text at all leaves the control as it was.
  HICON icon = gk::UpIcon(control);
  CHECK_EQ(SendMessageA(control, GKM_SETTEXT, 0, 0), 1);
  CHECK_STR(TextOf(control).c_str(), "Again");
  CHECK(icon != nullptr && gk::UpIcon(control) == icon && gk::DownIcon(control) == icon);
  CHECK(!gk::HasPendingPaint(control));

  // GKM_SETTEXTW: the same text in UTF-16, the caption kept whole in the window's text.
  wchar_t wide[] = L"\u0395\u03bb&\u03bb@205@1";
  CHECK_EQ(SendMessageW(control, GKM_SETTEXTW, 0, reinterpret_cast<LPARAM>(wide)), 1);
  wchar_t caption[16];
  InternalGetWindowText(control, caption, 16);
  CHECK(lstrcmpW(caption, L"\u0395\u03bb&\u03bb") == 0);
  CHECK_EQ(wide[4], 0);  // cut at the first "@"
  CHECK(gk::UpIcon(control) == ExeIcon(MAKEINTRESOURCEA(205)));
  CHECK(!gk::HasPendingPaint(control));
  CHECK_EQ(SendMessageW(control, GKM_SETTEXTW, 0, 0), 1);
  DestroyWindow(control);
}

constexpr LRESULT kDefPush = DLGC_BUTTON | DLGC_DEFPUSHBUTTON;
constexpr LRESULT kUndefPush = DLGC_BUTTON | DLGC_UNDEFPUSHBUTTON;

void TestDialogCodesAndStyles() {
  TEST_CASE("WM_GETDLGCODE and BM_SETSTYLE");
  HWND push = Make("Push@x", BS_PUSHBUTTON);
  HWND def = Make("Def@x", BS_DEFPUSHBUTTON);
  HWND onoff = Make("Sw@x", BS_AUTOCHECKBOX | BS_LEFT);
  HWND other = Make("Other@x", BS_RADIOBUTTON);
  // DLGC_BUTTON with the push-button bit, as a system push button answers: a dialog
  // manager offers mnemonics only to controls that answer DLGC_BUTTON.
  CHECK_EQ(SendMessageA(push, WM_GETDLGCODE, 0, 0), kUndefPush);
  CHECK_EQ(SendMessageA(def, WM_GETDLGCODE, 0, 0), kDefPush);
  CHECK_EQ(SendMessageA(onoff, WM_GETDLGCODE, 0, 0), DLGC_BUTTON);
  CHECK_EQ(SendMessageA(other, WM_GETDLGCODE, 0, 0), kUndefPush);

  // Demoting and promoting changes the answer, never the style.
  CHECK_EQ(SendMessageA(def, BM_SETSTYLE, BS_PUSHBUTTON, 0), 1);
  CHECK_EQ(SendMessageA(def, WM_GETDLGCODE, 0, 0), kUndefPush);
  CHECK_EQ(GetWindowLongA(def, GWL_STYLE) & 0xF, BS_DEFPUSHBUTTON);
  SendMessageA(push, BM_SETSTYLE, BS_DEFPUSHBUTTON, 0);
  CHECK_EQ(SendMessageA(push, WM_GETDLGCODE, 0, 0), kDefPush);
  CHECK_EQ(GetWindowLongA(push, GWL_STYLE) & 0xF, BS_PUSHBUTTON);
  // Unknown values change nothing.
  SendMessageA(push, BM_SETSTYLE, 2, 0);
  SendMessageA(push, BM_SETSTYLE, 4, 0);
  CHECK_EQ(SendMessageA(push, WM_GETDLGCODE, 0, 0), kDefPush);
  CHECK_EQ(GetWindowLongA(push, GWL_STYLE) & 0xF, BS_PUSHBUTTON);

  // An on/off switch ignores the default flag; a repaint only when asked for.
  ValidateRect(onoff, nullptr);
  SendMessageA(onoff, BM_SETSTYLE, BS_DEFPUSHBUTTON, 0);
  CHECK(!gk::HasPendingPaint(onoff));
  SendMessageA(onoff, BM_SETSTYLE, BS_DEFPUSHBUTTON, 1);
  CHECK(gk::HasPendingPaint(onoff));
  CHECK_EQ(SendMessageA(onoff, WM_GETDLGCODE, 0, 0), DLGC_BUTTON);
  SendMessageA(onoff, BM_SETSTYLE, BS_PUSHBUTTON, 0);  // becomes no push button either
  CHECK_EQ(GetWindowLongA(onoff, GWL_STYLE) & 0xF, BS_AUTOCHECKBOX);

  // 3 turns a default button into an on/off switch and keeps every other style bit.
  LONG before = GetWindowLongA(def, GWL_STYLE);
  SendMessageA(def, BM_SETSTYLE, BS_AUTOCHECKBOX, 0);
  CHECK_EQ(GetWindowLongA(def, GWL_STYLE), (before & ~0xF) | BS_AUTOCHECKBOX);
  CHECK_EQ(SendMessageA(def, WM_GETDLGCODE, 0, 0), DLGC_BUTTON);
  // The type is read afresh: back to a default push button by the style alone.
  SetWindowLongA(def, GWL_STYLE, before);
  SendMessageA(def, BM_SETSTYLE, BS_DEFPUSHBUTTON, 0);
  CHECK_EQ(SendMessageA(def, WM_GETDLGCODE, 0, 0), kDefPush);
  for (HWND w : {push, def, onoff, other}) DestroyWindow(w);
}

void TestChecks() {
  TEST_CASE("BM_GETCHECK and BM_SETCHECK");
  HWND push = Make("Push@x");
  CHECK_EQ(SendMessageA(push, BM_GETCHECK, 0, 0), 0);
  gk::Pump();
  CHECK_EQ(SendMessageA(push, BM_SETCHECK, 1, 0), 1);
  CHECK_EQ(SendMessageA(push, BM_GETCHECK, 0, 0), 1);
  CHECK(!gk::HasPendingPaint(push));  // redrawn at once
  CHECK_EQ(SendMessageA(push, BM_SETCHECK, 2, 0), 1);  // differs from 1: bit 0 of 2 clears it
  CHECK_EQ(SendMessageA(push, BM_GETCHECK, 0, 0), 0);
  SendMessageA(push, BM_SETCHECK, 3, 0);
  CHECK_EQ(SendMessageA(push, BM_GETCHECK, 0, 0), 1);
  // The same value again changes nothing and paints nothing.
  InvalidateRect(push, nullptr, FALSE);
  ValidateRect(push, nullptr);
  SendMessageA(push, BM_SETCHECK, 1, 0);
  CHECK(!gk::HasPendingPaint(push));
  CHECK_EQ(SendMessageA(push, BM_GETCHECK, 0, 0), 1);
  DestroyWindow(push);
}

void TestIconsFontsColours() {
  TEST_CASE("icon, font and colour messages");
  HWND control = Make("Icons@1@101");
  HICON a = ExeIcon("PAINTUP"), b = ExeIcon("PAINTDOWN");
  ValidateRect(control, nullptr);
  CHECK_EQ(SendMessageA(control, GKM_SETUPICON, reinterpret_cast<WPARAM>(a), 0), 1);
  CHECK_EQ(SendMessageA(control, GKM_SETDOWNICON, reinterpret_cast<WPARAM>(b), 0), 1);
  CHECK(gk::UpIcon(control) == a);
  CHECK(gk::DownIcon(control) == b);
  CHECK(!gk::HasPendingPaint(control));  // no redraw
  CHECK_EQ(SendMessageA(control, GKM_SETBKCOLOR, 0, RGB(1, 2, 3)), 1);
  CHECK_EQ(SendMessageA(control, GKM_SETTEXTCOLOR, 0, RGB(4, 5, 6)), 1);
  CHECK(!gk::HasPendingPaint(control));

  // The font slot stays empty: WM_SETFONT is the window system's, and the font stays the host's.
  CHECK_EQ(SendMessageA(control, GKM_GETFONT, 0, 0), 0);
  HFONT font = CreateFontA(20, 0, 0, 0, FW_BOLD, 0, 0, 0, ANSI_CHARSET, 0, 0, 0, 0, "Arial");
  SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), 0);
  CHECK_EQ(SendMessageA(control, GKM_GETFONT, 0, 0), 0);
  CHECK_EQ(SendMessageA(control, GKM_DELETEFONT, 0, 0), 1);
  CHECK_EQ(SendMessageA(control, GKM_GETFONT, 0, 0), 0);
  DestroyWindow(control);
  CHECK_EQ(GetObjectType(font), OBJ_FONT);
  DeleteObject(font);
}

void TestOtherMessages() {
  TEST_CASE("window system messages");
  HWND control = Make("Other@x", 0, 321);
  gk::Log().Clear();
  CHECK_EQ(SendMessageA(control, WM_SIZE, 0, MAKELPARAM(50, 40)), 1);
  CHECK_EQ(SendMessageA(control, WM_ENABLE, 1, 0), 1);
  CHECK_EQ(SendMessageA(control, WM_SETFOCUS, 0, 0), 1);
  CHECK_EQ(SendMessageA(control, WM_KILLFOCUS, 0, 0), 1);
  CHECK_EQ(SendMessageA(control, WM_MOUSEMOVE, 0, 0), 1);  // not tracking
  CHECK_EQ(SendMessageA(control, WM_LBUTTONUP, 0, 0), 1);
  // Not handled: the window system's answers, and no notification.
  CHECK_EQ(SendMessageA(control, WM_LBUTTONDBLCLK, 0, MAKELPARAM(5, 5)), 0);
  CHECK_EQ(SendMessageA(control, BM_GETSTATE, 0, 0), 0);
  CHECK_EQ(SendMessageA(control, WM_CHAR, ' ', 0), 0);
  CHECK_EQ(SendMessageA(control, WM_SYSKEYDOWN, 'O', 0), 0);
  gk::Pump();
  CHECK_EQ(gk::Log().count, 0);
  // Only index 4 of the extra bytes is used.
  CHECK(GetWindowLongA(control, 4) != 0);
  CHECK_EQ(GetWindowLongA(control, 0), 0);
  CHECK_EQ(GetWindowLongA(control, 8), 0);
  DestroyWindow(control);

  // Created with the library's instance handle instead of the host's: the same lookups.
  HWND withLib = gk::CreateControl(g_host, "Lib@205", gk::kChildStyle, 0, 0, 40, 40, 5, g_lib);
  CHECK(withLib != nullptr);
  CHECK(gk::UpIcon(withLib) == ExeIcon(MAKEINTRESOURCEA(205)));
  DestroyWindow(withLib);
}

// The library's style dialog, driven from its own modal loop by posted steps.
enum DialogPlan { kClickOk, kEnterKey, kClickCancel, kMnemonics };
DialogPlan g_plan;
int g_dialogCommands[16];
int g_dialogCommandCount;

void Click(HWND control) {
  RECT r;
  GetClientRect(control, &r);
  LPARAM centre = MAKELPARAM(r.right / 2, r.bottom / 2);
  SendMessageA(control, WM_LBUTTONDOWN, MK_LBUTTON, centre);
  SendMessageA(control, WM_LBUTTONUP, 0, centre);
}

constexpr UINT kDriveDialog = WM_APP + 1;

INT_PTR CALLBACK StyleDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
  switch (message) {
    case WM_INITDIALOG:
      PostMessageA(dialog, kDriveDialog, 0, 0);
      return TRUE;
    case kDriveDialog: {
      TEST_CASE("style dialog");
      char title[64] = "";
      GetWindowTextA(dialog, title, sizeof title);
      CHECK_STR(title, "GlyphKey Control Style...");
      CHECK(GetDlgItem(dialog, 256) != nullptr);
      CHECK(GetDlgItem(dialog, 257) != nullptr);
      const struct { int id; const char* caption; const char* up; const char* down; } switches[] = {
          {261, "O&nOff", "ONOFF2", "ONOFF"},
          {260, "&Push", "PUSHBTN", "PUSHBTN2"},
          {270, "&Default", "DEFAULT", "DEFAULT2"}};
      for (const auto& s : switches) {
        HWND sw = GetDlgItem(dialog, s.id);
        char cls[32] = "", text[32] = "";
        GetClassNameA(sw, cls, sizeof cls);
        GetWindowTextA(sw, text, sizeof text);
        CHECK_STR(cls, "GlyphKey");
        CHECK_STR(text, s.caption);
        CHECK(gk::UpIcon(sw) == LibIcon(s.up) && gk::UpIcon(sw) != nullptr);
        CHECK(gk::DownIcon(sw) == LibIcon(s.down) && gk::DownIcon(sw) != nullptr);
        if (g_plan == kClickOk) {
          Click(sw);
          CHECK_EQ(SendMessageA(sw, BM_GETCHECK, 0, 0), 1);
          Click(sw);
          CHECK_EQ(SendMessageA(sw, BM_GETCHECK, 0, 0), 0);
          Click(sw);
          CHECK_EQ(SendMessageA(sw, BM_GETCHECK, 0, 0), 1);
        }
      }
      HWND ok = GetDlgItem(dialog, IDOK), cancel = GetDlgItem(dialog, IDCANCEL);
      CHECK(gk::UpIcon(ok) == LibIcon(MAKEINTRESOURCEA(1)) && gk::UpIcon(ok) != nullptr);
      CHECK(gk::DownIcon(ok) == LibIcon(MAKEINTRESOURCEA(101)));
      CHECK(gk::UpIcon(cancel) == LibIcon(MAKEINTRESOURCEA(2)) && gk::UpIcon(cancel) != nullptr);
      CHECK(gk::DownIcon(cancel) == LibIcon(MAKEINTRESOURCEA(102)));
      CHECK_EQ(SendMessageA(ok, WM_GETDLGCODE, 0, 0), kDefPush);
      CHECK_EQ(LOWORD(SendMessageA(dialog, DM_GETDEFID, 0, 0)), IDOK);
      if (g_plan == kClickOk) Click(ok);
      if (g_plan == kClickCancel) Click(cancel);
      if (g_plan == kEnterKey) {
        // The dialog manager finds the default button by its WM_GETDLGCODE answer.
        HWND edit = GetDlgItem(dialog, 256);
        SetFocus(edit);
        PostMessageA(edit, WM_KEYDOWN, VK_RETURN, 0);
      }
      if (g_plan == kMnemonics) {
        // Alt+N and Alt+O as the dialog's own loop receives them, for the field with the
        // focus: the dialog manager finds "O&nOff" and "&Ok" by their captions and clicks
        // each once.
        HWND edit = GetDlgItem(dialog, 256);
        SetFocus(edit);
        PostMessageA(edit, WM_SYSCHAR, 'n', 0x20000000);
        PostMessageA(edit, WM_SYSCHAR, 'o', 0x20000000);
      }
      return TRUE;
    }
    case WM_COMMAND:
      if (LOWORD(wParam) == 256 || LOWORD(wParam) == 257) return FALSE;  // the edit fields' own news
      if (g_dialogCommandCount < 16) g_dialogCommands[g_dialogCommandCount++] = LOWORD(wParam);
      if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) EndDialog(dialog, LOWORD(wParam));
      return TRUE;
  }
  return FALSE;
}

void TestStyleDialog() {
  const struct { DialogPlan plan; INT_PTR result; int commands; int last; } runs[] = {
      {kClickOk, IDOK, 10, IDOK}, {kEnterKey, IDOK, 1, IDOK}, {kClickCancel, IDCANCEL, 1, IDCANCEL},
      {kMnemonics, IDOK, 2, IDOK}};
  for (const auto& run : runs) {
    g_plan = run.plan;
    g_dialogCommandCount = 0;
    INT_PTR result = DialogBoxParamA(g_lib, "GLYPHKEYSTYLE", g_host, StyleDialogProc, 0);
    TEST_CASE("style dialog result");
    CHECK_EQ(result, run.result);
    CHECK_EQ(g_dialogCommandCount, run.commands);
    CHECK_EQ(g_dialogCommandCount ? g_dialogCommands[g_dialogCommandCount - 1] : 0, run.last);
    if (run.plan == kMnemonics) CHECK_EQ(g_dialogCommands[0], 261);
  }
}

}  // namespace

int main(int argc, char** argv) {
  if (argc > 1 && strcmp(argv[1], kTakenArg) == 0) return ChildClassTaken();
  if (argc > 1 && strcmp(argv[1], kReloadArg) == 0) return ChildReload();
  g_exe = GetModuleHandleA(nullptr);
  g_lib = gk::LoadGlyphKey();
  if (!g_lib) {
    TEST_CASE("load");
    CHECK(g_lib != nullptr);
    return check::Summary();
  }
  g_host = gk::CreateHost(400, 300);
  TestLoadAndExports();
  TestClassAttributes();
  TestChildren();
  TestTextsAndIcons();
  TestCreationCut();
  TestAccelerators();
  TestSetText();
  TestDialogCodesAndStyles();
  TestChecks();
  TestIconsFontsColours();
  TestOtherMessages();
  TestStyleDialog();
  DestroyWindow(g_host);
  return check::Summary();
}
