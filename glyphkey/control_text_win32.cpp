// Applies a parsed control text to a window: caption, accelerator and icon lookup.
#include "control_text.h"
#include "glyphkey_internal.h"

namespace glyphkey {
namespace {

// The lower case first: a dialog manager matches "&Install" when i is typed without Shift.
short KeyScan(char c) {
  // CharLowerA takes a single character in the low word of its argument.
  char lower = static_cast<char>(reinterpret_cast<UINT_PTR>(
      CharLowerA(reinterpret_cast<LPSTR>(static_cast<UINT_PTR>(static_cast<unsigned char>(c))))));
  return VkKeyScanA(lower);
}

bool IsLeadByte(unsigned char byte) {
  return IsDBCSLeadByte(byte) != FALSE;
}

HICON LoadIconFrom(HINSTANCE module, const IconName& name) {
  LPCSTR resource = name.isInteger ? MAKEINTRESOURCEA(name.id) : name.text;
  return LoadIconA(module, resource);
}

// The library's own icons come first, so "OK@1@101" shows the library's ticks in any host;
// then the module of the parent window, where the host's own icons live.
HICON LookUpIcon(HWND window, const IconName& name) {
  HICON icon = g_library ? LoadIconFrom(g_library, name) : nullptr;
  if (icon) return icon;
  HWND parent = reinterpret_cast<HWND>(GetWindowLongA(window, GWL_HWNDPARENT));
  HINSTANCE host = reinterpret_cast<HINSTANCE>(GetWindowLongA(parent, GWL_HINSTANCE));
  return LoadIconFrom(host, name);
}

}  // namespace

void ApplyControlText(HWND window, ControlRecord* record, char* text, int limit) {
  ControlText parsed = ParseControlText(text, limit, KeyScan, IsLeadByte);
  if (!parsed.hasSeparator) {
    // The whole text is the caption, already the window text; the accelerator stays.
    record->upIcon = nullptr;
    record->downIcon = nullptr;
    return;
  }
  SetWindowTextA(window, parsed.caption);
  record->accelerator = parsed.accelerator;
  record->upIcon = LookUpIcon(window, parsed.up);
  HICON down = parsed.down.present ? LookUpIcon(window, parsed.down) : nullptr;
  record->downIcon = down ? down : record->upIcon;
}

}  // namespace glyphkey
