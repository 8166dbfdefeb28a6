// The caption of a window's child control as the About box lists it.
#pragma once
#include <windows.h>

#include "base/text.h"

// The caption of the child control id of window: "&" made blanks, white space
// trimmed; empty when there is no such control.
Text ButtonCaptionOf(HWND window, int id);
