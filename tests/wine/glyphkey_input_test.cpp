// GlyphKey input as a user and a dialog manager drive it: mouse presses with capture and
// tracking, the space bar and the accelerator key, the on/off switch, the mnemonic focus
// path, BM_CLICK, the focus rectangle, and a parent that destroys the control in its
// WM_COMMAND.
// The look is read back from the screen: the test icons fill their middle with a colour of
// their own, so the up icon (raised look) and the down icon (pressed, on) tell the state.
#include "glyphkey_harness.h"

namespace {

HWND g_host;
const int kId = 101;
const int kWidth = 64, kHeight = 48;
// Where the middle of the icon lies in the raised, on and pressed looks of a 64 by 48
// control with a caption: the up icon at (16, 1), the down icon 1 or 2 pixels further.
const int kIconMiddleX = 33, kIconMiddleY = 18;
const COLORREF kUpFill = RGB(255, 0, 255), kDownFill = RGB(0, 0, 255);

enum Look { kRaised, kDown, kUnknown };

Look LookOnScreen(HWND control) {
  COLORREF c = gk::PixelAt(control, kIconMiddleX, kIconMiddleY);
  return c == kUpFill ? kRaised : c == kDownFill ? kDown : kUnknown;
}

HWND MakeControl(const char* text, DWORD type) {
  HWND control = gk::CreateControl(g_host, text, gk::kChildStyle | type, 10, 10, kWidth, kHeight, kId);
  gk::Pump();
  UpdateWindow(control);
  return control;
}

LPARAM At(int x, int y) { return MAKELPARAM((WORD)(short)x, (WORD)(short)y); }

void Fresh() {
  gk::Log() = gk::HostLog();
  SetFocus(g_host);
  gk::Pump();
}

#define CHECK_NOTIFIED(index, highWord, lParamValue)                                           \
  do {                                                                                          \
    const gk::Command& c = gk::Log().commands[index];                                           \
    CHECK_EQ(LOWORD(c.wParam), kId);                                                            \
    CHECK_EQ(HIWORD(c.wParam), (highWord));                                                     \
    CHECK_EQ(c.lParam, (LPARAM)(lParamValue));                                                  \
  } while (0)

// ---- Mouse ---------------------------------------------------------------------------

// A press and what follows it, as messages; the look is checked at once after each step
// (every mouse step redraws at once), and the notifications at the end.
struct MouseStep {
  UINT message;
  int x, y;
  Look look;      // right after the step, without pumping
  bool captured;  // the control holds the mouse capture after the step
};
struct MouseCase {
  const char* name;
  DWORD type;
  MouseStep steps[6];
  int notifications;  // all of the mouse form
  bool onAtEnd;
};

const int kIn = 30, kOut = -20;
const MouseCase kMouseCases[] = {
    {"click and release inside",
     BS_PUSHBUTTON,
     {{WM_LBUTTONDOWN, kIn, kIn, kDown, true}, {WM_LBUTTONUP, kIn, kIn, kRaised, false}},
     1,
     false},
    {"press, move out, move back in, release inside",
     BS_PUSHBUTTON,
     {{WM_LBUTTONDOWN, kIn, kIn, kDown, true},
      {WM_MOUSEMOVE, kOut, kIn, kRaised, true},
      {WM_MOUSEMOVE, kIn, kOut, kRaised, true},
      {WM_MOUSEMOVE, kIn, kIn, kDown, true},
      {WM_LBUTTONUP, kIn, kIn, kRaised, false}},
     1,
     false},
    {"press, move out, release outside: abandoned",
     BS_PUSHBUTTON,
     {{WM_LBUTTONDOWN, kIn, kIn, kDown, true},
      {WM_MOUSEMOVE, kWidth + 5, kIn, kRaised, true},
      {WM_LBUTTONUP, kWidth + 5, kIn, kRaised, false},
      {WM_MOUSEMOVE, kIn, kIn, kRaised, false}},
     0,
     false},
    {"double click: only the first click notifies",
     BS_PUSHBUTTON,
     {{WM_LBUTTONDOWN, kIn, kIn, kDown, true},
      {WM_LBUTTONUP, kIn, kIn, kRaised, false},
      {WM_LBUTTONDBLCLK, kIn, kIn, kRaised, false},
      {WM_LBUTTONUP, kIn, kIn, kRaised, false}},
     1,
     false},
    {"on/off switch: a click turns it on",
     3,
     {{WM_LBUTTONDOWN, kIn, kIn, kDown, true}, {WM_LBUTTONUP, kIn, kIn, kDown, false}},
     1,
     true},
};

void TestMouse() {
  for (const MouseCase& c : kMouseCases) {
    TEST_CASE(c.name);
    HWND control = MakeControl("&Push@PAINTUP@PAINTDOWN", c.type);
    Fresh();
    for (const MouseStep& step : c.steps) {
      if (!step.message) break;
      CHECK_EQ(SendMessageA(control, step.message, step.message == WM_LBUTTONDBLCLK ? MK_LBUTTON : 0,
                            At(step.x, step.y)),
               step.message == WM_LBUTTONDBLCLK ? 0 : 1);
      CHECK(!gk::HasPendingPaint(control));
      CHECK_EQ(LookOnScreen(control), step.look);
      CHECK_EQ(GetCapture() == control, step.captured);
    }
    CHECK_EQ(gk::Log().count, c.notifications);
    for (int i = 0; i < gk::Log().count; i++) CHECK_NOTIFIED(i, BN_CLICKED, control);
    CHECK_EQ(SendMessageA(control, BM_GETCHECK, 0, 0), c.onAtEnd ? 1 : 0);
    CHECK(GetFocus() == control);  // a press takes the focus
    DestroyWindow(control);
  }
}

// ---- Keyboard ------------------------------------------------------------------------

void TestKeys() {
  TEST_CASE("space on an on/off switch: pressed at the next paint, then on, high word 1");
  HWND control = MakeControl("&Push@PAINTUP@PAINTDOWN", 3);
  Fresh();
  CHECK_EQ(SendMessageA(control, WM_KEYDOWN, VK_SPACE, 0), 1);
  CHECK(gk::HasPendingPaint(control));  // redraw later
  CHECK_EQ(gk::Log().count, 0);
  gk::Pump();
  CHECK_EQ(LookOnScreen(control), kDown);
  CHECK_EQ(SendMessageA(control, WM_KEYUP, VK_SPACE, 0), 1);
  CHECK(gk::HasPendingPaint(control));
  CHECK_EQ(gk::Log().count, 1);
  CHECK_NOTIFIED(0, 1, 0);
  CHECK_EQ(SendMessageA(control, BM_GETCHECK, 0, 0), 1);
  gk::Pump();
  CHECK_EQ(LookOnScreen(control), kDown);  // the on look shows the down icon

  TEST_CASE("the next space press turns it off: high word 0");
  SendMessageA(control, WM_KEYDOWN, VK_SPACE, 0);
  SendMessageA(control, WM_KEYUP, VK_SPACE, 0);
  CHECK_EQ(gk::Log().count, 2);
  CHECK_NOTIFIED(1, 0, 0);
  CHECK_EQ(SendMessageA(control, BM_GETCHECK, 0, 0), 0);
  gk::Pump();
  CHECK_EQ(LookOnScreen(control), kRaised);
  DestroyWindow(control);

  TEST_CASE("held space: auto-repeat changes nothing, one notification on release");
  control = MakeControl("&Push@PAINTUP@PAINTDOWN", BS_PUSHBUTTON);
  Fresh();
  for (int i = 0; i < 5; i++) CHECK_EQ(SendMessageA(control, WM_KEYDOWN, VK_SPACE, 0x40000001), 1);
  gk::Pump();
  CHECK_EQ(LookOnScreen(control), kDown);
  CHECK_EQ(gk::Log().count, 0);
  SendMessageA(control, WM_KEYUP, VK_SPACE, 0xC0000001);
  CHECK_EQ(gk::Log().count, 1);
  CHECK_NOTIFIED(0, 0, 0);
  gk::Pump();
  CHECK_EQ(LookOnScreen(control), kRaised);

  TEST_CASE("space released without a press, and keys that do not activate");
  Fresh();
  CHECK_EQ(SendMessageA(control, WM_KEYUP, VK_SPACE, 0), 1);
  CHECK_EQ(SendMessageA(control, WM_KEYDOWN, VK_RETURN, 0), 0);
  CHECK_EQ(SendMessageA(control, WM_KEYUP, VK_RETURN, 0), 0);
  CHECK_EQ(SendMessageA(control, WM_KEYDOWN, 'Q', 0), 0);
  CHECK(!gk::HasPendingPaint(control));
  CHECK_EQ(gk::Log().count, 0);

  TEST_CASE("the accelerator key presses, and the space bar may complete the press");
  CHECK_EQ(SendMessageA(control, WM_KEYDOWN, 'P', 0), 1);
  gk::Pump();
  CHECK_EQ(LookOnScreen(control), kDown);
  CHECK_EQ(SendMessageA(control, WM_KEYUP, VK_SPACE, 0), 1);
  CHECK_EQ(gk::Log().count, 1);
  CHECK_NOTIFIED(0, 0, 0);
  SendMessageA(control, WM_KEYDOWN, 'P', 0);
  SendMessageA(control, WM_KEYUP, 'P', 0);
  CHECK_EQ(gk::Log().count, 2);
  DestroyWindow(control);
}

// ---- Focus ---------------------------------------------------------------------------

// Holds a key down in this thread's key state, which GetKeyState reads.
void HoldKey(BYTE key, bool down) {
  BYTE keys[256];
  GetKeyboardState(keys);
  keys[key] = down ? 0x80 : 0;
  SetKeyboardState(keys);
}

void TestFocus() {
  TEST_CASE("the focus rectangle comes with the focus and goes with it");
  HWND control = MakeControl("&Push@PAINTUP@PAINTDOWN", BS_PUSHBUTTON);
  Fresh();
  // The raised look's focus rectangle runs from (5, 5); its top edge passes (10, 5).
  COLORREF before = gk::PixelAt(control, 10, 5);
  SetFocus(control);
  CHECK(GetFocus() == control);
  COLORREF focused = gk::PixelAt(control, 10, 5) == before ? gk::PixelAt(control, 11, 5) : gk::PixelAt(control, 10, 5);
  CHECK(focused != before);
  SetFocus(g_host);
  CHECK_EQ(gk::PixelAt(control, 10, 5), before);
  CHECK_EQ(gk::PixelAt(control, 11, 5), before);
  CHECK_EQ(gk::Log().count, 0);

  TEST_CASE("focus while the accelerator key is held: the posted key-up notifies");
  HoldKey('P', true);
  SetFocus(control);
  CHECK_EQ(gk::Log().count, 0);  // the key-up is posted, not sent
  HoldKey('P', false);
  gk::Pump();
  CHECK_EQ(gk::Log().count, 1);
  CHECK_NOTIFIED(0, 0, 0);
  CHECK_EQ(LookOnScreen(control), kRaised);
  DestroyWindow(control);

  TEST_CASE("focus arriving with an arrow key down never presses: no caption's key is an arrow");
  // "&&" and "&(" are the character codes of Up and Down; "&i" is the key I, not Shift+I.
  const struct {
    const char* text;
    BYTE heldKey;
    int notifications;
  } arrivals[] = {
      {"Tom && Jerry@PAINTUP", VK_UP, 0}, {"&(Setup)@PAINTUP", VK_DOWN, 0}, {"&install@PAINTUP", 'I', 1}};
  for (const auto& a : arrivals) {
    HWND arrival = MakeControl(a.text, BS_PUSHBUTTON);
    Fresh();
    HoldKey(a.heldKey, true);
    SetFocus(arrival);
    HoldKey(a.heldKey, false);
    gk::Pump();
    CHECK_EQ(gk::Log().count, a.notifications);
    DestroyWindow(arrival);
  }

  TEST_CASE("click on an on/off switch without focus while its key is held: both forms, ends as it was");
  control = MakeControl("&Push@PAINTUP@PAINTDOWN", 3);
  Fresh();
  HoldKey('P', true);
  SendMessageA(control, WM_LBUTTONDOWN, 0, At(kIn, kIn));
  HoldKey('P', false);
  gk::Pump();  // the posted key-up: keyboard form
  SendMessageA(control, WM_LBUTTONUP, 0, At(kIn, kIn));
  CHECK_EQ(gk::Log().count, 2);
  CHECK_NOTIFIED(0, 1, 0);
  CHECK_NOTIFIED(1, BN_CLICKED, control);
  CHECK_EQ(SendMessageA(control, BM_GETCHECK, 0, 0), 0);
  DestroyWindow(control);
}

// ---- BM_CLICK -------------------------------------------------------------------------

// What a dialog manager sends for a typed mnemonic: the focus, then one completed click in
// the mouse form. With the mnemonic key still down the focus begins a press and posts its
// key-up; the click completes that press, so the key-up adds nothing.
void TestClickMessage() {
  const struct {
    const char* name;
    DWORD type;
    bool disabled, keyDown;
    int notifications;
    bool onAtEnd;
  } cases[] = {
      {"BM_CLICK on a push button: the focus and one notification", BS_PUSHBUTTON, false, false, 1, false},
      {"BM_CLICK on an on/off switch: toggled once", 3, false, false, 1, true},
      {"BM_CLICK with the mnemonic key down: still one notification", BS_PUSHBUTTON, false, true, 1, false},
      {"BM_CLICK on a switch with the mnemonic key down: toggled once", 3, false, true, 1, true},
      {"BM_CLICK on a disabled control: nothing, not even the focus", BS_PUSHBUTTON, true, false, 0, false},
  };
  for (const auto& c : cases) {
    TEST_CASE(c.name);
    HWND control = MakeControl("&Push@PAINTUP@PAINTDOWN", c.type);
    EnableWindow(control, !c.disabled);
    Fresh();
    HoldKey('P', c.keyDown);
    CHECK_EQ(SendMessageA(control, BM_CLICK, 0, 0), 1);
    HoldKey('P', false);
    CHECK(!gk::HasPendingPaint(control));  // redrawn at once, as a mouse click is
    gk::Pump();                            // a posted key-up would be handled here
    CHECK_EQ(gk::Log().count, c.notifications);
    if (c.notifications) CHECK_NOTIFIED(0, BN_CLICKED, control);
    CHECK_EQ(GetFocus() == control, !c.disabled);
    CHECK_EQ(SendMessageA(control, BM_GETCHECK, 0, 0), c.onAtEnd ? 1 : 0);
    CHECK_EQ(LookOnScreen(control) == kDown, c.onAtEnd);
    DestroyWindow(control);
  }

  // Windows' dialog manager clicks a default push button itself when its letter is typed.
  TEST_CASE("a default push button leaves its letter to the dialog manager; the space bar stays");
  HWND control = MakeControl("&Push@PAINTUP@PAINTDOWN", BS_DEFPUSHBUTTON);
  Fresh();
  HoldKey('P', true);
  SetFocus(control);
  HoldKey('P', false);
  CHECK_EQ(SendMessageA(control, WM_KEYDOWN, 'P', 0), 0);
  CHECK_EQ(SendMessageA(control, WM_KEYUP, 'P', 0), 0);
  gk::Pump();
  CHECK_EQ(gk::Log().count, 0);
  CHECK_EQ(LookOnScreen(control), kRaised);
  SendMessageA(control, WM_KEYDOWN, VK_SPACE, 0);
  SendMessageA(control, WM_KEYUP, VK_SPACE, 0);
  CHECK_EQ(gk::Log().count, 1);
  DestroyWindow(control);
}

// ---- A parent that destroys the control ----------------------------------------------

void TestDestroyInHandler() {
  const struct {
    const char* name;
    bool mouse;
  } cases[] = {{"the parent destroys the control and a sibling in WM_COMMAND: mouse", true},
               {"the parent destroys the control and a sibling in WM_COMMAND: keyboard", false}};
  for (const auto& c : cases) {
    TEST_CASE(c.name);
    HWND control = MakeControl("&Push@PAINTUP@PAINTDOWN", BS_PUSHBUTTON);
    HWND sibling = gk::CreateControl(g_host, "Other@PAINTUP", gk::kChildStyle, 80, 10, 64, 48, kId + 1);
    Fresh();
    gk::Log().destroyOnCommand = true;
    gk::Log().destroyAlso[0] = sibling;
    if (c.mouse) {
      SendMessageA(control, WM_LBUTTONDOWN, 0, At(kIn, kIn));
      CHECK_EQ(SendMessageA(control, WM_LBUTTONUP, 0, At(kIn, kIn)), 1);
    } else {
      SendMessageA(control, WM_KEYDOWN, VK_SPACE, 0);
      CHECK_EQ(SendMessageA(control, WM_KEYUP, VK_SPACE, 0), 1);
    }
    CHECK_EQ(gk::Log().count, 1);
    CHECK(!IsWindow(control));
    CHECK(!IsWindow(sibling));
    CHECK(GetCapture() == nullptr);
    gk::Pump();
  }
  gk::Log() = gk::HostLog();
}

}  // namespace

int main() {
  if (!gk::LoadGlyphKey()) {
    TEST_CASE("load");
    CHECK(!"GlyphKey32.dll loaded");
    return check::Summary();
  }
  g_host = gk::CreateHost(240, 120, "GlyphKey input");
  gk::Pump();
  TestMouse();
  TestKeys();
  TestFocus();
  TestClickMessage();
  TestDestroyInHandler();
  DestroyWindow(g_host);
  return check::Summary();
}
