// The accessible object of GlyphKey controls as a screen reader reaches it: role, name,
// shortcut, states and default action of every kind of control, in this process and from
// another one; the events; oleacc.dll loaded only when asked, from the system folder; and
// an object held past its window's end.
#include <oleacc.h>
#include <stdlib.h>
#include <wchar.h>

#include "glyphkey_harness.h"

namespace {

HWND g_host;

// oleacc.dll is not imported: the control must load it itself, on the first request.
typedef HRESULT(WINAPI* ObjectFromLresultFn)(LRESULT, REFIID, WPARAM, void**);
typedef HRESULT(WINAPI* AccessibleObjectFromWindowFn)(HWND, DWORD, REFIID, void**);
ObjectFromLresultFn g_objectFromLresult;
AccessibleObjectFromWindowFn g_objectFromWindow;

void FindOleacc(HMODULE oleacc) {
  g_objectFromLresult = (ObjectFromLresultFn)(void*)GetProcAddress(oleacc, "ObjectFromLresult");
  g_objectFromWindow =
      (AccessibleObjectFromWindowFn)(void*)GetProcAddress(oleacc, "AccessibleObjectFromWindow");
}

IAccessible* ObjectOf(HWND control) {
  IAccessible* object = nullptr;
  if (g_objectFromWindow) g_objectFromWindow(control, OBJID_CLIENT, __uuidof(IAccessible), (void**)&object);
  return object;
}

VARIANT Self() {
  VARIANT v;
  VariantInit(&v);
  v.vt = VT_I4;
  v.lVal = CHILDID_SELF;
  return v;
}

// A BSTR property as UTF-16 text; "(none)" for a null answer, "(error)" for a failure.
typedef HRESULT (STDMETHODCALLTYPE IAccessible::*TextProperty)(VARIANT, BSTR*);
const wchar_t* Text(IAccessible* object, TextProperty property) {
  static wchar_t text[128];
  BSTR value = nullptr;
  HRESULT hr = (object->*property)(Self(), &value);
  wcscpy(text, FAILED(hr) ? L"(error)" : value ? value : L"(none)");
  SysFreeString(value);
  return text;
}

LONG Number(IAccessible* object, HRESULT (STDMETHODCALLTYPE IAccessible::*property)(VARIANT, VARIANT*)) {
  VARIANT value;
  VariantInit(&value);
  HRESULT hr = (object->*property)(Self(), &value);
  return SUCCEEDED(hr) && value.vt == VT_I4 ? value.lVal : -1;
}

void CheckWide(const wchar_t* got, const wchar_t* want, const char* file, int line, const char* what) {
  char g[128], w[128];
  WideCharToMultiByte(CP_UTF8, 0, got, -1, g, sizeof g, nullptr, nullptr);
  WideCharToMultiByte(CP_UTF8, 0, want, -1, w, sizeof w, nullptr, nullptr);
  check::ReportText(g, w, file, line, what);
}
#define CHECK_WIDE(got, want) CheckWide((got), (want), __FILE__, __LINE__, #got " == " #want)

const LONG kFocusable = STATE_SYSTEM_FOCUSABLE;

// Every kind of control, as a screen reader describes it.
struct Kind {
  const char* name;
  const char* text;
  DWORD style;
  bool on;
  LONG role;
  const wchar_t* spoken;
  const wchar_t* shortcut;
  LONG state;
  const wchar_t* action;
};
const Kind kKinds[] = {
    {"push button", "&Push@x", BS_PUSHBUTTON, false, ROLE_SYSTEM_PUSHBUTTON, L"Push", L"Alt+P", kFocusable,
     L"Press"},
    {"default push button", "&Default@x", BS_DEFPUSHBUTTON, false, ROLE_SYSTEM_PUSHBUTTON, L"Default",
     L"Alt+D", kFocusable | STATE_SYSTEM_DEFAULT, L"Press"},
    {"switch, off", "O&nOff@x", 3, false, ROLE_SYSTEM_CHECKBUTTON, L"OnOff", L"Alt+N", kFocusable, L"Check"},
    {"switch, on", "O&nOff@x", 3, true, ROLE_SYSTEM_CHECKBUTTON, L"OnOff", L"Alt+N",
     kFocusable | STATE_SYSTEM_CHECKED, L"Uncheck"},
    {"push button shown on", "&Push@x", BS_PUSHBUTTON, true, ROLE_SYSTEM_PUSHBUTTON, L"Push", L"Alt+P",
     kFocusable | STATE_SYSTEM_PRESSED, L"Press"},
    {"disabled", "&Gone@x", BS_PUSHBUTTON | WS_DISABLED, false, ROLE_SYSTEM_PUSHBUTTON, L"Gone", L"Alt+G",
     STATE_SYSTEM_UNAVAILABLE, L"Press"},
    {"hidden", "&Hid@x", BS_PUSHBUTTON, false, ROLE_SYSTEM_PUSHBUTTON, L"Hid", L"Alt+H",
     kFocusable | STATE_SYSTEM_INVISIBLE, L"Press"},
    {"an ampersand shown, no mnemonic", "A && B@x", BS_PUSHBUTTON, false, ROLE_SYSTEM_PUSHBUTTON, L"A & B",
     L"(none)", kFocusable, L"Press"},
    {"a caption in the ANSI code page", "&\xE9t\xE9@x", BS_PUSHBUTTON, false, ROLE_SYSTEM_PUSHBUTTON,
     L"\u00e9t\u00e9", L"Alt+\u00c9", kFocusable, L"Press"},
};

// The properties a reader asks of every control, against the row of its kind.
void CheckProperties(IAccessible* object, const Kind& k) {
  CHECK_EQ(Number(object, &IAccessible::get_accRole), k.role);
  CHECK_WIDE(Text(object, &IAccessible::get_accName), k.spoken);
  CHECK_WIDE(Text(object, &IAccessible::get_accKeyboardShortcut), k.shortcut);
  CHECK_EQ(Number(object, &IAccessible::get_accState), k.state);
}

HWND Make(const Kind& k, int index) {
  DWORD visible = strcmp(k.name, "hidden") == 0 ? 0 : WS_VISIBLE;
  HWND control =
      CreateWindowExA(0, GLYPHKEY_CLASS, k.text, (gk::kChildStyle & ~WS_VISIBLE) | visible | k.style,
                      10 + 70 * (index % 5), 10 + 60 * (index / 5), 64, 48, g_host,
                      (HMENU)(INT_PTR)(100 + index), GetModuleHandleA(nullptr), nullptr);
  if (k.on) SendMessageA(control, BM_SETCHECK, 1, 0);
  return control;
}

// ---- The first request ---------------------------------------------------------------

// Before it, oleacc.dll is not loaded and this thread has no COM; the first WM_GETOBJECT
// loads the library from the system folder and starts COM, which a reader in another
// process needs to reach the object.
IAccessible* FirstRequest(HWND control) {
  TEST_CASE("the first request loads oleacc.dll from the system folder");
  CHECK(GetModuleHandleA("oleacc.dll") == nullptr);
  CHECK_EQ(SendMessageA(control, WM_GETOBJECT, 0, OBJID_WINDOW), 0);  // not the control's
  LRESULT result = SendMessageA(control, WM_GETOBJECT, 0, OBJID_CLIENT);
  CHECK(result > 0);
  HMODULE oleacc = GetModuleHandleA("oleacc.dll");
  CHECK(oleacc != nullptr);
  wchar_t path[MAX_PATH] = L"", system[MAX_PATH] = L"";
  GetModuleFileNameW(oleacc, path, MAX_PATH);
  UINT length = GetSystemDirectoryW(system, MAX_PATH);
  CHECK(_wcsnicmp(path, system, length) == 0 && path[length] == L'\\');
  TEST_CASE("the first request starts COM on a thread without it");
  CHECK_EQ(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED), S_FALSE);  // there already
  FindOleacc(oleacc);
  IAccessible* object = nullptr;
  CHECK(g_objectFromLresult &&
        SUCCEEDED(g_objectFromLresult(result, __uuidof(IAccessible), 0, (void**)&object)));
  return object;
}

