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
// A letter of any script: the current keyboard layout says which key types it.
short KeyScan(wchar_t c) {
  wchar_t lower = static_cast<wchar_t>(reinterpret_cast<UINT_PTR>(CharLowerW(reinterpret_cast<LPWSTR>(c))));
  return VkKeyScanW(lower);
}

bool IsLeadByte(unsigned char byte) {
  return IsDBCSLeadByte(byte) != FALSE;
}

HICON LoadIconFrom(HINSTANCE module, const IconNameOf<char>& name) {
  return LoadIconA(module, name.isInteger ? MAKEINTRESOURCEA(name.id) : name.text);
}
HICON LoadIconFrom(HINSTANCE module, const IconNameOf<wchar_t>& name) {
  return LoadIconW(module, name.isInteger ? MAKEINTRESOURCEW(name.id) : name.text);
}

// The library's own icons come first, so "OK@1@101" shows the library's ticks in any host;
// then the module of the parent window, where the host's own icons live.
template <typename Char>
HICON LookUpIcon(HWND window, const IconNameOf<Char>& name) {
  HICON icon = g_library ? LoadIconFrom(g_library, name) : nullptr;
  if (icon) return icon;
  HWND parent = reinterpret_cast<HWND>(GetWindowLongA(window, GWL_HWNDPARENT));
  HINSTANCE host = reinterpret_cast<HINSTANCE>(GetWindowLongA(parent, GWL_HINSTANCE));
  return LoadIconFrom(host, name);
}

// The caption becomes the window text: an ANSI one as SetWindowTextA sets it; a UTF-16 one
// straight into the window's own (Unicode) text, since a message would narrow it on its way
// through the control's ANSI procedure.
void SetCaption(HWND window, const char* caption) {
  SetWindowTextA(window, caption);
}
void SetCaption(HWND window, const wchar_t* caption) {
  SetWindowTextWide(window, caption);
}

template <typename Char>
void ApplyText(HWND window, ControlRecord* record, Char* text, int limit) {
  ControlTextOf<Char> parsed =
      ParseControlText(text, limit, KeyScan, sizeof(Char) == 1 ? IsLeadByte : nullptr);
  if (!parsed.hasSeparator) {
    // The whole text is the caption, already the window text; the accelerator stays.
    record->upIcon = nullptr;
    record->downIcon = nullptr;
    return;
  }
  SetCaption(window, parsed.caption);
  record->accelerator = parsed.accelerator;
  record->upIcon = LookUpIcon(window, parsed.up);
  HICON down = parsed.down.present ? LookUpIcon(window, parsed.down) : nullptr;
  record->downIcon = down ? down : record->upIcon;
}

}  // namespace

void ApplyControlText(HWND window, ControlRecord* record, char* text, int limit) {
  ApplyText(window, record, text, limit);
}
void ApplyControlText(HWND window, ControlRecord* record, wchar_t* text, int limit) {
  ApplyText(window, record, text, limit);
}

}  // namespace glyphkey
