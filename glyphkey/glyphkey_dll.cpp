// Entry point of GlyphKey32.dll: registers the GlyphKey class when a process loads it.
#include "glyphkey_internal.h"

namespace glyphkey {
HINSTANCE g_library = nullptr;

namespace {
constexpr UINT kClassStyle = CS_VREDRAW | CS_HREDRAW | CS_DBLCLKS | CS_GLOBALCLASS;  // 0x400B
constexpr int kClassBrush = COLOR_WINDOW + 1;
BOOL g_registered = FALSE;

BOOL RegisterGlyphKeyClass(HINSTANCE library) {
  WNDCLASSA wc = {};
  wc.style = kClassStyle;
  wc.lpfnWndProc = GlyphKeyWndProc;
  wc.cbClsExtra = 0;
  wc.cbWndExtra = kWindowExtraBytes;
  wc.hInstance = library;
  wc.hIcon = LoadIconA(library, "GlyphKey");  // resource names match without regard to case
  wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
  wc.hbrBackground = reinterpret_cast<HBRUSH>(kClassBrush);
  wc.lpszMenuName = nullptr;
  wc.lpszClassName = "GlyphKey";
  return RegisterClassA(&wc) != 0;
}
}  // namespace
}  // namespace glyphkey

// The library carries no C runtime, so this is the loader's entry point itself.
// The class is never unregistered: hosts destroy their controls before freeing the library.
extern "C" BOOL WINAPI DllMainCRTStartup(HINSTANCE instance, DWORD reason, LPVOID) {
  using namespace glyphkey;
  if (reason == DLL_PROCESS_ATTACH) {
    g_registered = RegisterGlyphKeyClass(instance);
    g_library = g_registered ? instance : nullptr;
  }
  // A false answer at process attach makes the load fail, so a host always has the class.
  return g_registered;
}