// ---- Every kind ------------------------------------------------------------------------

void TestKinds() {
  HWND controls[sizeof kKinds / sizeof kKinds[0]];
  for (int i = 0; i < (int)(sizeof kKinds / sizeof kKinds[0]); i++) controls[i] = Make(kKinds[i], i);
  IAccessible* first = FirstRequest(controls[0]);
  if (first) first->Release();
  bool latin1 = GetACP() == 1252;
  for (int i = 0; i < (int)(sizeof kKinds / sizeof kKinds[0]); i++) {
    const Kind& k = kKinds[i];
    if (!latin1 && k.text[1] == '\xE9') continue;  // the conversion is the code page's
    TEST_CASE(k.name);
    IAccessible* object = ObjectOf(controls[i]);
    CHECK(object != nullptr);
    if (!object) continue;
    CheckProperties(object, k);
    CHECK_WIDE(Text(object, &IAccessible::get_accDefaultAction), k.action);
    object->Release();
  }

  TEST_CASE("focus, location, hit test, parent and children");
  HWND push = controls[0];
  IAccessible* object = ObjectOf(push);
  SendMessageA(push, WM_SETFOCUS, 0, 0);  // the message alone does not give the focus
  CHECK_EQ(Number(object, &IAccessible::get_accState), kFocusable);
  SendMessageA(push, WM_KILLFOCUS, 0, 0);
  SetFocus(push);
  CHECK_EQ(Number(object, &IAccessible::get_accState), kFocusable | STATE_SYSTEM_FOCUSED);
  VARIANT focus;
  VariantInit(&focus);
  CHECK(SUCCEEDED(object->get_accFocus(&focus)) && focus.vt == VT_I4 && focus.lVal == CHILDID_SELF);
  SetFocus(g_host);
  RECT r;
  GetWindowRect(push, &r);
  long x = 0, y = 0, w = 0, h = 0;
  CHECK(SUCCEEDED(object->accLocation(&x, &y, &w, &h, Self())));
  CHECK(x == r.left && y == r.top && w == r.right - r.left && h == r.bottom - r.top);
  VARIANT hit;
  VariantInit(&hit);
  CHECK(SUCCEEDED(object->accHitTest(x + w / 2, y + h / 2, &hit)) && hit.vt == VT_I4 &&
        hit.lVal == CHILDID_SELF);
  IDispatch* parent = nullptr;
  CHECK(SUCCEEDED(object->get_accParent(&parent)) && parent != nullptr);
  if (parent) parent->Release();
  long children = -1;
  CHECK(SUCCEEDED(object->get_accChildCount(&children)) && children == 0);
  VARIANT child = Self();
  child.lVal = 1;  // no such child
  BSTR name = nullptr;
  CHECK_EQ(object->get_accName(child, &name), E_INVALIDARG);
  object->Release();
  for (HWND c : controls) DestroyWindow(c);
}

