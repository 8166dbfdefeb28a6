// A window of GlyphKey controls in every look, for the guide's picture of the
// control: raised, default, on, pressed, disabled, focused, the left layout and a
// caption without icons. It prints its window rectangle ("left top right bottom")
// once everything is painted and closes itself after the given seconds (default 60).
//   looks.exe [seconds]
#include <stdio.h>
#include <stdlib.h>
#include <windows.h>

namespace {

const int kCell = 72;       // width of a control in the top row
const int kCellHeight = 56;
const int kGap = 8;
const UINT_PTR kCloseTimer = 1;

struct Control {
  const char* text;
  DWORD style;  // besides WS_CHILD | WS_VISIBLE | WS_TABSTOP
  int x, y, width, height;
};

// The library's own icons: 1 and 101 (tick), 2 and 102 (cross), and the samples.
const Control kControls[] = {
    {"Raised@1@101", BS_PUSHBUTTON, 0, 0, kCell, kCellHeight},
    {"&Default@1@101", BS_DEFPUSHBUTTON, 1, 0, kCell, kCellHeight},
    {"On@OnOff@OnOff2", 3, 2, 0, kCell, kCellHeight},
    {"Pressed@2@102", BS_PUSHBUTTON, 3, 0, kCell, kCellHeight},
    {"Disabled@2@102", BS_PUSHBUTTON, 4, 0, kCell, kCellHeight},
    {"&Focus@PushBtn@PushBtn2", BS_PUSHBUTTON, 5, 0, kCell, kCellHeight},
    {"Left layout: icon at the left edge@GlyphKey", BS_PUSHBUTTON | 0x100, 0, 1, 3 * kCell + 2 * kGap, 38},
    {"A caption without icons, wrapped at word breaks", BS_PUSHBUTTON, 3, 1, 3 * kCell + 2 * kGap, 38},
};
enum { kOn = 2, kPressed = 3, kDisabled = 4, kFocus = 5 };
const int kCount = sizeof kControls / sizeof kControls[0];

HWND controls[kCount];

LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_TIMER:
      DestroyWindow(window);
      return 0;
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace

int main(int argc, char** argv) {
  int seconds = argc > 1 ? atoi(argv[1]) : 60;
  if (!LoadLibraryA("GlyphKey32.dll")) {
    fprintf(stderr, "looks: cannot load GlyphKey32.dll\n");
    return 1;
  }
  WNDCLASSA windowClass = {};
  windowClass.lpfnWndProc = WindowProc;
  windowClass.hInstance = GetModuleHandleA(nullptr);
  windowClass.hbrBackground = (HBRUSH)(COLOR_BTNFACE + 1);
  windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
  windowClass.lpszClassName = "GlyphKeyLooks";
  RegisterClassA(&windowClass);

  RECT client = {0, 0, 6 * kCell + 7 * kGap, kCellHeight + 38 + 3 * kGap};
  DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU;
  AdjustWindowRect(&client, style, FALSE);
  HWND window = CreateWindowA("GlyphKeyLooks", "GlyphKey looks", style, 40, 40, client.right - client.left,
                              client.bottom - client.top, nullptr, nullptr, windowClass.hInstance, nullptr);
  for (int i = 0; i < kCount; i++) {
    const Control& c = kControls[i];
    int x = kGap + c.x * (kCell + kGap);
    int y = kGap + c.y * (kCellHeight + kGap);
    controls[i] = CreateWindowA("GlyphKey", c.text, WS_CHILD | WS_VISIBLE | WS_TABSTOP | c.style, x, y, c.width,
                                c.height, window, (HMENU)(INT_PTR)(100 + i), windowClass.hInstance, nullptr);
  }
  ShowWindow(window, SW_SHOW);
  SetForegroundWindow(window);  // the focus rectangle shows in the active window
  SendMessageA(controls[kOn], BM_SETCHECK, 1, 0);
  EnableWindow(controls[kDisabled], FALSE);
  SetFocus(controls[kFocus]);
  // A space key held down on a control that is not focused: pressed until the release,
  // which never comes.
  SendMessageA(controls[kPressed], WM_KEYDOWN, VK_SPACE, 0);
  UpdateWindow(window);
  RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);

  RECT r;
  GetWindowRect(window, &r);
  printf("%ld %ld %ld %ld\n", r.left, r.top, r.right, r.bottom);
  fflush(stdout);
  SetTimer(window, kCloseTimer, (UINT)seconds * 1000, nullptr);
  MSG msg;
  while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
  return 0;
}
