// How a button's caption reads outside the button: every "&" made a blank, white
// space trimmed at both ends ("&Install" reads "Install").
#pragma once
#include "base/text.h"

Text PlainButtonCaption(const char* windowText, LeadByteTest isLeadByte);