// ---- The default action and the events -------------------------------------------------

struct Event {
  DWORD event;
  HWND window;
  LONG object, child;
};
Event g_events[32];
int g_eventCount;
void CALLBACK OnEvent(HWINEVENTHOOK, DWORD event, HWND window, LONG object, LONG child, DWORD, DWORD) {
  if (object == OBJID_CLIENT && g_eventCount < 32)
    g_events[g_eventCount++] = Event{event, window, object, child};
}
int CountEvents(DWORD event, HWND window) {
  int n = 0;
  for (int i = 0; i < g_eventCount; i++) n += g_events[i].event == event && g_events[i].window == window;
  return n;
}

void TestActionAndEvents() {
  HWINEVENTHOOK hook = SetWinEventHook(EVENT_OBJECT_STATECHANGE, EVENT_OBJECT_ACCELERATORCHANGE, nullptr,
                                       OnEvent, GetCurrentProcessId(), 0, WINEVENT_OUTOFCONTEXT);
  CHECK(hook != nullptr);
  const struct {
    const char* name;
    Kind kind;
    HRESULT result;
    int notifications;
    bool onAtEnd;
    int stateEvents;
  } cases[] = {
      {"default action of a push button: posted, one click", kKinds[0], S_OK, 1, false, 0},
      {"default action of a switch: toggled once, then Uncheck", kKinds[2], S_OK, 1, true, 1},
      {"default action of a disabled control: an error, nothing done", kKinds[5], E_FAIL, 0, false, 0},
  };
  for (const auto& c : cases) {
    TEST_CASE(c.name);
    HWND control = Make(c.kind, 0);
    IAccessible* object = ObjectOf(control);
    if (!object) continue;
    gk::Log() = gk::HostLog();
    gk::Pump();
    g_eventCount = 0;
    CHECK_EQ(object->accDoDefaultAction(Self()), c.result);
    CHECK_EQ(gk::Log().count, 0);  // posted: nothing runs inside the reader's call
    gk::Pump();
    CHECK_EQ(gk::Log().count, c.notifications);
    CHECK_EQ(SendMessageA(control, BM_GETCHECK, 0, 0), c.onAtEnd ? 1 : 0);
    CHECK_EQ(CountEvents(EVENT_OBJECT_STATECHANGE, control), c.stateEvents);
    if (c.onAtEnd) CHECK_WIDE(Text(object, &IAccessible::get_accDefaultAction), L"Uncheck");
    object->Release();
    DestroyWindow(control);
  }

  TEST_CASE("events: BM_SETCHECK changes the state, GKM_SETTEXT the name and the shortcut");
  HWND control = Make(kKinds[2], 0);
  IAccessible* object = ObjectOf(control);
  gk::Pump();
  g_eventCount = 0;
  SendMessageA(control, BM_SETCHECK, 1, 0);
  SendMessageA(control, BM_SETCHECK, 1, 0);  // no change, no event
  char text[] = "&Renamed@x";
  SendMessageA(control, GKM_SETTEXT, 0, (LPARAM)text);
  gk::Pump();
  CHECK_EQ(CountEvents(EVENT_OBJECT_STATECHANGE, control), 1);
  CHECK_EQ(CountEvents(EVENT_OBJECT_NAMECHANGE, control), 1);
  CHECK_EQ(CountEvents(EVENT_OBJECT_ACCELERATORCHANGE, control), 1);
  if (object) {
    CHECK_WIDE(Text(object, &IAccessible::get_accName), L"Renamed");
    CHECK_WIDE(Text(object, &IAccessible::get_accKeyboardShortcut), L"Alt+R");
    // The host's line of help is the description and the help (what UI Automation reads),
    // a copy that outlives the host's text; without one, the system's standard object
    // answers (no description, no help).
    wchar_t standard[128], standardHelp[128];
    wcscpy(standard, Text(object, &IAccessible::get_accDescription));
    wcscpy(standardHelp, Text(object, &IAccessible::get_accHelp));
    CHECK(wcscmp(standard, L"(error)") != 0);
    char help[] = "Installs \xE9t\xE9";
    SendMessageA(control, GKM_SETDESCRIPTION, 0, (LPARAM)help);
    help[0] = 0;
    CHECK_WIDE(Text(object, &IAccessible::get_accDescription), L"Installs \u00e9t\u00e9");
    CHECK_WIDE(Text(object, &IAccessible::get_accHelp), L"Installs \u00e9t\u00e9");
    SendMessageA(control, GKM_SETDESCRIPTION, 0, 0);
    CHECK_WIDE(Text(object, &IAccessible::get_accDescription), standard);
    CHECK_WIDE(Text(object, &IAccessible::get_accHelp), standardHelp);
    // A caption and a description in any script, whatever the ANSI code page.
    wchar_t russian[] =
        L"\u0423\u0441\u0442\u0430\u043d\u043e\u0432\u043a\u0430 "
        L"&\u043f\u0440\u043e\u0433\u0440\u0430\u043c\u043c\u044b@x";
    SendMessageW(control, GKM_SETTEXTW, 0, (LPARAM)russian);
    CHECK_WIDE(Text(object, &IAccessible::get_accName),
               L"\u0423\u0441\u0442\u0430\u043d\u043e\u0432\u043a\u0430 "
               L"\u043f\u0440\u043e\u0433\u0440\u0430\u043c\u043c\u044b");
    CHECK_WIDE(Text(object, &IAccessible::get_accKeyboardShortcut), L"Alt+\u041f");
    SendMessageW(control, GKM_SETDESCRIPTIONW, 0, (LPARAM)L"\u0939\u093f\u0928\u094d\u0926\u0940 \u2605");
    CHECK_WIDE(Text(object, &IAccessible::get_accDescription),
               L"\u0939\u093f\u0928\u094d\u0926\u0940 \u2605");
    CHECK_WIDE(Text(object, &IAccessible::get_accHelp), L"\u0939\u093f\u0928\u094d\u0926\u0940 \u2605");
    object->Release();
  }
  UnhookWinEvent(hook);
  DestroyWindow(control);

  TEST_CASE("events: enabling, the default flag and a caption set from outside are announced");
  hook = SetWinEventHook(EVENT_OBJECT_STATECHANGE, EVENT_OBJECT_ACCELERATORCHANGE, nullptr, OnEvent,
                         GetCurrentProcessId(), 0, WINEVENT_OUTOFCONTEXT);
  control = Make(kKinds[0], 0);
  object = ObjectOf(control);
  gk::Pump();
  g_eventCount = 0;
  EnableWindow(control, FALSE);
  EnableWindow(control, TRUE);
  SendMessageA(control, BM_SETSTYLE, BS_DEFPUSHBUTTON, FALSE);
  SendMessageA(control, BM_SETSTYLE, BS_DEFPUSHBUTTON, FALSE);  // already default: no event
  SetWindowTextA(control, "&Other");
  gk::Pump();
  CHECK_EQ(CountEvents(EVENT_OBJECT_STATECHANGE, control), 3);
  CHECK_EQ(CountEvents(EVENT_OBJECT_ACCELERATORCHANGE, control), 1);
  if (object) {
    CHECK_EQ(Number(object, &IAccessible::get_accState), kFocusable | STATE_SYSTEM_DEFAULT);
    CHECK_WIDE(Text(object, &IAccessible::get_accKeyboardShortcut), L"Alt+O");
    object->Release();
  }
  UnhookWinEvent(hook);
  DestroyWindow(control);
}

// ---- Past the window's end -------------------------------------------------------------

void TestHeldPastTheEnd() {
  TEST_CASE("an object held past its window's end answers errors");
  HWND control = Make(kKinds[2], 0);
  IAccessible* object = ObjectOf(control);
  CHECK(object != nullptr);
  if (!object) return;
  DestroyWindow(control);
  gk::Pump();
  CHECK_WIDE(Text(object, &IAccessible::get_accName), L"(error)");
  CHECK_WIDE(Text(object, &IAccessible::get_accKeyboardShortcut), L"(error)");
  CHECK_EQ(Number(object, &IAccessible::get_accRole), -1);
  CHECK_EQ(Number(object, &IAccessible::get_accState), -1);
  CHECK(FAILED(object->accDoDefaultAction(Self())));
  long x, y, w, h;
  CHECK(FAILED(object->accLocation(&x, &y, &w, &h, Self())));
  IDispatch* parent = nullptr;
  CHECK(FAILED(object->get_accParent(&parent)));
  CHECK_EQ(object->Release(), 0);  // the last reference: freed without touching the window
}

// ---- From another process --------------------------------------------------------------

// Reaching across processes makes a process multi-threaded (COM's threads), and under CPU
// emulation such a Wine process may crash as it exits. So the controls live in one child
// (the host, whose exit status is not read) and the reader is another, which reports its
// checks in its exit status; this process only starts them.
const char kHostArg[] = "--host";
const char kReaderArg[] = "--reader";
const char kHostTitle[] = "GlyphKey reader host";
const int kHostKinds[] = {0, 3};  // a push button, which is pressed, and a switch that is on

int Host() {
  gk::LoadGlyphKey();
  g_host = gk::CreateHost(200, 80, kHostTitle);
  for (int i = 0; i < 2; i++) Make(kKinds[kHostKinds[i]], i);
  MSG msg;
  while (IsWindow(g_host) && GetMessageA(&msg, nullptr, 0, 0) > 0) {
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
    // The title tells how many clicks the host window received.
    char title[64];
    snprintf(title, sizeof title, "%s %d", kHostTitle, gk::Log().count);
    if (IsWindow(g_host) && gk::Log().count) SetWindowTextA(g_host, title);
  }
  return 0;
}

int Reader(HWND host) {
  CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  wchar_t path[MAX_PATH];
  GetSystemDirectoryW(path, MAX_PATH);
  wcscat(path, L"\\oleacc.dll");
  FindOleacc(LoadLibraryW(path));
  for (int i = 0; i < 2; i++) {
    const Kind& k = kKinds[kHostKinds[i]];
    TEST_CASE(k.name);
    IAccessible* object = ObjectOf(GetDlgItem(host, 100 + i));
    CHECK(object != nullptr);
    if (!object) continue;
    CheckProperties(object, k);
    if (i == 0) CHECK_EQ(object->accDoDefaultAction(Self()), S_OK);
    object->Release();
  }
  CoUninitialize();
  return check::Summary();
}

template <typename Condition>
bool WaitFor(Condition done) {
  for (int i = 0; i < 2400 && !done(); i++) Sleep(50);  // two minutes: the emulator is slow
  return done();
}

PROCESS_INFORMATION StartSelf(const char* arguments) {
  char exe[MAX_PATH], line[MAX_PATH + 64];
  GetModuleFileNameA(nullptr, exe, MAX_PATH);
  snprintf(line, sizeof line, "\"%s\" %s", exe, arguments);
  STARTUPINFOA startup = {};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION pi = {};
  CHECK(CreateProcessA(nullptr, line, nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &pi));
  return pi;
}

void Forget(PROCESS_INFORMATION& pi) {
  if (!pi.hProcess) return;
  TerminateProcess(pi.hProcess, 99);  // only if it still runs
  CloseHandle(pi.hThread);
  CloseHandle(pi.hProcess);
}

void TestOtherProcess() {
  TEST_CASE("a reader in another process");
  PROCESS_INFORMATION host = StartSelf(kHostArg);
  HWND window = nullptr;
  // Ready once the host window holds its last control.
  CHECK(WaitFor(
      [&] { return (window = FindWindowA("GlyphKeyTestHost", kHostTitle)) && GetDlgItem(window, 101); }));
  if (window) {
    char arguments[64];
    snprintf(arguments, sizeof arguments, "%s %lx", kReaderArg, (unsigned long)(INT_PTR)window);
    PROCESS_INFORMATION reader = StartSelf(arguments);
    DWORD status = 99;
    CHECK(reader.hProcess && WaitForSingleObject(reader.hProcess, 240000) == WAIT_OBJECT_0);
    GetExitCodeProcess(reader.hProcess, &status);
    CHECK_EQ(status, 0);  // its own checks, printed above
    Forget(reader);
    TEST_CASE("a reader in another process: its default action clicks once");
    wchar_t want[64], title[64] = L"";
    swprintf(want, 64, L"%hs 1", kHostTitle);
    CHECK(WaitFor([&] { return GetWindowTextW(window, title, 64) && wcscmp(title, want) == 0; }));
    PostMessageA(window, WM_CLOSE, 0, 0);
    CHECK(WaitForSingleObject(host.hProcess, 120000) == WAIT_OBJECT_0);
  }
  Forget(host);
}

// A host thread in the multithreaded apartment would take a reader's calls on COM's own
// threads, in parallel with the window's messages: it is given the system's object.
DWORD WINAPI MultithreadedHost(void* role) {
  CoInitializeEx(nullptr, COINIT_MULTITHREADED);
  HWND control = CreateWindowExA(0, GLYPHKEY_CLASS, "&Push@x", WS_POPUP | BS_PUSHBUTTON, 0, 0, 64, 48,
                                 nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
  IAccessible* object = ObjectOf(control);
  *static_cast<LONG*>(role) = object ? Number(object, &IAccessible::get_accRole) : -1;
  if (object) object->Release();
  DestroyWindow(control);
  CoUninitialize();
  return 0;
}

void TestMultithreadedHost() {
  TEST_CASE("a host thread in the multithreaded apartment gets the system's object");
  LONG role = 0;
  HANDLE thread = CreateThread(nullptr, 0, MultithreadedHost, &role, 0, nullptr);
  CHECK(thread && WaitForSingleObject(thread, 60000) == WAIT_OBJECT_0);
  if (thread) CloseHandle(thread);
  CHECK_EQ(role, ROLE_SYSTEM_CLIENT);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc > 1 && strcmp(argv[1], kHostArg) == 0) return Host();
  if (argc > 2 && strcmp(argv[1], kReaderArg) == 0)
    return Reader((HWND)(INT_PTR)strtoul(argv[2], nullptr, 16));
  if (!gk::LoadGlyphKey()) {
    TEST_CASE("load");
    CHECK(!"GlyphKey32.dll loaded");
    return check::Summary();
  }
  g_host = gk::CreateHost(400, 200, "GlyphKey accessible objects");
  gk::Pump();
  TestKinds();
  TestActionAndEvents();
  TestHeldPastTheEnd();
  TestOtherProcess();
  TestMultithreadedHost();
  DestroyWindow(g_host);
  CoUninitialize();
  return check::Summary();
}
